// The program's artwork, drawn in code so it stays editable: the eight
// command icons and the picture buttons of the dialogs (the start image is
// in Startbeeld.h). Each is drawn when its window is made, with as many
// pixels as the sharpest screen shows, so it stays crisp at 2x too.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

enum class Commando { Nieuw, Load, Save, Print, Tools, Help, Html, Einde };

constexpr int AantalCommandos = 8;

// A 32 x 32 command icon.
QPixmap Icoon(Commando c);

// A 40 x 30 raised button face in a colour with a word in light grey.
QPixmap KnopPlaatje(const QString& woord, QColor vlak);
QColor KnopBlauw();
QColor KnopRood();
QColor KnopGroen();

