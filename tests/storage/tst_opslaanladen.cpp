// Saving and loading through the commands and the load dialog: the files
// that appear, the questions asked, and a load that is whole or nothing.
#include "Nepscherm.h"
#include "shell/Bouwstenen.h"
#include "shell/Meldingen.h"
#include "shell/Naad.h"
#include "shell/Pauze.h"
#include "shell/Programmamap.h"
#include "storage/Loadpuzzel.h"
#include "storage/Opslaan.h"
#include "storage/Puzzelbestand.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace Algemeen;
using Meldingen::Antwoord;

namespace {

// A drawn puzzle; rows 2 and 5 are left empty, with their buttons, unless vol.
void Ontwerp(Nepscherm& s, const QString& woord, bool vol = false)
{
    WisRijen();
    ZoekWoord = woord;
    s.Bord().ZetAchtergrond(KleurVeld.Waarde());
    s.Bord().LeegBord();
    s.Bord().TekenZoekWoord(ZoekWoord);
    s.VerbergRijKnoppen();
    for (int i = 1; i <= AantalRijen(); ++i) {
        s.ToonRijKnop(i, !vol && (i == 2 || i == 5));
        if (s.RijKnopZichtbaar(i))
            continue;
        PuzzelWoord[i] = QString(woord[i - 1]) + QStringLiteral("AAP");
        Omschrijving[i] = QStringLiteral("Aanwijzing %1").arg(i);
        BeginX[i] = BeginXVoor(1 + i % 3);
        s.Bord().TekenRij(i);
    }
}

QByteArray Lees(const QString& pad)
{
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void Schrijf(const QString& pad, const QByteArray& data)
{
    QFile f(pad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
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
private slots:
    void init();
    void cleanup() { Naad = {}; }
    void opslaan();
    void laden();
    void mislukteLading_data();
    void mislukteLading();
    void lijst_data();
    void lijst();

private:
    QString Puzzels(const QString& naam = {}) const { return map->filePath(QStringLiteral("puzzels/") + naam); }
    void Bewaar(Nepscherm& s, const QString& naam)
    {
        invoer = naam;
        SaveCommando(s);
        QVERIFY(QFile::exists(Puzzels(naam + QStringLiteral(".pzl"))));
        getoond.clear();
    }

    std::unique_ptr<QTemporaryDir> map;
    QStringList getoond;         // every box shown, in order, as "title|text|..."
    QString invoer;              // what the input box answers; "<default>": its pre-filled text
    Antwoord ja = Antwoord::Ja;  // what the Yes/No box answers
};

void TestOpslaanLaden::init()
{
    BeginWaarden();
    Naad.PauzeFactor = 0;
    map = std::make_unique<QTemporaryDir>();
    Naad.Programmamap = map->path();
    QDir(map->path()).mkdir(QStringLiteral("puzzels"));
    getoond.clear();
    const auto melding = [this](const Meldingen::Melding& m) {
        const bool janee = m.knoppen == Meldingen::Knoppen::JaNee;
        getoond << m.titel + u'|' + m.tekst + (janee ? QStringLiteral("|Ja/Nee") : QString())
                       + (m.pictogram == Meldingen::Pictogram::Stop ? QStringLiteral("|Stop") : QString());
        return janee ? ja : Antwoord::Ok;
    };
    const auto vraag = [this](const Meldingen::Vraag& v) {
        getoond << v.titel + u'|' + v.prompt + u'|' + v.standaard;
        return invoer == QStringLiteral("<default>") ? v.standaard : invoer;
    };
    Naad.Melding = melding;
    Naad.Vraag = vraag;
}

// One design saved again and again: what each answer shows, what lands in
// the folder, and a board that is never touched.
void TestOpslaanLaden::opslaan()
{
    Nepscherm s;
    SaveCommando(s);  // no puzzle yet: nothing is asked
    QCOMPARE(getoond, QStringList());
    Ontwerp(s, QStringLiteral("VOGEL"));
    const QImage voor = s.Bord().Beeld();
    const QString pzl = Puzzels(QStringLiteral("VOGEL.pzl")), bmp = Puzzels(QStringLiteral("VOGEL.bmp"));
    const auto sla = [&](const QString& naam, Antwoord antwoord = Antwoord::Ja) {
        getoond.clear();
        invoer = naam;
        ja = antwoord;
        SaveCommando(s);
        return getoond;
    };
    const QString vraag = QStringLiteral(" Save puzzel|Geef een bestandsnaam voor deze puzzel...|VOGEL");
    QCOMPARE(sla(QString()), QStringList{vraag});  // cancelled
    QCOMPARE(sla(QStringLiteral("../VOGEL")),
             (QStringList{vraag, QStringLiteral("Wendolo|Deze naam kan niet als bestandsnaam worden gebruikt.\r\n"
                                                "Een bestandsnaam mag geen van de tekens \\ / : * ? \" < > | bevatten.")}));
    QCOMPARE(QDir(map->path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(QDir(Puzzels()).entryList(QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(sla(QStringLiteral("<default>")), QStringList{vraag});
    QCOMPARE(Lees(pzl), PuzzelBytes(HuidigePuzzel()));
    QCOMPARE(QImage(bmp).convertToFormat(voor.format()), voor);

    // Over an old pair: No leaves both files, Yes replaces both.
    Schrijf(pzl, "oud");
    Schrijf(bmp, "oud");
    const QString bestaat = QStringLiteral(" File exist|Bestand bestaat reeds, overschrijven?|Ja/Nee");
    QCOMPARE(sla(QStringLiteral("VOGEL"), Antwoord::Nee), (QStringList{vraag, bestaat}));
    QCOMPARE(Lees(pzl) + Lees(bmp), QByteArray("oudoud"));
    QCOMPARE(sla(QStringLiteral("VOGEL")), (QStringList{vraag, bestaat}));
    QCOMPARE(Lees(pzl), PuzzelBytes(HuidigePuzzel()));
    QCOMPARE(QImage(bmp).convertToFormat(voor.format()), voor);
    QCOMPARE(QDir(Puzzels()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{QStringLiteral("VOGEL.bmp"), QStringLiteral("VOGEL.pzl")}));

    QDir(Puzzels()).removeRecursively();
    QCOMPARE(sla(QStringLiteral("VOGEL")),
             (QStringList{vraag, QStringLiteral("Wendolo|De puzzel is niet opgeslagen: de map %1 ontbreekt.").arg(Programmamap(QStringLiteral("puzzels")))}));
    QCOMPARE(s.Bord().Beeld(), voor);
}

// Two loads in a row through the dialog, over a puzzle of another length:
// model and board become the saved ones, and what is no part of a puzzle stays.
void TestOpslaanLaden::laden()
{
    Nepscherm s;
    Ontwerp(s, QStringLiteral("GIRAFFE"), true);
    Bewaar(s, QStringLiteral("a"));
    const Puzzel eerste = HuidigePuzzel();
    KleurVeld = {10, 20, 30};
    KleurPuzzelWoord = {200, 100, 50};
    Ontwerp(s, QStringLiteral("VOGEL"));
    Bewaar(s, QStringLiteral("b"));
    const Puzzel tweede = HuidigePuzzel();
    const QImage beeld = s.Bord().Beeld();
    BeginWaarden();
    HuidigeRij = 3;
    KopTekst = QStringLiteral("blijft");

    Loadpuzzel dlg(s);
    QCOMPARE(dlg.Basisnaam(), QString());
    dlg.File1->setCurrentRow(0);
    QCOMPARE(dlg.Basisnaam(), QStringLiteral("a"));
    Laad(dlg, 0);
    QCOMPARE(HuidigePuzzel(), eerste);
    QCOMPARE(s.Info(), QStringLiteral("Informatie..."));  // every row filled
    s.ToonRijKnop(7, true);
    Laad(dlg, 1);
    QCOMPARE(HuidigePuzzel(), tweede);  // rows 6 and 7 of the first are gone
    QCOMPARE(s.Bord().Beeld(), beeld);
    for (int i = 1; i <= MaxRijen; ++i)
        QCOMPARE(s.RijKnopZichtbaar(i), i == 2 || i == 5);
    QCOMPARE(s.Info(), QStringLiteral("Klik voor het invullen van de puzzelwoorden op de knoppen met het vraagteken."));
    QCOMPARE(HuidigeRij, 3);
    QCOMPARE(KopTekst, QStringLiteral("blijft"));

    // A smaller picture lies top-left on the loaded puzzle's background,
    // not on the one the board had.
    QImage klein(40, 30, QImage::Format_RGB32);
    klein.fill(Qt::blue);
    QVERIFY(klein.save(Puzzels(QStringLiteral("b.bmp")), "BMP"));
    Laad(dlg, 0);
    Laad(dlg, 1);
    const QImage b = s.Bord().Beeld();
    QCOMPARE(b.size(), QSize(BordBreedte, BordHoogte));
    QCOMPARE(b.pixelColor(39, 29), QColor(Qt::blue));
    QCOMPARE(b.pixelColor(40, 30), QColor(10, 20, 30));
    QCOMPARE(getoond, QStringList());
}

void TestOpslaanLaden::mislukteLading_data()
{
    // file=new contents, file:N cut to N bytes, file:pijp a named pipe,
    // file:groot a header that promises 4000 x 4000 pixels, or a file removed
    QTest::addColumn<QString>("schade");
    QTest::newRow("nothing selected") << QString();
    QTest::newRow("picture missing") << QStringLiteral("b.bmp");
    QTest::newRow("picture damaged") << QStringLiteral("b.bmp=BM rommel");
    QTest::newRow("picture cut off") << QStringLiteral("b.bmp:1000");
    QTest::newRow("picture short of its last row") << QStringLiteral("b.bmp:678941");
    QTest::newRow("picture larger than its pixels") << QStringLiteral("b.bmp:groot");
    QTest::newRow("picture is a pipe") << QStringLiteral("b.bmp:pijp");
    QTest::newRow("puzzle file is a pipe") << QStringLiteral("b.pzl:pijp");
    QTest::newRow("puzzle file damaged") << QStringLiteral("b.pzl=\"banner\"\r\n1,2,3\r\n4,5,256\r\n");
    // A text no save could write back would make every later save fail.
    QTest::newRow("quote in an unquoted banner") << QStringLiteral("b.pzl:banner");
    // A journal the program did not write holds the name: the box says which file.
    QTest::newRow("strange journal") << QStringLiteral("b.bezig=iets anders\r\n");
}

void TestOpslaanLaden::mislukteLading()
{
    QFETCH(QString, schade);
    Nepscherm s;
    Ontwerp(s, QStringLiteral("VOGEL"));
    Bewaar(s, QStringLiteral("b"));
    const QString bestand = Puzzels(schade.section(u'=', 0, 0).section(u':', 0, 0));
    const QString soort = schade.section(u':', 1);
    QByteArray inhoud = Lees(bestand);
    if (schade.contains(u'='))
        Schrijf(bestand, schade.section(u'=', 1).toLatin1());
    else if (soort == QStringLiteral("pijp"))
        QVERIFY(QFile::remove(bestand) && mkfifo(QFile::encodeName(bestand).constData(), 0600) == 0);
    else if (soort == QStringLiteral("groot"))
        Schrijf(bestand, inhoud.replace(18, 8, QByteArray::fromHex("a00f0000a00f0000")));
    else if (soort == QStringLiteral("banner"))
        Schrijf(bestand, "ban\"ner" + inhoud.mid(inhoud.indexOf('\r')));
    else if (!soort.isEmpty())
        Schrijf(bestand, inhoud.left(soort.toInt()));
    else if (!schade.isEmpty())
        QVERIFY(QFile::remove(bestand));
    Ontwerp(s, QStringLiteral("GIRAFFE"));
    s.ZetInfo(QStringLiteral("voor"));
    const Puzzel voor = HuidigePuzzel();
    const QImage beeld = s.Bord().Beeld();
    const auto knoppen = s.RijKnop;

    Loadpuzzel dlg(s);
    Laad(dlg, schade.isEmpty() ? -1 : 0);
    const QString melding = bestand.endsWith(QStringLiteral(".bezig"))
                                ? QStringLiteral("Een eerder afgebroken opslag van deze puzzel kon niet worden afgerond.\r\n"
                                                 "Het bestand %1 houdt de puzzel vast; verwijder het om de puzzel te "
                                                 "laden zoals hij nu in de map staat.")
                                      .arg(bestand)
                                : QStringLiteral("Selecteer eerst een puzzel!");
    QCOMPARE(getoond, QStringList{QStringLiteral(" Error|") + melding + QStringLiteral("|Stop")});
    QCOMPARE(HuidigePuzzel(), voor);
    QCOMPARE(s.Bord().Beeld(), beeld);
    QCOMPARE(s.RijKnop, knoppen);
    QCOMPARE(s.Info(), QStringLiteral("voor"));
}

void TestOpslaanLaden::lijst_data()
{
    QTest::addColumn<QString>("bestanden");  // "-": no puzzle folder
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("lijst");
    QTest::newRow("one, a picture not listed") << "x.bmp x.pzl" << "1 puzzel in bestand" << "x.pzl";
    QTest::newRow("seven, by name whatever the case") << "g.pzl B.pzl a.pzl F.pzl e.pzl d.pzl C.pzl"
                                                      << "7 puzzels in bestand"
                                                      << "a.pzl B.pzl C.pzl d.pzl e.pzl F.pzl g.pzl";
    QTest::newRow("folder missing") << "-" << "0 puzzels in bestand" << "";
}

void TestOpslaanLaden::lijst()
{
    QFETCH(QString, bestanden);
    QFETCH(QString, tekst);
    QFETCH(QString, lijst);
    if (bestanden == QStringLiteral("-"))
        QDir(Puzzels()).removeRecursively();
    else
        for (const QString& b : bestanden.split(u' '))
            Schrijf(Puzzels(b), {});
    Nepscherm s;
    Loadpuzzel dlg(s);
    QLabel* label = dlg.Label2;
    QCOMPARE(label->text(), tekst);
    QStringList namen;
    for (int i = 0; i < dlg.File1->count(); ++i)
        namen << dlg.File1->item(i)->text();
    QCOMPARE(namen.join(u' '), lijst);
    if (!namen.isEmpty()) {
        dlg.File1->setCurrentRow(int(namen.size()) - 1);
        QCOMPARE(label->text(), namen.back().chopped(4));
    }
}

QTEST_MAIN(TestOpslaanLaden)
#include "tst_opslaanladen.moc"
