// The colour and header dialog: bars write the chosen item's colour at once,
// Ok clears the board only for the background, the header only on Exit.
#include "Nepscherm.h"
#include "shell/Pauze.h"
#include "storage/Tools.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace Algemeen;

class TestTools : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void openen();
    void balken_data();
    void balken();
    void ok_data();
    void ok();
    void koptekst();

private:
    template <typename T> T* Deel(Tools& dlg, const char* naam)
    {
        T* w = dlg.findChild<T*>(QString::fromLatin1(naam));
        if (!w)
            qFatal("no %s", naam);
        return w;
    }
    QColor Staal(Tools& dlg) { return Deel<QLabel>(dlg, "KleurLabel")->palette().color(QPalette::Window); }
    Kleur Balken(Tools& dlg)
    {
        return {Deel<QScrollBar>(dlg, "Rscroll")->value(), Deel<QScrollBar>(dlg, "Gscroll")->value(),
                Deel<QScrollBar>(dlg, "Bscroll")->value()};
    }
};

void TestTools::init()
{
    BeginWaarden();
    ZetPauzeFactor(0);
    KleurVeld = {1, 2, 3};
    KleurZoekWoord = {4, 5, 6};
    KleurPuzzelWoord = {7, 8, 9};
}

void TestTools::openen()
{
    Nepscherm s;
    Tools dlg(s);
    QCOMPARE(dlg.size(), QSize(352, 194));
    QCOMPARE(Deel<QLabel>(dlg, "Label2")->text(), QStringLiteral("Achtergrondkleur puzzelveld"));
    QCOMPARE(Balken(dlg), KleurVeld);
    QCOMPARE(Staal(dlg), KleurVeld.Waarde());
    QCOMPARE(Deel<QLineEdit>(dlg, "Text1")->text(), StandaardKopTekst);

    // Stepping 1 -> 3 -> 1 shows each item's own colour and never writes it.
    auto* keuze = Deel<QScrollBar>(dlg, "KeuzeKleur");
    const QString namen[] = {QStringLiteral("Achtergrondkleur puzzelveld"), QStringLiteral("Hokjes vertikaal zoekwoord"),
                             QStringLiteral("Hokjes horizontale puzzelwoorden")};
    const Kleur kleuren[] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
    for (int item : {2, 3, 2, 1}) {
        keuze->triggerAction(item > keuze->value() ? QAbstractSlider::SliderSingleStepAdd
                                                   : QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(keuze->value(), item);
        QCOMPARE(Deel<QLabel>(dlg, "Label2")->text(), namen[item - 1]);
        QCOMPARE(Balken(dlg), kleuren[item - 1]);
        QCOMPARE(Staal(dlg), kleuren[item - 1].Waarde());
    }
    QCOMPARE(KleurVeld, kleuren[0]);
    QCOMPARE(KleurZoekWoord, kleuren[1]);
    QCOMPARE(KleurPuzzelWoord, kleuren[2]);
}

void TestTools::balken_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QByteArray>("balk");
    QTest::addColumn<int>("waarde");
    QTest::newRow("green of the puzzle words") << 3 << QByteArray("Gscroll") << 200;
    QTest::newRow("red of the background") << 1 << QByteArray("Rscroll") << 255;
    QTest::newRow("blue of the column to 0") << 2 << QByteArray("Bscroll") << 0;
}

void TestTools::balken()
{
    QFETCH(int, item);
    QFETCH(QByteArray, balk);
    QFETCH(int, waarde);
    Nepscherm s;
    const QImage voor = s.Bord().Beeld();
    Kleur verwacht[] = {KleurVeld, KleurZoekWoord, KleurPuzzelWoord};
    Kleur& k = verwacht[item - 1];
    (balk == "Rscroll" ? k.Rood : balk == "Gscroll" ? k.Groen : k.Blauw) = waarde;
    {
        Tools dlg(s);
        Deel<QScrollBar>(dlg, "KeuzeKleur")->setValue(item);
        Deel<QScrollBar>(dlg, balk.constData())->setValue(waarde);
        QCOMPARE(Staal(dlg), k.Waarde());
        QTest::mouseClick(Deel<QWidget>(dlg, "ExitKnop"), Qt::LeftButton);
    }
    QCOMPARE(KleurVeld, verwacht[0]);
    QCOMPARE(KleurZoekWoord, verwacht[1]);
    QCOMPARE(KleurPuzzelWoord, verwacht[2]);
    QCOMPARE(s.Bord().Beeld(), voor);  // moving a bar draws nothing
}

void TestTools::ok_data()
{
    QTest::addColumn<int>("item");
    QTest::newRow("background: board cleared in the new colour") << 1;
    QTest::newRow("column boxes: board left alone") << 2;
}

void TestTools::ok()
{
    QFETCH(int, item);
    Nepscherm s;
    ZoekWoord = QStringLiteral("VOGEL");
    s.Bord().TekenZoekWoord(ZoekWoord);
    s.ToonRijKnop(4, true);
    const QImage voor = s.Bord().Beeld();
    Tools dlg(s);
    Deel<QScrollBar>(dlg, "KeuzeKleur")->setValue(item);
    Deel<QScrollBar>(dlg, "Gscroll")->setValue(99);
    QTest::mouseClick(Deel<QPushButton>(dlg, "OkKnop"), Qt::LeftButton);
    QImage leeg(BordBreedte, BordHoogte, QImage::Format_RGB32);
    leeg.fill(QColor(1, 99, 3));
    QCOMPARE(s.Bord().Beeld(), item == 1 ? leeg : voor);
    QCOMPARE(s.RijKnopZichtbaar(4), item != 1);
    QCOMPARE(ZoekWoord, QStringLiteral("VOGEL"));  // only the picture goes
}

void TestTools::koptekst()
{
    Nepscherm s;
    Tools dlg(s);
    auto* text1 = Deel<QLineEdit>(dlg, "Text1");
    text1->clear();
    QTest::keyClicks(text1, QStringLiteral("Mijn \"puzzel\""));
    s.Bord().TekenZoekWoord(QStringLiteral("VOGEL"));
    const QImage voor = s.Bord().Beeld();
    dlg.show();
    text1->setFocus();
    QTest::keyClick(text1, Qt::Key_Return);  // no default button: nothing happens
    QCOMPARE(s.Bord().Beeld(), voor);
    QTest::mouseClick(Deel<QPushButton>(dlg, "OkKnop"), Qt::LeftButton);
    QCOMPARE(KopTekst, StandaardKopTekst);
    QTest::mouseClick(Deel<QWidget>(dlg, "ExitKnop"), Qt::LeftButton);
    // A double quote would end the field in the settings file.
    QCOMPARE(KopTekst, QStringLiteral("Mijn 'puzzel'"));
    QCOMPARE(s.Info(), QStringLiteral("Informatie..."));
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
}

QTEST_MAIN(TestTools)
#include "tst_tools.moc"
