// Designing a puzzle through the two dialogs: the search word's checks, the
// letter position's bounds, the OK checks in their order, the committed row.
#include "Nepscherm.h"
#include "board/Bord.h"
#include "design/Invoer.h"
#include "design/Start.h"
#include "shell/Meldingen.h"
#include "shell/Naad.h"
#include "shell/Pauze.h"
#include "storage/Puzzelbestand.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

using namespace Algemeen;

class TestOntwerpen : public QObject
{
    Q_OBJECT

    Nepscherm scherm;
    QStringList meldingen;
    QStringList antwoorden;  // the answers the input box gives, in turn
    QStringList vragen;

    void NieuwePuzzel(const QString& woord)
    {
        Start dlg(scherm);
        dlg.Text1->setText(woord);
        dlg.OkKnop_Click();
    }
    // Click in the middle of box i of the preview.
    static void KlikVakje(Invoer& dlg, int i) { dlg.Voorbeeld_MouseDown(QPoint(8 + 11 * i, 15)); }
    static QStringList Een(const QString& melding) { return melding.isEmpty() ? QStringList{} : QStringList{melding}; }

private slots:
    void init()
    {
        Naad.PauzeFactor = 0;
        BeginWaarden();
        meldingen.clear();
        antwoorden.clear();
        vragen.clear();
        Naad.Melding = [this](const Meldingen::Melding& m) {
            meldingen << m.tekst;
            return Meldingen::Antwoord::Ok;
        };
        Naad.Vraag = [this](const Meldingen::Vraag& v) {
            vragen << v.titel + u'|' + v.prompt;
            return antwoorden.isEmpty() ? QString() : antwoorden.takeFirst();
        };
    }
    void cleanup() { Naad = {}; }

    void zoekwoord_data()
    {
        QTest::addColumn<QString>("getypt");  // pasted: the field's limits apply to a paste too
        QTest::addColumn<QString>("teller");
        QTest::addColumn<QString>("melding");
        QTest::addColumn<QString>("zoekwoord");  // empty: refused

        const QString kort = QStringLiteral("Woord minimaal 5 tekens lang!");
        QTest::newRow("blanks around") << "  water  " << "9" << "" << "water";
        QTest::newRow("four letters") << "abcd" << "4" << kort << "";
        QTest::newRow("only blanks") << "       " << "7" << kort << "";
        QTest::newRow("length before digit") << "abc1" << "4" << kort << "";
        const QString cijfer = QString::fromUtf8("Géén cijfers in het woord plaatsen!");
        QTest::newRow("digit 0") << "ab0cd" << "5" << cijfer << "";
        QTest::newRow("digit 9") << "abcd9" << "5" << cijfer << "";
        QTest::newRow("inner blank") << "abc d" << "5" << "" << "abc d";
        QTest::newRow("cut at twenty") << "abcdefghijklmnopqrstuvwxyz" << "20" << "" << "abcdefghijklmnopqrst";
        // A double quote would end the text field in the file.
        QTest::newRow("double quote") << "wat\"er" << "6" << "" << "wat'er";
    }
    void zoekwoord()
    {
        QFETCH(QString, getypt);
        QFETCH(QString, teller);
        QFETCH(QString, melding);
        QFETCH(QString, zoekwoord);
        // An earlier puzzle with row 2 done and row 8 begun.
        NieuwePuzzel(QStringLiteral("waterval"));
        PuzzelWoord[2] = QStringLiteral("paard");
        Omschrijving[2] = QStringLiteral("dier");
        BeginX[2] = 218;
        PuzzelWoord[8] = QStringLiteral("lepel");
        scherm.ToonRijKnop(2, false);
        const Puzzel puzzel = HuidigePuzzel();
        const QImage bord = scherm.Bord().Beeld();

        Start dlg(scherm);
        dlg.Text1->insert(getypt);
        QCOMPARE(dlg.CountLabel->text(), teller);
        dlg.OkKnop_Click();
        QCOMPARE(meldingen, Een(melding));
        if (zoekwoord.isEmpty()) {  // left to be corrected, the earlier puzzle whole
            QCOMPARE(dlg.Text1->text(), getypt);
            QCOMPARE(HuidigePuzzel(), puzzel);
            QCOMPARE(scherm.Bord().Beeld(), bord);
            for (int i = 1; i <= MaxRijen; ++i)
                QCOMPARE(scherm.RijKnopZichtbaar(i), i <= 8 && i != 2);
            return;
        }
        QCOMPARE(ZoekWoord, zoekwoord);
        QCOMPARE(scherm.InfoBalk, QStringLiteral("Klik voor het invullen van de puzzelwoorden op de knoppen met het vraagteken."));
        for (int i = 1; i <= MaxRijen; ++i) {
            QVERIFY(PuzzelWoord[i].isEmpty() && Omschrijving[i].isEmpty() && BeginX[i] == 0);
            QCOMPARE(scherm.RijKnopZichtbaar(i), i <= zoekwoord.size());
        }
        Tekenvlak verwacht = NieuwBord();
        TekenZoekWoord(verwacht, zoekwoord);
        QCOMPARE(scherm.Bord().Beeld(), verwacht.Beeld);
    }

