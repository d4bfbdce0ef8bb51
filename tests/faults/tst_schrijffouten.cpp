// Writes that fail for real: the save, the settings write and the export
// into a read-only folder, a missing puzzels/ folder and a full file system.
// Each must say so where the program has a message for it, leave the files
// that were there byte for byte, and leave the model and the board alone.
#include "Nepscherm.h"
#include "Schijf.h"
#include "output/Exporteren.h"
#include "output/HtmlPagina.h"
#include "shell/Main.h"
#include "shell/Meldingen.h"
#include "shell/Pauze.h"
#include "storage/Instellingen.h"
#include "storage/Opslaan.h"
#include "storage/Puzzelbestand.h"

#include <QDirIterator>
#include <QMap>
#include <QTest>
#include <memory>

using namespace Algemeen;
using Meldingen::Antwoord;

namespace {

// BmpVast: the old board picture cannot be replaced (chattr +i), so the
// save fails after the new .pzl is already in place and must put it back.
// PzlVast: the old puzzle file cannot be replaced, nor linked to keep it.
enum class Fout { AlleenLezen, Vol, BijnaVol, GeenPuzzelmap, BmpVast, PzlVast };

// chattr +i or -i on a file; false where the file system or machine refuses.
bool Onveranderlijk(const QString& pad, bool aan)
{
    return QProcess::execute(QStringLiteral("chattr"), {aan ? QStringLiteral("+i") : QStringLiteral("-i"), pad}) == 0;
}

// Every file under map with its bytes, the filler left out.
QMap<QString, QByteArray> Inhoud(const QString& map)
{
    QMap<QString, QByteArray> uit;
    QDirIterator it(map, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pad = it.next();
        if (it.fileName() == QStringLiteral("vulsel"))
            continue;
        QFile f(pad);
        uit[QDir(map).relativeFilePath(pad)] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    return uit;
}

// A puzzle with every row filled, drawn on the board.
void Ontwerp(Nepscherm& s, const QString& woord)
{
    WisRijen();
    ZoekWoord = woord;
    s.Bord().ZetAchtergrond(KleurVeld.Waarde());
    s.Bord().LeegBord();
    s.Bord().TekenZoekWoord(ZoekWoord);
    s.VerbergRijKnoppen();
    for (int i = 1; i <= AantalRijen(); ++i) {
        PuzzelWoord[i] = QString(woord[i - 1]) + QStringLiteral("ROOS");
        Omschrijving[i] = QStringLiteral("Aanwijzing %1").arg(i);
        BeginX[i] = BeginXVoor(1);
        s.Bord().TekenRij(i);
    }
}

} // namespace

Q_DECLARE_METATYPE(Fout)

class TestSchrijffouten : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opslaan_data();
    void opslaan();
    void instellingen_data();
    void instellingen();
    void exporteren_data();
    void exporteren();

private:
    // The program folder with an earlier puzzle OUD, settings and export,
    // then the fault made; klaar tells whether that worked (or was skipped).
    void Klaarzetten(Fout fout);
    bool klaar = false;
    QString vast;  // the file made immutable, undone in cleanup

    std::unique_ptr<Schijf> schijf;
    std::unique_ptr<QTemporaryDir> gewoon;
    QString map;
    std::unique_ptr<Nepscherm> scherm;
    QList<Meldingen::Melding> meldingen;
    QString naam;  // what the input box answers
};

void TestSchrijffouten::init()
{
    BeginWaarden();
    ZetPauzeFactor(0);
    meldingen.clear();
    Meldingen::ZetScript(
        [this](const Meldingen::Melding& m) {
            meldingen << m;
            return m.knoppen == Meldingen::Knoppen::JaNee ? Antwoord::Ja : Antwoord::Ok;
        },
        [this](const Meldingen::Vraag&) { return naam; });
}

void TestSchrijffouten::cleanup()
{
    Meldingen::ZetScript({}, {});
    ZetProgrammamap({});
    scherm.reset();
    if (!vast.isEmpty())
        Onveranderlijk(vast, false);
    vast.clear();
    schijf.reset();
    gewoon.reset();
}

