// Saving and loading through the commands and the load dialog: the files
// that appear, the questions asked, and a load that is whole or nothing.
#include "Nepscherm.h"
#include "shell/Meldingen.h"
#include "shell/Pauze.h"
#include "storage/Loadpuzzel.h"
#include "storage/Opslaan.h"
#include "storage/Puzzelbestand.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Algemeen;
using Meldingen::Antwoord;

namespace {

const QString Hint = QStringLiteral("Klik voor het invullen van de puzzelwoorden op de knoppen met het vraagteken.");

// Rows 2 and 5 of "vogel" are left empty unless vol.
void Ontwerp(Nepscherm& s, const QString& woord, bool vol = false)
{
    WisRijen();
    ZoekWoord = woord;
    s.Bord().ZetAchtergrond(KleurVeld.Waarde());
    s.Bord().LeegBord();
    s.Bord().TekenZoekWoord(ZoekWoord);
    s.VerbergRijKnoppen();
    for (int i = 1; i <= AantalRijen(); ++i) {
        if (!vol && (i == 2 || i == 5)) {
            s.ToonRijKnop(i, true);
            continue;
        }
        PuzzelWoord[i] = QString(woord[i - 1]) + QStringLiteral("AAP");
        Omschrijving[i] = QStringLiteral("Aanwijzing %1").arg(i);
        BeginX[i] = BeginXVoor(1 + i % 3);
        s.Bord().TekenRij(i);
    }
}

QByteArray Lees(const QString& pad)
{
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(Meldingen::Antwoord)

class TestOpslaanLaden : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opslaan_data();
    void opslaan();
    void rondreis();
    void tweeLadingen();
    void mislukteLading_data();
    void mislukteLading();
    void andereMaat();
    void telling_data();
    void telling();

private:
    QString Puzzels(const QString& naam = {}) const { return QDir(map->filePath(QStringLiteral("puzzels"))).filePath(naam); }
    void Bewaar(Nepscherm& s, const QString& naam);

    std::unique_ptr<QTemporaryDir> map;
    QList<Meldingen::Melding> meldingen;
    QList<Meldingen::Vraag> vragen;
    QString invoer;                      // what the input box answers
    Antwoord ja = Antwoord::Ja;           // what the Yes/No box answers
};

void TestOpslaanLaden::init()
{
    BeginWaarden();
    ZetPauzeFactor(0);
    map = std::make_unique<QTemporaryDir>();
    ZetProgrammamap(map->path());
    QDir(map->path()).mkdir(QStringLiteral("puzzels"));
    meldingen.clear();
    vragen.clear();
    invoer.clear();
    Meldingen::ZetScript(
        [this](const Meldingen::Melding& m) {
            meldingen << m;
            return m.knoppen == Meldingen::Knoppen::JaNee ? ja : Antwoord::Ok;
        },
        [this](const Meldingen::Vraag& v) {
            vragen << v;
            return invoer == QStringLiteral("<default>") ? v.standaard : invoer;
        });
}

void TestOpslaanLaden::cleanup()
{
    Meldingen::ZetScript({}, {});
    ZetProgrammamap({});
}

void TestOpslaanLaden::Bewaar(Nepscherm& s, const QString& naam)
{
    invoer = naam;
    SaveCommando(s);
    QVERIFY(QFile::exists(Puzzels(naam + QStringLiteral(".pzl"))));
}

void TestOpslaanLaden::opslaan_data()
{
    QTest::addColumn<QString>("antwoord");
    QTest::addColumn<bool>("bestaat");     // an old pair of that name is there
    QTest::addColumn<Antwoord>("overschrijven");
    QTest::addColumn<bool>("geschreven");
    QTest::addColumn<QString>("melding");  // start of the one message shown
    QTest::newRow("pre-filled name") << QStringLiteral("<default>") << false << Antwoord::Ja << true << QString();
    QTest::newRow("cancelled") << QString() << false << Antwoord::Ja << false << QString();
    QTest::newRow("exists, No") << QStringLiteral("VOGEL") << true << Antwoord::Nee << false
                                << QStringLiteral("Bestand bestaat reeds, overschrijven?");
    QTest::newRow("exists, Yes") << QStringLiteral("VOGEL") << true << Antwoord::Ja << true
                                 << QStringLiteral("Bestand bestaat reeds, overschrijven?");
    QTest::newRow("path separator") << QStringLiteral("../VOGEL") << false << Antwoord::Ja << false
                                    << QStringLiteral("Deze naam kan niet als bestandsnaam worden gebruikt.");
    QTest::newRow("trailing blank") << QStringLiteral("VOGEL ") << false << Antwoord::Ja << false
                                    << QStringLiteral("Deze naam kan niet als bestandsnaam worden gebruikt.");
    QTest::newRow("missing folder") << QStringLiteral("<no folder>") << false << Antwoord::Ja << false
                                    << QStringLiteral("De puzzel is niet opgeslagen: de map puzzels ontbreekt.");
}

void TestOpslaanLaden::opslaan()
{
    QFETCH(QString, antwoord);
    QFETCH(bool, bestaat);
    QFETCH(Antwoord, overschrijven);
    QFETCH(bool, geschreven);
    QFETCH(QString, melding);
    Nepscherm s;
    SaveCommando(s);  // no puzzle yet: nothing is asked
    QVERIFY(vragen.isEmpty() && meldingen.isEmpty());

    Ontwerp(s, QStringLiteral("VOGEL"));
    if (bestaat) {
        QFile(Puzzels(QStringLiteral("VOGEL.pzl"))).open(QIODevice::WriteOnly);
        QFile f(Puzzels(QStringLiteral("VOGEL.bmp")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("oud");
    }
    if (antwoord == QStringLiteral("<no folder>")) {
        QDir(Puzzels()).removeRecursively();
        antwoord = QStringLiteral("VOGEL");
    }
    invoer = antwoord;
    ja = overschrijven;
    const QImage voor = s.Bord().Beeld();
    SaveCommando(s);

    QCOMPARE(vragen.size(), 1);
    QCOMPARE(vragen[0].prompt, QStringLiteral("Geef een bestandsnaam voor deze puzzel..."));
    QCOMPARE(vragen[0].titel, QStringLiteral(" Save puzzel"));
    QCOMPARE(vragen[0].standaard, QStringLiteral("VOGEL"));
    QCOMPARE(meldingen.size(), melding.isEmpty() ? 0 : 1);
    if (!melding.isEmpty()) {
        QVERIFY2(meldingen[0].tekst.startsWith(melding), qPrintable(meldingen[0].tekst));
        if (bestaat)
            QCOMPARE(meldingen[0].titel, QStringLiteral(" File exist"));
    }
    QCOMPARE(s.Bord().Beeld(), voor);
    QCOMPARE(Lees(Puzzels(QStringLiteral("VOGEL.pzl"))) == PuzzelBytes(HuidigePuzzel()), geschreven);
    QCOMPARE(Lees(Puzzels(QStringLiteral("VOGEL.bmp"))) == "oud", bestaat && !geschreven);
    const int paren = bestaat || geschreven ? 1 : 0;
    QCOMPARE(QDir(Puzzels()).entryList(QDir::Files | QDir::Hidden).size(), 2 * paren);
}

void TestOpslaanLaden::rondreis()
{
    Nepscherm s;
    KleurVeld = {10, 20, 30};
    KleurPuzzelWoord = {200, 100, 50};
    Ontwerp(s, QStringLiteral("VOGEL"));
    Bewaar(s, QStringLiteral("een"));
    const Puzzel bewaard = HuidigePuzzel();
    const QImage beeld = s.Bord().Beeld();

    BeginWaarden();
    Ontwerp(s, QStringLiteral("GIRAFFE"), true);
    s.ToonRijKnop(7, true);
    HuidigeRij = 3;
    KopTekst = QStringLiteral("blijft");
    QVERIFY(PuzzelLezen(s, QStringLiteral("een"), QStringLiteral("een.pzl")));

    QCOMPARE(HuidigePuzzel(), bewaard);
    QCOMPARE(KleurVeld, (Kleur{10, 20, 30}));
    QCOMPARE(s.Bord().Beeld(), beeld);
    for (int i = 1; i <= MaxRijen; ++i)
        QCOMPARE(s.RijKnopZichtbaar(i), i == 2 || i == 5);
    QCOMPARE(s.Info(), Hint);  // the last row is an empty one
    QCOMPARE(HuidigeRij, 3);
    QCOMPARE(KopTekst, QStringLiteral("blijft"));
}

void TestOpslaanLaden::tweeLadingen()
{
    Nepscherm s;
    Ontwerp(s, QStringLiteral("GIRAFFE"), true);
    Bewaar(s, QStringLiteral("a"));
    const Puzzel eerste = HuidigePuzzel();
    KleurZoekWoord = {1, 1, 1};
    Ontwerp(s, QStringLiteral("VOGEL"));
    Bewaar(s, QStringLiteral("b"));
    const QImage tweede = s.Bord().Beeld();

    Loadpuzzel dlg(s);
    auto* lijst = dlg.findChild<QListWidget*>(QStringLiteral("File1"));
    auto* ok = dlg.findChild<QWidget*>(QStringLiteral("OkKnop"));
    QVERIFY(lijst && ok);
    lijst->setCurrentRow(0);
    QCOMPARE(dlg.Basisnaam(), QStringLiteral("a"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(HuidigePuzzel(), eerste);
    QCOMPARE(s.Info(), QStringLiteral("Informatie..."));
    lijst->setCurrentRow(1);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(KleurZoekWoord, (Kleur{1, 1, 1}));
    QCOMPARE(s.Bord().Beeld(), tweede);
    QCOMPARE(PuzzelWoord[6], QString());  // no row of the first puzzle is left
    QVERIFY(meldingen.isEmpty());
}

void TestOpslaanLaden::mislukteLading_data()
{
    QTest::addColumn<QString>("schade");
    QTest::newRow("nothing selected") << QString();
    QTest::newRow("picture missing") << QStringLiteral("b.bmp");
    QTest::newRow("picture damaged") << QStringLiteral("b.bmp=BM rommel");
    QTest::newRow("puzzle file damaged") << QStringLiteral("b.pzl=\"banner\"\r\n1,2,3\r\n4,5,256\r\n");
    QTest::newRow("puzzle file empty") << QStringLiteral("b.pzl=");
}

void TestOpslaanLaden::mislukteLading()
{
    QFETCH(QString, schade);
    Nepscherm s;
    Ontwerp(s, QStringLiteral("VOGEL"));
    Bewaar(s, QStringLiteral("b"));
    const QString bestand = schade.section(u'=', 0, 0);
    if (!schade.contains(u'='))
        QFile::remove(Puzzels(bestand));
    else {
        QFile f(Puzzels(bestand));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(schade.section(u'=', 1).toLatin1());
    }
    Ontwerp(s, QStringLiteral("GIRAFFE"));
    s.ZetInfo(QStringLiteral("voor"));
    const Puzzel voor = HuidigePuzzel();
    const QImage beeld = s.Bord().Beeld();
    const auto knoppen = s.RijKnop;

    Loadpuzzel dlg(s);
    auto* lijst = dlg.findChild<QListWidget*>(QStringLiteral("File1"));
    if (!schade.isEmpty())
        lijst->setCurrentRow(0);
    QTest::mouseClick(dlg.findChild<QWidget*>(QStringLiteral("OkKnop")), Qt::LeftButton);

    QCOMPARE(meldingen.size(), 1);
    QCOMPARE(meldingen[0].tekst, QStringLiteral("Selecteer eerst een puzzel!"));
    QCOMPARE(meldingen[0].titel, QStringLiteral(" Error"));
    QCOMPARE(meldingen[0].pictogram, Meldingen::Pictogram::Stop);
    QCOMPARE(HuidigePuzzel(), voor);
    QCOMPARE(s.Bord().Beeld(), beeld);
    QCOMPARE(s.RijKnop, knoppen);
    QCOMPARE(s.Info(), QStringLiteral("voor"));
}

void TestOpslaanLaden::andereMaat()
{
    Nepscherm s;
    Ontwerp(s, QStringLiteral("VOGEL"));
    Bewaar(s, QStringLiteral("klein"));
    QImage klein(40, 30, QImage::Format_RGB32);
    klein.fill(Qt::blue);
    QVERIFY(klein.save(Puzzels(QStringLiteral("klein.bmp")), "BMP"));
    Ontwerp(s, QStringLiteral("GIRAFFE"));
    QVERIFY(PuzzelLezen(s, QStringLiteral("klein"), QStringLiteral("klein.pzl")));
    const QImage b = s.Bord().Beeld();
    QCOMPARE(b.size(), QSize(BordBreedte, BordHoogte));
    QCOMPARE(b.pixelColor(39, 29), QColor(Qt::blue));
    QCOMPARE(b.pixelColor(40, 30), KleurVeld.Waarde());
}

void TestOpslaanLaden::telling_data()
{
    QTest::addColumn<QStringList>("bestanden");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QStringList>("lijst");
    QTest::newRow("none") << QStringList{QStringLiteral("x.bmp")} << QStringLiteral("0 puzzels in bestand") << QStringList{};
    QTest::newRow("one") << QStringList{QStringLiteral("x.pzl")} << QStringLiteral("1 puzzel in bestand")
                         << QStringList{QStringLiteral("x.pzl")};
    QStringList zeven;
    for (const char* n : {"g", "B", "a", "F", "e", "d", "C"})
        zeven << QString::fromLatin1(n) + QStringLiteral(".pzl");
    QTest::newRow("seven, by name whatever the case")
        << zeven << QStringLiteral("7 puzzels in bestand")
        << QStringList{QStringLiteral("a.pzl"), QStringLiteral("B.pzl"), QStringLiteral("C.pzl"), QStringLiteral("d.pzl"),
                       QStringLiteral("e.pzl"), QStringLiteral("F.pzl"), QStringLiteral("g.pzl")};
    QTest::newRow("folder missing") << QStringList{QStringLiteral("<none>")} << QStringLiteral("0 puzzels in bestand")
                                    << QStringList{};
}

void TestOpslaanLaden::telling()
{
    QFETCH(QStringList, bestanden);
    QFETCH(QString, tekst);
    QFETCH(QStringList, lijst);
    for (const QString& b : bestanden) {
        if (b == QStringLiteral("<none>"))
            QDir(Puzzels()).removeRecursively();
        else
            QFile(Puzzels(b)).open(QIODevice::WriteOnly);
    }
    Nepscherm s;
    Loadpuzzel dlg(s);
    auto* label = dlg.findChild<QLabel*>(QStringLiteral("Label2"));
    auto* file1 = dlg.findChild<QListWidget*>(QStringLiteral("File1"));
    QCOMPARE(label->text(), tekst);
    QStringList namen;
    for (int i = 0; i < file1->count(); ++i)
        namen << file1->item(i)->text();
    QCOMPARE(namen, lijst);
    QCOMPARE(dlg.Basisnaam(), QString());
    if (!lijst.isEmpty()) {
        file1->setCurrentRow(file1->count() - 1);
        QCOMPARE(label->text(), lijst.back().chopped(4));
    }
}

QTEST_MAIN(TestOpslaanLaden)
#include "tst_opslaanladen.moc"
