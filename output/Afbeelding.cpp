// Drawing the board into a picture of its own.
#include "output/Afbeelding.h"

#include "model/Algemeen.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

using namespace Afbeeldingmaat;

namespace {

// b on p with the picture's top-left at the margin's corner.
void TekenVak(QPainter& p, const Bordtekening& b, QRect vak)
{
    Teken(p, b, QRectF(-vak.topLeft(), QSizeF(Algemeen::BordBreedte, Algemeen::BordHoogte)));
}

} // namespace

QRect Afbeeldingvak()
{
    return Puzzelvak().adjusted(-Marge, -Marge, Marge, Marge);
}

QImage BordAfbeelding(const Bordtekening& b)
{
    const QRect vak = Afbeeldingvak();
    QImage beeld(qRound(vak.width() * Schaal), qRound(vak.height() * Schaal), QImage::Format_RGB32);
    beeld.fill(b.Achtergrond);
    // A word processor sizes a pasted or inserted picture by this.
    const int perMeter = qRound(Dpi / 0.0254);
    beeld.setDotsPerMeterX(perMeter);
    beeld.setDotsPerMeterY(perMeter);
    QPainter p(&beeld);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    p.scale(Schaal, Schaal);
    TekenVak(p, b, vak);
    return beeld;
}

QByteArray BordSvg(const Bordtekening& b)
{
    const QRect vak = Afbeeldingvak();
    QByteArray svg;
    QBuffer uit(&svg);
    uit.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&uit);
    generator.setSize(vak.size());
    generator.setViewBox(QRect(QPoint(0, 0), vak.size()));
    generator.setResolution(96);
    generator.setTitle(QStringLiteral("Wendolo"));
    QPainter p(&generator);
    TekenVak(p, b, vak);
    p.end();
    // The generator gives the size in millimetres, which renderers round
    // either way; in pixels it is the board's own grid.
    const qsizetype begin = svg.indexOf("<svg "), eind = svg.indexOf('\n', begin);
    return svg.replace(begin, eind - begin,
                       QStringLiteral("<svg width=\"%1\" height=\"%2\"").arg(vak.width()).arg(vak.height()).toUtf8());
}
