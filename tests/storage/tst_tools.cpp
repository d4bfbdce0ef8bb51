// The colour and header dialog: bars write the chosen item's colour at once,
// Ok clears the board only for the background, the header only on Exit.
#include "Nepscherm.h"
#include "shell/Bouwstenen.h"
#include "shell/Naad.h"
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
    void kleuren();
    void okEnExit();
};

void TestTools::init()
{
    BeginWaarden();
    Naad.PauzeFactor = 0;
    KleurVeld = {1, 2, 3};
    KleurZoekWoord = {4, 5, 6};
    KleurPuzzelWoord = {7, 8, 9};
}

void TestTools::kleuren()
{
    Nepscherm s;
    const QImage voor = s.Bord().Beeld();
    Tools dlg(s);
    QCOMPARE(dlg.size(), QSize(352, 194));
    QCOMPARE(dlg.Text1->text(), StandaardKopTekst);
    auto* keuze = dlg.KeuzeKleur;
    const auto balken = [&] {
        return Kleur{dlg.Rscroll->value(), dlg.Gscroll->value(), dlg.Bscroll->value()};
    };
    const auto staal = [&] { return dlg.KleurLabel->palette().color(QPalette::Window); };

    // Stepping 1 -> 3 -> 1 shows each item's name and own colour, and never
    // writes a colour: the bars are put in place without their signals.
    const QString namen[] = {QStringLiteral("Achtergrondkleur puzzelveld"), QStringLiteral("Hokjes vertikaal zoekwoord"),
                             QStringLiteral("Hokjes horizontale puzzelwoorden")};
    const Kleur kleuren[] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
    for (int item : {1, 2, 3, 2, 1}) {
        if (item != keuze->value())
            keuze->triggerAction(item > keuze->value() ? QAbstractSlider::SliderSingleStepAdd
                                                       : QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(keuze->value(), item);
        QCOMPARE(dlg.Label2->text(), namen[item - 1]);
        QCOMPARE(balken(), kleuren[item - 1]);
        QCOMPARE(staal(), kleuren[item - 1].Waarde());
    }
    QCOMPARE(KleurVeld, kleuren[0]);
    QCOMPARE(KleurZoekWoord, kleuren[1]);
    QCOMPARE(KleurPuzzelWoord, kleuren[2]);

    // A bar writes the chosen item's colour at once, to both ends of its
    // range, and draws nothing.
    keuze->setValue(3);
    dlg.Gscroll->setValue(200);
    QCOMPARE(KleurPuzzelWoord, (Kleur{7, 200, 9}));
    QCOMPARE(staal(), QColor(7, 200, 9));
    keuze->setValue(1);
    dlg.Rscroll->setValue(255);
    QCOMPARE(staal(), QColor(255, 2, 3));
    keuze->setValue(2);
    dlg.Bscroll->setValue(0);
    QCOMPARE(balken(), (Kleur{4, 5, 0}));
    QCOMPARE(staal(), QColor(4, 5, 0));
    QCOMPARE(KleurVeld, (Kleur{255, 2, 3}));
    QCOMPARE(KleurZoekWoord, (Kleur{4, 5, 0}));
    QCOMPARE(KleurPuzzelWoord, (Kleur{7, 200, 9}));
    QCOMPARE(s.Bord().Beeld(), voor);
}

void TestTools::okEnExit()
{
    Nepscherm s;
    ZoekWoord = QStringLiteral("VOGEL");
    s.Bord().TekenZoekWoord(ZoekWoord);
    s.ToonRijKnop(4, true);
    const QImage voor = s.Bord().Beeld();
    Tools dlg(s);
    dlg.show();
    auto* text1 = dlg.Text1;
    text1->clear();
    QTest::keyClicks(text1, QStringLiteral("Mijn \"puzzel\""));
    text1->setFocus();
    QTest::keyClick(text1, Qt::Key_Return);  // Ok is no default button: the background stays
    QCOMPARE(s.Bord().Beeld(), voor);

    auto* ok = dlg.OkKnop;
    dlg.KeuzeKleur->setValue(2);
    dlg.Gscroll->setValue(99);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(KleurZoekWoord, (Kleur{4, 99, 6}));
    QCOMPARE(s.Bord().Beeld(), voor);  // column boxes: board left alone
    QVERIFY(s.RijKnopZichtbaar(4));

    dlg.KeuzeKleur->setValue(1);
    dlg.Gscroll->setValue(99);
    QTest::mouseClick(ok, Qt::LeftButton);
    QImage leeg(BordBreedte, BordHoogte, QImage::Format_RGB32);
    leeg.fill(QColor(1, 99, 3));
    QCOMPARE(s.Bord().Beeld(), leeg);  // the background: cleared in its new colour
    QVERIFY(!s.RijKnopZichtbaar(4));
    QCOMPARE(ZoekWoord, QStringLiteral("VOGEL"));  // only the picture goes
    QCOMPARE(KopTekst, StandaardKopTekst);

    QTest::mouseClick(dlg.ExitKnop, Qt::LeftButton);
    // A double quote would end the field in the settings file.
    QCOMPARE(KopTekst, QStringLiteral("Mijn 'puzzel'"));
    QCOMPARE(s.Info(), QStringLiteral("Informatie..."));
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
}

QTEST_MAIN(TestTools)
#include "tst_tools.moc"
