// Two files of one folder replaced as one: a puzzle's <naam>.pzl and
// <naam>.bmp, and the exported page with its picture.
//
// Two renames cannot be one step, so a replacement keeps a journal beside
// the pair: the new files are written complete as <file>.nieuw, the first
// file's old content is kept as <file>.oud, and only then is the journal
// written, which decides the replacement. One broken off before that point
// is undone, one broken off after it is finished, by PaarHerstellen, the
// next time the pair is replaced or read. So whenever the program was
// killed, the pair never holds one save's first file with another's second.
#pragma once

#include <QByteArray>
#include <QString>

struct Bestandspaar {
    QString map;
    QString eerste;    // file names; the first is the one put back on undo
    QString tweede;
    QString journaal;  // the file name of the journal
    // Put before the side files' names: a puzzle's take none, the export's a
    // dot, which no puzzle's name begins with, so a puzzle that shares a
    // folder and a name with the export never settles the export's save.
    QString zij;

    // <naam>.pzl and <naam>.bmp, journaled in <naam>.bezig.
    static Bestandspaar Puzzel(const QString& map, const QString& naam);
    // The journal's path, the file that blocks the pair while a broken
    // replacement of it cannot be settled.
    QString Journaalpad() const;
};

// Puts the new pair in place. Returns the empty text, or the path of the
// file that could not be written, the old pair then being as it was: the
// journal's path when an earlier broken-off replacement could not be settled.
QString PaarVervangen(const Bestandspaar& paar, const QByteArray& eerste, const QByteArray& tweede);

// Finishes or undoes a replacement of the pair that was broken off. False
// when it could not be settled: the pair must then not be read or written.
bool PaarHerstellen(const Bestandspaar& paar);

// PaarHerstellen for every puzzle in map that has a broken-off save.
void MapHerstellen(const QString& map);
