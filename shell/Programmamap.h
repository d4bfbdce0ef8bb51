// Where the program finds the files it only reads (the word library, the
// help page) and where it keeps the files it writes (settings, puzzles, the
// export and the PDF). Every caller asks here, never builds a path itself.
//
// A portable copy keeps everything in the executable's own folder. An
// installed copy (under <prefix>/bin, or in a folder its user cannot write)
// reads from <prefix>/share/wendolo and writes into the user's own folders,
// so users sharing one installation never share puzzles or settings.
#pragma once

#include <QString>
#include <QStringList>

// The folders of one copy of the program.
struct Mappen
{
    bool Geinstalleerd = false;
    QStringList Leesmappen;  // searched in order for a file the program reads
    QString Instellingen;    // holds Wendolo.ini
    QString Gegevens;        // holds puzzels/, the export and the PDF
    QString Toestand;        // holds the design being worked on

    // exe: the executable's folder; config, data and state: the user's
    // folders for settings, for the rest, and for what a run leaves to the
    // next, used only by an installed copy.
    static Mappen Voor(const QString& exe, const QString& config, const QString& data, const QString& state);
    // Everything in one folder, whatever it looks like.
    static Mappen Draagbaar(const QString& map);

    // The first reading folder that has naam; the installed one if none has.
    QString Lees(const QString& naam) const;
    // The path to write naam to; an installed copy makes the folder for it.
    QString Schrijf(const QString& naam) const;
    // A folder to write into; an installed copy makes it when it is missing.
    QString Map(const QString& naam) const;
    // The folder the design being worked on is kept in; an installed copy
    // makes it when it is missing.
    QString Bewaarmap() const;
};

// The folders of this run: worked out from the executable's folder and the
// user's XDG folders, each time they are asked for.
Mappen HuidigeMappen();

// Makes every folder of this run map, as in a portable copy, whatever the
// executable's folder; the empty text works them out again. For a run that
// must read and write nowhere else, such as a benchmark's or a test's.
void AllesIn(const QString& map);

// The user's own folder of an installed copy, from the XDG variable named
// (XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_STATE_HOME) or its standard place
// under the home folder.
QString Gebruikersmap(const char* variabele, const QString& standaard);

// The path of a file the program reads, by its name: library.lib, help.htm.
QString Leespad(const QString& naam);

// The path of a file or folder the program writes, by its name:
// Wendolo.ini, puzzels, wendolo.htm, puzzel.bmp, wendolo.pdf.
QString Schrijfpad(const QString& naam);

// The path of a folder the program saves into (puzzels); an installed copy
// makes it when first needed, a portable folder has it from the build.
QString Schrijfmap(const QString& naam);
