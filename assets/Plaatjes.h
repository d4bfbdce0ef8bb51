// The program's artwork, drawn in code so it stays editable: the eight
// command icons and the picture buttons of the dialogs (the start image is
// in Startbeeld.h). The build draws the icons once; the program carries them.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QString>

enum class Commando { Nieuw, Load, Save, Print, Tools, Help, Html, Einde };

constexpr int AantalCommandos = 8;
constexpr int IcoonMaat = 32;

// A 32 x 32 command icon: the one the build drew, or drawn now where the
// build carries none; and the drawing itself, which the build stores.
QPixmap Icoon(Commando c);
QImage TekenIcoon(Commando c);

// A 32-bit image's pixels, row after row without padding: how the build
// stores its pictures for the program to read in place.
QByteArray Pixelbytes(const QImage& beeld);

// A picture the build stored so, read in place from the program's resources
// (they live as long as the program; the image copies only when written
// to); a null image where the build carries none.
QImage Meegebracht(const QString& bron, QSize maat, QImage::Format formaat);

// A 40 x 30 raised button face in a colour with a word in light grey.
QPixmap KnopPlaatje(const QString& woord, QColor vlak);
QColor KnopBlauw();
QColor KnopRood();
QColor KnopGroen();

