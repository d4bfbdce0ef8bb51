// The record files: fields, the puzzle and settings files, safe names, and the
// paired write that leaves one save's pair under a name even when broken off.
#include "storage/Heelbestand.h"
#include "storage/Instellingen.h"
#include "storage/Puzzelbestand.h"
#include "storage/Puzzelpaar.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sys/stat.h>

using namespace Algemeen;

namespace {

const QByteArray Hoofd = "\"B\"\r\n230,230,220\r\n220,220,240\r\n255,255,255\r\n";
const QByteArray LegeRij = "0,\"\",\"\"\r\n";
const QByteArray Rijen = "240,\"ANANAS\",\"Vrucht\"\r\n" + LegeRij + "196,\"KIPPEN\",\"Eieren\"\r\n" + LegeRij + LegeRij;
const QByteArray Appel = Hoofd + "\"APPEL\"\r\n" + Rijen;

QByteArray Lees(const QString& pad) { return LeesBegin(pad, 1 << 20).value_or("<missing>"); }
void Schrijf(const QString& pad, const QByteArray& data) { QVERIFY(SchrijfHeel(pad, data)); }
QImage Beeld(QColor kleur)
{
    QImage beeld(BordBreedte, BordHoogte, QImage::Format_RGB32);
    beeld.fill(kleur);
    return beeld;
}

} // namespace

