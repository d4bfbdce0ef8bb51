// What the maker adds to the word library: a list of their own words, kept
// in mijnwoorden.lib beside the puzzles, and whether names are searched,
// kept in a settings file of its own beside Wendolo.ini (whose bytes stay as
// they were designed).
#pragma once

#include <QString>

inline const QString MijnWoordenNaam = QStringLiteral("mijnwoorden.lib");
inline const QString WoordenlijstInstellingen = QStringLiteral("Woordenlijst.ini");

// The own list of this run: in the data folder of an installed copy, beside
// the program in a portable one.
QString MijnWoordenPad();

// Names in the word list, "Namen in de woordenlijst": on unless the settings
// file at pad says off. A missing or unreadable file, or a pipe or a folder
// of that name (not waited on), reads as on.
bool LeesNamen(const QString& pad);
// False when the file could not be written; it is then as it was.
bool SchrijfNamen(const QString& pad, bool aan);

// The same for this run's settings folder. ZetNamen gives the message for
// the user when the setting could not be kept, or the empty text.
bool NamenInLijst();
QString ZetNamen(bool aan);

// The own list at pad holds woord (case aside); false for a list that
// cannot be read.
bool IsEigenWoord(const QString& pad, const QString& woord);

// Adds woord, blanks around it taken off, to the own list at pad as a line
// of its own: not when it is empty, already in the list, or in the library
// at bibliotheek (case aside). An own list that is too large, not text, or
// not a plain file is not touched. The empty text when it was added, else
// what the user is told.
QString VoegEigenWoordToe(const QString& pad, const QString& bibliotheek, const QString& woord);

// Takes the lines that hold woord (case aside) out of the own list at pad;
// every other line stays as it was. The empty text when it was taken out,
// else what the user is told.
QString HaalEigenWoordWeg(const QString& pad, const QString& woord);
