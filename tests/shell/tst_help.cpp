// The help window over the board: Help shows the page, a second click hides
// it and leaves the window as it was, every opening reads the page anew, and
// a pipe or an outsize page never holds Help.
#include "board/Pic.h"
#include "shell/Bouwstenen.h"
#include "shell/Naad.h"
#include "shell/Main.h"
#include "shell/Pauze.h"
#include "shell/Programmamap.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <memory>
#include <sys/stat.h>

class TestHelp : public QObject
{
    Q_OBJECT

    QTemporaryDir map;
    std::unique_ptr<Main> main;

    QString Pagina() const { return map.filePath(QStringLiteral("help.htm")); }
    void Schrijf(const char* tekst)
    {
        QFile f(Pagina());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray("<html><body><p>") + tekst + "</p></body></html>");
    }
    void Klik() { QTest::mousePress(main->OptieKnop, Qt::LeftButton); }
    bool Open() const { return main->Browser && main->Browser->isVisible(); }
    QString Tekst() const { return main->Browser->toPlainText(); }

private slots:
    void initTestCase()
    {
        QVERIFY(map.isValid());
        Naad.Programmamap = map.path();
        Naad.PauzeFactor = 0;
    }

    void init()
    {
        main = std::make_unique<Main>();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    }

    void cleanup() { main.reset(); }

    void heenEnWeer()
    {
        const QString helpInfo =
            QStringLiteral("Hulp bij het maken van een puzzel. / klik nogmaals voor sluiten helpvenster.");
        // A picture beside the page shows in it.
        QImage(4, 4, QImage::Format_RGB32).save(map.filePath(QStringLiteral("beeld.png")));
        Schrijf("Eerste versie<img src=\"beeld.png\">");
        main->ToonRijKnop(3, true);
        const QImage bord = main->Bord().Beeld();
        const QPoint rust = main->OptieKnop->pos();
        QPushButton* knop = main->Knop[3];
        const QPoint midden = knop->mapTo(main.get(), knop->rect().center());
        QVERIFY(!Open());

        Klik();
        QVERIFY(Open());
        QCOMPARE(main->Browser->geometry(), main->Bord().geometry());
        QCOMPARE(main->Browser->parentWidget(), main->Bord().parentWidget());
        QVERIFY(Tekst().contains(QStringLiteral("Eerste versie")));
        QVERIFY(main->Browser->document()->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("beeld.png"))).isValid());
        QCOMPARE(main->Info(), helpInfo);
        QCOMPARE(main->OptieKnop->toolTip(), QStringLiteral(" Helpvenster sluiten "));
        // The page lies over the board and its row buttons.
        QWidget* bovenop = main->childAt(midden);
        QVERIFY(bovenop && (bovenop == main->Browser || main->Browser->isAncestorOf(bovenop)));

        Klik();
        QVERIFY(!Open());
        QCOMPARE(main->Info(), QStringLiteral("Informatie..."));
        QCOMPARE(main->OptieKnop->toolTip(), QStringLiteral(" Hulp bij dit programma "));
        QCOMPARE(main->OptieKnop->pos(), rust);
        QCOMPARE(main->Bord().Beeld(), bord);
        QVERIFY(main->RijKnopZichtbaar(3));
        QCOMPARE(main->childAt(midden), knop);

        // An edited page shows at the next opening.
        Schrijf("Tweede versie");
        Klik();
        QVERIFY(Tekst().contains(QStringLiteral("Tweede versie")) && !Tekst().contains(QStringLiteral("Eerste")));
        Klik();

        // Without a page the window still opens and closes.
        QFile::remove(Pagina());
        Klik();
        QVERIFY(Open());
        QCOMPARE(main->Info(), helpInfo);
        Klik();
        QVERIFY(!Open());
    }

    // A pipe opens the empty window without waiting for a writer; a page too
    // large to lay out quickly shows one line instead.
    void vreemdePagina()
    {
        QFile::remove(Pagina());
        QCOMPARE(::mkfifo(QFile::encodeName(Pagina()).constData(), 0600), 0);
        Klik();
        QVERIFY(Open() && Tekst().isEmpty());
        Klik();
        QFile::remove(Pagina());
        Schrijf(QByteArray(3 << 20, 'a').constData());
        Klik();
        QCOMPARE(Tekst(), QStringLiteral("De hulppagina is te groot om te tonen."));
    }

    // The page supplied with the program: accents through entities and every
    // command explained.
    void geleverdePagina()
    {
        QFile::remove(Pagina());
        QVERIFY(QFile::copy(qEnvironmentVariable("WENDOLO_TEST_DATA") + "/../assets/help.htm", Pagina()));
        Klik();
        QVERIFY(Tekst().contains(QStringLiteral("G\u00e9\u00e9n cijfers in het woord plaatsen!")));
        QVERIFY(Tekst().contains(QStringLiteral("ge\u00efnstalleerd")));
        for (const char* woord : {"Nieuw", "Load", "Save", "Print", "Tools", "Help", "Html", "Einde", "Zoeken",
                                  "Puzzelwoord", "omschrijving", "wendolo.pdf", "puzzel.bmp"})
            QVERIFY2(Tekst().contains(QString::fromLatin1(woord)), woord);
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
