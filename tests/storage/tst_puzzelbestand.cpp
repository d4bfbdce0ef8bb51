// The puzzle file: exact bytes, the reader against damaged files, safe
// names and the paired write that never loses the old pair.
#include "shell/Naad.h"
#include "storage/Puzzelbestand.h"
#include "storage/Puzzelpaar.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Algemeen;
Q_DECLARE_METATYPE(Puzzel)

namespace {

const QByteArray Hoofd = "\"B\"\r\n230,230,220\r\n220,220,240\r\n255,255,255\r\n";
const QByteArray LegeRij = "0,\"\",\"\"\r\n";

// Default banner and colours; rows as {row, start x, word, clue}.
struct Rij {
    int i, beginX;
    const char *woord, *omschrijving;
};
Puzzel Maak(const QString& zoekWoord, std::initializer_list<Rij> rijen = {})
{
    Puzzel p{{QStringLiteral("B"), StandaardKleurVeld, StandaardKleurZoekWoord, StandaardKleurPuzzelWoord},
             zoekWoord, {}, {}, {}};
    for (const Rij& r : rijen) {
        p.BeginX[r.i] = r.beginX;
        p.PuzzelWoord[r.i] = QString::fromUtf8(r.woord);
        p.Omschrijving[r.i] = QString::fromUtf8(r.omschrijving);
    }
    return p;
}

Puzzel Voorbeeld()
{
    return Maak(QStringLiteral("APPEL"), {{1, 240, "ANANAS", "Tropische vrucht"}, {3, 196, "KIPPEN", "Leggen eieren"}});
}

QImage Beeld(QColor kleur)
{
    QImage beeld(BordBreedte, BordHoogte, QImage::Format_RGB32);
    beeld.fill(kleur);
    return beeld;
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

// Every file, hidden ones too, in byte order.
QStringList Bestanden(const QDir& dir) { return dir.entryList(QDir::Files | QDir::Hidden, QDir::Name); }

} // namespace

class TestPuzzelbestand : public QObject
{
    Q_OBJECT
private slots:
    void velden_data();
    void velden();
    void bytes_data();
    void bytes();
    void lezen_data();
    void lezen();
    void naam();
    void schrijven();
    void mislukteSchrijf_data();
    void mislukteSchrijf();
    void afgebrokenOpslag_data();
    void afgebrokenOpslag();
    void herstelRaaktNiets();
};

// The field rules every file of the program is read with: each field read
// as a number ("-": none), "|" between, "." for the end of the data.
void TestPuzzelbestand::velden_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("getallen");
    QTest::addColumn<QString>("teksten");  // the same fields read as texts
    QTest::newRow("signs and blanks") << QByteArray(" 12 ,-7,\t+3\r\n-0") << "12|-7|-|0|." << "12 |-7|+3|-0|.";
    QTest::newRow("empty fields") << QByteArray(",,\r\n") << "0|0|0|." << "|||.";
    QTest::newRow("more after a number") << QByteArray("12x,1 2,0x1F") << "-|-|-|." << "12x|1 2|0x1F|.";
    QTest::newRow("32-bit bounds") << QByteArray("2147483647,-2147483648,2147483648") << "2147483647|-2147483648|-|."
                                   << "2147483647|-2147483648|2147483648|.";
    QTest::newRow("quotes") << QByteArray("\"a,b\"rest,\"c\r\nd\", \"\",x\"y") << "-|-|0|-|." << "a,b|c\r\nd||-|.";
    QTest::newRow("cut inside quotes") << QByteArray("\"5,6") << "-|." << "-|.";
    QTest::newRow("CR, LF and CR LF end a field") << QByteArray("1\r2\n3\r\n\r\n4") << "1|2|3|0|4|."
                                                  << "1|2|3||4|.";
    QTest::newRow("Windows-1252") << QByteArray("\"\x80\xE9\x81\"") << "-|." << "\u20AC\u00E9\u0081|.";
}

void TestPuzzelbestand::velden()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, getallen);
    QFETCH(QString, teksten);
    QStringList gelezen;
    for (RecordLezer r(data); !r.OpEinde();) {
        const auto g = r.LeesGetal();
        gelezen << (g ? QString::number(*g) : QStringLiteral("-"));
    }
    QCOMPARE(gelezen.join(u'|') + QStringLiteral("|."), getallen);
    gelezen.clear();
    for (RecordLezer r(data); !r.OpEinde();)
        gelezen << r.LeesTekst().value_or(QStringLiteral("-"));
    QCOMPARE(gelezen.join(u'|') + QStringLiteral("|."), teksten);
    RecordLezer leeg(data.right(0));
    QVERIFY(!leeg.LeesGetal() && !leeg.LeesTekst());
}

