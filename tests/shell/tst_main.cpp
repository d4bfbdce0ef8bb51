// Tests of the main window: where its controls lie, what the command bar
// says, the row buttons, and that Print without a puzzle and a refused exit
// leave everything as it was.
#include "assets/Plaatjes.h"
#include "assets/Startbeeld.h"
#include "board/Pic.h"
#include "model/Algemeen.h"
#include "shell/Bouwstenen.h"
#include "shell/Main.h"
#include "shell/Meldingen.h"
#include "shell/Pauze.h"

#include <QDialog>
#include <QFile>
#include <QResource>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <memory>

using namespace Algemeen;

namespace {

// Closes whatever modal dialog a click opens and remembers its title, so a
// test sees that a dialog opened without ever waiting on one.
class Dialoogwacht
{
public:
    Dialoogwacht()
    {
        klok.setInterval(10);
        QObject::connect(&klok, &QTimer::timeout, [this] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                Titels << d->windowTitle();
                d->reject();
            }
        });
        klok.start();
    }
    QStringList Titels;

private:
    QTimer klok;
};

QLabel* EtiketOp(QWidget* paneel, QPoint plaats)
{
    for (QLabel* l : paneel->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (!qobject_cast<PlaatjesKnop*>(l) && l->pos() == plaats)
            return l;
    return nullptr;
}

} // namespace

