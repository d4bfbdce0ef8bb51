// Pixel tests of the board. Expected boxes and numbers are drawn on a fresh
// surface and compared where they belong, so one pixel out of place fails.
#include "board/Bord.h"
#include "model/Algemeen.h"

#include <QPainter>
#include <QtTest>

using namespace Algemeen;

namespace {

const QColor Veld(200, 210, 190), Zoek(180, 190, 240), Puzzel(250, 245, 200);

// The geometry in plain numbers, so that a wrong constant in the code shows.
constexpr int Kolom = 240;
int Top(int i) { return 21 * i - 6; }
QRect Hok(int i, int j) { return QRect(j ? BeginX[i] + 22 * (j - 1) : Kolom, Top(i), 23, 22); } // j 0: the column

// Black outline, the fill inside, the letter at +6, +3.
QImage VerwachtHok(QChar letter, QColor vul)
{
    Tekenvlak v(23, 22, vul, BordLettertype());
    v.VulVast = false;
    v.box(0, 0, 22, 21, Qt::black);
    v.text(6, 3, QString(letter));
    return v.Beeld;
}

} // namespace

class TestBord : public QObject
{
    Q_OBJECT

private slots:
    // The comparisons mean something only if letters leave pixels, and
    // bit-exact restoring needs pure black glyphs without grey edges.
    void initTestCase()
    {
        const QImage w = VerwachtHok(QChar('W'), Zoek);
        QVERIFY(w != VerwachtHok(QChar(' '), Zoek));
        for (int y = 1; y < 21; ++y)
            for (int x = 1; x < 22; ++x)
                QVERIFY(w.pixelColor(x, y) == Zoek || w.pixelColor(x, y) == Qt::black);
    }

    void init()
    {
        BeginWaarden();
        KleurVeld = {Veld.red(), Veld.green(), Veld.blue()};
        KleurZoekWoord = {Zoek.red(), Zoek.green(), Zoek.blue()};
        KleurPuzzelWoord = {Puzzel.red(), Puzzel.green(), Puzzel.blue()};
    }

    // Outline on exactly columns x1, x2 and rows y1, y2; inside the fill or
    // untouched; nothing outside. Neighbours share their outlines.
    void box_data()
    {
        QTest::addColumn<QList<QRect>>("hokken");  // corners x1, y1 and x2, y2
        QTest::addColumn<bool>("vast");
        const QRect een(QPoint(5, 4), QPoint(27, 25));
        QTest::newRow("transparent") << QList{een} << false;
        QTest::newRow("solid neighbours") << QList{een, een.translated(22, 0), een.translated(0, 21)} << true;
        QTest::newRow("thinnest interior") << QList{QRect(QPoint(10, 10), QPoint(12, 12))} << true;
    }
    void box()
    {
        QFETCH(QList<QRect>, hokken);
        QFETCH(bool, vast);
        Tekenvlak v(60, 60, Veld, BordLettertype());
        v.VulVast = vast;
        v.VulKleur = Puzzel;
        QImage verwacht(60, 60, QImage::Format_RGB32);
        verwacht.fill(Veld);
        for (const QRect& h : hokken) {
            v.box(h.left(), h.top(), h.right(), h.bottom(), Qt::black);
            for (int y = h.top(); y <= h.bottom(); ++y)
                for (int x = h.left(); x <= h.right(); ++x)
                    if (x == h.left() || x == h.right() || y == h.top() || y == h.bottom())
                        verwacht.setPixelColor(x, y, Qt::black);
                    else if (vast)
                        verwacht.setPixelColor(x, y, Puzzel);
        }
        QCOMPARE(v.Beeld, verwacht);
    }

    void rijen_data()
    {
        QTest::addColumn<QString>("zoekwoord");
        QTest::addColumn<QList<int>>("rijen"); // row i, its letter p on the column, its length
        // Rows 1 and 10 start on the column, 2 and 11 at x 20; 9 and 10 change
        // the number's offset. The short word ends in empty rows and nothing
        // may lie below it.
        QTest::newRow("short") << QStringLiteral("fiets bellen") << QList{1, 1, 5, 2, 11, 14, 9, 3, 4};
        QTest::newRow("twenty") << QStringLiteral("Voetbal wedstrijdenx")
                                << QList{10, 1, 5, 11, 11, 12, 15, 7, 8, 20, 4, 4};
    }

