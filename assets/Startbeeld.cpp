// The start image, drawn in code so it stays editable.
#include "assets/Startbeeld.h"

#include "board/Tekenvlak.h"

#include <QLinearGradient>
#include <QPainter>

QImage Startbeeld()
{
    // Laid out on the 503 x 449 part the board shows; the image itself is as
    // large as the control, so its last 4 columns and rows stay unseen.
    const int breed = 503;
    QImage beeld(507, 453, QImage::Format_RGB32);
    QPainter p(&beeld);
    QLinearGradient g(0, 0, 0, 453);
    g.setColorAt(0, QColor(236, 236, 226));
    g.setColorAt(1, QColor(214, 218, 206));
    p.fillRect(beeld.rect(), g);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QColor teal(0, 90, 90), grijs(64, 64, 64);
    p.setFont(Lettertype(QStringLiteral("Liberation Sans"), 30, true));
    p.setPen(teal);
    p.drawText(QRect(0, 26, breed, 50), Qt::AlignHCenter, QStringLiteral("Wendolo"));
    p.setFont(Lettertype(QStringLiteral("Liberation Sans"), 11, false));
    p.setPen(grijs);
    p.drawText(QRect(0, 76, breed, 20), Qt::AlignHCenter,
               QStringLiteral("trappuzzels ontwerpen, opslaan, afdrukken en publiceren"));

    // The example puzzle in the board's look, nearly twice its size:
    // black outlines on whole pixels, the column in the search-word fill,
    // the numbers in front of each row. The column spells WATER and stands
    // in the middle of the board.
    struct Rij { const char* woord; int p; };
    const Rij rijen[] = {{"ZWAAN", 2}, {"SLAAP", 3}, {"MOTOR", 3}, {"LEPEL", 4}, {"BROOD", 2}};
    const int hokB = 40, hokH = 37, top = 118;
    const int kolom = (breed - hokB) / 2;
    const QFont letter = Lettertype(QStringLiteral("Liberation Sans"), 17, true);
    const QFont nummer = Lettertype(QStringLiteral("Liberation Sans"), 12, true);
    for (int i = 0; i < 5; ++i) {
        const QString woord = QString::fromLatin1(rijen[i].woord);
        const int y = top + hokH * i;
        int x = kolom - hokB * (rijen[i].p - 1);
        p.setFont(nummer);
        p.setPen(Qt::black);
        p.drawText(QRect(x - 34, y, 28, hokH), Qt::AlignRight | Qt::AlignVCenter, QString::number(i + 1));
        for (int j = 0; j < woord.size(); ++j, x += hokB) {
            p.setPen(Qt::black);
            p.setBrush(j == rijen[i].p - 1 ? QColor(220, 220, 240) : QColor(Qt::white));
            p.drawRect(QRect(x, y, hokB, hokH));
            p.setFont(letter);
            p.drawText(QRect(x, y, hokB + 1, hokH + 1), Qt::AlignCenter, woord.mid(j, 1));
        }
    }
    const int onder = top + hokH * 5;

    p.setFont(Lettertype(QStringLiteral("Liberation Sans"), 12, true));
    p.setPen(teal);
    p.drawText(QRect(0, onder + 16, breed, 24), Qt::AlignHCenter,
               QStringLiteral("Elk woord kruist de kolom van het zoekwoord."));
    p.setPen(QPen(QColor(170, 178, 166), 1));
    p.drawLine(150, onder + 56, breed - 150, onder + 56);
    p.setFont(Lettertype(QStringLiteral("Liberation Sans"), 11, false));
    p.setPen(grijs);
    p.drawText(QRect(40, onder + 70, breed - 80, 60), Qt::AlignHCenter | Qt::TextWordWrap,
               QStringLiteral("Klik op \u201cNieuw\u201d om een nieuwe puzzel te ontwerpen,\n"
                              "of op \u201cLoad\u201d om een opgeslagen puzzel te laden."));
    return beeld;
}
