// A retained drawing surface and its two drawing primitives, box and text.
// The board, the preview of the puzzle-word dialog and the exported frame
// all draw through these; nothing else paints boxes or letters. The same
// primitives also draw through any painter, so paper, a PDF, an SVG or a
// sharp screen get the board's own shapes and text, not a bitmap of them.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

class QPainter;

// A font by its point size, as the windows name them, turned into pixels at
// 96 dpi so that text measures the same on every screen.
QFont Lettertype(const QString& familie, double punten, bool vet, bool zonderAntialias = false);

// The family that stands in for "MS Sans Serif".
extern const QString MsSansSerif;

// The board's font, "MS Sans Serif" 9.75 pt bold, and the preview's at 8.25 pt.
QFont BordLettertype();
QFont VoorbeeldLettertype();

struct Tekenvlak {
    QImage Beeld;                      // RGB32, the retained bitmap
    QColor Achtergrond;                // what Wis() paints
    bool VulVast = true;               // fill style: solid (true) or transparent
    QColor VulKleur = Qt::white;       // interior of boxes while the fill is solid
    QColor TekstKleur = Qt::black;
    QFont Font;
    // False: the board operations leave the boxes' letters out, so a drawing
    // without them holds no hidden text either.
    bool Letters = true;

    // The surface starts as the picture begin, placed as Plaats places it.
    Tekenvlak(int breedte, int hoogte, QColor achtergrond, QFont font, const QImage& begin = QImage());
    // A surface of breedte x hoogte units without a bitmap: everything is
    // drawn through p, whose transform maps the units to the device.
    Tekenvlak(QPainter& p, int breedte, int hoogte, QColor achtergrond, QFont font);

    // The whole surface in the background colour.
    void Wis();

    // A rectangle whose 1-pixel outline lies on columns x1 and x2 and rows
    // y1 and y2, corners included; with a solid fill its inside is painted
    // in VulKleur. Neighbours that share a column share their outline.
    void box(int x1, int y1, int x2, int y2, QColor lijn);

    // s in the surface font and colour, the top-left of its first character
    // cell at (x, y); only the glyphs are painted.
    void text(int x, int y, const QString& s);

    // Replaces the bitmap by a picture placed at the top-left; what it does
    // not cover shows the background colour.
    void Plaats(const QImage& beeld);

private:
    // Runs teken with a painter on the bitmap, or with the given painter,
    // whose state it leaves as it was.
    void Schilder(const std::function<void(QPainter&)>& teken);

    QPainter* doel = nullptr;
    QSize maat;
};