class TestMain : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir map;
    std::unique_ptr<Main> main;
    QList<Meldingen::Melding> meldingen;
    Meldingen::Antwoord antwoord = Meldingen::Antwoord::Nee;

    QString Instellingen() const
    {
        QFile f(map.filePath(QStringLiteral("Wendolo.ini")));
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(map.isValid());
        ZetProgrammamap(map.path());
        ZetPauzeFactor(0);
        Meldingen::ZetScript(
            [this](const Meldingen::Melding& m) {
                meldingen << m;
                return m.knoppen == Meldingen::Knoppen::JaNee ? antwoord : Meldingen::Antwoord::Ok;
            },
            [](const Meldingen::Vraag&) { return QString(); });
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
        // The start image's top-left on the board, shown pixel for pixel.
        QCOMPARE(pic.Beeld(), Startbeeld().copy(0, 0, 503, 449));
        // The program carries the picture the build drew, and it is the
        // code's drawing pixel for pixel.
        QVERIFY(QResource(QStringLiteral(":/startbeeld.rgb32")).isValid());
        QCOMPARE(QResource(QStringLiteral(":/startbeeld.rgb32")).compressionAlgorithm(), QResource::NoCompression);
        QCOMPARE(Startbeeld(), TekenStartbeeld());
        QVERIFY(QResource(QStringLiteral(":/iconen.argb32")).isValid());
        QCOMPARE(QResource(QStringLiteral(":/iconen.argb32")).compressionAlgorithm(), QResource::NoCompression);
        for (int c = 0; c < AantalCommandos; ++c)
            QCOMPARE(Icoon(Commando(c)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                     TekenIcoon(Commando(c)));
        QCOMPARE(pic.Tekengebied()->grab().toImage().convertToFormat(QImage::Format_RGB32), pic.Beeld());
        QVERIFY(!main->Browser || !main->Browser->isVisible());

        QCOMPARE(main->InfoBalk->text(), QStringLiteral("Informatie"));
        QCOMPARE(main->InfoBalk->geometry(), QRect(6, 9, 466, 16));
        QCOMPARE(main->InfoBalk->parentWidget()->geometry(), QRect(46, 470, 479, 29));
        QCOMPARE(main->InfoBalk->palette().color(QPalette::WindowText), QColor(64, 64, 64));
    }

    void commandobalk_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("top");
        QTest::addColumn<QPoint>("rust");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QColor>("vlak");
        QTest::addColumn<QColor>("schaduw");
        QTest::addColumn<QPoint>("etiket");
        QTest::addColumn<QString>("tip");
        auto rij = [](int k, int top, QPoint rust, const char* tekst, QColor vlak, QColor schaduw, QPoint etiket,
                      const char* tip) {
            QTest::newRow(tekst) << k << top << rust << QString::fromLatin1(tekst) << vlak << schaduw << etiket
                                 << QString::fromLatin1(tip);
        };
        rij(0, -2, {19, 20}, "Nieuw", {192, 255, 255}, {0, 128, 128}, {69, 16}, " Nieuwe puzzel ontwerpen ");
        rij(1, 60, {20, 20}, "Load", {255, 255, 192}, {128, 128, 0}, {70, 16}, " Puzzel laden ");
        rij(2, 122, {18, 20}, "Save", {192, 255, 192}, {0, 128, 0}, {70, 16}, " Puzzel opslaan ");
        rij(3, 184, {18, 20}, "Print", {255, 224, 192}, {128, 64, 0}, {70, 16}, " Puzzel afdrukken ");
        rij(4, 246, {18, 20}, "Tools", {192, 255, 255}, {0, 0, 128}, {70, 16}, " Instellingen wijzigen ");
        rij(5, 308, {18, 20}, "Help", {255, 255, 255}, {64, 64, 64}, {70, 16}, " Hulp bij dit programma ");
        rij(6, 370, {18, 20}, "Html", {255, 255, 192}, {0, 64, 64}, {70, 16}, " Puzzel exporteren ");
        rij(7, 432, {18, 22}, "Einde", {255, 255, 255}, {128, 0, 0}, {70, 18}, " Stoppen ");
    }

    void commandobalk()
    {
        QFETCH(int, k);
        QFETCH(int, top);
        QFETCH(QPoint, rust);
        QFETCH(QString, tekst);
        QFETCH(QColor, vlak);
        QFETCH(QColor, schaduw);
        QFETCH(QPoint, etiket);
        QFETCH(QString, tip);
        PlaatjesKnop* knoppen[] = {main->OkKnop, main->LoadKnop, main->SaveKnop, main->PrintKnop,
                                   main->ToolKnop, main->OptieKnop, main->ConvertKnop, main->ExitKnop};
        PlaatjesKnop* knop = knoppen[k];
        QWidget* paneel = knop->parentWidget();
        QCOMPARE(paneel->geometry(), QRect(530, top, 200, k == 7 ? 67 : 61));
        QCOMPARE(knop->geometry(), QRect(rust, QSize(32, 32)));
        QCOMPARE(knop->toolTip(), tip);

        QLabel* face = EtiketOp(paneel, etiket);
        QLabel* shadow = EtiketOp(paneel, etiket + QPoint(1, 1));
        QVERIFY(face && shadow);
        QCOMPARE(face->text(), tekst);
        QCOMPARE(shadow->text(), tekst);
        QCOMPARE(face->palette().color(QPalette::WindowText), vlak);
        QCOMPARE(shadow->palette().color(QPalette::WindowText), schaduw);
        QCOMPARE(face->font().pixelSize(), 35);
        QVERIFY(face->font().bold());
        // The face lies over its shadow.
        QVERIFY(paneel->children().indexOf(face) > paneel->children().indexOf(shadow));
    }

    void rijKnoppen_data()
    {
        QTest::addColumn<int>("i");
        QTest::addColumn<int>("knopY");
        QTest::addColumn<int>("bkY");
        QTest::newRow("row 1") << 1 << 18 << 16;
        QTest::newRow("row 7") << 7 << 144 << 142;
        QTest::newRow("row 20 ends at 433") << 20 << 417 << 415;
    }

    void rijKnoppen()
    {
        QFETCH(int, i);
        QFETCH(int, knopY);
        QFETCH(int, bkY);
        for (int r = 1; r <= MaxRijen; ++r)
            QVERIFY(!main->RijKnopZichtbaar(r));
        main->ToonRijKnop(i, true);
        QVERIFY(main->RijKnopZichtbaar(i) && main->BK[i]->isVisible());
        for (int r = 1; r <= MaxRijen; ++r)
            QVERIFY(r == i || (!main->RijKnopZichtbaar(r) && !main->BK[r]->isVisible()));
        QPushButton* knop = main->Knop[i];
        QCOMPARE(knop->parentWidget(), main->Bord().Tekengebied());
        QCOMPARE(knop->geometry(), QRect(467, knopY, 21, 16));
        QCOMPARE(main->BK[i]->geometry(), QRect(465, bkY, 25, 20));
        QCOMPARE(knop->text(), QStringLiteral("?"));
        QCOMPARE(knop->toolTip(), QStringLiteral(" Woord %1 ").arg(i));
        QCOMPARE(main->Bord().Tekengebied()->childAt(knop->geometry().center()), knop);

        // A click chooses the row and opens the puzzle-word dialog.
        ZoekWoord = QStringLiteral("Zeeverkenningsschepe");
        Dialoogwacht wacht;
        knop->click();
        QCOMPARE(int(HuidigeRij), i);
        QCOMPARE(wacht.Titels.size(), 1);
    }

    void print_data()
    {
        QTest::addColumn<QString>("zoekwoord");
        QTest::addColumn<QString>("info");
        QTest::addColumn<int>("dialogen");
        QTest::newRow("no puzzle: nothing happens") << QString() << QStringLiteral("Informatie") << 0;
        QTest::newRow("with a puzzle: the print dialog")
            << QStringLiteral("water") << QStringLiteral("Afdrukken van de puzzel.") << 1;
    }

    void print()
    {
        QFETCH(QString, zoekwoord);
        QFETCH(QString, info);
        QFETCH(int, dialogen);
        ZoekWoord = zoekwoord;
        const QImage bord = main->Bord().Beeld();
        Dialoogwacht wacht;
        QPoint tijdens; // where the icon is while the animation waits
        QTimer::singleShot(0, main.get(), [&] { tijdens = main->PrintKnop->pos(); });
        QTest::mousePress(main->PrintKnop, Qt::LeftButton);
        QCOMPARE(tijdens, main->PrintKnop->Rust() + QPoint(1, 1));
        QCOMPARE(wacht.Titels.size(), dialogen);
        QCOMPARE(main->Info(), info);
        QCOMPARE(main->Bord().Beeld(), bord);
        QCOMPARE(main->PrintKnop->pos(), main->PrintKnop->Rust());
        QVERIFY(meldingen.isEmpty());
    }

    void eindeNee()
    {
        const QString instellingen = Instellingen();
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
    }

    void eindeJa()
    {
        KopTekst = QStringLiteral("Nieuwe kop");
        antwoord = Meldingen::Antwoord::Ja;
        QTimer noodrem; // ends the loop should the program not quit
        noodrem.setSingleShot(true);
        connect(&noodrem, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        noodrem.start(5000);
        QTimer::singleShot(0, main.get(), [this] { QTest::mousePress(main->ExitKnop, Qt::LeftButton); });
        QCOMPARE(QCoreApplication::exec(), 0);

        QCOMPARE(meldingen.size(), 1);
        QVERIFY(!main->isVisible());
        QVERIFY(Instellingen().contains(QStringLiteral("\"Nieuwe kop\"")));
    }
};

QTEST_MAIN(TestMain)
#include "tst_main.moc"
