// The storage dialogs through their controls: saving and loading (the files
// that appear, the questions asked, a load that is whole or nothing), Tools
// (colours written at once, the header taken on Exit), and writes that fail
// for real.
#include "Nepscherm.h"
#include "output/Exporteren.h"
#include "shell/Bouwstenen.h"
#include "shell/Main.h"
#include "shell/Meldingen.h"
#include "shell/Pauze.h"
#include "shell/Programmamap.h"
#include "storage/Heelbestand.h"
#include "storage/Instellingen.h"
#include "storage/Loadpuzzel.h"
#include "storage/Opslaan.h"
#include "storage/Puzzelbestand.h"
#include "storage/Tools.h"

#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace Algemeen;
using Meldingen::Antwoord;

namespace {

QByteArray Lees(const QString& pad) { return LeesBegin(pad, 1 << 20).value_or("<missing>"); }
void Schrijf(const QString& pad, const QByteArray& data) { QVERIFY(SchrijfHeel(pad, data)); }
QStringList Bestanden(const QString& map) { return QDir(map).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
bool Voer(const QString& programma, const QStringList& args) { return QProcess::execute(programma, args) == 0; }

// Every file in the program folder with its bytes, the filler left out.
QMap<QString, QByteArray> Inhoud()
{
    QMap<QString, QByteArray> uit;
    QDirIterator it(HuidigeMappen().Gegevens, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        if (const QString pad = it.next(); it.fileName() != QStringLiteral("vulsel"))
            uit[QDir(HuidigeMappen().Gegevens).relativeFilePath(pad)] = LeesBegin(pad, 1 << 20).value_or("<unreadable>");
    return uit;
}

// The load dialog over s, which puts what it reads on s's board.
std::unique_ptr<Loadpuzzel> Laaddialoog(Nepscherm& s)
{
    return std::make_unique<Loadpuzzel>(s.Venster(), s.Lijn(), [&s](const Geladen& g) { s.werk.Laden(g.puzzel, g.beeld); });
}

// Chooses an entry of the load dialog (none when rij is -1) and clicks Ok.
void Laad(Loadpuzzel& dlg, int rij)
{
    if (rij >= 0)
        dlg.File1->setCurrentRow(rij);
    QTest::mouseClick(dlg.OkKnop, Qt::LeftButton);
}

} // namespace

class TestOpslaanLaden : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> map;
    QStringList getoond;         // every box shown, in order, as "title|text"
    QList<Meldingen::Knoppen> knoppen;  // the buttons of each message box
    bool gekoppeld = false;      // a tmpfs mounted over the folder
    QString vast;                // a file made immutable
    QString invoer;              // what the input box answers; "<default>": its pre-filled text
    Antwoord ja = Antwoord::Ja;  // what the Yes/No box answers

    QString Puzzels(const QString& naam = {}) const { return map->filePath(QStringLiteral("puzzels/") + naam); }
    QStringList Sla(Nepscherm& s, const QString& naam, Antwoord antwoord = Antwoord::Ja)
    {
        getoond.clear();
        invoer = naam;
        ja = antwoord;
        SaveCommando(s.Bord().Beeld());
        return std::exchange(getoond, {});
    }

private slots:
    void init()
    {
        BeginWaarden();
        PauzesMaal(0);
        map = std::make_unique<QTemporaryDir>();
        AllesIn(map->path());
        QDir(map->path()).mkdir(QStringLiteral("puzzels"));
        Meldingen::BeantwoordMeldingen([this](const Meldingen::Melding& m) {
            getoond << m.titel + u'|' + m.tekst;
            knoppen << m.knoppen;
            return m.knoppen == Meldingen::Knoppen::JaNee ? ja : Antwoord::Ok;
        });
        Meldingen::BeantwoordVragen([this](const Meldingen::Vraag& v) {
            getoond << v.titel + u'|' + v.prompt + u'|' + v.standaard;
            return invoer == QStringLiteral("<default>") ? v.standaard : invoer;
        });
    }
    void cleanup()
    {
        GewoneOmgeving();
        if (!vast.isEmpty())
            Voer("chattr", {"-i", std::exchange(vast, {})});
        if (std::exchange(gekoppeld, false))
            Voer("umount", {"-l", map->path()});
    }

    // One design saved again and again: what each answer shows, what lands in
    // the folder, and a board that is never touched.
    void opslaan()
    {
        Nepscherm s;
        QCOMPARE(Sla(s, QStringLiteral("X")), QStringList());  // no puzzle yet: nothing is asked
        s.Ontwerp(QStringLiteral("VOGEL"), {2, 5});
        const QImage voor = s.Bord().Beeld();
        const QString pzl = Puzzels(QStringLiteral("VOGEL.pzl")), bmp = Puzzels(QStringLiteral("VOGEL.bmp"));
        const QString vraag = QStringLiteral(" Save puzzel|Geef een bestandsnaam voor deze puzzel...|VOGEL");
        QCOMPARE(Sla(s, QString()), QStringList{vraag});  // cancelled
        QVERIFY(Sla(s, QStringLiteral("../VOGEL")).value(1).startsWith(QStringLiteral("Wendolo|Deze naam kan niet")));
        QCOMPARE(Bestanden(map->path()) + Bestanden(Puzzels()), QStringList());
        QCOMPARE(Sla(s, QStringLiteral("<default>")), QStringList{vraag});
        QCOMPARE(Lees(pzl), PuzzelBytes(HuidigePuzzel()));
        QCOMPARE(QImage(bmp).convertToFormat(voor.format()), voor);

        // Over an old pair No leaves both files (Yes replacing them is the correcting and kill-save journeys').
        Schrijf(pzl, "oud");
        Schrijf(bmp, "oud");
        const QString bestaat = QStringLiteral(" File exist|Bestand bestaat reeds, overschrijven?");
        QCOMPARE(Sla(s, QStringLiteral("VOGEL"), Antwoord::Nee), (QStringList{vraag, bestaat}));
        QCOMPARE(Lees(pzl) + Lees(bmp), QByteArray("oudoud"));

        QDir(Puzzels()).removeRecursively();
        QVERIFY(Sla(s, QStringLiteral("VOGEL")).value(1).endsWith(QStringLiteral("de map %1 ontbreekt.").arg(Puzzels().chopped(1))));
        QCOMPARE(s.Bord().Beeld(), voor);
    }

    // Loads in a row through the dialog, over a puzzle of another length:
    // model, board and row buttons become the saved ones; what is no part of
    // a puzzle stays.
    void laden()
    {
        Nepscherm s;
        s.Ontwerp(QStringLiteral("GIRAFFE"));
        Sla(s, QStringLiteral("a"));
        const Puzzel eerste = HuidigePuzzel();
        KleurVeld = {10, 20, 30};
        s.Ontwerp(QStringLiteral("VOGEL"), {2, 5});
        Sla(s, QStringLiteral("b"));
        const Puzzel tweede = HuidigePuzzel();
        const QImage beeld = s.Bord().Beeld();
        BeginWaarden();
        HuidigeRij = 3;
        KopTekst = QStringLiteral("blijft");

        auto dlg = Laaddialoog(s);
        Laad(*dlg, 0);
        QCOMPARE(HuidigePuzzel(), eerste);
        s.werk.Knoppen[7] = true;
        Laad(*dlg, 1);
        QCOMPARE(HuidigePuzzel(), tweede);  // rows 6 and 7 of the first are gone
        QCOMPARE(s.Bord().Beeld(), beeld);
        for (int i = 1; i <= MaxRijen; ++i)
            QCOMPARE(s.RijKnopZichtbaar(i), i == 2 || i == 5);
        QVERIFY(HuidigeRij == 3 && KopTekst == QStringLiteral("blijft"));

        // A smaller picture lies top-left on the loaded puzzle's background,
        // not on the one the board had.
        QImage klein(40, 30, QImage::Format_RGB32);
        klein.fill(Qt::blue);
        QVERIFY(klein.save(Puzzels(QStringLiteral("b.bmp")), "BMP"));
        Laad(*dlg, 0);
        Laad(*dlg, 1);
        QCOMPARE(s.Bord().Beeld().pixelColor(39, 29), QColor(Qt::blue));
        QCOMPARE(s.Bord().Beeld().pixelColor(40, 30), QColor(10, 20, 30));
        QCOMPARE(getoond, QStringList());
    }

    void mislukteLading_data()
    {
        // file=new contents, file:N cut to N bytes, file:pijp a named pipe in
        // its place, file:groot a header that promises 4000 x 4000 pixels
        QTest::addColumn<QString>("schade");
        QTest::newRow("nothing selected") << QString();
        QTest::newRow("picture short of its last row") << QStringLiteral("b.bmp:678941");
        QTest::newRow("picture larger than its pixels") << QStringLiteral("b.bmp:groot");
        QTest::newRow("picture is a pipe") << QStringLiteral("b.bmp:pijp");
        // The picture is good: it must not reach the board before the puzzle is read.
        QTest::newRow("puzzle file damaged") << QStringLiteral("b.pzl=\"banner\"\r\n1,2,3\r\n4,5,256\r\n");
        // A journal the program did not write holds the name: the box says which file.
        QTest::newRow("strange journal") << QStringLiteral("b.bezig=iets anders\r\n");
    }
    void mislukteLading()
    {
        QFETCH(QString, schade);
        Nepscherm s;
        s.Ontwerp(QStringLiteral("VOGEL"), {2, 5});
        Sla(s, QStringLiteral("b"));
        const QString bestand = Puzzels(schade.section(u'=', 0, 0).section(u':', 0, 0));
        const QString soort = schade.section(u':', 1);
        QByteArray inhoud = Lees(bestand);
        if (schade.contains(u'='))
            Schrijf(bestand, schade.section(u'=', 1).toLatin1());
        else if (soort == QStringLiteral("pijp"))
            QVERIFY(QFile::remove(bestand) && mkfifo(QFile::encodeName(bestand).constData(), 0600) == 0);
        else if (soort == QStringLiteral("groot"))
            Schrijf(bestand, inhoud.replace(18, 8, QByteArray::fromHex("a00f0000a00f0000")));
        else if (!soort.isEmpty())
            Schrijf(bestand, inhoud.left(soort.toInt()));
        bool geladen = false;
        Loadpuzzel dlg(s.Venster(), s.Lijn(), [&](const Geladen&) { geladen = true; });
        Laad(dlg, schade.isEmpty() ? -1 : 0);
        QCOMPARE(getoond.size(), 1);
        QVERIFY(getoond[0].startsWith(QStringLiteral(" Error|")));
        QVERIFY(getoond[0].contains(bestand.endsWith(QStringLiteral(".bezig")) ? bestand : QStringLiteral("Selecteer eerst")));
        QVERIFY(!geladen);
    }

    // The list by name whatever the case, pictures left out, and its count
    // drawn whole inside the dialog however many; a click shows the chosen
    // name; a missing folder lists as an empty one.
    void lijst()
    {
        for (const char* b : {"g.pzl", "B.pzl", "a.pzl", "C.pzl", "a.bmp"})
            Schrijf(Puzzels(QLatin1StringView(b)), {});
        for (int n = 4; n < 10000; ++n)
            Schrijf(Puzzels(QStringLiteral("p%1.pzl").arg(n)), {});
        Nepscherm s;
        auto dlg = Laaddialoog(s);
        QCOMPARE(dlg->Label2->text(), QStringLiteral("10000 puzzels in bestand"));
        QVERIFY(dlg->Label2->fontMetrics().horizontalAdvance(dlg->Label2->text()) <= dlg->Label2->width());
        QVERIFY(dlg->rect().contains(QRect(dlg->Label2->mapTo(dlg.get(), QPoint(0, 0)), dlg->Label2->size())));
        QStringList namen;
        for (int i = 0; i < 4; ++i)
            namen << dlg->File1->item(i)->text();
        QCOMPARE(namen.join(u' '), QStringLiteral("a.pzl B.pzl C.pzl g.pzl"));
        dlg->File1->setCurrentRow(3);
        QCOMPARE(dlg->Label2->text(), QStringLiteral("g"));
        QCOMPARE(dlg->Basisnaam(), QStringLiteral("g"));

        QDir(Puzzels()).removeRecursively();
        dlg = Laaddialoog(s);
        QCOMPARE(dlg->Label2->text(), QStringLiteral("0 puzzels in bestand"));
    }

    // Choosing an item shows its colour and sets none; a bar sets the chosen
    // item's colour at once; Ok hands the colours back only for the
    // background; the header is taken on Exit.
    void tools()
    {
        const Kleur kleuren[] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
        KleurVeld = kleuren[0];
        KleurZoekWoord = kleuren[1];
        KleurPuzzelWoord = kleuren[2];
        Nepscherm s;
        QList<Instelling> gewist;
        Tools dlg(s.Venster(), s.Lijn(), [&](const Instelling& i) { gewist << i; });
        dlg.show();
        for (int item : {3, 2, 1}) {
            dlg.KeuzeKleur->setValue(item);
            QCOMPARE((Kleur{dlg.Rscroll->value(), dlg.Gscroll->value(), dlg.Bscroll->value()}), kleuren[item - 1]);
        }
        const auto keuze = [&] { return std::array{dlg.Keuze().Veld, dlg.Keuze().ZoekWoord, dlg.Keuze().PuzzelWoord}; };
        QCOMPARE(keuze(), std::to_array(kleuren));
        dlg.Text1->clear();
        QTest::keyClicks(dlg.Text1, QStringLiteral("Mijn \"puzzel\""));
        QTest::keyClick(dlg.Text1, Qt::Key_Return);  // Ok is no default button: the background stays

        dlg.KeuzeKleur->setValue(2);
        dlg.Gscroll->setValue(99);
        QCOMPARE(dlg.Keuze().ZoekWoord, (Kleur{4, 99, 6}));
        QTest::mouseClick(dlg.OkKnop, Qt::LeftButton);
        QVERIFY(gewist.isEmpty());  // column boxes: board left alone

        dlg.KeuzeKleur->setValue(1);
        dlg.Rscroll->setValue(255);
        QTest::mouseClick(dlg.OkKnop, Qt::LeftButton);
        QCOMPARE(gewist.size(), 1);
        QVERIFY(gewist[0].VeldGewist && gewist[0].Veld == (Kleur{255, 2, 3}) && gewist[0].KopTekst == StandaardKopTekst);
        QVERIFY(!dlg.Keuze().VeldGewist && KleurVeld == kleuren[0]);  // the main window sets them

        QTest::mouseClick(dlg.ExitKnop, Qt::LeftButton);
        QCOMPARE(dlg.Keuze().KopTekst, QStringLiteral("Mijn 'puzzel'"));  // a double quote would end the settings field
        QCOMPARE(s.InfoBalk, QStringLiteral("Informatie..."));
    }

    // A full 2 MB tmpfs over the program folder (vol; bijna: room for a .pzl
    // or a page, not a picture), or an immutable old .pzl so that a save fails
    // after its journal (vast). Both need root and are skipped where refused.
    // Each write says so once and leaves the files that were there, the model
    // and the board.
    void schrijffout_data()
    {
        QTest::addColumn<QString>("fout");
        QTest::addColumn<QString>("naam");  // saved under this name; empty: exported; <exit>: the settings on Exit
        QTest::newRow("save full, new name") << "vol" << "NIEUW";
        QTest::newRow("save room for the .pzl only, over the old one") << "bijna" << "OUD";
        QTest::newRow("save, old puzzle file cannot be replaced") << "vast" << "OUD";
        QTest::newRow("export, room for the page, not the bitmap") << "bijna" << "";
        // A write that fails only when its buffer reaches the disk, where
        // commit() alone would put an empty file in place. Exit says so and ends.
        QTest::newRow("settings on Exit, full") << "vol" << "<exit>";
    }
    void schrijffout()
    {
        QFETCH(QString, fout);
        QFETCH(QString, naam);
        gekoppeld = fout != "vast" && Voer("mount", {"-t", "tmpfs", "-o", "size=2m", "tmpfs", map->path()});
        if (fout != "vast" && !gekoppeld)
            QSKIP("cannot mount a tmpfs here (needs root)");
        // An earlier puzzle OUD, its settings and an export; a different puzzle in memory.
        QVERIFY(QDir(map->path()).mkpath(QStringLiteral("puzzels")));
        Nepscherm s;
        KleurVeld = {10, 20, 30};
        s.Ontwerp(QStringLiteral("OUDJE"));
        Sla(s, QStringLiteral("OUD"));
        const QString ini = map->filePath(QStringLiteral("Wendolo.ini"));
        QVERIFY(InstellingenSchrijven(ini));
        for (const QString& bestand : {QStringLiteral("wendolo.htm"), QStringLiteral("puzzel.bmp")})
            Schrijf(map->filePath(bestand), "earlier export");
        KleurVeld = {200, 210, 220};
        KopTekst = QStringLiteral("Nieuwe kop");
        s.Ontwerp(QStringLiteral("KROKODILLENTRANEN"));
        if (fout == "vast" && !Voer("chattr", {"+i", vast = Puzzels(QStringLiteral("OUD.pzl"))}))
            QSKIP("chattr +i is refused here (needs root on a file system that has it)");
        if (fout != "vast") {  // filled to the last page, then 16 kB freed again where it is to be almost full
            QFile vulsel(map->filePath(QStringLiteral("vulsel")));
            QVERIFY(vulsel.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (vulsel.write(QByteArray(4096, 'v')) == 4096) {
            }
            vulsel.close();
            QVERIFY(vulsel.resize(vulsel.size() - (fout == "vol" ? 0 : 16 * 1024)));
        }
        const auto bestanden = Inhoud();
        const Puzzel puzzel = HuidigePuzzel();
        const QImage beeld = s.Bord().Beeld();
        const Instellingen instellingen = HuidigeInstellingen();  // not those in the file
        getoond.clear();
        knoppen.clear();
        invoer = naam;
        if (naam == "<exit>") {
            QVERIFY(!InstellingenSchrijven(ini));
            QCOMPARE(HuidigeInstellingen(), instellingen);
            Main venster;
            getoond.clear();
            venster.ExitKnop_Click();
            QCOMPARE(getoond.value(1), QStringLiteral("Wendolo|De instellingen konden niet worden opgeslagen in %1.\r\n"
                                                      "Het programma stopt toch.").arg(ini));
        } else {
            if (naam.isEmpty())
                HtmlExporteren(s.Bord());
            else
                QVERIFY(!SaveCommando(s.Bord().Beeld()));
            // Over the old one the overwrite question comes first; then exactly one report.
            QCOMPARE(getoond.size(), (naam.isEmpty() ? 1 : 2) + (naam == "OUD"));  // the name asked for first
            const QString niet = naam.isEmpty() ? QStringLiteral("geëxporteerd") : QStringLiteral("opgeslagen");
            QVERIFY2(getoond.last().section(u'|', 1).startsWith(
                         QStringLiteral("De puzzel is niet %1: het bestand %2").arg(niet, QDir::tempPath())),
                     qPrintable(getoond.last()));
            QCOMPARE(knoppen.last(), Meldingen::Knoppen::Ok);
            QCOMPARE(HuidigePuzzel(), puzzel);
            QCOMPARE(s.Bord().Beeld(), beeld);  // the export's letters back, its frame gone
        }
        // The old pair and the old export whole, no half-written file beside them.
        QCOMPARE(Inhoud(), bestanden);
    }
};

QTEST_MAIN(TestOpslaanLaden)
#include "tst_opslaanladen.moc"
