// A puzzle file opened by its path, from anywhere: the command line, the
// file manager, the Openen… dialog. The same checks and messages as Load,
// but a puzzle whose picture is missing or damaged still opens, with its
// board drawn anew, since a puzzle mailed alone should not be lost.
#pragma once

#include "storage/Puzzelbestand.h"

#include <QImage>
#include <QString>

// The board as a maker who typed the search word and filled the rows one by
// one would have drawn it. The puzzle in memory is left as it was.
QImage GetekendBord(const Puzzel& p);

// The .pzl at pad with the .bmp of its name beside it, or an .ipuz file
// (by its extension). A file larger than any puzzle is refused unread.
Geladen PuzzelOpenen(const QString& pad);
