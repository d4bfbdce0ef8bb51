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
    : Beeld(breedte, hoogte, QImage::Format_RGB32), Achtergrond(achtergrond), Font(std::move(font)),
      maat(breedte, hoogte)
{
    Plaats(begin);
}

Tekenvlak::Tekenvlak(QPainter& p, int breedte, int hoogte, QColor achtergrond, QFont font)
    : Achtergrond(achtergrond), Font(std::move(font)), doel(&p), maat(breedte, hoogte)
{
    // Off the bitmap, letters are smoothed like any other text at that size;
    // the unsmoothed glyphs only serve the bitmap's exact repainting.
    Font.setStyleStrategy(QFont::PreferDefault);
}

void Tekenvlak::Schilder(const std::function<void(QPainter&)>& teken)
{
    if (doel) {
        doel->save();
        teken(*doel);
        doel->restore();
        return;
    }
    QPainter p(&Beeld);
    teken(p);
}

void Tekenvlak::Wis()
{
    Schilder([this](QPainter& p) { p.fillRect(QRect(QPoint(0, 0), maat), Achtergrond); });
}

void Tekenvlak::box(int x1, int y1, int x2, int y2, QColor lijn)
{
    Schilder([&](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(lijn, 1));
        p.setBrush(VulVast ? QBrush(VulKleur) : QBrush(Qt::NoBrush));
        // The 1-unit pen runs down the middle of columns x1 and x2, which on
        // the bitmap is exactly those pixels and, scaled, the same strips.
        p.drawRect(QRectF(x1 + 0.5, y1 + 0.5, x2 - x1, y2 - y1));
    });
}

void Tekenvlak::text(int x, int y, const QString& s)
{
    Schilder([&](QPainter& p) {
        p.setFont(Font);
        p.setPen(TekstKleur);
        // The bitmap's own ascent places the baseline everywhere, so a scaled
        // letter sits where the screen's does.
        p.drawText(QPointF(x, y + QFontMetrics(Font).ascent()), s);
    });
}

void Tekenvlak::Plaats(const QImage& beeld)
{
    Wis();
    Schilder([&](QPainter& p) { p.drawImage(QPoint(0, 0), beeld); });
}
