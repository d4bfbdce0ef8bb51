// Designing a puzzle through the two dialogs: the search word's checks and
// what an accepted word does, the letter position's bounds, the OK checks in
// their order, the clue prompt and the committed row.
#include "Nepscherm.h"
#include "board/Bord.h"
#include "design/Invoer.h"
#include "design/Start.h"
#include "design/Voorbeeld.h"
#include "shell/Meldingen.h"
#include "shell/Pauze.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

using namespace Algemeen;
using Meldingen::Antwoord;

class TestOntwerpen : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void zoekwoord_data();
    void zoekwoord();
    void zoekwoordVervangtPuzzel();
    void hoogstensTwintigTekens();
    void positie_data();
    void positie();
    void okControles_data();
    void okControles();
    void omschrijving();
    void vastleggen_data();
    void vastleggen();

private:
    void NieuwePuzzel(const QString& woord);
    // Click in the middle of box i of the preview.
    static void KlikVakje(Invoer& dlg, int i) { dlg.Voorbeeld_MouseDown(QPoint(8 + 11 * i, 15)); }

    Nepscherm scherm;
    QStringList meldingen;
    QStringList antwoorden;  // the answers the input box gives, in turn
    QStringList vragen;
};

void TestOntwerpen::init()
{
    ZetPauzeFactor(0);
    BeginWaarden();
    meldingen.clear();
    antwoorden.clear();
    vragen.clear();
    scherm.VerbergRijKnoppen();
    scherm.InfoBalk = QStringLiteral("Informatie");
    Meldingen::ZetScript(
        [this](const Meldingen::Melding& m) {
            meldingen << m.tekst;
            return Antwoord::Ok;
        },
        [this](const Meldingen::Vraag& v) {
            vragen << v.titel + u'|' + v.prompt;
            return antwoorden.isEmpty() ? QString() : antwoorden.takeFirst();
        });
}

void TestOntwerpen::cleanup() { Meldingen::ZetScript({}, {}); }

void TestOntwerpen::NieuwePuzzel(const QString& woord)
{
    Start dlg(scherm);
    dlg.Text1->setText(woord);
    dlg.OkKnop_Click();
}

void TestOntwerpen::zoekwoord_data()
{
    QTest::addColumn<QString>("getypt");
    QTest::addColumn<QString>("teller");
    QTest::addColumn<QString>("melding");  // empty: accepted
    QTest::addColumn<QString>("zoekwoord");

    QTest::newRow("blanks around") << "  water  " << "9" << "" << "water";
    QTest::newRow("four letters") << "abcd" << "4" << "Woord minimaal 5 tekens lang!" << "";
    QTest::newRow("only blanks") << "       " << "7" << "Woord minimaal 5 tekens lang!" << "";
    QTest::newRow("length before digit") << "abc1" << "4" << "Woord minimaal 5 tekens lang!" << "";
    QTest::newRow("digit") << "abcd1" << "5" << QString::fromUtf8("Géén cijfers in het woord plaatsen!") << "";
    QTest::newRow("inner blank") << "abc d" << "5" << "" << "abc d";
    QTest::newRow("twenty") << "abcdefghijklmnopqrst" << "20" << "" << "abcdefghijklmnopqrst";
}

void TestOntwerpen::zoekwoord()
{
    QFETCH(QString, getypt);
    QFETCH(QString, teller);
    QFETCH(QString, melding);
    QFETCH(QString, zoekwoord);

    Start dlg(scherm);
    dlg.Text1->setText(getypt);
    QCOMPARE(dlg.CountLabel->text(), teller);
    dlg.OkKnop_Click();
    QCOMPARE(meldingen, melding.isEmpty() ? QStringList{} : QStringList{melding});
    QCOMPARE(ZoekWoord, zoekwoord);
    for (int i = 1; i <= MaxRijen; ++i)
        QCOMPARE(scherm.RijKnopZichtbaar(i), i <= zoekwoord.size());
    if (melding.isEmpty())
        QCOMPARE(scherm.InfoBalk, QStringLiteral("Klik voor het invullen van de puzzelwoorden op de knoppen met het vraagteken."));
    else
        QCOMPARE(dlg.Text1->text(), getypt);
}

