// The main window: the start image, one command at a time, a refused and an
// accepted exit, the help page over the board; and the program's folders.
#include "assets/Startbeeld.h"
#include "board/Bord.h"
#include "board/Pic.h"
#include "design/Werkblad.h"
#include "shell/Bouwstenen.h"
#include "shell/Hulppagina.h"
#include "shell/Main.h"
#include "shell/Meldingen.h"
#include "shell/Pauze.h"
#include "shell/Programmamap.h"
#include "storage/Heelbestand.h"
#include "storage/Puzzelbestand.h"

#include <QClipboard>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <sys/stat.h>

using namespace Algemeen;

namespace {

// Counts and rejects the modal dialogs a click opens, so no test waits on one.
struct Dialoogwacht : QTimer {
    int Geopend = 0;
    QString Titel;  // of the last one
    Dialoogwacht()
    {
        connect(this, &QTimer::timeout, [this] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ++Geopend;
                Titel = d->windowTitle();
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

    QString Pad(const char* naam) const { return map.filePath(QLatin1StringView(naam)); }
    QByteArray Ini() const { return LeesBegin(Pad("Wendolo.ini"), 1 << 20).value_or(QByteArray()); }
    void Pagina(const QByteArray& tekst)
    {
        QVERIFY(SchrijfHeel(Pad("help.htm"), "<html><body><p>" + tekst + "</p></body></html>"));
    }
    void Help() { QTest::mousePress(main->OptieKnop, Qt::LeftButton); }
    bool Open() const { return main->Browser && main->Browser->isVisible(); }

private slots:
    void initTestCase()
    {
        AllesIn(map.path());
        PauzesMaal(0);
        Meldingen::BeantwoordMeldingen([this](const Meldingen::Melding& m) {
            meldingen << m;
            return m.knoppen == Meldingen::Knoppen::JaNee ? antwoord : Meldingen::Antwoord::Ok;
        });
        Meldingen::BeantwoordVragen([this](const Meldingen::Vraag&) {
            if (tijdensVraag)
                tijdensVraag();
            return QString();
        });
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

    // The board shows the start image, blitted as it is kept.
    void venster()
    {
        Pic& pic = main->Bord();
        QCOMPARE(pic.Beeld(), Startbeeld().copy(0, 0, BordBreedte, BordHoogte));
        QCOMPARE(pic.Tekengebied()->grab().toImage().convertToFormat(QImage::Format_RGB32), pic.Beeld());
    }

    // A design the last run left unsaved comes back by undo, board and all;
    // one cut short, or a pipe or a folder in its place, is passed over at
    // once, and a saved puzzle of the same name is never touched.
    void bewaardOntwerp_data()
    {
        QTest::addColumn<QString>("schade");  // file:N cut to N bytes, file:pijp, file:map
        QTest::newRow("whole") << QString();
        QTest::newRow("puzzle cut short") << "ontwerp.pzl:40";
        QTest::newRow("picture cut short") << "ontwerp.bmp:5000";
        QTest::newRow("puzzle is a pipe") << "ontwerp.pzl:pijp";
        QTest::newRow("picture is a pipe") << "ontwerp.bmp:pijp";
        QTest::newRow("puzzle is a folder") << "ontwerp.pzl:map";
    }
    void bewaardOntwerp()
    {
        QFETCH(QString, schade);
        main.reset();
        QVERIFY(QDir(map.path()).mkpath(QStringLiteral("puzzels")));
        Tekenvlak bord = NieuwBord();
        Werkblad werk(bord);
        werk.NieuwePuzzel(QStringLiteral("WATER"));
        werk.RijOpslaan(2, {QStringLiteral("KAAS"), QStringLiteral("Zuivel"), BeginXVoor(2)});
        const Puzzel ontwerp = HuidigePuzzel();
        for (const QString& m : {map.path(), Pad("puzzels")})
            QCOMPARE(PuzzelSchrijven(m, QStringLiteral("ontwerp"), ontwerp, bord.Beeld), QString());
        const QByteArray opgeslagen = LeesBegin(Pad("puzzels/ontwerp.pzl"), 1 << 20).value();
        const QString bestand = map.filePath(schade.section(u':', 0, 0));
        const QString soort = schade.section(u':', 1);
        if (!schade.isEmpty())
            QVERIFY(QFile::remove(bestand));
        if (soort == QStringLiteral("pijp"))
            QCOMPARE(::mkfifo(QFile::encodeName(bestand).constData(), 0600), 0);
        else if (soort == QStringLiteral("map"))
            QVERIFY(QDir().mkdir(bestand));
        else if (!soort.isEmpty())
            QVERIFY(SchrijfHeel(bestand, LeesBegin(Pad("puzzels/") + schade.section(u':', 0, 0), 1 << 20)->left(soort.toInt())));

        BeginWaarden();
        main = std::make_unique<Main>();
        QCOMPARE(main->Info().startsWith(QStringLiteral("Het vorige ontwerp")), schade.isEmpty());
        main->Ongedaan();
        QCOMPARE(ZoekWoord, schade.isEmpty() ? QStringLiteral("WATER") : QString());
        if (schade.isEmpty()) {
            QCOMPARE(HuidigePuzzel(), ontwerp);
            QCOMPARE(main->Bord().Beeld(), bord.Beeld);
            QVERIFY(main->RijKnopZichtbaar(1) && !main->RijKnopZichtbaar(2));
        }
        QCOMPARE(LeesBegin(Pad("puzzels/ontwerp.pzl"), 1 << 20).value(), opgeslagen);
        QDir(map.filePath(QStringLiteral("ontwerp.pzl"))).removeRecursively();
        for (const char* naam : {"ontwerp.pzl", "ontwerp.bmp"})
            QFile::remove(Pad(naam));
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

    // Each shortcut runs its own command: the row's on the board, the rest
    // anywhere in the window.
    void sneltoetsen()
    {
        QVERIFY(QDir(map.path()).mkpath(QStringLiteral("puzzels")));
        Tekenvlak bord = NieuwBord();
        Werkblad werk(bord);
        werk.NieuwePuzzel(QStringLiteral("WATER"));
        werk.RijOpslaan(2, {QStringLiteral("KAAS"), QStringLiteral("Zuivel"), BeginXVoor(2)});
        QCOMPARE(PuzzelSchrijven(Pad("puzzels"), QStringLiteral("kaas"), HuidigePuzzel(), bord.Beeld), QString());
        BeginWaarden();
        main->BestandOpenen(Pad("puzzels/kaas.pzl"));
        QWidget* gebied = main->Bord().Tekengebied();
        gebied->setFocus();
        main->Bord().ZetCursor(2);
        const auto toets = [gebied](const QKeySequence& k) {
            QTest::keySequence(gebied, k);
            return PuzzelWoord[2];
        };
        QCOMPARE(toets(Qt::Key_Delete), QString());
        QCOMPARE(toets(QKeySequence::Undo), QStringLiteral("KAAS"));
        QCOMPARE(toets(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QString());
        QCOMPARE(toets(QKeySequence::Undo), QStringLiteral("KAAS"));
        QCOMPARE(toets(Qt::CTRL | Qt::Key_Y), QString());
        QGuiApplication::clipboard()->clear();
        toets(QKeySequence::Copy);
        QVERIFY(!QGuiApplication::clipboard()->image().isNull());
        const std::pair<QKeySequence, QString> dialogen[] = {
            {Qt::CTRL | Qt::SHIFT | Qt::Key_O, "Puzzel openen"},
            {Qt::CTRL | Qt::SHIFT | Qt::Key_S, "Puzzel opslaan als"},
            {Qt::CTRL | Qt::SHIFT | Qt::Key_P, "Als PDF opslaan"},
            {Qt::CTRL | Qt::SHIFT | Qt::Key_B, "Bord als afbeelding opslaan"},
            {Qt::CTRL | Qt::SHIFT | Qt::Key_E, " Webpagina om op te lossen"},
            {Qt::Key_F2, " Puzzelwoord 2"}};
        for (const auto& [k, titel] : dialogen) {
            main->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(main.get()));
            gebied->setFocus();
            Dialoogwacht wacht;
            toets(k);
            QCOMPARE(wacht.Titel, titel);
        }
    }

    // A name typed bare gets its extension before the save dialog asks about
    // a file of that name: an existing picture is never replaced unasked.
    void bewaarpadVraagt()
    {
        QVERIFY(SchrijfHeel(Pad("bestaand.png"), "oud"));
        QString vraag;
        QTimer kijk;
        connect(&kijk, &QTimer::timeout, [&] {
            if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                vraag = m->text();
                m->reject();
            } else if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()); d && vraag.isEmpty()) {
                QMetaObject::invokeMethod(d, "accept", Qt::QueuedConnection);
            } else if (d) {
                d->reject();
            }
        });
        kijk.start(10);
        QCOMPARE(Bewaarpad(main.get(), QStringLiteral("Bord"), Pad("bestaand"), QStringLiteral("*.png"), {".png"}), QString());
        QVERIFY2(vraag.contains(QStringLiteral("bestaand.png")), qPrintable(vraag));
        QCOMPARE(LeesBegin(Pad("bestaand.png"), 10), QByteArray("oud"));
    }

    // Refused, nothing changes and nothing is written; accepted, the
    // settings are saved and the program quits.
    void einde()
    {
        const QByteArray instellingen = Ini();
        QVERIFY(!instellingen.isEmpty());  // start-up wrote the missing file
        main->ZetInfo(QStringLiteral("Iets anders"));
        KopTekst = QStringLiteral("Nieuwe kop");
        antwoord = Meldingen::Antwoord::Nee;
        QTest::mousePress(main->ExitKnop, Qt::LeftButton);
        QCOMPARE(meldingen.size(), 1);
        QVERIFY(meldingen[0].knoppen == Meldingen::Knoppen::JaNee && meldingen[0].titel == QStringLiteral(" Exit"));
        QVERIFY(main->isVisible() && main->Info() == QStringLiteral("Iets anders"));
        QCOMPARE(Ini(), instellingen);

        antwoord = Meldingen::Antwoord::Ja;
        QTimer::singleShot(5000, main.get(), [] { QCoreApplication::exit(1); });  // should it not quit
        QTimer::singleShot(0, main.get(), [this] { QTest::mousePress(main->ExitKnop, Qt::LeftButton); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(meldingen.size() == 2 && !main->isVisible());
        QVERIFY(Ini().contains("\"Nieuwe kop\""));
    }

    // Help shows the page over the board and its buttons; a second click
    // leaves the window as it was.
    void help()
    {
        Pagina("Eerste versie");
        main->ToonRijKnop(3, true);
        const QImage bord = main->Bord().Beeld();
        QPushButton* knop = main->Knop[3];
        const QPoint midden = knop->mapTo(main.get(), knop->rect().center());
        Help();
        QVERIFY(Open() && main->Browser->toPlainText().contains(QStringLiteral("Eerste versie")));
        QWidget* bovenop = main->childAt(midden);
        QVERIFY(bovenop && (bovenop == main->Browser || main->Browser->isAncestorOf(bovenop)));
        Help();
        QVERIFY(!Open() && main->Info() == QStringLiteral("Informatie..."));
        QVERIFY(main->Bord().Beeld() == bord && main->childAt(midden) == knop);

        // An edited page shows at the next opening; a pipe (not waited on) and a
        // page too large to lay out show none; the supplied page's accents are entities.
        Pagina("Tweede versie");
        Help();
        QCOMPARE(main->Browser->toPlainText(), QStringLiteral("Tweede versie"));
        Help();
        QFile::remove(Pad("help.htm"));
        QCOMPARE(::mkfifo(QFile::encodeName(Pad("help.htm")).constData(), 0600), 0);
        Help();
        QVERIFY(Open() && main->Browser->toPlainText().isEmpty());
        Help();
        Pagina(QByteArray(3 << 20, 'a'));
        Help();
        QCOMPARE(main->Browser->toPlainText(), QStringLiteral("De hulppagina is te groot om te tonen."));
        Help();
        QFile::remove(Pad("help.htm"));
        QVERIFY(QFile::copy(qEnvironmentVariable("WENDOLO_TEST_DATA") + "/../assets/help.htm", Pad("help.htm")));
        Help();
        QVERIFY(main->Browser->toPlainText().contains(QStringLiteral("G\u00e9\u00e9n cijfers in het woord plaatsen!")));
    }

    // Portable folder or installed copy: where each reads and writes, and an installed
    // copy's tree never written, even as root (the package's journeys do the rest).
    void indeling_data()
    {
        QTest::addColumn<QStringList>("bestanden");  // made first
        QTest::addColumn<QString>("exe");
        QTest::addColumn<QString>("bibliotheek");    // where library.lib is read
        QTest::addColumn<QString>("schrijfmap");     // where puzzels/ and the export go; settings beside them
        QTest::newRow("portable folder") << QStringList{"app/library.lib"} << "app" << "app" << "app";
        QTest::newRow("bin/ without a tree is a portable folder")
            << QStringList{"x/bin/library.lib"} << "x/bin" << "x/bin" << "x/bin";
        QTest::newRow("installed tree, writable (as root sees it)")
            << QStringList{"usr/bin/x", "usr/share/wendolo/library.lib"} << "usr/bin" << "usr/share/wendolo"
            << "thuis/.local/share/wendolo";
        QTest::newRow("installed tree, the user's own library first")
            << QStringList{"usr/bin/x", "usr/share/wendolo/library.lib", "thuis/.local/share/wendolo/library.lib"}
            << "usr/bin" << "thuis/.local/share/wendolo" << "thuis/.local/share/wendolo";
    }
    void indeling()
    {
        QFETCH(QStringList, bestanden);
        QFETCH(QString, exe);
        QFETCH(QString, bibliotheek);
        QFETCH(QString, schrijfmap);
        QTemporaryDir t;
        const auto In = [&t](const QString& relatief) { return t.filePath(relatief); };
        for (const QString& b : bestanden) {
            QVERIFY(QDir().mkpath(QFileInfo(In(b)).path()));
            QVERIFY(SchrijfHeel(In(b), QByteArray()));
        }

        const Mappen m = Mappen::Voor(In(exe), In(QStringLiteral("thuis/.config/wendolo")),
                                      In(QStringLiteral("thuis/.local/share/wendolo")), In(QStringLiteral("thuis/.local/state/wendolo")));
        const bool geinstalleerd = schrijfmap != exe;
        QCOMPARE(m.Geinstalleerd, geinstalleerd);
        QCOMPARE(m.Lees(QStringLiteral("library.lib")), In(bibliotheek + "/library.lib"));
        QCOMPARE(m.Schrijf(QStringLiteral("wendolo.pdf")), In(schrijfmap + "/wendolo.pdf"));
        QCOMPARE(m.Schrijf(QStringLiteral("Wendolo.ini")),
                 In((geinstalleerd ? QStringLiteral("thuis/.config/wendolo") : exe) + "/Wendolo.ini"));
        QCOMPARE(m.Map(QStringLiteral("puzzels")), In(schrijfmap + "/puzzels"));
        QCOMPARE(m.Bewaarmap(), In(geinstalleerd ? QStringLiteral("thuis/.local/state/wendolo") : exe));
        // Only an installed copy makes its folders; a portable one has them already.
        QCOMPARE(QFileInfo(In(schrijfmap + "/puzzels")).isDir(), geinstalleerd);
        QCOMPARE(QFileInfo(In("thuis/.config/wendolo")).isDir(), geinstalleerd);
    }

    // A relative XDG folder is ignored, as the XDG rules say; an absolute one is used.
    void xdgMappen()
    {
        const QByteArray oud = qgetenv("XDG_STATE_HOME");
        for (const auto& [waarde, verwacht] : {std::pair{"rel/staat", QDir::homePath() + "/.local/state/wendolo"},
                                               std::pair{"/elders", QStringLiteral("/elders/wendolo")}}) {
            qputenv("XDG_STATE_HOME", waarde);
            QCOMPARE(Gebruikersmap("XDG_STATE_HOME", QStringLiteral(".local/state")), verwacht);
        }
        oud.isNull() ? qunsetenv("XDG_STATE_HOME") : qputenv("XDG_STATE_HOME", oud);
    }

    // What the help page reaches, as a picture, a style sheet or a followed link, is read
    // only as a plain file of bounded size, and a link out of the help folder is not followed.
    void hulpVerwijzingen_data()
    {
        QTest::addColumn<QString>("doel");     // as the page names it
        QTest::addColumn<QString>("gevolgd");  // the text shown after following the link
        QTest::newRow("page beside it") << "gewoon.htm" << "Gewoon";
        QTest::newRow("pipe") << "pijp" << "";
        QTest::newRow("link to /dev/zero") << "nul" << "";
        QTest::newRow("/dev/zero itself") << "/dev/zero" << "Tekst";
        QTest::newRow("too large") << "groot.htm" << "De hulppagina is te groot om te tonen.";
    }
    void hulpVerwijzingen()
    {
        QFETCH(QString, doel);
        QFETCH(QString, gevolgd);
        // Run from the help folder, where the browser would look itself for a picture it was not given.
        QVERIFY(QDir::setCurrent(map.path()));
        QImage beeld(2, 3, QImage::Format_RGB32);
        beeld.fill(Qt::red);
        if (!QFileInfo::exists(Pad("gewoon.htm")))
            QVERIFY(SchrijfHeel(Pad("gewoon.htm"), "<p>Gewoon</p>") && SchrijfHeel(Pad("groot.htm"), QByteArray(3 << 20, 'a'))
                    && ::mkfifo(QFile::encodeName(Pad("pijp")).constData(), 0600) == 0
                    && QFile::link(QStringLiteral("/dev/zero"), Pad("nul")) && beeld.save(Pad("beeld.png")));
        // The style sheet's name has a query, or the picture would come from its cache.
        QVERIFY(SchrijfHeel(Pad("help.htm"), "<html><head><link rel=\"stylesheet\" type=\"text/css\" href=\""
                                                 + doel.toUtf8() + "?css\"></head><body>Tekst<img src=\"" + doel.toUtf8()
                                                 + "\"><img src=\"beeld.png\"></body></html>"));
        Help();
        main->Browser->grab();  // lays the page out, its pictures loaded
        const auto plaatje = [this](const QString& naam) {
            const QUrl url = main->Browser->source().resolved(QUrl(naam));
            return main->Browser->document()->resource(QTextDocument::ImageResource, url).value<QImage>();
        };
        QCOMPARE(plaatje(QStringLiteral("beeld.png")).pixel(1, 2), beeld.pixel(1, 2));
        QCOMPARE(plaatje(doel).size(), QSize(1, 1));  // none of them is a picture
        main->Browser->setSource(main->Browser->source().resolved(QUrl(doel)));  // as a click on the link
        QCOMPARE(main->Browser->toPlainText().remove(QChar::ObjectReplacementCharacter), gevolgd);
    }
};

QTEST_MAIN(TestMain)
#include "tst_main.moc"
