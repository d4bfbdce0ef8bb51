// The print dialog's page miniature: a grey sheet with nine mock clue lines
// and the answer line, in twips at 15 per screen pixel. The board copy lies
// over it as a control of its own.
#pragma once

#include <QImage>
#include <QRect>
#include <array>

using Regellengtes = std::array<int, 9>;

namespace Miniatuurmaat {
constexpr int Breedte = 1500;                       // Picture1, twips
constexpr int Hoogte = 1965;
constexpr QRect Bordvak(90, 120, 825, 825);          // Image1
constexpr int EersteRegelY = 1080;
constexpr int Regelafstand = 60;
} // namespace Miniatuurmaat

// The right ends of the nine clue lines, 200..999 twips, drawn from the
// program's sequence, so each opening continues where the last one ended.
Regellengtes VolgendeRegellengtes();

// The sheet without the board: background, mock lines, answer rectangle.
QImage TekenMiniatuur(const Regellengtes& lengtes);

// Twips to screen pixels, as the controls are placed.
constexpr int Pixels(int twips) { return twips / 15; }
constexpr QRect Pixels(QRect twips)
{
    return QRect(Pixels(twips.x()), Pixels(twips.y()), Pixels(twips.width()), Pixels(twips.height()));
}
