// The program's 8-bit character set, Windows-1252, so that its files read
// the same on Windows and Linux. One byte is always one character.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace Ansi {

// Every byte decodes to one character (the five the code page leaves
// undefined to the C1 controls of the same number), so every byte survives
// a read and a write unchanged.
QString Decodeer(QByteArrayView bytes);

// Characters the set cannot hold become a substitute byte; check with Past
// first where that matters.
QByteArray Codeer(const QString& tekst);

// Whether c has a byte of its own in Windows-1252.
bool Past(QChar c);

// What a text field of the program's files can hold: every character with a
// byte of its own except the double quote, which would end the field. A
// double quote becomes an apostrophe, other characters and controls are
// left out, so what the maker sees is what is stored.
QString Bestandstekst(const QString& tekst);

// The byte of the upper case of the character with byte b, or b itself when
// its upper case has no byte (as for "ß" and "ÿ" in some tables).
unsigned char Hoofdletter(unsigned char b);

} // namespace Ansi
