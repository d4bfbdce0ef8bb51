// Pixel tests of the board: the box primitive, the search-word column, the
// rows with their numbers, and blanking and restoring the letters. Expected
// boxes and numbers are drawn on a fresh surface at the offset where they
// belong, so a test fails on a single pixel out of place.
#include "board/Bord.h"
#include "model/Algemeen.h"

#include <QPainter>
#include <QtTest>

using namespace Algemeen;

namespace {

const QColor Veld(200, 210, 190);
const QColor Zoek(180, 190, 240);
const QColor Puzzel(250, 245, 200);

// The geometry in plain numbers, so that a wrong constant in the code shows.
constexpr int Kolom = 240;                 // left edge of the column
int Top(int i) { return 21 * i - 6; }      // top of row i
int Begin(int p) { return 262 - 22 * p; }  // left edge of a row crossing at letter p

// One box as it should look: black outline, interior in the fill colour and
// the letter at +6, +3.
QImage VerwachtHok(QChar letter, QColor vul)
{
    Tekenvlak v(23, 22, vul, BordLettertype());
    v.VulVast = false;
    v.box(0, 0, 22, 21, Qt::black);
    v.text(6, 3, QString(letter));
    return v.Beeld;
}

QRect Hok(int x, int y) { return QRect(x, y, 23, 22); }

// The strip left of a row's first box, as wide as the board allows, and what
// it should hold: only " i " at the row number's offset.
QRect NummerStrook(int i)
{
    const int breed = qMin(30, BeginX[i]);
    return QRect(BeginX[i] - breed, Top(i), breed, 21);
}

QImage VerwachtNummer(int i, int dx)
{
    const int breed = qMin(30, BeginX[i]);
    Tekenvlak v(breed, 21, Veld, BordLettertype());
    v.text(breed - dx, 3, QStringLiteral(" %1 ").arg(i));
    return v.Beeld;
}

// Fills row i with a word whose p-th letter is the search word's i-th.
void VulRij(int i, int p, const QString& woord)
{
    PuzzelWoord[i] = woord;
    BeginX[i] = Begin(p);
    QCOMPARE(Hoofdletter(woord[p - 1]), Hoofdletter(ZoekWoord[i - 1]));
}

} // namespace

class TestBord : public QObject
{
    Q_OBJECT

private slots:
    // The comparisons below mean something only if letters leave pixels, and
    // bit-exact restoring needs glyphs in pure black, without grey edges.
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

    void box_data()
    {
        QTest::addColumn<QList<QRect>>("hokken"); // x1, y1 as topLeft, x2, y2 as bottomRight
        QTest::addColumn<bool>("vast");
        QTest::newRow("one box, solid") << QList<QRect>{QRect(QPoint(5, 4), QPoint(27, 25))} << true;
        QTest::newRow("one box, transparent") << QList<QRect>{QRect(QPoint(5, 4), QPoint(27, 25))} << false;
        QTest::newRow("neighbours share a column")
            << QList<QRect>{QRect(QPoint(3, 3), QPoint(25, 24)), QRect(QPoint(25, 3), QPoint(47, 24))} << true;
        QTest::newRow("neighbours share a row")
            << QList<QRect>{QRect(QPoint(3, 3), QPoint(25, 24)), QRect(QPoint(3, 24), QPoint(25, 45))} << true;
        QTest::newRow("thinnest interior") << QList<QRect>{QRect(QPoint(10, 10), QPoint(12, 12))} << true;
    }