    void positie_data()
    {
        QTest::addColumn<int>("lengte");
        QTest::addColumn<int>("vakje");
        QTest::addColumn<QString>("melding");

        const QString rechts = QStringLiteral("Positie is te ver naar rechts!");
        const QString links = QStringLiteral("Positie is te ver naar links!");
        QTest::newRow("12: box 1") << 12 << 1 << links;
        QTest::newRow("12: box 2") << 12 << 2 << "";
        QTest::newRow("12: box 11") << 12 << 11 << "";
        QTest::newRow("12: box 12") << 12 << 12 << rechts;
        QTest::newRow("20: box 9") << 20 << 9 << links;
        QTest::newRow("20: box 10") << 20 << 10 << "";
        QTest::newRow("20: box 12") << 20 << 12 << rechts;
        QTest::newRow("5: box 5") << 5 << 5 << "";
    }
    void positie()
    {
        QFETCH(int, lengte);
        QFETCH(int, vakje);
        QFETCH(QString, melding);
        NieuwePuzzel(QStringLiteral("water"));
        HuidigeRij = 1;
        Invoer dlg(scherm);
        dlg.Lengte->setValue(lengte);
        KlikVakje(dlg, vakje);
        QCOMPARE(meldingen, Een(melding));
        QCOMPARE(LetterPositie, melding.isEmpty() ? vakje : 0);

        // Border lines, below the boxes and right of the last one hit nothing.
        const int voor = LetterPositie;
        for (QPoint p : {QPoint(2 + 11 * 3, 15), QPoint(8 + 11 * 3, 10), QPoint(8 + 11 * 3, 21), QPoint(8 + 11 * 3, 30),
                         QPoint(8 + 11 * (lengte + 1), 15)})
            dlg.Voorbeeld_MouseDown(p);
        QCOMPARE(LetterPositie, voor);
        QCOMPARE(meldingen, Een(melding));

        dlg.Lengte->setValue(lengte == 20 ? 19 : lengte + 1);
        QCOMPARE(LetterPositie, 0);  // a length change forgets the position
    }