void TestSchrijffouten::Klaarzetten(Fout fout)
{
    klaar = false;
    if (fout == Fout::GeenPuzzelmap || fout == Fout::BmpVast || fout == Fout::PzlVast) {
        gewoon = std::make_unique<QTemporaryDir>();
        map = gewoon->path();
    } else {
        schijf = std::make_unique<Schijf>(QStringLiteral("2m"));
        if (!schijf->Beschikbaar())
            QSKIP(qPrintable(schijf->Reden()));
        map = schijf->Pad();
    }
    ZetProgrammamap(map);
    scherm = std::make_unique<Nepscherm>();

    // What an earlier run left: a puzzle, the settings and an export.
    const QString puzzels = QDir(map).filePath(QStringLiteral("puzzels"));
    QVERIFY(QDir(map).mkdir(QStringLiteral("puzzels")));
    KleurVeld = {10, 20, 30};
    Ontwerp(*scherm, QStringLiteral("OUDJE"));
    QCOMPARE(PuzzelSchrijven(puzzels, QStringLiteral("OUD"), HuidigePuzzel(), scherm->Bord().Beeld()), QString());
    QVERIFY(InstellingenSchrijven(Programmamap(QStringLiteral("Wendolo.ini"))));
    for (const char* bestand : {"wendolo.htm", "puzzel.bmp"}) {
        QFile f(QDir(map).filePath(QString::fromLatin1(bestand)));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("earlier export") > 0);
    }

    // The puzzle in memory now: another one, longer, other colours.
    KleurVeld = {200, 210, 220};
    KopTekst = QStringLiteral("Nieuwe kop");
    Ontwerp(*scherm, QStringLiteral("KROKODILLENTRANEN"));
    scherm->ToonRijKnop(3, true);
    scherm->ZetInfo(QStringLiteral("voor de fout"));

    switch (fout) {
    case Fout::AlleenLezen:
        QVERIFY(schijf->AlleenLezen());
        break;
    case Fout::Vol:
        QVERIFY(schijf->Vul());
        break;
    case Fout::BijnaVol:
        // Room for a puzzle file, not for its board picture.
        QVERIFY(schijf->Vul(16 * 1024));
        break;
    case Fout::GeenPuzzelmap:
        QVERIFY(QDir(puzzels).removeRecursively());
        break;
    case Fout::BmpVast:
    case Fout::PzlVast:
        vast = QDir(puzzels).filePath(fout == Fout::BmpVast ? QStringLiteral("OUD.bmp") : QStringLiteral("OUD.pzl"));
        if (!Onveranderlijk(vast, true)) {
            vast.clear();
            QSKIP("chattr +i is refused here (needs root on a file system that has it)");
        }
        break;
    }
    klaar = true;
}

void TestSchrijffouten::opslaan_data()
{
    QTest::addColumn<Fout>("fout");
    QTest::addColumn<QString>("naam");
    QTest::addColumn<QString>("melding");
    const QString schrijven = QStringLiteral("De puzzel is niet opgeslagen: het bestand ");
    QTest::newRow("read-only, over the old one") << Fout::AlleenLezen << QStringLiteral("OUD") << schrijven;
    QTest::newRow("read-only, new name") << Fout::AlleenLezen << QStringLiteral("NIEUW") << schrijven;
    QTest::newRow("full, over the old one") << Fout::Vol << QStringLiteral("OUD") << schrijven;
    QTest::newRow("full, new name") << Fout::Vol << QStringLiteral("NIEUW") << schrijven;
    QTest::newRow("room for the .pzl only, over the old one") << Fout::BijnaVol << QStringLiteral("OUD") << schrijven;
    QTest::newRow("room for the .pzl only, new name") << Fout::BijnaVol << QStringLiteral("NIEUW") << schrijven;
    QTest::newRow("old picture cannot be replaced") << Fout::BmpVast << QStringLiteral("OUD") << schrijven;
    QTest::newRow("old puzzle file cannot be replaced") << Fout::PzlVast << QStringLiteral("OUD") << schrijven;
    QTest::newRow("no puzzels folder") << Fout::GeenPuzzelmap << QStringLiteral("NIEUW")
                                       << QStringLiteral("De puzzel is niet opgeslagen: de map puzzels ontbreekt.");
}

