// The settings file: banner, three colours and header text between runs.
#pragma once

#include "storage/Record.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The shared head, then the header text.
struct Instellingen : Kop {
    QString KopTekst;

    friend bool operator==(const Instellingen&, const Instellingen&) = default;
};

// The settings in memory, and putting them there.
Instellingen HuidigeInstellingen();
void Installeer(const Instellingen& s);

// Reads the records field by field into s, so what was read before a failure
// stays and the rest keeps the value s had. False when the data ends early
// or a field cannot be read (a blue outside 0..255, a number that is none).
// Red and green are clamped to 0..255.
bool InstellingenUitBytes(QByteArrayView data, Instellingen& s);
QByteArray InstellingenBytes(const Instellingen& s);

// The settings file's name, in the settings folder.
inline const QString InstellingenBestand = QStringLiteral("Wendolo.ini");

// Reads the file at pad into s, as InstellingenUitBytes; only reads. False
// when it is missing, no plain file or cannot be read whole.
bool InstellingenUitBestand(const QString& pad, Instellingen& s);

// Reads the file at pad into the model; rewrites it from memory when it
// cannot be read. Says nothing either way, and a file that can be neither
// read nor written leaves the defaults in force.
void InstellingenLezen(const QString& pad);

// Writes the model's settings to pad in one step; false when it failed, and
// then the old file is as it was.
bool InstellingenSchrijven(const QString& pad);
