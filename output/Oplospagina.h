// The web page to solve a puzzle on: one self-contained HTML5 file (UTF-8,
// inline style sheet and script, nothing fetched) with the board in the
// design's geometry and colours, boxes to type the answers into, the
// numbered clues, and buttons to check, show the solution and clear.
#pragma once

#include <QByteArray>
#include <QString>

struct Puzzel;

// The whole page for p under the header kop. The header and the clues are
// escaped, so no text of the maker's becomes markup or script. The answers
// (each row's boxes upper-cased, rows joined by a line feed, as UTF-8) are
// in the page only scrambled by OplosKlutsen, in Base64, in the board's
// data-a; the board's data-id, 16 hexadecimal digits, names the puzzle for
// the browser's saved progress and its first 8 digits seed the scrambling.
// Needs nothing but the puzzle, so it can be written without a window.
QByteArray Oplospagina(const Puzzel& p, const QString& kop);

// XORs every byte with the next byte of a xorshift32 stream from zaad (0
// counts as 1), the same stream the page's script runs; its own inverse.
QByteArray OplosKlutsen(QByteArray bytes, quint32 zaad);
