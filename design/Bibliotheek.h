// The word library search: every item of the library that has the chosen
// length and the row's letter at the chosen position, in file order.
#pragma once

#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringList>

// The list holds at most this many words. The supplied library answers no
// search with more than about 17,600, so it is never cut short, while the
// list of any library fills in milliseconds, takes a few megabytes, and can
// still be scrolled and searched by typing.
inline constexpr qsizetype MaxWoorden = 20000;

// A library file is read this many bytes at a time, whatever its size.
inline constexpr qsizetype Stukgrootte = qsizetype(1) << 20;

// A library file beyond this is not searched: a scan holds the window some
// 2.5 s per gigabyte, each time the list is filled. The supplied library is
// a few megabytes, so this leaves room for any real word list.
inline constexpr qint64 MaxBibliotheek = qint64(64) << 20;

struct Zoekresultaat {
    QStringList woorden;    // at most MaxWoorden, in file order
    bool afgekapt = false;  // more items matched than the list holds
    QString geweigerd;      // why the file was not read, for the user; empty if it was
};

// Scans library bytes (Windows-1252, the record field rules) for items of n
// characters whose character p, upper-cased, is L. Matches come back in
// lower case, one character for one, so their length never changes. The
// bytes reach the scan stuk at a time, as a file's do; the answer is the
// same for every stuk. At most MaxWoorden words.
QStringList ZoekInBibliotheek(QByteArrayView data, int n, int p, QChar L, qsizetype stuk = Stukgrootte);

// The same over the file at pad, read from its start each time and never
// held whole, and only as far as the list fills. A missing file, one that
// cannot be read, and a pipe, a device or a folder of that name give nothing;
// so does a file larger than MaxBibliotheek, which says so.
Zoekresultaat ZoekInBibliotheekBestand(const QString& pad, int n, int p, QChar L);