class TestPuzzelbestand : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> map;  // a fresh folder for each test
    QString Pad(const QString& naam) const { return QDir(map->path()).filePath(naam); }
    QStringList Bestanden() const { return QDir(map->path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

private slots:
    void init()
    {
        BeginWaarden();
        map = std::make_unique<QTemporaryDir>();
    }

    // Each field read as a number ("-": none) and as a text, "|" between.
    void velden()
    {
        const struct { QByteArray data; QString getallen, teksten; } gevallen[] = {
            {" 12 ,-7,\t+3\r\n-0", "12|-7|-|0", "12 |-7|+3|-0"},  // signs and blanks
            {",,\r\n", "0|0|0", "||"},
            {"12x,1 2,0x1F,9.5", "-|-|-|-", "12x|1 2|0x1F|9.5"},  // more after a number
            {"2147483647,-2147483648,2147483648", "2147483647|-2147483648|-", "2147483647|-2147483648|2147483648"},
            {"\"a,b\"rest,\"c\r\nd\", \"\",x\"y", "-|-|0|-", "a,b|c\r\nd||-"},
            {"\"5,6", "-", "-"},  // cut inside quotes
            {"1\r2\n3\r\n\r\n4", "1|2|3|0|4", "1|2|3||4"},  // CR, LF and CR LF end a field
            {"\"\x80\xE9\x81\"", "-", "\u20AC\u00E9\u0081"},  // Windows-1252
        };
        for (const auto& g : gevallen) {
            QStringList getallen, teksten;
            for (RecordLezer r(g.data); !r.OpEinde();) {
                const auto getal = r.LeesGetal();
                getallen << (getal ? QString::number(*getal) : QStringLiteral("-"));
            }
            for (RecordLezer r(g.data); !r.OpEinde();)
                teksten << r.LeesTekst().value_or(QStringLiteral("-"));
            QCOMPARE(getallen.join(u'|'), g.getallen);
            QCOMPARE(teksten.join(u'|'), g.teksten);
        }
    }

    // A file is read whole or refused; what is read writes back as given.
    void lezen_data()
    {
        QTest::addColumn<QByteArray>("bestand");  // "<none>": no file
        QTest::addColumn<QByteArray>("puzzel");   // written back; empty: refused
        const QByteArray goed = Appel, geen;
        const auto rij = [&](const char* naam, const QByteArray& oud, const QByteArray& nieuw, bool past) {
            const QByteArray b = QByteArray(goed).replace(oud, nieuw);
            QTest::newRow(naam) << b << (past ? b : geen);
        };
        QTest::newRow("well formed") << goed << goed;
        QTest::newRow("extra lines ignored") << goed + "\"meer\"\r\nrommel,,,\r\n" << goed;
        QTest::newRow("no final CR LF") << goed.chopped(2) << goed;
        QTest::newRow("LF only") << QByteArray(goed).replace("\r\n", "\n") << goed;
        QTest::newRow("empty search word: no rows") << Hoofd + "\"\"\r\n" + Rijen << Hoofd + "\"\"\r\n";
        QTest::newRow("empty row: start x is 0") << QByteArray(goed).replace(LegeRij + "196", "50,\"\",\"\"\r\n196") << goed;
        // Row 19 crosses the column with its 11th letter, the last one allowed.
        const QByteArray twintig = Hoofd + "\"ABCDEFGHIJKLMNOPQRST\"\r\n" + LegeRij.repeated(18)
                                   + "20,\"ABCDEFGHIJKLMNOPQRST\",\"\xCB\xE9n\"\r\n240,\"ZWAAN\",\"\"\r\n";
        QTest::newRow("twenty letters") << twintig << twintig;
        rij("row ending ten boxes right of the column", "240,\"ANANAS\"", "240,\"ABCDEFGHIJK\"", true);
        rij("row ending eleven boxes right", "240,\"ANANAS\"", "240,\"ABCDEFGHIJKL\"", false);
        rij("row starting left of the board", "240,\"ANANAS\"", "-2,\"ABCDEFGHIJKLM\"", false);  // letter 12
        rij("row off the column", "196,", "197,", false);
        rij("row not reaching the column", "196,\"KIPPEN\"", "196,\"KI\"", false);
        rij("blue 256", "220,220,240", "220,220,256", false);
        rij("not a number", "230,230,220", "230,groen,220", false);
        QTest::newRow("no file") << QByteArray("<none>") << geen;
        QTest::newRow("empty file") << QByteArray() << geen;
        QTest::newRow("cut in a row record") << goed.left(goed.indexOf("196,\"KIPPEN\"") + 12) << geen;
        QTest::newRow("cut inside the last clue") << goed.chopped(3) << geen;
        QTest::newRow("cut after a search word") << Hoofd + "\"APPEL\"\r\n" << geen;
        QTest::newRow("21-letter search word") << Hoofd + "\"ABCDEFGHIJKLMNOPQRSTU\"\r\n" + LegeRij.repeated(21) << geen;
    }
    void lezen()
    {
        QFETCH(QByteArray, bestand);
        QFETCH(QByteArray, puzzel);
        if (bestand != "<none>")
            Schrijf(Pad(QStringLiteral("X.pzl")), bestand);
        const auto p = PuzzelLezenUit(Pad(QStringLiteral("X.pzl")));
        QCOMPARE(p ? PuzzelBytes(*p) : QByteArray(), puzzel);
        if (bestand == Appel)  // each field where it belongs
            QVERIFY(p && p->BeginX[3] == 196 && p->PuzzelWoord[3] == "KIPPEN" && p->Omschrijving[1] == "Vrucht"
                    && p->PuzzelWoord[2].isEmpty() && p->KleurZoekWoord == (Kleur{220, 220, 240}));
    }

    // The settings in memory after a read, as a file holds them, and the
    // file afterwards: rewritten when it could not be read whole.
    void instellingen_data()
    {
        QTest::addColumn<QByteArray>("bestand");  // "<none>", "<folder>", "<pipe>": no file, a folder, a pipe
        QTest::addColumn<QByteArray>("geheugen");
        QTest::addColumn<QByteArray>("daarna");  // empty: as geheugen
        const QByteArray standaard = "\"Wendolo trappuzzel - versie 1.0\"\r\n230,230,220\r\n220,220,240\r\n255,255,255\r\n"
                                     "\"Puzzelpagina\"\r\n";
        // The header in the Windows code page, read in and written back.
        const QByteArray eigen = "\"Mijn banner\"\r\n1,2,3\r\n4,5,6\r\n7,8,9\r\n\"Caf\xE9 \x96 1\x80\"\r\n";
        const QByteArray begin = "\"Mijn banner\"\r\n1,2,3\r\n", geen;
        QTest::newRow("no file") << QByteArray("<none>") << standaard << geen;
        QTest::newRow("folder: neither read nor written") << QByteArray("<folder>") << standaard << QByteArray("<missing>");
        QTest::newRow("named pipe: not waited on, replaced") << QByteArray("<pipe>") << standaard << geen;
        QTest::newRow("complete") << eigen << eigen << geen;
        // A banner no record could hold would make every later write fail.
        QTest::newRow("quote in an unquoted banner") << "ban\"ner" + eigen.mid(13) << standaard << geen;
        QTest::newRow("ends after the first colour: the rest stays")
            << begin << begin + standaard.mid(standaard.indexOf("220,220,240")) << geen;
        QTest::newRow("blue 256: red and green before it stay") << QByteArray(eigen).replace("4,5,6", "40,50,256")
            << begin + "40,50,240\r\n" + standaard.mid(standaard.indexOf("255,255,255")) << geen;
        QTest::newRow("no header text") << eigen.left(eigen.indexOf("\"Caf")) << eigen.left(eigen.indexOf("\"Caf"))
            + standaard.mid(standaard.indexOf("\"Puzzel")) << geen;
        // Clamped values are a good read: the file is not rewritten.
        QTest::newRow("red and green clamped") << QByteArray(eigen).replace("1,2,3", "999,-4,3")
                                               << QByteArray(eigen).replace("1,2,3", "255,0,3")
                                               << QByteArray(eigen).replace("1,2,3", "999,-4,3");
    }
    void instellingen()
    {
        QFETCH(QByteArray, bestand);
        QFETCH(QByteArray, geheugen);
        QFETCH(QByteArray, daarna);
        const QString pad = Pad(QStringLiteral("Wendolo.ini"));
        if (bestand == "<folder>")
            QVERIFY(QDir().mkdir(pad));
        else if (bestand == "<pipe>")
            QCOMPARE(mkfifo(QFile::encodeName(pad).constData(), 0600), 0);
        else if (bestand != "<none>")
            Schrijf(pad, bestand);
        InstellingenLezen(pad);
        QCOMPARE(InstellingenBytes(HuidigeInstellingen()), geheugen);
        QCOMPARE(Lees(pad), daarna.isEmpty() ? geheugen : daarna);
    }

    void naam()
    {
        // 238 bytes is the longest name whose every file of a save, QSaveFile's
        // temporary <name>.pzl.nieuw.XXXXXX included, fits in 255 bytes; an é takes two.
        for (const QString& veilig : {QStringLiteral("APPEL"), QStringLiteral("Mijn café v1.2.pzl"), QString(238, u'a'),
                                      QString(119, u'\u00e9')})
            QVERIFY2(Naamfout(veilig).isEmpty(), qPrintable(veilig));
        for (const QString& fout : {QString(), QStringLiteral("../APPEL"), QStringLiteral(".."), QStringLiteral(".a"),
                                    QStringLiteral("appel "), QStringLiteral("appel."), QStringLiteral("a:b"),
                                    QStringLiteral("a\tb"), QStringLiteral("con"), QStringLiteral("Lpt1.x"), QString(239, u'a'),
                                    QString(119, u'\u00e9') + u'a',
                                    QString(QChar(0xDF0A))})
            QVERIFY2(!Naamfout(fout).isEmpty(), qPrintable(fout));
    }

    // A good save, whatever name it takes, is fuzz_naam's; here the saves that fail.
    void schrijven()
    {
        const Puzzel appel = *PuzzelUitBytes(Appel);
        // A quote would end the clue early: refused, nothing written.
        Puzzel aanhalingsteken = appel;
        aanhalingsteken.Omschrijving[3] = QStringLiteral("Zeg \"tok\"");
        QVERIFY(!PuzzelSchrijven(map->path(), QStringLiteral("Q"), aanhalingsteken, Beeld(Qt::red)).isEmpty());
        // The picture blocked by a folder of its name: the old puzzle file stays.
        Schrijf(Pad(QStringLiteral("B.pzl")), "oud");
        QVERIFY(QDir(map->path()).mkdir(QStringLiteral("B.bmp")));
        QVERIFY(PuzzelSchrijven(map->path(), QStringLiteral("B"), appel, Beeld(Qt::red))
                    .contains(QStringLiteral("B.bmp kon niet worden geschreven.\r\nEerder opgeslagen bestanden")));
        QCOMPARE(Lees(Pad(QStringLiteral("B.pzl"))), QByteArray("oud"));
        QCOMPARE(Bestanden(), QStringList{QStringLiteral("B.pzl")});
        // The same over no old puzzle: none is left either.
        QVERIFY(QDir(map->path()).mkdir(QStringLiteral("C.bmp")));
        QVERIFY(!PuzzelSchrijven(map->path(), QStringLiteral("C"), appel, Beeld(Qt::red)).isEmpty());
        QCOMPARE(Bestanden(), QStringList{QStringLiteral("B.pzl")});
    }

    // Settling removes what QSaveFile leaves (that it touches nothing else is
    // fuzz_herstel's); a journal it did not write stops a save of that name
    // instead of guessing.
    void herstelRaaktNiets()
    {
        for (const char* naam : {"Y.pzl", "Z.pzl.nieuw.aBc123"})
            Schrijf(Pad(QLatin1StringView(naam)), naam);
        MapHerstellen(map->path());
        QCOMPARE(Bestanden(), QStringList{QStringLiteral("Y.pzl")});

        Schrijf(Pad(QStringLiteral("Y.bezig")), "iets anders\r\n");
        Schrijf(Pad(QStringLiteral("Y.bmp.nieuw")), "nieuw?");
        QVERIFY(PuzzelSchrijven(map->path(), QStringLiteral("Y"), *PuzzelUitBytes(Appel), Beeld(Qt::red))
                    .contains(QStringLiteral("Het bestand %1 houdt de naam vast").arg(Pad(QStringLiteral("Y.bezig")))));
        QCOMPARE(Lees(Pad(QStringLiteral("Y.pzl"))) + Lees(Pad(QStringLiteral("Y.bmp.nieuw"))), QByteArray("Y.pzlnieuw?"));
    }
};

QTEST_GUILESS_MAIN(TestPuzzelbestand)
#include "tst_puzzelbestand.moc"
