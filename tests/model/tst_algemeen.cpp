// The program-wide puzzle state: start-up values, the letter position kept
// as a start x, and upper-casing that never changes a length.
#include "model/Algemeen.h"

#include <QtTest>

using namespace Algemeen;

class TestAlgemeen : public QObject
{
    Q_OBJECT

private slots:
    // Index 0 and the rows above the search word are reset too.
    void beginWaarden()
    {
        ZoekWoord = KopTekst = BannerTekst = QStringLiteral("zeilboot");
        PuzzelWoord.fill(QStringLiteral("woord"));
        Omschrijving.fill(QStringLiteral("uitleg"));
        BeginX.fill(20);
        HuidigeRij = 7;
        LetterPositie = 3;
        KleurVeld = KleurZoekWoord = KleurPuzzelWoord = {1, 2, 3};
        ZonderTekst = true;

        BeginWaarden();
        QVERIFY(ZoekWoord.isEmpty());
        for (int i = 0; i <= MaxRijen; ++i) {
            QVERIFY(PuzzelWoord[i].isEmpty() && Omschrijving[i].isEmpty() && !RijGevuld(i));
            QCOMPARE(BeginX[i], 0);
        }
        QCOMPARE(int(HuidigeRij), 0);
        QCOMPARE(LetterPositie, 0);
        QCOMPARE(KleurVeld, (Kleur{230, 230, 220}));
        QCOMPARE(KleurZoekWoord, (Kleur{220, 220, 240}));
        QCOMPARE(KleurPuzzelWoord, (Kleur{255, 255, 255}));
        QCOMPARE(KopTekst, QStringLiteral("Puzzelpagina"));
        QVERIFY(!BannerTekst.isEmpty() && !BannerTekst.contains(QLatin1Char('"')));
        QVERIFY(!ZonderTekst);

        // Clearing the rows leaves the search word and the chosen row.
        ZoekWoord = QStringLiteral("zeilboot");
        HuidigeRij = 4;
        PuzzelWoord[20] = Omschrijving[20] = QStringLiteral("t");
        BeginX[20] = 240;
        WisRijen();
        QVERIFY(PuzzelWoord[20].isEmpty() && Omschrijving[20].isEmpty() && BeginX[20] == 0);
        QCOMPARE(ZoekWoord, QStringLiteral("zeilboot"));
        QCOMPARE(int(HuidigeRij), 4);
    }

    // Both ways, at the column and at the leftmost start a row may have.
    void beginX()
    {
        const std::pair<int, int> paren[] = {{1, 240}, {2, 218}, {11, 20}};
        for (auto [p, x] : paren) {
            QCOMPARE(BeginXVoor(p), x);
            QCOMPARE(LetterPositieVan(x), p);
        }
    }

    // Per character too: a board box holds the upper case of its own letter.
    // "SS" for "ß" would shift every later letter one box to the right.
    void hoofdletters()
    {
        const QString in = QStringLiteral("Water café ëë ÿ straße 1-b");
        const QString uit = QStringLiteral("WATER CAFÉ ËË Ÿ STRAßE 1-B");
        QCOMPARE(Hoofdletters(in), uit);
        for (int k = 0; k < in.size(); ++k)
            QCOMPARE(Hoofdletter(in[k]), uit[k]);
    }
};

QTEST_GUILESS_MAIN(TestAlgemeen)
#include "tst_algemeen.moc"
