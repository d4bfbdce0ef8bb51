// Pic: the board control on the main window. A 2-pixel sunken border round
// the 503 x 449 drawing area, which only blits the retained bitmap; the row
// buttons are children of the drawing area, so board coordinates place them.
#pragma once

#include "board/Tekenvlak.h"

#include <QFrame>

class Pic : public QFrame
{
    Q_OBJECT
public:
    // The board starts as the picture begin, or blank in the field colour.
    explicit Pic(QWidget* parent = nullptr, const QImage& begin = QImage());

    // The drawing area, parent of everything that lies on the board.
    QWidget* Tekengebied() const { return gebied; }

    const Tekenvlak& Vlak() const { return vlak; }
    QImage Beeld() const { return vlak.Beeld; }

    // The board operations, each followed by a repaint.
    void LeegBord();
    void TekenZoekWoord(const QString& woord);
    void TekenRij(int i);
    void WisLetters();
    void TekenLetters();

    // The colour a later LeegBord paints; what is drawn stays as it is.
    void ZetAchtergrond(QColor kleur);
    // Replaces the whole bitmap (start image, a loaded board).
    void VervangBeeld(const QImage& beeld);
    // The box primitive, for the one temporary frame the export draws.
    void box(int x1, int y1, int x2, int y2, QColor lijn, bool vast);

private:
    QWidget* gebied;
    Tekenvlak vlak;
};
