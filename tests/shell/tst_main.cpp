// The main window: the start image and artwork, one command at a time, the
// row buttons, Print without a puzzle, a refused and an accepted exit, and
// the help page over the board, read anew on every opening, from a regular
// file of sane size only.
#include "assets/Plaatjes.h"
#include "assets/Startbeeld.h"
#include "board/Pic.h"
#include "shell/Bouwstenen.h"
#include "shell/Main.h"
#include "shell/Naad.h"

#include <QCryptographicHash>
#include <QDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <memory>
#include <sys/stat.h>

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

    QByteArray Lees(const char* naam) const
    {
        QFile f(map.filePath(QLatin1StringView(naam)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void Pagina(const QByteArray& tekst)
    {
        QFile::remove(map.filePath(QStringLiteral("help.htm")));
        QFile f(map.filePath(QStringLiteral("help.htm")));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("<html><body><p>" + tekst + "</p></body></html>") > 0);
    }
    void Help() { QTest::mousePress(main->OptieKnop, Qt::LeftButton); }
    bool Open() const { return main->Browser && main->Browser->isVisible(); }

private slots:
    void initTestCase()
    {
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
        BeginWaarden();
        meldingen.clear();
        main = std::make_unique<Main>();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    }
    void cleanup() { main.reset(); }

    void venster()
    {
        // The board shows the start image, blitted as it is kept.
        Pic& pic = main->Bord();
        QCOMPARE(pic.Beeld(), Startbeeld().copy(0, 0, BordBreedte, BordHoogte));
        QCOMPARE(pic.Tekengebied()->grab().toImage().convertToFormat(QImage::Format_RGB32), pic.Beeld());
        // The start image and the icons as they have always looked, every pixel.
        QCryptographicHash som(QCryptographicHash::Sha1);
        for (int c = -1; c < AantalCommandos; ++c) {
            const QImage beeld = c < 0 ? Startbeeld() : Icoon(Commando(c)).toImage();
            som.addData(QByteArrayView(beeld.constBits(), beeld.sizeInBytes()));
        }
        QCOMPARE(som.result().toHex(), QByteArray("dccefaa7d1b009ff14b1601c38f0bb3f8ce7c834"));
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

    // Shown one by one with their backings, on top of the board; a click
    // chooses the row and opens the puzzle-word dialog.
    void rijKnoppen()
    {
        ZoekWoord = QStringLiteral("Zeeverkenningsschepe");
        QList<int> getoond;
        for (int i : {1, 7, 20}) {
            main->ToonRijKnop(i, true);
            getoond << i;
            for (int r = 1; r <= MaxRijen; ++r)
                QVERIFY(main->RijKnopZichtbaar(r) == getoond.contains(r) && main->BK[r]->isVisible() == getoond.contains(r));
            QPushButton* knop = main->Knop[i];
            QCOMPARE(main->Bord().Tekengebied()->childAt(knop->geometry().center()), knop);
            Dialoogwacht wacht;
            knop->click();
            QVERIFY(HuidigeRij == i && wacht.Geopend == 1);
        }
    }

    // Without a puzzle nothing happens but the press animation.
    void print()
    {
        const QImage bord = main->Bord().Beeld();
        for (const QString& woord : {QString(), QStringLiteral("water")}) {
            ZoekWoord = woord;
            Dialoogwacht wacht;
            QTest::mousePress(main->PrintKnop, Qt::LeftButton);
            QCOMPARE(wacht.Geopend, woord.isEmpty() ? 0 : 1);
            QCOMPARE(main->Info(), woord.isEmpty() ? "Informatie" : "Afdrukken van de puzzel.");
            QVERIFY(main->Bord().Beeld() == bord && main->PrintKnop->pos() == main->PrintKnop->Rust() && meldingen.isEmpty());
        }
    }

    // Refused, nothing changes and nothing is written; accepted, the
    // settings are saved and the program quits.
    void einde()
    {
        const QByteArray instellingen = Lees("Wendolo.ini");
        QVERIFY(!instellingen.isEmpty());  // start-up wrote the missing file
        main->ZetInfo(QStringLiteral("Iets anders"));
        KopTekst = QStringLiteral("Nieuwe kop");
        antwoord = Meldingen::Antwoord::Nee;
        QTest::mousePress(main->ExitKnop, Qt::LeftButton);
        QCOMPARE(meldingen.size(), 1);
        QVERIFY(meldingen[0].knoppen == Meldingen::Knoppen::JaNee && meldingen[0].titel == QStringLiteral(" Exit"));
        QVERIFY(main->isVisible() && main->Info() == QStringLiteral("Iets anders"));
        QCOMPARE(Lees("Wendolo.ini"), instellingen);

        antwoord = Meldingen::Antwoord::Ja;
        QTimer::singleShot(5000, main.get(), [] { QCoreApplication::exit(1); });  // should it not quit
        QTimer::singleShot(0, main.get(), [this] { QTest::mousePress(main->ExitKnop, Qt::LeftButton); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(meldingen.size() == 2 && !main->isVisible());
        QVERIFY(Lees("Wendolo.ini").contains("\"Nieuwe kop\""));
    }

    // Help shows the page over the board and its buttons, with a picture
    // beside it; a second click leaves the window as it was.
    void help()
    {
        QImage(4, 4, QImage::Format_RGB32).save(map.filePath(QStringLiteral("beeld.png")));
        Pagina("Eerste versie<img src=\"beeld.png\">");
        main->ToonRijKnop(3, true);
        const QImage bord = main->Bord().Beeld();
        QPushButton* knop = main->Knop[3];
        const QPoint midden = knop->mapTo(main.get(), knop->rect().center());
        Help();
        QVERIFY(Open() && main->Browser->toPlainText().contains(QStringLiteral("Eerste versie")));
        QVERIFY(main->Browser->document()->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("beeld.png"))).isValid());
        QWidget* bovenop = main->childAt(midden);
        QVERIFY(bovenop && (bovenop == main->Browser || main->Browser->isAncestorOf(bovenop)));
        Help();
        QVERIFY(!Open() && main->Info() == QStringLiteral("Informatie..."));
        QVERIFY(main->Bord().Beeld() == bord && main->childAt(midden) == knop);

        // An edited page shows at the next opening; a missing one, a pipe
        // (not waited on) and a page too large to lay out quickly show no page.
        Pagina("Tweede versie");
        Help();
        QCOMPARE(main->Browser->toPlainText(), QStringLiteral("Tweede versie"));
        Help();
        QFile::remove(map.filePath(QStringLiteral("help.htm")));
        QCOMPARE(::mkfifo(QFile::encodeName(map.filePath(QStringLiteral("help.htm"))).constData(), 0600), 0);
        Help();
        QVERIFY(Open() && main->Browser->toPlainText().isEmpty());
        Help();
        Pagina(QByteArray(3 << 20, 'a'));
        Help();
        QCOMPARE(main->Browser->toPlainText(), QStringLiteral("De hulppagina is te groot om te tonen."));
    }

    // The page supplied with the program: accents through entities.
    void geleverdePagina()
    {
        QFile::remove(map.filePath(QStringLiteral("help.htm")));
        QVERIFY(QFile::copy(qEnvironmentVariable("WENDOLO_TEST_DATA") + "/../assets/help.htm",
                            map.filePath(QStringLiteral("help.htm"))));
        Help();
        QVERIFY(main->Browser->toPlainText().contains(QStringLiteral("G\u00e9\u00e9n cijfers in het woord plaatsen!")));
    }
};

QTEST_MAIN(TestMain)
#include "tst_main.moc"