void TestSchrijffouten::opslaan()
{
    QFETCH(Fout, fout);
    QFETCH(QString, melding);
    Klaarzetten(fout);
    if (!klaar)
        return;
    QFETCH(QString, naam);
    this->naam = naam;
    const auto bestanden = Inhoud(map);
    const Puzzel puzzel = HuidigePuzzel();
    const QImage beeld = scherm->Bord().Beeld();

    SaveCommando(*scherm);

    // The overwrite question may come first; then exactly one report.
    QVERIFY(!meldingen.isEmpty());
    const Meldingen::Melding laatste = meldingen.takeLast();
    QVERIFY2(laatste.tekst.startsWith(melding), qPrintable(laatste.tekst));
    QCOMPARE(laatste.knoppen, Meldingen::Knoppen::Ok);
    for (const auto& m : meldingen)
        QCOMPARE(m.titel, QStringLiteral(" File exist"));
    QCOMPARE(Inhoud(map), bestanden);  // old pair whole, no half-written file left
    QCOMPARE(HuidigePuzzel(), puzzel);
    QCOMPARE(scherm->Bord().Beeld(), beeld);
    QVERIFY(scherm->RijKnopZichtbaar(3));
    QCOMPARE(scherm->Info(), QStringLiteral("voor de fout"));
}

void TestSchrijffouten::instellingen_data()
{
    QTest::addColumn<Fout>("fout");
    QTest::newRow("read-only") << Fout::AlleenLezen;
    QTest::newRow("full") << Fout::Vol;
}

void TestSchrijffouten::instellingen()
{
    QFETCH(Fout, fout);
    Klaarzetten(fout);
    if (!klaar)
        return;
    const auto bestanden = Inhoud(map);
    const Instellingen inGeheugen = HuidigeInstellingen();

    QVERIFY(!InstellingenSchrijven(Programmamap(QStringLiteral("Wendolo.ini"))));
    QCOMPARE(Inhoud(map), bestanden);
    QCOMPARE(HuidigeInstellingen(), inGeheugen);

    // The exit command says it could not save them, and still ends.
    {
        Main venster;  // reads the old settings back in; they stay in memory
        const Instellingen gelezen = HuidigeInstellingen();
        meldingen.clear();
        venster.ExitKnop_Click();
        QCOMPARE(meldingen.size(), 2);
        QCOMPARE(meldingen[0].titel, QStringLiteral(" Exit"));
        QVERIFY2(meldingen[1].tekst.startsWith(QStringLiteral("De instellingen konden niet worden opgeslagen in Wendolo.ini.")),
                 qPrintable(meldingen[1].tekst));
        QCOMPARE(HuidigeInstellingen(), gelezen);
    }
    QCOMPARE(Inhoud(map), bestanden);

    // A start-up that can neither read nor repair the file keeps what it has.
    BeginWaarden();
    InstellingenLezen(Programmamap(QStringLiteral("ontbreekt.ini")));
    QCOMPARE(HuidigeInstellingen(), (Instellingen{StandaardBannerTekst, StandaardKleurVeld, StandaardKleurZoekWoord,
                                                  StandaardKleurPuzzelWoord, StandaardKopTekst}));
    QCOMPARE(Inhoud(map), bestanden);
}

void TestSchrijffouten::exporteren_data()
{
    QTest::addColumn<Fout>("fout");
    QTest::newRow("read-only") << Fout::AlleenLezen;
    QTest::newRow("full") << Fout::Vol;
    QTest::newRow("room for the page, not the bitmap") << Fout::BijnaVol;
}

void TestSchrijffouten::exporteren()
{
    QFETCH(Fout, fout);
    Klaarzetten(fout);
    if (!klaar)
        return;
    const auto bestanden = Inhoud(map);
    const Puzzel puzzel = HuidigePuzzel();
    const QImage beeld = scherm->Bord().Beeld();

    HtmlExporteren(*scherm);

    // The export shows no message; the letters are back and the frame gone.
    QVERIFY(meldingen.isEmpty());
    QCOMPARE(scherm->Bord().Beeld(), beeld);
    QCOMPARE(HuidigePuzzel(), puzzel);
    // The old page is removed before the new one is written, so that no
    // stale page is opened; where it could be removed, what remains is no
    // page or the whole new one (the freed room may hold it), never a
    // cut-off one. Everything else stays as it was.
    auto daarna = Inhoud(map);
    const QString pagina = QStringLiteral("wendolo.htm");
    if (fout != Fout::AlleenLezen) {
        QStringList omschrijvingen;
        for (int i = 1; i <= AantalRijen(); ++i)
            omschrijvingen << Omschrijving[i];
        if (daarna.contains(pagina))
            QCOMPARE(daarna[pagina], HtmlPagina(KopTekst, omschrijvingen));
        daarna[pagina] = bestanden[pagina];
    }
    QCOMPARE(daarna, bestanden);
}

QTEST_MAIN(TestSchrijffouten)
#include "tst_schrijffouten.moc"