    // The column (lower case, a blank) with rows over it; blanking keeps
    // outlines and numbers and paints the interiors in the colours held now;
    // printing the letters again gives the board back.
    void rijen()
    {
        QFETCH(QString, zoekwoord);
        QFETCH(QList<int>, rijen);
        ZoekWoord = zoekwoord;
        Tekenvlak bord = NieuwBord();
        TekenZoekWoord(bord, ZoekWoord);
        for (int k = 0; k < rijen.size(); k += 3) {
            const int i = rijen[k], p = rijen[k + 1];
            PuzzelWoord[i] = QStringLiteral("abcdefghijklmn").left(rijen[k + 2]); // a different letter in every box
            PuzzelWoord[i][p - 1] = ZoekWoord[i - 1];
            BeginX[i] = 262 - 22 * p;
            TekenRij(bord, i);
        }

        const int n = ZoekWoord.size();
        for (int i = 1; i <= n; ++i) {
            QCOMPARE(bord.Beeld.copy(Hok(i, 0)), VerwachtHok(Hoofdletter(ZoekWoord[i - 1]), Zoek));
            const int lengte = PuzzelWoord[i].size();
            if (!lengte)
                continue;
            for (int j = 1; j <= lengte; ++j)
                if (Hok(i, j).left() != Kolom)
                    QCOMPARE(bord.Beeld.copy(Hok(i, j)), VerwachtHok(Hoofdletter(PuzzelWoord[i][j - 1]), Puzzel));
            QCOMPARE(bord.Beeld.pixelColor(Hok(i, lengte).right() + 1, Top(i) + 10), Veld); // ends with its last box
            // Left of the row, as far as the board allows, only " i ".
            const int breed = qMin(30, BeginX[i]);
            Tekenvlak nummer(breed, 21, Veld, BordLettertype());
            nummer.text(breed - (i <= 9 ? 18 : 23), 3, QStringLiteral(" %1 ").arg(i));
            QCOMPARE(bord.Beeld.copy(BeginX[i] - breed, Top(i), breed, 21), nummer.Beeld);
        }
        QCOMPARE(bord.Beeld.pixelColor(Kolom + 5, Top(n) + 22), Veld);

        const QImage getekend = bord.Beeld;
        WisLetters(bord);
        TekenLetters(bord);
        QCOMPARE(bord.Beeld, getekend);

        const QColor nieuwPuzzel(255, 200, 200), nieuwZoek(200, 255, 200);
        KleurPuzzelWoord = {255, 200, 200};
        KleurZoekWoord = {200, 255, 200};
        WisLetters(bord);
        QImage voor = getekend, na = bord.Beeld;
        QPainter pv(&voor), pn(&na); // every interior masked: outside them nothing may change
        for (int i = 1; i <= n; ++i)
            for (int j = 0; j <= PuzzelWoord[i].size(); ++j) {
                if (j == 0 || Hok(i, j).left() != Kolom)
                    QCOMPARE(bord.Beeld.copy(Hok(i, j)), VerwachtHok(QChar(' '), j ? nieuwPuzzel : nieuwZoek));
                pv.fillRect(Hok(i, j).adjusted(1, 1, -1, -1), Qt::magenta);
                pn.fillRect(Hok(i, j).adjusted(1, 1, -1, -1), Qt::magenta);
            }
        pv.end();
        pn.end();
        QCOMPARE(na, voor);
    }

    // A picture (the start image, a loaded board) from the top-left, cut off
    // where larger; where it does not cover, the background shows.
    void plaats()
    {
        Tekenvlak bord = NieuwBord();
        QImage groot(507, 453, QImage::Format_RGB32);
        groot.fill(Qt::green);
        bord.Plaats(groot);
        QCOMPARE(bord.Beeld, groot.copy(0, 0, 503, 449));
        QImage klein(40, 30, QImage::Format_ARGB32);
        klein.fill(Qt::transparent);
        klein.setPixelColor(0, 0, Qt::red);
        bord.Plaats(klein);
        QCOMPARE(bord.Beeld.format(), QImage::Format_RGB32);
        QVERIFY(bord.Beeld.pixelColor(0, 0) == Qt::red && bord.Beeld.pixelColor(1, 1) == Veld);
        QCOMPARE(bord.Beeld.pixelColor(250, 200), Veld);
    }

    // Per character: a board box holds the upper case of its own letter; "SS"
    // for "ß" would shift every later letter one box to the right.
    void hoofdletters() { QCOMPARE(Hoofdletters(QStringLiteral("café straße ÿ")), QStringLiteral("CAFÉ STRAßE Ÿ")); }
};

QTEST_MAIN(TestBord)
#include "tst_bord.moc"
