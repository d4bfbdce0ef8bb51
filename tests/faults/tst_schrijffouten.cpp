// Writes that fail for real, on a full 2 MB tmpfs over the program folder or
// over an immutable old puzzle file (both need root; skipped where refused),
// must say so and leave the files that were there, the model and the board.
#include "Nepscherm.h"
#include "output/Exporteren.h"
#include "shell/Main.h"
#include "shell/Meldingen.h"
#include "shell/Naad.h"
#include "shell/Programmamap.h"
#include "storage/Heelbestand.h"
#include "storage/Instellingen.h"
#include "storage/Opslaan.h"
#include "storage/Puzzelbestand.h"

#include <QDirIterator>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Algemeen;

namespace {

// Vol: a full disk. BijnaVol: room for a .pzl or a page, not for a picture.
// PzlVast: the old .pzl cannot be replaced, so a save fails after its journal.
enum class Fout { Vol, BijnaVol, PzlVast };

bool Voer(const QString& programma, const QStringList& argumenten) { return !QProcess::execute(programma, argumenten); }

// The program folder, with the tmpfs or the immutable file undone at the end.
struct Schijf {
    QTemporaryDir basis;
    bool gekoppeld = false;
    QString vast;
    ~Schijf()
    {
        if (!vast.isEmpty())
            Voer("chattr", {"-i", vast});
        if (gekoppeld)
            Voer("umount", {"-l", basis.path()});
    }
};

// Every file in the program folder with its bytes, the filler left out.
QMap<QString, QByteArray> Inhoud()
{
    QMap<QString, QByteArray> uit;
    QDirIterator it(Naad.Programmamap, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        if (const QString pad = it.next(); it.fileName() != QStringLiteral("vulsel"))
            uit[QDir(Naad.Programmamap).relativeFilePath(pad)] = LeesBegin(pad, 1 << 20).value_or("<unreadable>");
    return uit;
}

} // namespace

Q_DECLARE_METATYPE(Fout)

class TestSchrijffouten : public QObject
{
    Q_OBJECT

