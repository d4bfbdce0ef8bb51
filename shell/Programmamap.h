// Where the program finds the files it only reads (the word library, the
// help page) and where it keeps the files it writes (settings, puzzles, the
// export and the PDF). Every caller asks here, never builds a path itself.
#pragma once

#include <QString>

// The executable's folder joined with naam (the folder itself for none).
QString Programmamap(const QString& naam = {});

// The path of a file the program reads, by its name: library.lib, help.htm.
QString Leespad(const QString& naam);

// The path of a file or folder the program writes, by its name:
// Wendolo.ini, puzzels, wendolo.htm, puzzel.bmp, wendolo.pdf.
QString Schrijfpad(const QString& naam);
