// All pictures share one look: a rounded tile with a soft vertical gradient
// in the command's colour, a dark rim and a light glyph on top.
#include "assets/Plaatjes.h"

#include "board/Tekenvlak.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

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
        // A small staircase of boxes.
        p.setPen(QPen(licht, 1.4));
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j <= i; ++j)
                p.drawRect(QRectF(7 + 6 * j + (2 - i) * 0, 7 + 6 * i, 6, 6).translated(i * 3, 0));
        p.setPen(pen);
        p.drawLine(QPointF(22, 19), QPointF(22, 27));
        p.drawLine(QPointF(18, 23), QPointF(26, 23));
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
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    Tegel(p, QRectF(1.5, 1.5, 29, 29), Kleur(c), 6);
    Glyph(p, c);
    return pm;
}

QColor KnopBlauw() { return QColor(40, 70, 170); }
QColor KnopRood() { return QColor(170, 30, 30); }
QColor KnopGroen() { return QColor(20, 120, 60); }

QPixmap KnopPlaatje(const QString& woord, QColor vlak)
{
    QPixmap pm(40, 30);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    Tegel(p, QRectF(0.5, 0.5, 39, 29), vlak, 5);
    p.setFont(Lettertype(QStringLiteral("Liberation Sans"), 9, true));
    p.setPen(QColor(40, 40, 40, 140));
    p.drawText(QRectF(1, 1, 40, 30), Qt::AlignCenter, woord);
    p.setPen(QColor(225, 225, 225));
    p.drawText(QRectF(0, 0, 40, 30), Qt::AlignCenter, woord);
    return pm;
}

QImage Startbeeld()
{
    QImage beeld(507, 453, QImage::Format_RGB32);
    {
        QPainter p(&beeld);
        QLinearGradient g(0, 0, 0, 453);
        g.setColorAt(0, QColor(236, 236, 226));
        g.setColorAt(1, QColor(214, 218, 206));
        p.fillRect(beeld.rect(), g);

        p.setRenderHint(QPainter::TextAntialiasing);
        QFont titel = Lettertype(QStringLiteral("Liberation Sans"), 30, true);
        p.setFont(titel);
        p.setPen(QColor(0, 90, 90));
        p.drawText(QRect(0, 16, 503, 50), Qt::AlignHCenter, QStringLiteral("Wendolo"));
        p.setFont(Lettertype(QStringLiteral("Liberation Sans"), 11, false));
        p.setPen(QColor(64, 64, 64));
        p.drawText(QRect(0, 64, 503, 20), Qt::AlignHCenter, QStringLiteral("trappuzzels ontwerpen, opslaan, afdrukken en publiceren"));
    }

    // The example puzzle is drawn with the board's own primitives, so it
    // looks exactly like a real board.
    Tekenvlak vlak(507, 453, Qt::white, BordLettertype());
    vlak.Beeld = beeld;
    struct Rij { const char* woord; int p; };
    // The column spells WATER.
    const Rij rijen[] = {{"ZWAAN", 2}, {"SLAAP", 3}, {"MOTOR", 3}, {"LEPEL", 4}, {"BROOD", 2}};
    const int kolom = 230, top = 110, breed = 22, hoog = 21;
    for (int i = 0; i < 5; ++i) {
        const QString woord = QString::fromLatin1(rijen[i].woord);
        int x = kolom - breed * (rijen[i].p - 1);
        const int y = top + hoog * i;
        vlak.text(x - 18, y + 3, QStringLiteral(" %1 ").arg(i + 1));
        for (int j = 0; j < woord.size(); ++j, x += breed) {
            vlak.VulKleur = j == rijen[i].p - 1 ? QColor(220, 220, 240) : Qt::white;
            vlak.box(x, y, x + breed, y + hoog, Qt::black);
            vlak.text(x + 6, y + 3, woord.mid(j, 1));
        }
    }
    {
        QPainter p(&vlak.Beeld);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(Lettertype(QStringLiteral("Liberation Sans"), 12, true));
        p.setPen(QColor(0, 90, 90));
        p.drawText(QRect(0, 255, 503, 40), Qt::AlignHCenter,
                   QStringLiteral("Elk woord kruist de kolom van het zoekwoord."));
        p.setFont(Lettertype(QStringLiteral("Liberation Sans"), 11, false));
        p.setPen(QColor(64, 64, 64));
        p.drawText(QRect(40, 320, 423, 80), Qt::AlignHCenter | Qt::TextWordWrap,
                   QStringLiteral("Klik op \u201cNieuw\u201d om een nieuwe puzzel te ontwerpen,\n"
                                  "of op \u201cLoad\u201d om een opgeslagen puzzel te laden."));
    }
    return vlak.Beeld;
}