void TestOntwerpen::zoekwoordVervangtPuzzel()
{
    NieuwePuzzel(QStringLiteral("waterval"));
    PuzzelWoord[2] = QStringLiteral("paard");
    Omschrijving[2] = QStringLiteral("dier");
    BeginX[2] = 218;
    PuzzelWoord[8] = QStringLiteral("lepel");
    scherm.ToonRijKnop(2, false);

    // A refused word leaves the puzzle alone.
    NieuwePuzzel(QStringLiteral("kaas"));
    QCOMPARE(PuzzelWoord[2], QStringLiteral("paard"));
    QVERIFY(!scherm.RijKnopZichtbaar(2));

    NieuwePuzzel(QStringLiteral("molen"));
    QCOMPARE(ZoekWoord, QStringLiteral("molen"));
    for (int i = 1; i <= MaxRijen; ++i) {
        QVERIFY(PuzzelWoord[i].isEmpty() && Omschrijving[i].isEmpty() && BeginX[i] == 0);
        QCOMPARE(scherm.RijKnopZichtbaar(i), i <= 5);
    }
    Tekenvlak verwacht = NieuwBord();
    TekenZoekWoord(verwacht, QStringLiteral("molen"));
    QCOMPARE(scherm.Bord().Beeld(), verwacht.Beeld);
}