void TestPuzzelbestand::bytes_data()
{
    QTest::addColumn<Puzzel>("puzzel");
    QTest::addColumn<QByteArray>("bestand");
    QTest::newRow("five letters, rows 1 and 3")
        << Voorbeeld()
        << Hoofd + "\"APPEL\"\r\n240,\"ANANAS\",\"Tropische vrucht\"\r\n" + LegeRij
               + "196,\"KIPPEN\",\"Leggen eieren\"\r\n" + LegeRij + LegeRij;
    QTest::newRow("new puzzle") << Maak(QStringLiteral("TAFEL")) << Hoofd + "\"TAFEL\"\r\n" + LegeRij.repeated(5);
    // Row 19 crosses the column with its 11th letter, the last one allowed.
    QTest::newRow("twenty letters: 25 records")
        << Maak(QStringLiteral("ABCDEFGHIJKLMNOPQRST"),
                {{19, 20, "ABCDEFGHIJKLMNOPQRST", "Ëén"}, {20, 240, "ZWAAN", ""}})
        << Hoofd + "\"ABCDEFGHIJKLMNOPQRST\"\r\n" + LegeRij.repeated(18)
                       + "20,\"ABCDEFGHIJKLMNOPQRST\",\"\xCB\xE9n\"\r\n240,\"ZWAAN\",\"\"\r\n";
}

void TestPuzzelbestand::bytes()
{
    QFETCH(Puzzel, puzzel);
    QFETCH(QByteArray, bestand);
    QCOMPARE(PuzzelBytes(puzzel), bestand);
    const auto terug = PuzzelUitBytes(bestand);
    QVERIFY(terug);
    QCOMPARE(*terug, puzzel);
}

void TestPuzzelbestand::lezen_data()
{
    QTest::addColumn<QByteArray>("bestand");  // "<none>": no file
    QTest::addColumn<QByteArray>("puzzel");   // the puzzle read, as written back; empty: refused
    const QByteArray rijen = "240,\"ANANAS\",\"Vrucht\"\r\n" + LegeRij + "196,\"KIPPEN\",\"Eieren\"\r\n" + LegeRij
                             + LegeRij;
    const QByteArray goed = Hoofd + "\"APPEL\"\r\n" + rijen;
    const QByteArray geen;
    QTest::newRow("well formed") << goed << goed;
    QTest::newRow("extra lines ignored") << goed + "\"meer\"\r\nrommel,,,\r\n" << goed;
    // Only the first MiB is read: a huge file costs no more than a normal one.
    QTest::newRow("50 MB after the puzzle") << goed + QByteArray(50 << 20, 'x') << goed;
    QTest::newRow("no final CR LF") << goed.chopped(2) << goed;
    QTest::newRow("LF only") << QByteArray(goed).replace("\r\n", "\n") << goed;
    QTest::newRow("empty search word: no rows") << Hoofd + "\"\"\r\n" + rijen << Hoofd + "\"\"\r\n";
    QTest::newRow("red and green clamped") << QByteArray(goed).replace("230,230,220", "300,-5,220")
                                           << QByteArray(goed).replace("230,230,220", "255,0,220");
    QTest::newRow("empty row: start x is 0") << QByteArray(goed).replace(LegeRij + "196", "50,\"\",\"\"\r\n196")
                                             << goed;
    QTest::newRow("no file") << QByteArray("<none>") << geen;
    QTest::newRow("empty file") << QByteArray() << geen;
    QTest::newRow("a banner that never ends") << QByteArray(50 << 20, 'x') << geen;
    QTest::newRow("cut in a row record") << goed.left(goed.indexOf("196,\"KIPPEN\"") + 12) << geen;
    QTest::newRow("cut inside the last clue") << goed.chopped(3) << geen;
    QTest::newRow("cut after a search word") << Hoofd + "\"APPEL\"\r\n" << geen;
    QTest::newRow("blue 256") << QByteArray(goed).replace("220,220,240", "220,220,256") << geen;
    QTest::newRow("not a number") << QByteArray(goed).replace("230,230,220", "230,groen,220") << geen;
    QTest::newRow("a number with more after it") << QByteArray(goed).replace("230,230,220", "230,230x,220") << geen;
    // Letter position 12: the row would start left of the board.
    QTest::newRow("row starting left of the board")
        << QByteArray(goed).replace("240,\"ANANAS\"", "-2,\"ABCDEFGHIJKLM\"") << geen;
    QTest::newRow("21-letter search word") << Hoofd + "\"ABCDEFGHIJKLMNOPQRSTU\"\r\n" + LegeRij.repeated(21) << geen;
    QTest::newRow("row off the column") << QByteArray(goed).replace("196,", "197,") << geen;
    QTest::newRow("row past the right edge") << QByteArray(goed).replace("ANANAS", "ANANASSENPLUKKER") << geen;
    QByteArray binair(4096, '\0');
    for (int i = 0; i < binair.size(); ++i)
        binair[i] = char((i * 131 + 7) % 256);
    QTest::newRow("binary") << binair << geen;
}