    std::unique_ptr<Schijf> schijf;
    QMap<QString, QByteArray> bestanden;  // as they were when the fault was made
    Nepscherm scherm;
    QList<Meldingen::Melding> meldingen;
    QString naam;  // what the input box answers

private slots:
    // The program folder with an earlier puzzle OUD, its settings and an
    // export, a different puzzle in memory, then the fault.
    void init()
    {
        QFETCH(Fout, fout);
        BeginWaarden();
        Naad.PauzeFactor = 0;
        meldingen.clear();
        Naad.Melding = [this](const Meldingen::Melding& m) {
            meldingen << m;
            return m.knoppen == Meldingen::Knoppen::JaNee ? Meldingen::Antwoord::Ja : Meldingen::Antwoord::Ok;
        };
        Naad.Vraag = [this](const Meldingen::Vraag&) { return naam; };
        schijf = std::make_unique<Schijf>();
        Naad.Programmamap = schijf->basis.path();
        const bool tmpfs = fout != Fout::PzlVast;
        schijf->gekoppeld = tmpfs && Voer("mount", {"-t", "tmpfs", "-o", "size=2m", "tmpfs", Naad.Programmamap});
        if (schijf->gekoppeld != tmpfs)
            QSKIP("cannot mount a tmpfs here (needs root)");
        const QString puzzels = Schrijfpad(QStringLiteral("puzzels"));
        QVERIFY(QDir().mkdir(puzzels));
        KleurVeld = {10, 20, 30};
        scherm.Ontwerp(QStringLiteral("OUDJE"));
        QCOMPARE(PuzzelSchrijven(puzzels, QStringLiteral("OUD"), HuidigePuzzel(), scherm.Bord().Beeld()), QString());
        QVERIFY(InstellingenSchrijven(Schrijfpad(QStringLiteral("Wendolo.ini"))));
        for (const QString& bestand : {QStringLiteral("wendolo.htm"), QStringLiteral("puzzel.bmp")})
            QVERIFY(SchrijfHeel(Schrijfpad(bestand), "earlier export"));
        KleurVeld = {200, 210, 220};
        KopTekst = QStringLiteral("Nieuwe kop");
        scherm.Ontwerp(QStringLiteral("KROKODILLENTRANEN"));

        if (fout == Fout::PzlVast) {
            schijf->vast = QDir(puzzels).filePath(QStringLiteral("OUD.pzl"));
            if (!Voer("chattr", {"+i", schijf->vast}))
                QSKIP("chattr +i is refused here (needs root on a file system that has it)");
        } else {
            // Filled to the last page, then 16 kB freed again where it is to be almost full.
            QFile vulsel(Schrijfpad(QStringLiteral("vulsel")));
            QVERIFY(vulsel.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (vulsel.write(QByteArray(4096, 'v')) == 4096) {
            }
            vulsel.close();
            QVERIFY(vulsel.resize(vulsel.size() - (fout == Fout::Vol ? 0 : 16 * 1024)));
        }
        bestanden = Inhoud();
    }
    void cleanup()
    {
        Naad = {};
        schijf.reset();
    }

    void opdracht_data()
    {
        QTest::addColumn<Fout>("fout");
        QTest::addColumn<QString>("naam");  // saved under this name; empty: exported
        QTest::newRow("save full, new name") << Fout::Vol << "NIEUW";
        QTest::newRow("save room for the .pzl only, over the old one") << Fout::BijnaVol << "OUD";
        QTest::newRow("save, old puzzle file cannot be replaced") << Fout::PzlVast << "OUD";
        QTest::newRow("export, room for the page, not the bitmap") << Fout::BijnaVol << "";
    }
    void opdracht()
    {
        QFETCH(QString, naam);
        this->naam = naam;
        const Puzzel puzzel = HuidigePuzzel();
        const QImage beeld = scherm.Bord().Beeld();
        if (naam.isEmpty())
            HtmlExporteren(scherm.Bord());
        else
            QVERIFY(!SaveCommando(scherm.Bord().Beeld()));
        // Over the old one the overwrite question comes first; then exactly one report.
        QCOMPARE(meldingen.size(), naam == QStringLiteral("OUD") ? 2 : 1);
        const QString melding = naam.isEmpty() ? QStringLiteral("geëxporteerd") : QStringLiteral("opgeslagen");
        QVERIFY2(meldingen.last().tekst.startsWith(QStringLiteral("De puzzel is niet %1: het bestand %2").arg(melding, QDir::tempPath())),
                 qPrintable(meldingen.last().tekst));
        QCOMPARE(meldingen.last().knoppen, Meldingen::Knoppen::Ok);
        QCOMPARE(HuidigePuzzel(), puzzel);
        QCOMPARE(scherm.Bord().Beeld(), beeld);  // the export's letters back, its frame gone
        // The old pair and the old export whole, no half-written file beside them.
        QCOMPARE(Inhoud(), bestanden);
    }

    // Full: a write that fails only when its buffer reaches the disk, where
    // commit() alone would put an empty file in place. Exit says so and ends.
    void instellingen_data()
    {
        QTest::addColumn<Fout>("fout");
        QTest::newRow("full") << Fout::Vol;
    }
    void instellingen()
    {
        const Instellingen inGeheugen = HuidigeInstellingen();  // not those in the file
        QVERIFY(!InstellingenSchrijven(Schrijfpad(QStringLiteral("Wendolo.ini"))));
        QCOMPARE(HuidigeInstellingen(), inGeheugen);
        Main venster;
        meldingen.clear();
        venster.ExitKnop_Click();
        QCOMPARE(meldingen.size(), 2);
        QCOMPARE(meldingen[1].tekst, QStringLiteral("De instellingen konden niet worden opgeslagen in %1.\r\nHet programma "
                                                    "stopt toch.").arg(Schrijfpad(QStringLiteral("Wendolo.ini"))));
        QCOMPARE(Inhoud(), bestanden);
    }
};

QTEST_MAIN(TestSchrijffouten)
#include "tst_schrijffouten.moc"
