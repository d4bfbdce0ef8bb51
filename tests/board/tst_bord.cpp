// Pixel tests of the board: expected boxes and numbers, drawn on a fresh
// surface, compared where they belong, so one pixel out of place fails.
#include "board/Bord.h"
#include "model/Algemeen.h"

#include <QPainter>
#include <QtTest>

using namespace Algemeen;

namespace {

const Kleur Veld{200, 210, 190}, Zoek{180, 190, 240}, Puzzel{250, 245, 200};

// The geometry in plain numbers, so that a wrong constant in the code shows.
constexpr int Kolom = 240;
int Top(int i) { return 21 * i - 6; }
QRect Hok(int i, int j) { return QRect(j ? BeginX[i] + 22 * (j - 1) : Kolom, Top(i), 23, 22); } // j 0: the column

// Black outline, the fill inside, the letter at +6, +3.
QImage VerwachtHok(QChar letter, Kleur vul)
{
    Tekenvlak v(23, 22, Qt::black, BordLettertype());
    QPainter(&v.Beeld).fillRect(1, 1, 21, 20, vul.Waarde());
    v.text(6, 3, QString(letter));
    return v.Beeld;
}

} // namespace

class TestBord : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        BeginWaarden();
        KleurVeld = Veld;
        KleurZoekWoord = Zoek;
        KleurPuzzelWoord = Puzzel;
    }

    // The column (lower case, a blank) with rows over it: row 9 starts on the
    // column, 11 at x 20, 9 and 10 change the number's offset. Blanking keeps
    // outlines and numbers, in the colours held now; the letters come back.
    void rijen()
    {
        ZoekWoord = QStringLiteral("Voetbal wedstrijdenx");
        Tekenvlak bord = NieuwBord();
        TekenZoekWoord(bord, ZoekWoord);
        const QList<QPoint> rijen{{1, 5}, {9, 1}, {10, 3}, {11, 11}, {15, 7}, {20, 4}};  // row, letter on the column
        for (const QPoint& r : rijen) {
            const int i = r.x(), p = r.y();
            PuzzelWoord[i] = QStringLiteral("abcdefghijklmn").left(p + 1);  // a different letter in every box
            PuzzelWoord[i][p - 1] = ZoekWoord[i - 1];
            BeginX[i] = 262 - 22 * p;
            TekenRij(bord, i);
        }

        for (int i = 1; i <= ZoekWoord.size(); ++i) {
            QCOMPARE(bord.Beeld.copy(Hok(i, 0)), VerwachtHok(Hoofdletter(ZoekWoord[i - 1]), Zoek));
            const int lengte = PuzzelWoord[i].size();
            if (!lengte)
                continue;
            for (int j = 1; j <= lengte; ++j)
                if (Hok(i, j).left() != Kolom)
                    QCOMPARE(bord.Beeld.copy(Hok(i, j)), VerwachtHok(Hoofdletter(PuzzelWoord[i][j - 1]), Puzzel));
            QCOMPARE(bord.Beeld.pixelColor(Hok(i, lengte).right() + 1, Top(i) + 10), Veld.Waarde());  // its last box ends it
            // Left of the row, as far as the board allows, only " i ".
            const int breed = qMin(30, BeginX[i]);
            Tekenvlak nummer(breed, 21, Veld.Waarde(), BordLettertype());
            nummer.text(breed - (i <= 9 ? 18 : 23), 3, QStringLiteral(" %1 ").arg(i));
            QCOMPARE(bord.Beeld.copy(BeginX[i] - breed, Top(i), breed, 21), nummer.Beeld);
        }

        const QImage getekend = bord.Beeld;
        WisLetters(bord);
        QVERIFY(bord.Beeld != getekend);  // the letters left pixels
        TekenLetters(bord);
        QCOMPARE(bord.Beeld, getekend);

        KleurPuzzelWoord = {255, 200, 200};
        KleurZoekWoord = {200, 255, 200};
        WisLetters(bord);
        QCOMPARE(bord.Beeld.copy(Hok(1, 1)), VerwachtHok(u' ', KleurPuzzelWoord));
        QCOMPARE(bord.Beeld.copy(Hok(1, 0)), VerwachtHok(u' ', KleurZoekWoord));
    }

    // A picture's transparent pixels show the background (where it lies and what it leaves: fuzz_bordbeeld).
    void plaats()
    {
        Tekenvlak bord = NieuwBord();
        QImage klein(40, 30, QImage::Format_ARGB32);
        klein.fill(Qt::transparent);
        klein.setPixelColor(0, 0, Qt::red);
        bord.Plaats(klein);
        QVERIFY(bord.Beeld.pixelColor(0, 0) == Qt::red && bord.Beeld.pixelColor(1, 1) == Veld.Waarde());
    }

    // Per character: a board box holds the upper case of its own letter; "SS"
    // for "ß" would shift every later letter one box to the right.
    void hoofdletters() { QCOMPARE(Hoofdletters(QStringLiteral("café straße ÿ")), QStringLiteral("CAFÉ STRAßE Ÿ")); }
};

QTEST_MAIN(TestBord)
#include "tst_bord.moc"
