// A puzzle's two files, <naam>.pzl and <naam>.bmp, replaced as one.
//
// Two renames cannot be one step, so a save keeps a journal beside the pair:
// the new files are written complete as <naam>.pzl.nieuw and
// <naam>.bmp.nieuw, the old .pzl is kept as <naam>.pzl.oud, and only then is
// <naam>.bezig written, which decides the save. A save broken off before
// that point is undone, one broken off after it is finished, by
// PaarHerstellen, the next time the pair is saved or read. So whenever the
// program was killed, a name never reads one save's puzzle with another
// save's picture.
#pragma once

#include <QByteArray>
#include <QString>

// Puts the new pair in place. Returns the empty text, or the name of the file
// that could not be written; then the old pair is as it was.
QString PaarVervangen(const QString& map, const QString& naam, const QByteArray& pzl, const QByteArray& bmp);

// Finishes or undoes a save of naam that was broken off. False when a broken
// save could not be settled: the pair must then not be read or written.
bool PaarHerstellen(const QString& map, const QString& naam);

// The journal of naam's saves, the file that blocks the name while a broken
// save of it cannot be settled.
QString JournaalPad(const QString& map, const QString& naam);

// PaarHerstellen for every name in map that has a broken-off save.
void MapHerstellen(const QString& map);
