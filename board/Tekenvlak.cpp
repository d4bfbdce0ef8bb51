// The two drawing primitives on a retained QImage.
#include "board/Tekenvlak.h"

#include <QFontMetrics>
#include <QPainter>

QFont Lettertype(const QString& familie, double punten, bool vet, bool zonderAntialias)
{
    QFont f(familie);
    f.setPixelSize(qRound(punten * 96.0 / 72.0));
    f.setBold(vet);
    if (zonderAntialias)
        f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

// "MS Sans Serif" is not on a Linux desktop. Of the installed fonts Liberation
// Sans comes closest in width, so row numbers such as " 10 " still fit in
// front of their row as the offsets expect.
const QString MsSansSerif = QStringLiteral("Liberation Sans");

// Board text is drawn without anti-aliasing: a letter printed twice at one
// place leaves the same pixels, and blanking a box then printing its letter
// again restores the board exactly.
QFont BordLettertype() { return Lettertype(MsSansSerif, 9.75, true, true); }
QFont VoorbeeldLettertype() { return Lettertype(MsSansSerif, 8.25, true, true); }

Tekenvlak::Tekenvlak(int breedte, int hoogte, QColor achtergrond, QFont font, const QImage& begin)
    : Beeld(breedte, hoogte, QImage::Format_RGB32), Achtergrond(achtergrond), Font(std::move(font))
{
    Plaats(begin);
}

void Tekenvlak::Wis() { Beeld.fill(Achtergrond); }

void Tekenvlak::box(int x1, int y1, int x2, int y2, QColor lijn)
{
    QPainter p(&Beeld);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(lijn, 1));
    p.setBrush(VulVast ? QBrush(VulKleur) : QBrush(Qt::NoBrush));
    // With a 1-pixel pen Qt puts the outline of QRect(x, y, w, h) on columns
    // x and x + w, so the width is the distance between the two outlines.
    p.drawRect(QRect(x1, y1, x2 - x1, y2 - y1));
}

void Tekenvlak::text(int x, int y, const QString& s)
{
    QPainter p(&Beeld);
    p.setFont(Font);
    p.setPen(TekstKleur);
    p.drawText(QPoint(x, y + QFontMetrics(Font, &Beeld).ascent()), s);
}

void Tekenvlak::Plaats(const QImage& beeld)
{
    Wis();
    QPainter p(&Beeld);
    p.drawImage(QPoint(0, 0), beeld);
}