void TestOntwerpen::hoogstensTwintigTekens()
{
    Start start(scherm);
    QTest::keyClicks(start.Text1, QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
    QCOMPARE(start.Text1->text(), QStringLiteral("abcdefghijklmnopqrst"));
    start.Text1->clear();
    start.Text1->insert(QStringLiteral("abcdefghijklmnopqrstuvwxyz"));  // as a paste arrives
    QCOMPARE(start.Text1->text().size(), 20);

    // A double quote would end the text field in the file.
    start.Text1->clear();
    QTest::keyClicks(start.Text1, QStringLiteral("a\"b"));
    QCOMPARE(start.Text1->text(), QStringLiteral("a'b"));

    NieuwePuzzel(QStringLiteral("water"));
    HuidigeRij = 1;
    Invoer invoer(scherm);
    invoer.Text1->insert(QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
    QCOMPARE(invoer.Text1->text().size(), 20);
}

void TestOntwerpen::positie_data()
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
    QTest::newRow("20: box 11") << 20 << 11 << "";
    QTest::newRow("20: box 12") << 20 << 12 << rechts;
    QTest::newRow("5: box 5") << 5 << 5 << "";
}

void TestOntwerpen::positie()
{
    QFETCH(int, lengte);
    QFETCH(int, vakje);
    QFETCH(QString, melding);

    NieuwePuzzel(QStringLiteral("water"));
    HuidigeRij = 1;
    Invoer dlg(scherm);
    dlg.Lengte->setValue(lengte);
    KlikVakje(dlg, vakje);
    QCOMPARE(meldingen, melding.isEmpty() ? QStringList{} : QStringList{melding});
    QCOMPARE(LetterPositie, melding.isEmpty() ? vakje : 0);

    // Border lines, below the boxes and right of the last one hit nothing.
    const int voor = LetterPositie;
    for (QPoint p : {QPoint(2 + 11 * 3, 15), QPoint(8 + 11 * 3, 10), QPoint(8 + 11 * 3, 21), QPoint(8 + 11 * 3, 30),
                     QPoint(8 + 11 * (lengte + 1), 15)})
        dlg.Voorbeeld_MouseDown(p);
    QCOMPARE(LetterPositie, voor);
    QCOMPARE(meldingen.size(), melding.isEmpty() ? 0 : 1);

    // A length change forgets the position.
    dlg.Lengte->setValue(lengte == 20 ? 19 : lengte + 1);
    QCOMPARE(LetterPositie, 0);
}

void TestOntwerpen::okControles_data()
{
    QTest::addColumn<int>("vakje");
    QTest::addColumn<QString>("woord");
    QTest::addColumn<QString>("melding");

    QTest::newRow("a: no position, no word") << 0 << ""
        << QString::fromUtf8("Bepaal de positie van de letter E door \r\nop één van de witte hokjes te klikken.");
    QTest::newRow("b: no word") << 3 << "" << "Eerst het puzzelwoord selecteren!";
    QTest::newRow("c: blanks judged by length") << 3 << "   " << "Lengte woord komt niet overeen met de hokjes!";
    QTest::newRow("c: too long") << 3 << "appels" << "Lengte woord komt niet overeen met de hokjes!";
    QTest::newRow("d: letter differs") << 3 << "Paard"
        << "De positie van de letter E komt niet overeen\r\nmet de 3e letter in het woord Paard";
    QTest::newRow("case does not matter") << 2 << "lEpel" << "";
    QTest::newRow("typed by hand") << 4 << "xyzEq" << "";
}

void TestOntwerpen::okControles()
{
    QFETCH(int, vakje);
    QFETCH(QString, woord);
    QFETCH(QString, melding);

    NieuwePuzzel(QStringLiteral("water"));
    HuidigeRij = 4;  // the letter E
    Invoer dlg(scherm);
    if (vakje)
        KlikVakje(dlg, vakje);
    dlg.Text1->setText(woord);
    dlg.OkKnop_Click();
    QCOMPARE(meldingen, melding.isEmpty() ? QStringList{} : QStringList{melding});
    // The clue is asked only when every check passes; no answer stores nothing.
    QCOMPARE(vragen.size(), melding.isEmpty() ? 1 : 0);
    QVERIFY(PuzzelWoord[4].isEmpty());
    QCOMPARE(dlg.Text1->text(), woord);
    QCOMPARE(LetterPositie, vakje);
}

void TestOntwerpen::omschrijving()
{
    NieuwePuzzel(QStringLiteral("water"));
    HuidigeRij = 2;
    Invoer dlg(scherm);
    KlikVakje(dlg, 2);
    dlg.Text1->setText(QStringLiteral("paard"));

    dlg.OkKnop_Click();  // cancelled
    QCOMPARE(vragen, QStringList{QStringLiteral(" Omschrijving|Geef de omschrijving van het woord...\r\n\r\n  PAARD")});
    QVERIFY(PuzzelWoord[2].isEmpty());
    QCOMPARE(dlg.Text1->text(), QStringLiteral("paard"));
    QCOMPARE(LetterPositie, 2);
    QVERIFY(scherm.RijKnopZichtbaar(2));

    antwoorden << QStringLiteral("   ");  // blanks are an answer
    dlg.OkKnop_Click();
    QCOMPARE(Omschrijving[2], QStringLiteral("   "));
    QCOMPARE(PuzzelWoord[2], QStringLiteral("paard"));
}

void TestOntwerpen::vastleggen_data()
{
    QTest::addColumn<int>("rij");
    QTest::addColumn<int>("lengte");
    QTest::addColumn<int>("vakje");
    QTest::addColumn<QString>("woord");

    QTest::newRow("p 1 starts in the column") << 1 << 5 << 1 << "Water";
    QTest::newRow("p 11 starts at x 20") << 12 << 11 << 11 << "abcdefghijr";
    QTest::newRow("length 20") << 20 << 20 << 10 << "abcdefghitklmnopqrst";
}

void TestOntwerpen::vastleggen()
{
    QFETCH(int, rij);
    QFETCH(int, lengte);
    QFETCH(int, vakje);
    QFETCH(QString, woord);

    NieuwePuzzel(QStringLiteral("wabcdefghijrklmnopqt"));
    HuidigeRij = static_cast<std::uint8_t>(rij);
    Invoer dlg(scherm);
    dlg.Lengte->setValue(lengte);
    KlikVakje(dlg, vakje);
    dlg.Text1->setText(woord);
    antwoorden << QStringLiteral("een <b>omschrijving</b>");
    dlg.OkKnop_Click();

    QCOMPARE(meldingen, QStringList{});
    QCOMPARE(BeginX[rij], 262 - 22 * vakje);
    QCOMPARE(PuzzelWoord[rij], woord);
    QCOMPARE(Omschrijving[rij], QStringLiteral("een <b>omschrijving</b>"));
    QVERIFY(!scherm.RijKnopZichtbaar(rij));
    QCOMPARE(scherm.InfoBalk, QStringLiteral("Informatie..."));
    QCOMPARE(dlg.result(), int(QDialog::Accepted));

    Tekenvlak verwacht = NieuwBord();
    TekenZoekWoord(verwacht, ZoekWoord);
    TekenRij(verwacht, rij);
    QCOMPARE(scherm.Bord().Beeld(), verwacht.Beeld);
}

QTEST_MAIN(TestOntwerpen)
#include "tst_ontwerpen.moc"
