// All pictures share one look: a rounded tile with a soft vertical gradient
// in the command's colour, a dark rim and a light glyph on top.
#include "assets/Plaatjes.h"

#include "board/Tekenvlak.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// A transparent picture of the given size, in as many pixels as the
// sharpest screen shows; painters on it draw in the given size.
QImage Leeg(QSize maat)
{
    const qreal verhouding = qGuiApp->devicePixelRatio();
    QImage beeld(maat * verhouding, QImage::Format_ARGB32_Premultiplied);
    beeld.setDevicePixelRatio(verhouding);
    beeld.fill(Qt::transparent);
    return beeld;
}

void Tegel(QPainter& p, QRectF r, QColor kleur, double straal)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, kleur.lighter(135));
    g.setColorAt(1, kleur.darker(125));
    p.setPen(QPen(kleur.darker(200), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, straal, straal);
    // A highlight along the top edge gives the raised look.
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    p.drawLine(QPointF(r.left() + straal, r.top() + 1.5), QPointF(r.right() - straal, r.top() + 1.5));
}

QColor Kleur(Commando c)
{
    switch (c) {
    case Commando::Nieuw: return QColor(0, 128, 128);
    case Commando::Load: return QColor(150, 130, 20);
    case Commando::Save: return QColor(0, 128, 0);
    case Commando::Print: return QColor(160, 80, 0);
    case Commando::Tools: return QColor(30, 40, 140);
    case Commando::Help: return QColor(80, 80, 80);
    case Commando::Html: return QColor(0, 80, 80);
    case Commando::Einde: return QColor(150, 0, 0);
    }
    return Qt::gray;
}

void Glyph(QPainter& p, Commando c)
{
    const QColor licht(250, 250, 245);
    QPen pen(licht, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (c) {
    case Commando::Nieuw: {
        // A staircase of boxes, one more on every step, its first column
        // filled like the search word's; a plus badge in the free corner.
        // Drawn on whole pixels so the 6-pixel boxes stay crisp.
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(licht, 1));
        for (int rij = 0; rij < 3; ++rij)
            for (int j = 0; j <= rij; ++j) {
                p.setBrush(QColor(250, 250, 245, j == 0 ? 170 : 60));
                p.drawRect(QRect(5 + 6 * j, 8 + 6 * rij, 6, 6));
            }
        p.restore();
        p.setPen(QPen(Kleur(c).darker(150), 1.2));
        p.setBrush(licht);
        p.drawEllipse(QPointF(23.5, 10.5), 5.5, 5.5);
        p.setPen(QPen(Kleur(c).darker(130), 2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(23.5, 7.5), QPointF(23.5, 13.5));
        p.drawLine(QPointF(20.5, 10.5), QPointF(26.5, 10.5));
        break;
    }
    case Commando::Load: {
        QPainterPath map;
        map.moveTo(6, 11); map.lineTo(12, 11); map.lineTo(14, 13); map.lineTo(26, 13);
        map.lineTo(26, 24); map.lineTo(6, 24); map.closeSubpath();
        p.drawPath(map);
        p.drawLine(QPointF(16, 15), QPointF(16, 21));
        p.drawLine(QPointF(13, 18), QPointF(16, 21));
        p.drawLine(QPointF(19, 18), QPointF(16, 21));
        break;
    }
    case Commando::Save: {
        p.drawRoundedRect(QRectF(7, 7, 18, 18), 2, 2);
        p.drawRect(QRectF(11, 7, 10, 6));
        p.drawRect(QRectF(10, 17, 12, 8));
        break;
    }
    case Commando::Print: {
        p.drawRect(QRectF(10, 6, 12, 7));
        p.drawRoundedRect(QRectF(6, 13, 20, 9), 2, 2);
        p.setBrush(licht);
        p.drawRect(QRectF(10, 19, 12, 7));
        break;
    }
    case Commando::Tools: {
        for (int i = 0; i < 3; ++i) {
            const double y = 10 + 6 * i;
            p.drawLine(QPointF(7, y), QPointF(25, y));
            p.setBrush(licht);
            p.drawEllipse(QPointF(11 + 5 * ((i * 2) % 3), y), 2.2, 2.2);
            p.setBrush(Qt::NoBrush);
        }
        break;
    }
    case Commando::Help: {
        QFont f = Lettertype(QStringLiteral("Liberation Sans"), 17, true);
        p.setFont(f);
        p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case Commando::Html: {
        p.drawEllipse(QPointF(16, 16), 9, 9);
        p.drawEllipse(QPointF(16, 16), 4, 9);
        p.drawLine(QPointF(7, 16), QPointF(25, 16));
        break;
    }
    case Commando::Einde: {
        p.drawArc(QRectF(8, 9, 16, 16), 120 * 16, 300 * 16);
        p.drawLine(QPointF(16, 6), QPointF(16, 16));
        break;
    }
    }
}

} // namespace

QPixmap Icoon(Commando c)
{
    QImage beeld = Leeg(QSize(32, 32));
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);
    Tegel(p, QRectF(1.5, 1.5, 29, 29), Kleur(c), 6);
    Glyph(p, c);
    p.end();
    return QPixmap::fromImage(beeld);
}

QColor KnopBlauw() { return QColor(40, 70, 170); }
QColor KnopRood() { return QColor(170, 30, 30); }
QColor KnopGroen() { return QColor(20, 120, 60); }

QPixmap KnopPlaatje(const QString& woord, QColor vlak)
{
    QImage beeld = Leeg(QSize(40, 30));
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);
    Tegel(p, QRectF(0.5, 0.5, 39, 29), vlak, 5);
    p.setFont(Lettertype(QStringLiteral("Liberation Sans"), 9, true));
    p.setPen(QColor(40, 40, 40, 140));
    p.drawText(QRectF(1, 1, 40, 30), Qt::AlignCenter, woord);
    p.setPen(QColor(225, 225, 225));
    p.drawText(QRectF(0, 0, 40, 30), Qt::AlignCenter, woord);
    p.end();
    return QPixmap::fromImage(beeld);
}
