// A puzzle as an ipuz file, the open JSON format other puzzle players and
// editors read, and back.
//
// The staircase becomes a crossword just wide enough for its rows: boxes
// outside a word are null cells, the search word's column carries a cell
// style, every row's word is the Across entry of its own number and the
// search word one Down entry. Bars part two rows' boxes wherever they touch,
// so a player sees no down words that are none. What a crossword cannot
// hold (the banner, the colours, the letters as the maker typed them) goes
// along in the program's own extension field, so a file we wrote comes
// back as exactly the puzzle that was written.
#pragma once

#include "storage/Puzzelbestand.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// The ipuz file of p, titled titel, as UTF-8 JSON.
QByteArray IpuzBytes(const Puzzel& p, const QString& titel);

// Larger than any staircase could need: a bigger file is refused unread.
constexpr qint64 MaxIpuzBestand = 1 << 20;

// The puzzle in an ipuz file, or nullopt with fout saying (in Dutch, for the
// user) why the file is no staircase puzzle. Accepts the files IpuzBytes
// writes and other crosswords of the same shape; the program's extension
// field, when present, must agree with the grid.
std::optional<Puzzel> PuzzelUitIpuz(QByteArrayView data, QString& fout);
