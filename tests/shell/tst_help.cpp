// The help window over the board: Help shows the page, a second click hides
// it and leaves the window as it was, and every opening reads the page anew.
#include "board/Pic.h"
#include "shell/Bouwstenen.h"
#include "shell/Main.h"
#include "shell/Pauze.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <memory>

namespace {

const QString Dicht = QStringLiteral(" Hulp bij dit programma ");
const QString Open = QStringLiteral(" Helpvenster sluiten ");
const QString HelpInfo = QStringLiteral("Hulp bij het maken van een puzzel. / klik nogmaals voor sluiten helpvenster.");

void Schrijf(const QString& pad, const QByteArray& inhoud)
{
    QFile f(pad);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(inhoud);
}

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir map;
    std::unique_ptr<Main> main;

    QString Pagina() const { return map.filePath(QStringLiteral("help.htm")); }
    void Klik() { QTest::mousePress(main->OptieKnop, Qt::LeftButton); }
    bool Open_() const { return main->Browser && main->Browser->isVisible(); }

private slots:
    void initTestCase()
    {
        QVERIFY(map.isValid());
        ZetProgrammamap(map.path());
        ZetPauzeFactor(0);
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
        Schrijf(Pagina(), "<html><body><p>Eerste versie</p></body></html>");
        main->ToonRijKnop(3, true);
        const QImage bord = main->Bord().Beeld();
        const QPoint rust = main->OptieKnop->pos();
        QCOMPARE(main->OptieKnop->toolTip(), Dicht);
        QVERIFY(!Open_());

        Klik();
        QVERIFY(Open_());
        QCOMPARE(main->Browser->geometry(), main->Bord().geometry());
        QCOMPARE(main->Browser->parentWidget(), main->Bord().parentWidget());
        QVERIFY(main->Browser->toPlainText().contains(QStringLiteral("Eerste versie")));
        QCOMPARE(main->Info(), HelpInfo);
        QCOMPARE(main->OptieKnop->toolTip(), Open);
        // The page lies over the board and its row buttons.
        main->ToonRijKnop(3, true);
        QPushButton* knop = main->Knop[3];
        QWidget* bovenop = main->childAt(knop->mapTo(main.get(), knop->rect().center()));
        QVERIFY(bovenop && (bovenop == main->Browser || main->Browser->isAncestorOf(bovenop)));

        Klik();
        QVERIFY(!Open_());
        QCOMPARE(main->Info(), QStringLiteral("Informatie..."));
        QCOMPARE(main->OptieKnop->toolTip(), Dicht);
        QCOMPARE(main->OptieKnop->pos(), rust);
        QCOMPARE(main->Bord().Beeld(), bord);
        QVERIFY(main->RijKnopZichtbaar(3));
        QCOMPARE(main->childAt(knop->mapTo(main.get(), knop->rect().center())), knop);

        // An edited page shows at the next opening.
        Schrijf(Pagina(), "<html><body><p>Tweede versie</p></body></html>");
        Klik();
        QVERIFY(main->Browser->toPlainText().contains(QStringLiteral("Tweede versie")));
        QVERIFY(!main->Browser->toPlainText().contains(QStringLiteral("Eerste versie")));
    }

    void zonderPagina()
    {
        QFile::remove(Pagina());
        Klik();
        QVERIFY(Open_());
        QCOMPARE(main->Info(), HelpInfo);
        Klik();
        QVERIFY(!Open_());
    }

    // The page supplied with the program, as the browser reads it: accents
    // through entities and every command explained.
    void geleverdePagina()
    {
        const QString bron = qEnvironmentVariable("WENDOLO_TEST_DATA") + QStringLiteral("/../assets/help.htm");
        QFile::remove(Pagina());
        QVERIFY(QFile::copy(bron, Pagina()));
        Klik();
        const QString tekst = main->Browser->toPlainText();
        QVERIFY(tekst.contains(QStringLiteral("G\u00e9\u00e9n cijfers in het woord plaatsen!")));
        QVERIFY(tekst.contains(QStringLiteral("ge\u00efnstalleerd")));
        for (const char* woord : {"Nieuw", "Load", "Save", "Print", "Tools", "Help", "Html", "Einde", "Zoeken",
                                  "Puzzelwoord", "omschrijving", "wendolo.pdf", "puzzel.bmp"})
            QVERIFY2(tekst.contains(QString::fromLatin1(woord)), woord);
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