    // Outline on exactly columns x1, x2 and rows y1, y2; the inside in the
    // fill colour or untouched; nothing outside.
    void box()
    {
        QFETCH(QList<QRect>, hokken);
        QFETCH(bool, vast);
        Tekenvlak v(60, 60, Veld, BordLettertype());
        v.VulVast = vast;
        v.VulKleur = Puzzel;
        for (const QRect& h : hokken)
            v.box(h.left(), h.top(), h.right(), h.bottom(), Qt::black);

        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x) {
                QColor verwacht = Veld;
                for (const QRect& h : hokken) {
                    if (!h.contains(x, y))
                        continue;
                    const bool rand = x == h.left() || x == h.right() || y == h.top() || y == h.bottom();
                    if (rand)
                        verwacht = Qt::black;
                    else if (verwacht != Qt::black && vast)
                        verwacht = Puzzel;
                }
                if (v.Beeld.pixelColor(x, y) != verwacht)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is %3, expected %4")
                                         .arg(x).arg(y).arg(v.Beeld.pixelColor(x, y).name(), verwacht.name())));
            }
    }

    void zoekWoord_data()
    {
        QTest::addColumn<QString>("woord");
        QTest::newRow("lower case shows upper case") << QStringLiteral("water");
        QTest::newRow("a blank is an empty box") << QStringLiteral("open huis");
        QTest::newRow("twenty letters, row 20 fits") << QStringLiteral("Zeeverkenningsschepe");
    }

    void zoekWoord()
    {
        QFETCH(QString, woord);
        Tekenvlak bord = NieuwBord();
        TekenZoekWoord(bord, woord);
        for (int i = 1; i <= woord.size(); ++i)
            QCOMPARE(bord.Beeld.copy(Hok(Kolom, Top(i))), VerwachtHok(Hoofdletter(woord[i - 1]), Zoek));
        // Nothing below the last box.
        const int onder = Top(woord.size()) + 22;
        if (onder < 449)
            QCOMPARE(bord.Beeld.pixelColor(Kolom + 5, onder), Veld);
    }

    void rij_data()
    {
        QTest::addColumn<int>("i");
        QTest::addColumn<int>("p");
        QTest::addColumn<int>("lengte");
        QTest::addColumn<int>("nummerDx");
        QTest::newRow("row 1, p 1, starts on the column") << 1 << 1 << 5 << 18;
        QTest::newRow("row 2, p 11, starts at 20") << 2 << 11 << 14 << 18;
        QTest::newRow("row 9, last short number") << 9 << 3 << 4 << 18;
        QTest::newRow("row 10, p 1, first long number") << 10 << 1 << 5 << 23;
        QTest::newRow("row 11, p 11, long number at 20") << 11 << 11 << 12 << 23;
        QTest::newRow("row 20, the last") << 20 << 4 << 4 << 23;
    }

    void rij()
    {
        QFETCH(int, i);
        QFETCH(int, p);
        QFETCH(int, lengte);
        QFETCH(int, nummerDx);
        ZoekWoord = QStringLiteral("Voetbalwedstrijdenxy");
        // Lower case, a different letter in every box.
        QString woord = QStringLiteral("abcdefghijklmnopqrstu").left(lengte);
        woord[p - 1] = ZoekWoord[i - 1];
        VulRij(i, p, woord);
        Tekenvlak bord = NieuwBord();
        TekenZoekWoord(bord, ZoekWoord);
        TekenRij(bord, i);

        for (int j = 1; j <= woord.size(); ++j) {
            const QImage verwacht = j == p ? VerwachtHok(Hoofdletter(ZoekWoord[i - 1]), Zoek)
                                           : VerwachtHok(Hoofdletter(woord[j - 1]), Puzzel);
            QCOMPARE(bord.Beeld.copy(Hok(BeginX[i] + 22 * (j - 1), Top(i))), verwacht);
        }
        QCOMPARE(bord.Beeld.copy(NummerStrook(i)), VerwachtNummer(i, nummerDx));
        // The row ends with its last box.
        const int rechts = BeginX[i] + 22 * int(woord.size()) + 1;
        QCOMPARE(bord.Beeld.pixelColor(rechts, Top(i) + 10), Veld);
    }

    void wisLetters_data()
    {
        QTest::addColumn<QString>("zoekwoord");
        QTest::addColumn<QList<int>>("rijen"); // row, p pairs; the word is built around the letter
        QTest::newRow("no filled rows: only the column") << QStringLiteral("Paard") << QList<int>{};
        QTest::newRow("some rows, lower case") << QStringLiteral("fietsbel") << QList<int>{1, 1, 3, 11, 8, 5};
        QTest::newRow("twenty rows") << QStringLiteral("abcdefghijklmnopqrst")
                                     << QList<int>{1, 2, 9, 7, 10, 1, 15, 11, 20, 3};
    }

    // Blanking keeps outlines and numbers and paints the interiors in the
    // colours held now; printing the letters again gives the board back.
    void wisLetters()
    {
        QFETCH(QString, zoekwoord);
        QFETCH(QList<int>, rijen);
        ZoekWoord = zoekwoord;
        Tekenvlak bord = NieuwBord();
        TekenZoekWoord(bord, ZoekWoord);
        for (int k = 0; k < rijen.size(); k += 2) {
            const int i = rijen[k], p = rijen[k + 1];
            QString woord = QStringLiteral("klmnopqrstuv").left(p + 1);
            woord[p - 1] = ZoekWoord[i - 1];
            VulRij(i, p, woord);
            TekenRij(bord, i);
        }
        const QImage getekend = bord.Beeld;

        WisLetters(bord);
        TekenLetters(bord);
        QCOMPARE(bord.Beeld, getekend);

        const QColor nieuwPuzzel(255, 200, 200), nieuwZoek(200, 255, 200);
        KleurPuzzelWoord = {nieuwPuzzel.red(), nieuwPuzzel.green(), nieuwPuzzel.blue()};
        KleurZoekWoord = {nieuwZoek.red(), nieuwZoek.green(), nieuwZoek.blue()};
        WisLetters(bord);

        QList<QRect> binnen; // every interior, where blanking may paint
        for (int i = 1; i <= ZoekWoord.size(); ++i) {
            for (int j = 1; j <= PuzzelWoord[i].size(); ++j) {
                const QRect h = Hok(BeginX[i] + 22 * (j - 1), Top(i));
                if (h.left() != Kolom)
                    QCOMPARE(bord.Beeld.copy(h), VerwachtHok(QChar(' '), nieuwPuzzel));
                binnen << h.adjusted(1, 1, -1, -1);
            }
            QCOMPARE(bord.Beeld.copy(Hok(Kolom, Top(i))), VerwachtHok(QChar(' '), nieuwZoek));
            binnen << Hok(Kolom, Top(i)).adjusted(1, 1, -1, -1);
        }
        // Outside the interiors nothing changed: outlines and numbers stay.
        QImage voor = getekend, na = bord.Beeld;
        for (QImage* beeld : {&voor, &na}) {
            QPainter p(beeld);
            for (const QRect& r : binnen)
                p.fillRect(r, Qt::magenta);
        }
        QCOMPARE(na, voor);
    }

    // A loaded board or the start image replaces the bitmap from the top-left;
    // what lies outside the drawing area is cut off.
    void plaats()
    {
        Tekenvlak bord = NieuwBord();
        QImage groot(507, 453, QImage::Format_RGB32);
        groot.fill(Qt::red);
        groot.setPixelColor(502, 448, Qt::blue);
        bord.Plaats(groot);
        QCOMPARE(bord.Beeld.size(), QSize(503, 449));
        QCOMPARE(bord.Beeld.pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(bord.Beeld.pixelColor(502, 448), QColor(Qt::blue));

        // A covering picture is shared, not copied: drawing on the board or
        // blanking it must leave the picture alone (the start image is
        // read-only memory), and the board must outlive the picture.
        groot.fill(Qt::green);
        const QImage bewaard = groot.copy();
        bord.Plaats(groot);
        bord.box(0, 0, 20, 20, Qt::black);
        QCOMPARE(groot, bewaard);
        QCOMPARE(bord.Beeld.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(bord.Beeld.pixelColor(30, 30), QColor(Qt::green));
        bord.Plaats(groot);
        bord.Wis();
        QCOMPARE(groot, bewaard);
        bord.Plaats(bewaard.copy());
        QCOMPARE(bord.Beeld, bewaard.copy(0, 0, 503, 449));
        QImage doorzichtig(503, 449, QImage::Format_ARGB32);
        doorzichtig.fill(Qt::transparent);
        bord.Plaats(doorzichtig);
        QCOMPARE(bord.Beeld.format(), QImage::Format_RGB32);
        QCOMPARE(bord.Beeld.pixelColor(250, 200), bord.Achtergrond);
    }
};

QTEST_MAIN(TestBord)
#include "tst_bord.moc"
