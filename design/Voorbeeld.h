// Voorbeeld: the preview of the puzzle-word dialog, a small retained surface
// drawn with the board's primitives that reports where the mouse went down.
#pragma once

#include "board/Tekenvlak.h"

#include <QWidget>

class Voorbeeld : public QWidget
{
    Q_OBJECT
public:
    explicit Voorbeeld(QWidget* ouder);

    Tekenvlak& Vlak() { return vlak; }
    const QImage& Beeld() const { return vlak.Beeld; }
    // After drawing on Vlak().
    void Ververs() { update(); }

signals:
    void ingedrukt(QPoint plek);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    Tekenvlak vlak;
};
