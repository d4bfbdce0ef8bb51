// The colour and header dialog: bars write the chosen item's colour at once,
// Ok clears the board only for the background, the header only on Exit.
#include "Nepscherm.h"
#include "shell/Bouwstenen.h"
#include "shell/Naad.h"
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
    void tools()
    {
        BeginWaarden();
        Naad.PauzeFactor = 0;
        KleurVeld = {1, 2, 3};
        KleurZoekWoord = {4, 5, 6};
        KleurPuzzelWoord = {7, 8, 9};
        Nepscherm s;
        ZoekWoord = QStringLiteral("VOGEL");
        s.Bord().TekenZoekWoord(ZoekWoord);
        s.ToonRijKnop(4, true);
        const QImage voor = s.Bord().Beeld();
        Tools dlg(s);
        dlg.show();
        const auto balken = [&] { return Kleur{dlg.Rscroll->value(), dlg.Gscroll->value(), dlg.Bscroll->value()}; };

        // Choosing an item puts the bars and the swatch on its colour and
        // writes no colour.
        const Kleur kleuren[] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
        for (int item : {3, 2, 1}) {
            dlg.KeuzeKleur->setValue(item);
            QCOMPARE(balken(), kleuren[item - 1]);
            QCOMPARE(dlg.KleurLabel->palette().color(QPalette::Window), kleuren[item - 1].Waarde());
        }
        QVERIFY(KleurVeld == kleuren[0] && KleurZoekWoord == kleuren[1] && KleurPuzzelWoord == kleuren[2]);
        dlg.Text1->clear();
        QTest::keyClicks(dlg.Text1, QStringLiteral("Mijn \"puzzel\""));
        QTest::keyClick(dlg.Text1, Qt::Key_Return);  // Ok is no default button: the background stays
        QCOMPARE(s.Bord().Beeld(), voor);

        // A bar writes the chosen item's colour at once and draws nothing.
        dlg.KeuzeKleur->setValue(2);
        dlg.Gscroll->setValue(99);
        QCOMPARE(KleurZoekWoord, (Kleur{4, 99, 6}));
        QCOMPARE(dlg.KleurLabel->palette().color(QPalette::Window), QColor(4, 99, 6));
        QTest::mouseClick(dlg.OkKnop, Qt::LeftButton);
        QCOMPARE(s.Bord().Beeld(), voor);  // column boxes: board left alone
        QVERIFY(s.RijKnopZichtbaar(4));

        dlg.KeuzeKleur->setValue(1);
        dlg.Rscroll->setValue(255);
        QTest::mouseClick(dlg.OkKnop, Qt::LeftButton);
        QImage leeg(BordBreedte, BordHoogte, QImage::Format_RGB32);
        leeg.fill(QColor(255, 2, 3));
        QCOMPARE(s.Bord().Beeld(), leeg);  // the background: cleared in its new colour
        QVERIFY(!s.RijKnopZichtbaar(4));
        QCOMPARE(ZoekWoord, QStringLiteral("VOGEL"));  // only the picture goes
        QCOMPARE(KopTekst, StandaardKopTekst);

        QTest::mouseClick(dlg.ExitKnop, Qt::LeftButton);
        // A double quote would end the field in the settings file.
        QCOMPARE(KopTekst, QStringLiteral("Mijn 'puzzel'"));
        QCOMPARE(s.Info(), QStringLiteral("Informatie..."));
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        Naad = {};
    }
};

QTEST_MAIN(TestTools)
#include "tst_tools.moc"
