// The main window: where its controls lie, what the command bar says, the
// row buttons, and that Print without a puzzle and a refused exit leave
// everything as it was.
#include "assets/Plaatjes.h"
#include "assets/Startbeeld.h"
#include "board/Pic.h"
#include "shell/Bouwstenen.h"
#include "shell/Naad.h"
#include "shell/Main.h"
#include "shell/Meldingen.h"
#include "shell/Pauze.h"
#include "shell/Programmamap.h"

#include <QCryptographicHash>
#include <QDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace Algemeen;

namespace {

// Counts and rejects the modal dialogs a click opens, so no test waits on one.
struct Dialoogwacht : QTimer {
    int Geopend = 0;
    Dialoogwacht()
    {
        connect(this, &QTimer::timeout, [this] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ++Geopend;
                d->reject();
            }
        });
        start(10);
    }
};

} // namespace

class TestMain : public QObject
{
    Q_OBJECT

    QTemporaryDir map;
    std::unique_ptr<Main> main;
    QList<Meldingen::Melding> meldingen;
    Meldingen::Antwoord antwoord = Meldingen::Antwoord::Nee;
    std::function<void()> tijdensVraag;  // runs while an input box is open

    QByteArray Instellingen() const
    {
        QFile f(map.filePath(QStringLiteral("Wendolo.ini")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(map.isValid());
        Naad.Programmamap = map.path();
        Naad.PauzeFactor = 0;
        Naad.Melding = [this](const Meldingen::Melding& m) {
            meldingen << m;
            return m.knoppen == Meldingen::Knoppen::JaNee ? antwoord : Meldingen::Antwoord::Ok;
        };
        Naad.Vraag = [this](const Meldingen::Vraag&) {
            if (tijdensVraag)
                tijdensVraag();
            return QString();
        };
    }

    void init()
    {
        meldingen.clear();
        main = std::make_unique<Main>();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    }

    void cleanup() { main.reset(); }

    void venster()
    {
        QCOMPARE(main->windowTitle(), QStringLiteral(" Wendolo"));
        QCOMPARE(main->size(), QSize(732, 500));
        Pic& pic = main->Bord();
        QCOMPARE(pic.parentWidget()->geometry(), QRect(4, -2, 520, 472));
        QCOMPARE(pic.geometry(), QRect(6, 12, 507, 453));
        // Board coordinates count from inside the 2-pixel border.
        QCOMPARE(pic.Tekengebied()->mapTo(main.get(), QPoint(0, 0)), QPoint(12, 12));
        QCOMPARE(pic.Tekengebied()->size(), QSize(503, 449));
        QCOMPARE(pic.Beeld(), Startbeeld().copy(0, 0, 503, 449));
        QCOMPARE(pic.Tekengebied()->grab().toImage().convertToFormat(QImage::Format_RGB32), pic.Beeld());
        // The start image and the icons as they have always looked, every pixel.
        QCryptographicHash som(QCryptographicHash::Sha1);
        for (int c = -1; c < AantalCommandos; ++c) {
            const QImage beeld = c < 0 ? Startbeeld() : Icoon(Commando(c)).toImage();
            som.addData(QByteArrayView(beeld.constBits(), beeld.sizeInBytes()));
        }
        QCOMPARE(som.result().toHex(), QByteArray("dccefaa7d1b009ff14b1601c38f0bb3f8ce7c834"));

        QCOMPARE(main->InfoBalk->text(), QStringLiteral("Informatie"));
        QCOMPARE(main->InfoBalk->geometry(), QRect(6, 9, 466, 16));
        QCOMPARE(main->InfoBalk->parentWidget()->geometry(), QRect(46, 470, 479, 29));
        QCOMPARE(main->InfoBalk->palette().color(QPalette::WindowText), QColor(64, 64, 64));

        // Each caption's face lies over its shadow, one pixel up and left.
        for (PlaatjesKnop* knop : {main->OkKnop, main->LoadKnop, main->SaveKnop, main->PrintKnop, main->ToolKnop,
                                   main->OptieKnop, main->ConvertKnop, main->ExitKnop}) {
            QList<QLabel*> l = knop->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
            QVERIFY(l.removeOne(knop) && l.size() == 2);
            QCOMPARE(l[0]->pos(), l[1]->pos() + QPoint(1, 1));
            QCOMPARE(l[0]->text(), l[1]->text());
        }
    }

    // A click that arrives while a command waits (here in its input box) is
    // ignored, on the command bar and on a row button alike.
    void eenCommandoTegelijk()
    {
        ZoekWoord = QStringLiteral("water");
        main->ToonRijKnop(1, true);
        Dialoogwacht wacht;
        int gevraagd = 0;
        tijdensVraag = [&] {
            ++gevraagd;
            QTest::mousePress(main->LoadKnop, Qt::LeftButton);
            main->Knop[1]->click();
        };
        QTest::mousePress(main->SaveKnop, Qt::LeftButton);
        tijdensVraag = {};
        QCOMPARE(gevraagd, 1);
        QCOMPARE(wacht.Geopend, 0);
        main->Knop[1]->click();  // and once the command is done, a click counts again
        QCOMPARE(wacht.Geopend, 1);
    }

    // Shown one by one, at the top, in the middle and at the bottom (433).
    void rijKnoppen()
    {
        for (int r = 1; r <= MaxRijen; ++r)
            QVERIFY(!main->RijKnopZichtbaar(r));
        ZoekWoord = QStringLiteral("Zeeverkenningsschepe");
        QList<int> getoond;
        for (int i : {1, 7, 20}) {
            main->ToonRijKnop(i, true);
            getoond << i;
            for (int r = 1; r <= MaxRijen; ++r) {
                QCOMPARE(main->RijKnopZichtbaar(r), getoond.contains(r));
                QCOMPARE(main->BK[r]->isVisible(), main->RijKnopZichtbaar(r));
            }
            QPushButton* knop = main->Knop[i];
            QCOMPARE(knop->geometry(), QRect(467, 21 * i - 3, 21, 16));
            QCOMPARE(main->BK[i]->geometry(), QRect(465, 21 * i - 5, 25, 20));
            QCOMPARE(knop->text(), QStringLiteral("?"));
            QCOMPARE(knop->toolTip(), QStringLiteral(" Woord %1 ").arg(i));
            QCOMPARE(main->Bord().Tekengebied()->childAt(knop->geometry().center()), knop);
            // A click chooses the row and opens the puzzle-word dialog.
            Dialoogwacht wacht;
            knop->click();
            QCOMPARE(int(HuidigeRij), i);
            QCOMPARE(wacht.Geopend, 1);
        }
    }

    // Without a puzzle nothing happens but the press animation.
    void print()
    {
        const QImage bord = main->Bord().Beeld();
        for (const QString& woord : {QString(), QStringLiteral("water")}) {
            ZoekWoord = woord;
            Dialoogwacht wacht;
            QPoint tijdens; // where the icon is while the animation waits
            QTimer::singleShot(0, main.get(), [&] { tijdens = main->PrintKnop->pos(); });
            QTest::mousePress(main->PrintKnop, Qt::LeftButton);
            QCOMPARE(tijdens, main->PrintKnop->Rust() + QPoint(1, 1));
            QCOMPARE(wacht.Geopend, woord.isEmpty() ? 0 : 1);
            QCOMPARE(main->Info(), woord.isEmpty() ? "Informatie" : "Afdrukken van de puzzel.");
            QCOMPARE(main->Bord().Beeld(), bord);
            QCOMPARE(main->PrintKnop->pos(), main->PrintKnop->Rust());
            QVERIFY(meldingen.isEmpty());
        }
    }

    // Refused, nothing changes and nothing is written; accepted, the
    // settings are saved and the program quits.
    void einde()
    {
        const QByteArray instellingen = Instellingen();
        QVERIFY(!instellingen.isEmpty()); // start-up wrote the missing file
        main->ZetInfo(QStringLiteral("Iets anders"));
        KopTekst = QStringLiteral("Nieuwe kop");
        antwoord = Meldingen::Antwoord::Nee;
        QTest::mousePress(main->ExitKnop, Qt::LeftButton);
        QCOMPARE(meldingen.size(), 1);
        QCOMPARE(meldingen[0].tekst, QStringLiteral("Wilt u met dit programma stoppen?"));
        QCOMPARE(meldingen[0].titel, QStringLiteral(" Exit"));
        QVERIFY(meldingen[0].knoppen == Meldingen::Knoppen::JaNee);
        QVERIFY(main->isVisible());
        QCOMPARE(main->Info(), QStringLiteral("Iets anders"));
        QCOMPARE(Instellingen(), instellingen);

        antwoord = Meldingen::Antwoord::Ja;
        QTimer::singleShot(5000, main.get(), [] { QCoreApplication::exit(1); }); // should it not quit
        QTimer::singleShot(0, main.get(), [this] { QTest::mousePress(main->ExitKnop, Qt::LeftButton); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(meldingen.size(), 2);
        QVERIFY(!main->isVisible());
        QVERIFY(Instellingen().contains("\"Nieuwe kop\""));
    }
};

QTEST_MAIN(TestMain)
#include "tst_main.moc"