    // The OK checks in their order, then the clue: a cancelled one stores
    // nothing, a second OK with one commits the row.
    void okEnVastleggen_data()
    {
        QTest::addColumn<int>("rij");
        QTest::addColumn<int>("lengte");
        QTest::addColumn<int>("vakje");
        QTest::addColumn<QString>("getypt");  // pasted
        QTest::addColumn<QString>("melding");
        QTest::addColumn<QString>("woord");  // committed; empty: refused
        QTest::addColumn<QString>("omschrijving");

        const QString lengte = QStringLiteral("Lengte woord komt niet overeen met de hokjes!");
        QTest::newRow("a: no position, no word") << 4 << 5 << 0 << "" << QString::fromUtf8(
            "Bepaal de positie van de letter C door \r\nop één van de witte hokjes te klikken.") << "" << "";
        QTest::newRow("b: no word") << 4 << 5 << 3 << "" << "Eerst het puzzelwoord selecteren!" << "" << "";
        QTest::newRow("c: blanks judged by length") << 4 << 5 << 3 << "   " << lengte << "" << "";
        QTest::newRow("c: too long") << 4 << 5 << 3 << "appels" << lengte << "" << "";
        QTest::newRow("d: letter differs") << 4 << 5 << 3 << "Paard"
            << "De positie van de letter C komt niet overeen\r\nmet de 3e letter in het woord Paard" << "" << "";
        QTest::newRow("p 1 starts in the column") << 1 << 5 << 1 << "Water" << "" << "Water" << "een <b>omschrijving</b>";
        QTest::newRow("p 11 at x 20, lower case, blanks are a clue") << 12 << 11 << 11 << "abcdefghijr" << "" << "abcdefghijr"
                                                                     << "   ";
        QTest::newRow("length 20, cut at twenty") << 20 << 20 << 10 << "abcdefghitklmnopqrstuvwxyz" << ""
                                                  << "abcdefghitklmnopqrst" << "x";
    }
    void okEnVastleggen()
    {
        QFETCH(int, rij);
        QFETCH(int, lengte);
        QFETCH(int, vakje);
        QFETCH(QString, getypt);
        QFETCH(QString, melding);
        QFETCH(QString, woord);
        QFETCH(QString, omschrijving);
        NieuwePuzzel(QStringLiteral("wabcdefghijrklmnopqt"));
        HuidigeRij = static_cast<std::uint8_t>(rij);
        Invoer dlg(scherm);
        dlg.Lengte->setValue(lengte);
        if (vakje)
            KlikVakje(dlg, vakje);
        dlg.Text1->insert(getypt);
        dlg.OkKnop_Click();
        QCOMPARE(meldingen, Een(melding));
        QCOMPARE(vragen.size(), melding.isEmpty() ? 1 : 0);
        QVERIFY(PuzzelWoord[rij].isEmpty());
        QVERIFY(scherm.RijKnopZichtbaar(rij));
        QCOMPARE(dlg.Text1->text(), melding.isEmpty() ? woord : getypt);
        QCOMPARE(LetterPositie, vakje);

        antwoorden << omschrijving;
        dlg.OkKnop_Click();  // neither a refusal nor a cancelled clue leaves OK dead
        if (!melding.isEmpty()) {
            QCOMPARE(meldingen, QStringList(2, melding));
            QVERIFY(vragen.isEmpty() && PuzzelWoord[rij].isEmpty());
            return;
        }
        QCOMPARE(meldingen, QStringList{});
        QCOMPARE(vragen, QStringList(2, QStringLiteral(" Omschrijving|Geef de omschrijving van het woord...\r\n\r\n  ") + woord.toUpper()));
        QCOMPARE(BeginX[rij], 262 - 22 * vakje);
        QCOMPARE(PuzzelWoord[rij], woord);
        QCOMPARE(Omschrijving[rij], omschrijving);
        QVERIFY(!scherm.RijKnopZichtbaar(rij));
        QCOMPARE(scherm.InfoBalk, QStringLiteral("Informatie..."));
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        Tekenvlak verwacht = NieuwBord();
        TekenZoekWoord(verwacht, ZoekWoord);
        TekenRij(verwacht, rij);
        QCOMPARE(scherm.Bord().Beeld(), verwacht.Beeld);
    }
};

QTEST_MAIN(TestOntwerpen)
#include "tst_ontwerpen.moc"
