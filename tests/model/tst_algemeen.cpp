// Tests of the program-wide puzzle state: start-up values, the letter
// position kept as a start x, and upper-casing that never changes a length.
#include "model/Algemeen.h"

#include <QtTest>

using namespace Algemeen;

class TestAlgemeen : public QObject
{
    Q_OBJECT

private slots:
    // Every variable back to its start-up value, index 0 and the rows above
    // the search word included.
    void beginWaarden()
    {
        ZoekWoord = QStringLiteral("zeilboot");
        for (int i = 0; i <= MaxRijen; ++i) {
            PuzzelWoord[i] = QStringLiteral("woord");
            Omschrijving[i] = QStringLiteral("uitleg");
            BeginX[i] = 20;
        }
        HuidigeRij = 7;
        LetterPositie = 3;
        KleurVeld = KleurZoekWoord = KleurPuzzelWoord = {1, 2, 3};
        KopTekst = BannerTekst = QStringLiteral("x");
        ZonderTekst = true;

        BeginWaarden();
        QVERIFY(ZoekWoord.isEmpty());
        QCOMPARE(AantalRijen(), 0);
        for (int i = 0; i <= MaxRijen; ++i) {
            QVERIFY(PuzzelWoord[i].isEmpty() && Omschrijving[i].isEmpty());
            QCOMPARE(BeginX[i], 0);
            QVERIFY(!RijGevuld(i));
        }
        QCOMPARE(int(HuidigeRij), 0);
        QCOMPARE(LetterPositie, 0);
        QCOMPARE(KleurVeld, (Kleur{230, 230, 220}));
        QCOMPARE(KleurZoekWoord, (Kleur{220, 220, 240}));
        QCOMPARE(KleurPuzzelWoord, (Kleur{255, 255, 255}));
        QCOMPARE(KopTekst, QStringLiteral("Puzzelpagina"));
        QVERIFY(!BannerTekst.isEmpty() && !BannerTekst.contains(QLatin1Char('"')));
        QVERIFY(!ZonderTekst);
    }

    void wisRijen()
    {
        BeginWaarden();
        ZoekWoord = QStringLiteral("zeilboot");
        HuidigeRij = 4;
        PuzzelWoord[20] = Omschrijving[20] = QStringLiteral("t");
        BeginX[20] = 240;
        WisRijen();
        QVERIFY(!RijGevuld(20) && Omschrijving[20].isEmpty() && BeginX[20] == 0);
        // Only the rows: the search word and the chosen row stay.
        QCOMPARE(ZoekWoord, QStringLiteral("zeilboot"));
        QCOMPARE(int(HuidigeRij), 4);
    }

    void beginX_data()
    {
        QTest::addColumn<int>("p");
        QTest::addColumn<int>("beginX");
        QTest::newRow("first letter in the column") << 1 << 240;
        QTest::newRow("second") << 2 << 218;
        QTest::newRow("furthest left") << 11 << 20;
    }

    void beginX()
    {
        QFETCH(int, p);
        QFETCH(int, beginX);
        QCOMPARE(BeginXVoor(p), beginX);
        QCOMPARE(LetterPositieVan(beginX), p);
    }

    void hoofdletters_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("uit");
        QTest::newRow("plain") << QStringLiteral("Water") << QStringLiteral("WATER");
        QTest::newRow("accents") << QStringLiteral("café ëë") << QStringLiteral("CAFÉ ËË");
        QTest::newRow("y with diaeresis") << QStringLiteral("ÿ") << QStringLiteral("Ÿ");
        // "SS" would shift every later letter one box to the right.
        QTest::newRow("sharp s keeps its box") << QStringLiteral("straße") << QStringLiteral("STRAßE");
        QTest::newRow("digits and blanks") << QStringLiteral("a 1-b") << QStringLiteral("A 1-B");
    }

    void hoofdletters()
    {
        QFETCH(QString, in);
        QFETCH(QString, uit);
        QCOMPARE(Hoofdletters(in), uit);
        for (int k = 0; k < in.size(); ++k)
            QCOMPARE(Hoofdletter(in[k]), uit[k]);
    }
};

QTEST_GUILESS_MAIN(TestAlgemeen)
#include "tst_algemeen.moc"
