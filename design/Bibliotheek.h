// The word library search: every item of the library that has the chosen
// length and the row's letter at the chosen position, in file order.
#pragma once

#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringList>

// Scans library bytes (Windows-1252, the record field rules) for items of n
// characters whose character p, upper-cased, is L. Matches come back in
// lower case, one character for one, so their length never changes.
QStringList ZoekInBibliotheek(QByteArrayView data, int n, int p, QChar L);

// The same over the file at pad, read from its start each time. A missing
// or unreadable file gives nothing.
QStringList ZoekInBibliotheekBestand(const QString& pad, int n, int p, QChar L);
