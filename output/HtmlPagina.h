// The exported web page: header, the board bitmap beside the numbered clues
// and an empty answer line, as the bytes that go into wendolo.htm.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The whole page in Windows-1252, CR LF after every line, 30 lines plus one
// per clue. The header and the clues go in as they stand, unescaped: a maker
// who types markup into a clue gets that markup on the page.
QByteArray HtmlPagina(const QString& kopTekst, const QStringList& omschrijvingen);
