// Voorbeeld: the preview of the puzzle-word dialog, a small retained surface
// drawn with the board's primitives that reports where the mouse went down.
// With the keyboard focus a cursor stands in one of its boxes: Left and
// Right move it, Space and Return report the box as a click on it would.
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
    // The number of boxes drawn; the cursor stays among them.
    void ZetVakjes(int n);
    int Cursor() const { return cursor; }
    int Vakjes() const { return vakjes; }

signals:
    void ingedrukt(QPoint plek);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    Tekenvlak vlak;
    int vakjes = 0;
    int cursor = 1;
};
