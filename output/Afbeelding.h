// The board as a picture of its own, cut to the puzzle with a small margin:
// a bitmap at print resolution, or an SVG drawing of its shapes and text.
#pragma once

#include "board/Bord.h"

#include <QByteArray>
#include <QImage>

namespace Afbeeldingmaat {
constexpr int Dpi = 300;
constexpr int Marge = 6;  // board pixels round the puzzle
// A board pixel is 15 twips, so the screen board is 96 per inch.
constexpr double Schaal = Dpi / 96.0;
} // namespace Afbeeldingmaat

// The puzzle's part of the board with its margin, in board pixels.
QRect Afbeeldingvak();

// At 300 dpi, with that resolution recorded in the picture.
QImage BordAfbeelding(const Bordtekening& b);

// An SVG drawing whose units are board pixels.
QByteArray BordSvg(const Bordtekening& b);