void TestPuzzelbestand::lezen()
{
    QFETCH(QByteArray, bestand);
    QFETCH(QByteArray, puzzel);
    QTemporaryDir map;
    const QString pad = map.filePath(QStringLiteral("X.pzl"));
    if (bestand != "<none>")
        Schrijf(pad, bestand);
    const auto p = PuzzelLezenUit(pad);
    QCOMPARE(p ? PuzzelBytes(*p) : QByteArray(), puzzel);
}

void TestPuzzelbestand::naam()
{
    // 238 letters is the longest whose every file of a save, QSaveFile's
    // temporary <name>.pzl.nieuw.XXXXXX included, fits in 255 bytes.
    for (const QString& veilig : {QStringLiteral("APPEL"), QStringLiteral("Mijn café v1.2.pzl"), QString(238, u'a')})
        QVERIFY2(Naamfout(veilig).isEmpty(), qPrintable(veilig));
    for (const QString& fout : {QString(), QStringLiteral("../APPEL"), QStringLiteral(".."), QStringLiteral(".appel"),
                                QStringLiteral("appel "), QStringLiteral("appel."), QStringLiteral("a:b"),
                                QStringLiteral("a\tb"), QStringLiteral("con"), QString(239, u'a'),
                                QString(QChar(0xDF0A))})
        QVERIFY2(!Naamfout(fout).isEmpty(), qPrintable(fout));
}

void TestPuzzelbestand::schrijven()
{
    QTemporaryDir map;
    const QDir dir(map.path());
    // The name is used as it was typed: the extension comes twice.
    QCOMPARE(PuzzelSchrijven(map.path(), QStringLiteral("X.pzl"), Voorbeeld(), Beeld(QColor(1, 2, 3))), QString());
    QCOMPARE(Lees(dir.filePath(QStringLiteral("X.pzl.pzl"))), PuzzelBytes(Voorbeeld()));
    QCOMPARE(QImage(dir.filePath(QStringLiteral("X.pzl.bmp"))).convertToFormat(QImage::Format_RGB32),
             Beeld(QColor(1, 2, 3)));
    const QStringList paar{QStringLiteral("X.pzl.bmp"), QStringLiteral("X.pzl.pzl")};
    QCOMPARE(Bestanden(dir), paar);  // no temporary left behind

    // A quote would end the clue early: refused, nothing written.
    Puzzel aanhalingsteken = Voorbeeld();
    aanhalingsteken.Omschrijving[3] = QStringLiteral("Zeg \"tok\"");
    QVERIFY(!PuzzelSchrijven(map.path(), QStringLiteral("Q"), aanhalingsteken, Beeld(Qt::red)).isEmpty());
    QCOMPARE(Bestanden(dir), paar);
}

// Either file of the pair blocked by a folder of its name: refused, and the
// other old file is left as it was.
void TestPuzzelbestand::mislukteSchrijf_data()
{
    QTest::addColumn<QString>("blokkade");
    QTest::addColumn<QString>("ander");
    QTest::newRow("puzzle file") << QStringLiteral("X.pzl") << QStringLiteral("X.bmp");
    QTest::newRow("board picture") << QStringLiteral("X.bmp") << QStringLiteral("X.pzl");
}

void TestPuzzelbestand::mislukteSchrijf()
{
    QFETCH(QString, blokkade);
    QFETCH(QString, ander);
    QTemporaryDir map;
    const QDir dir(map.path());
    QVERIFY(dir.mkdir(blokkade));
    Schrijf(dir.filePath(ander), "oud");
    const QString fout = PuzzelSchrijven(map.path(), QStringLiteral("X"), Voorbeeld(), Beeld(Qt::red));
    QCOMPARE(fout, QStringLiteral("De puzzel is niet opgeslagen: het bestand %1 kon niet worden geschreven.\r\n"
                                  "Eerder opgeslagen bestanden met deze naam zijn niet veranderd.").arg(dir.filePath(blokkade)));
    QCOMPARE(Lees(dir.filePath(ander)), QByteArray("oud"));
    QVERIFY(QFileInfo(dir.filePath(blokkade)).isDir());
    QCOMPARE(Bestanden(dir), QStringList{ander});
}

// A save stopped dead after each of its steps, as a kill would leave it,
// then settled as the next load does: the name holds one save's pair, and
// nothing of the journal is left.
void TestPuzzelbestand::afgebrokenOpslag_data()
{
    QTest::addColumn<int>("stappen");
    QTest::addColumn<bool>("oudPaar");  // a pair of that name exists before
    for (int stap = 1; stap <= 7; ++stap) {
        QTest::addRow("after step %d, over an old pair", stap) << stap << true;
        QTest::addRow("after step %d, a new name", stap) << stap << false;
    }
}

