// Drawing the miniature sheet.
#include "output/Miniatuur.h"

#include "output/Toeval.h"

#include <QPainter>

using namespace Miniatuurmaat;

Regellengtes VolgendeRegellengtes()
{
    Regellengtes l{};
    for (int& lengte : l)
        lengte = int(Rnd() * 800 + 200);
    return l;
}

QImage TekenMiniatuur(const Regellengtes& lengtes)
{
    QImage vel(Pixels(Breedte), Pixels(Hoogte), QImage::Format_RGB32);
    vel.fill(QColor(224, 224, 224));
    QPainter p(&vel);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    // Whole pixels, so the lines land on the same pixels on every screen.
    auto lijn = [&p](int x1, int y1, int x2, int y2) {
        p.drawLine(Pixels(x1), Pixels(y1), Pixels(x2), Pixels(y2));
    };
    for (int k = 0; k < int(lengtes.size()); ++k) {
        const int y = EersteRegelY + Regelafstand * k;
        lijn(90, y, 120, y + 15);
        lijn(150, y, lengtes[k], y);
    }
    const int antwoordY = EersteRegelY + Regelafstand * 8 + 60 + 90;
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(Pixels(90), Pixels(antwoordY), Pixels(900) - Pixels(90), Pixels(antwoordY + 15) - Pixels(antwoordY)));
    return vel;
}