void TestPuzzelbestand::afgebrokenOpslag()
{
    QFETCH(int, stappen);
    QFETCH(bool, oudPaar);
    QTemporaryDir map;
    const QDir dir(map.path());
    const QString pzl = dir.filePath(QStringLiteral("X.pzl")), bmp = dir.filePath(QStringLiteral("X.bmp"));
    if (oudPaar) {
        Schrijf(pzl, "oude puzzel");
        Schrijf(bmp, "oud beeld");
    }
    Schrijf(dir.filePath(QStringLiteral("ander.pzl")), "andere puzzel");

    Naad.PaarOnderbreking = stappen;
    QCOMPARE(PaarVervangen(map.path(), QStringLiteral("X"), "nieuwe puzzel", "nieuw beeld"), QString());
    Naad.PaarOnderbreking = 0;
    MapHerstellen(map.path());

    const bool nieuw = stappen >= 4;  // the journal, written in step 4, decides
    QCOMPARE(Lees(pzl), QByteArray(nieuw ? "nieuwe puzzel" : oudPaar ? "oude puzzel" : "<missing>"));
    QCOMPARE(Lees(bmp), QByteArray(nieuw ? "nieuw beeld" : oudPaar ? "oud beeld" : "<missing>"));
    const QStringList paar{QStringLiteral("X.bmp"), QStringLiteral("X.pzl")};
    QCOMPARE(Bestanden(dir), (oudPaar || nieuw ? paar : QStringList()) + QStringList{QStringLiteral("ander.pzl")});

    // A save broken off while an earlier one of the name was still
    // unsettled: the earlier journal must not decide for the later files.
    Naad.PaarOnderbreking = 5;
    PaarVervangen(map.path(), QStringLiteral("X"), "puzzel 2", "beeld 2");
    Naad.PaarOnderbreking = 2;
    PaarVervangen(map.path(), QStringLiteral("X"), "puzzel 3", "beeld 3");
    Naad.PaarOnderbreking = 0;
    QVERIFY(PaarHerstellen(map.path(), QStringLiteral("X")));
    QCOMPARE(Lees(pzl), QByteArray("puzzel 2"));
    QCOMPARE(Lees(bmp), QByteArray("beeld 2"));
}

// Settling touches only what a broken save leaves; a journal it did not
// write stops both the load and a save of that name instead of guessing.
void TestPuzzelbestand::herstelRaaktNiets()
{
    QTemporaryDir map;
    const QDir dir(map.path());
    // Saved puzzles whose names only look like what a save leaves behind.
    const QStringList gewoon{QStringLiteral("Y.bmp"), QStringLiteral("Y.pzl"), QStringLiteral("Y.pzl.txt"),
                             QStringLiteral("kerst.bezig.2.bmp"), QStringLiteral("kerst.bezig.2.pzl"),
                             QStringLiteral("nieuw.pzl"), QStringLiteral("oud.bmp"),
                             QStringLiteral("plan.nieuw.v2.bmp"), QStringLiteral("plan.nieuw.v2.pzl"),
                             QStringLiteral("x.pzl.nieuw.abcdef.pzl")};  // sorted
    for (const QString& naam : gewoon)
        Schrijf(dir.filePath(naam), naam.toLatin1());
    Schrijf(dir.filePath(QStringLiteral("Z.pzl.nieuw.aBc123")), "restant van QSaveFile");
    MapHerstellen(map.path());
    QCOMPARE(Bestanden(dir), gewoon);

    Schrijf(dir.filePath(QStringLiteral("Y.bezig")), "iets anders\r\n");
    Schrijf(dir.filePath(QStringLiteral("Y.bmp.nieuw")), "nieuw?");
    QVERIFY(!PaarHerstellen(map.path(), QStringLiteral("Y")));
    QVERIFY(PuzzelSchrijven(map.path(), QStringLiteral("Y"), Voorbeeld(), Beeld(Qt::red))
                .contains(QStringLiteral("Het bestand %1 houdt de naam vast").arg(dir.filePath(QStringLiteral("Y.bezig")))));
    QCOMPARE(Lees(dir.filePath(QStringLiteral("Y.pzl"))), QByteArray("Y.pzl"));
    QCOMPARE(Lees(dir.filePath(QStringLiteral("Y.bmp"))), QByteArray("Y.bmp"));
    QCOMPARE(Lees(dir.filePath(QStringLiteral("Y.bmp.nieuw"))), QByteArray("nieuw?"));
}

QTEST_GUILESS_MAIN(TestPuzzelbestand)
#include "tst_puzzelbestand.moc"
