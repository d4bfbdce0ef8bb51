// The puzzle file: exact bytes, the reader against damaged files, safe
// names and the paired write that never loses the old pair.
#include "storage/Puzzelbestand.h"
#include "storage/Puzzelpaar.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Algemeen;

namespace {

const QByteArray Kop = "\"B\"\r\n230,230,220\r\n220,220,240\r\n255,255,255\r\n";

Puzzel Voorbeeld()
{
    Puzzel p;
    p.BannerTekst = QStringLiteral("B");
    p.KleurVeld = StandaardKleurVeld;
    p.KleurZoekWoord = StandaardKleurZoekWoord;
    p.KleurPuzzelWoord = StandaardKleurPuzzelWoord;
    p.ZoekWoord = QStringLiteral("APPEL");
    p.PuzzelWoord[1] = QStringLiteral("ANANAS");
    p.Omschrijving[1] = QStringLiteral("Tropische vrucht");
    p.BeginX[1] = 240;
    p.PuzzelWoord[3] = QStringLiteral("KIPPEN");
    p.Omschrijving[3] = QStringLiteral("Leggen eieren");
    p.BeginX[3] = 196;
    return p;
}

QByteArray Lees(const QString& pad)
{
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Every file in a folder, hidden ones too, in plain sort order.
QStringList Bestanden(const QDir& dir)
{
    QStringList namen = dir.entryList(QDir::Files | QDir::Hidden);
    namen.sort();
    return namen;
}

void Schrijf(const QString& pad, const QByteArray& data)
{
    QFile f(pad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

} // namespace

Q_DECLARE_METATYPE(Puzzel)

class TestPuzzelbestand : public QObject
{
    Q_OBJECT
private slots:
    void bytes_data();
    void bytes();
    void lezen_data();
    void lezen();
    void grootBestand();
    void naam_data();
    void naam();
    void schrijvenPaar();
    void mislukteSchrijfLaatOudePaar_data();
    void mislukteSchrijfLaatOudePaar();
    void afgebrokenOpslag_data();
    void afgebrokenOpslag();
    void herstelRaaktNiets();
};

void TestPuzzelbestand::bytes_data()
{
    QTest::addColumn<Puzzel>("puzzel");
    QTest::addColumn<QByteArray>("bestand");

    QTest::newRow("five letters, rows 1 and 3")
        << Voorbeeld()
        << Kop + "\"APPEL\"\r\n240,\"ANANAS\",\"Tropische vrucht\"\r\n0,\"\",\"\"\r\n"
                 "196,\"KIPPEN\",\"Leggen eieren\"\r\n0,\"\",\"\"\r\n0,\"\",\"\"\r\n";

    Puzzel nieuw = Voorbeeld();
    nieuw.ZoekWoord = QStringLiteral("TAFEL");
    nieuw.PuzzelWoord = {};
    nieuw.Omschrijving = {};
    nieuw.BeginX = {};
    QTest::newRow("new puzzle") << nieuw << Kop + "\"TAFEL\"\r\n" + QByteArray("0,\"\",\"\"\r\n").repeated(5);

    Puzzel lang = nieuw;
    lang.ZoekWoord = QStringLiteral("ABCDEFGHIJKLMNOPQRST");
    lang.PuzzelWoord[20] = QStringLiteral("ZWAAN");
    lang.BeginX[20] = 20 + 22 * 10;  // letter position 1
    lang.PuzzelWoord[19] = QStringLiteral("ABCDEFGHIJKLMNOPQRST");
    lang.Omschrijving[19] = QStringLiteral("Ëén");
    lang.BeginX[19] = 20;  // letter position 11
    QTest::newRow("twenty letters: 25 records")
        << lang
        << Kop + "\"ABCDEFGHIJKLMNOPQRST\"\r\n" + QByteArray("0,\"\",\"\"\r\n").repeated(18)
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
    QTest::addColumn<QByteArray>("bestand");
    QTest::addColumn<bool>("goed");
    const QByteArray rijen = "240,\"ANANAS\",\"Vrucht\"\r\n0,\"\",\"\"\r\n196,\"KIPPEN\",\"Eieren\"\r\n"
                             "0,\"\",\"\"\r\n0,\"\",\"\"\r\n";
    const QByteArray goed = Kop + "\"APPEL\"\r\n" + rijen;

    QTest::newRow("well formed") << goed << true;
    QTest::newRow("extra lines ignored") << goed + "\"meer\"\r\nrommel,,,\r\n" << true;
    QTest::newRow("no final CR LF") << goed.chopped(2) << true;
    QTest::newRow("LF only") << QByteArray(goed).replace("\r\n", "\n") << true;
    QTest::newRow("empty search word: no rows") << Kop + "\"\"\r\n" << true;
    QTest::newRow("red and green clamped") << QByteArray(goed).replace("230,230,220", "300,-5,220") << true;
    QTest::newRow("empty row with start x") << QByteArray(goed).replace("0,\"\",\"\"\r\n196", "50,\"\",\"\"\r\n196") << true;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("cut in a row record") << goed.left(goed.indexOf("196,\"KIPPEN\"") + 12) << false;
    QTest::newRow("cut inside the last clue") << goed.chopped(3) << false;
    QTest::newRow("cut after a search word") << Kop + "\"APPEL\"\r\n" << false;
    QTest::newRow("blue 256") << QByteArray(goed).replace("220,220,240", "220,220,256") << false;
    QTest::newRow("not a number") << QByteArray(goed).replace("230,230,220", "230,groen,220") << false;
    QTest::newRow("21-letter search word") << Kop + "\"ABCDEFGHIJKLMNOPQRSTU\"\r\n"
                                                 + QByteArray("0,\"\",\"\"\r\n").repeated(21) << false;
    QTest::newRow("row off the column") << QByteArray(goed).replace("196,", "197,") << false;
    QTest::newRow("row past the right edge") << QByteArray(goed).replace("240,\"ANANAS\"", "240,\"ANANASSENPLUKKER\"") << false;
    QByteArray binair(4096, '\0');
    for (int i = 0; i < binair.size(); ++i)
        binair[i] = char((i * 131 + 7) % 256);
    QTest::newRow("binary") << binair << false;
}

void TestPuzzelbestand::lezen()
{
    QFETCH(QByteArray, bestand);
    QFETCH(bool, goed);
    const auto p = PuzzelUitBytes(bestand);
    QCOMPARE(bool(p), goed);
    if (!p)
        return;
    QCOMPARE(p->KleurVeld.Rood, QTest::currentDataTag() == QByteArray("red and green clamped") ? 255 : 230);
    for (int i = 1; i <= p->ZoekWoord.size(); ++i)
        QCOMPARE(p->BeginX[i] == 0, p->PuzzelWoord[i].isEmpty());
    for (int i = int(p->ZoekWoord.size()) + 1; i <= MaxRijen; ++i)
        QVERIFY(p->PuzzelWoord[i].isEmpty() && p->BeginX[i] == 0);
}

void TestPuzzelbestand::grootBestand()
{
    QTemporaryDir map;
    const QString pad = map.filePath(QStringLiteral("groot.pzl"));
    // A puzzle followed by 50 MB of lines: only the puzzle is read.
    Schrijf(pad, PuzzelBytes(Voorbeeld()) + QByteArray(50 << 20, 'x'));
    const auto p = PuzzelLezenUit(pad);
    QVERIFY(p);
    QCOMPARE(*p, Voorbeeld());
    // 50 MB without a separator: the banner never ends.
    Schrijf(pad, QByteArray(50 << 20, 'x'));
    QVERIFY(!PuzzelLezenUit(pad));
    QVERIFY(!PuzzelLezenUit(map.filePath(QStringLiteral("weg.pzl"))));
}

void TestPuzzelbestand::naam_data()
{
    QTest::addColumn<QString>("naam");
    QTest::addColumn<bool>("veilig");
    QTest::newRow("search word") << QStringLiteral("APPEL") << true;
    QTest::newRow("inner blank, accent, dots") << QStringLiteral("Mijn café v1.2.pzl") << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("slash") << QStringLiteral("../APPEL") << false;
    QTest::newRow("dot dot") << QStringLiteral("..") << false;
    QTest::newRow("hidden") << QStringLiteral(".appel") << false;
    QTest::newRow("trailing blank") << QStringLiteral("appel ") << false;
    QTest::newRow("trailing dot") << QStringLiteral("appel.") << false;
    QTest::newRow("colon") << QStringLiteral("a:b") << false;
    QTest::newRow("control") << QStringLiteral("a\tb") << false;
    QTest::newRow("device") << QStringLiteral("con") << false;
    QTest::newRow("too long") << QString(252, u'a') << false;
}

void TestPuzzelbestand::naam()
{
    QFETCH(QString, naam);
    QFETCH(bool, veilig);
    QCOMPARE(Naamfout(naam).isEmpty(), veilig);
}

void TestPuzzelbestand::schrijvenPaar()
{
    QTemporaryDir map;
    QImage beeld(BordBreedte, BordHoogte, QImage::Format_RGB32);
    beeld.fill(QColor(1, 2, 3));
    QCOMPARE(PuzzelSchrijven(map.path(), QStringLiteral("APPEL.pzl"), Voorbeeld(), beeld), QString());
    // The name is used as it was typed: the extension comes twice.
    QCOMPARE(Lees(map.filePath(QStringLiteral("APPEL.pzl.pzl"))), PuzzelBytes(Voorbeeld()));
    QImage terug(map.filePath(QStringLiteral("APPEL.pzl.bmp")));
    QCOMPARE(terug.convertToFormat(QImage::Format_RGB32), beeld);
    QCOMPARE(QDir(map.path()).entryList(QDir::Files).size(), 2);  // no temporary left behind

    // A quote would end the clue early: refused, nothing written.
    Puzzel aanhalingsteken = Voorbeeld();
    aanhalingsteken.Omschrijving[3] = QStringLiteral("Zeg \"tok\"");
    QVERIFY(!PuzzelSchrijven(map.path(), QStringLiteral("Q"), aanhalingsteken, beeld).isEmpty());
    QVERIFY(!QFile::exists(map.filePath(QStringLiteral("Q.pzl"))));
}

void TestPuzzelbestand::mislukteSchrijfLaatOudePaar_data()
{
    QTest::addColumn<QString>("blokkade");  // made a directory, so it cannot be written
    QTest::newRow("puzzle file") << QStringLiteral("X.pzl");
    QTest::newRow("board picture") << QStringLiteral("X.bmp");
    QTest::newRow("missing folder") << QString();
}

void TestPuzzelbestand::mislukteSchrijfLaatOudePaar()
{
    QFETCH(QString, blokkade);
    QTemporaryDir tmp;
    const QString map = tmp.filePath(QStringLiteral("puzzels"));
    QDir().mkpath(map);
    QDir dir(map);
    if (blokkade.isEmpty()) {
        dir.removeRecursively();
    } else {
        dir.mkdir(blokkade);
        const QString ander = blokkade.endsWith(QStringLiteral(".pzl")) ? QStringLiteral("X.bmp") : QStringLiteral("X.pzl");
        Schrijf(dir.filePath(ander), "oud");
    }
    QImage beeld(BordBreedte, BordHoogte, QImage::Format_RGB32);
    beeld.fill(Qt::red);
    const QString fout = PuzzelSchrijven(map, QStringLiteral("X"), Voorbeeld(), beeld);
    QVERIFY(fout.startsWith(QStringLiteral("De puzzel is niet opgeslagen")));
    if (!blokkade.isEmpty()) {
        const QString ander = blokkade.endsWith(QStringLiteral(".pzl")) ? QStringLiteral("X.bmp") : QStringLiteral("X.pzl");
        QCOMPARE(Lees(dir.filePath(ander)), QByteArray("oud"));
        QVERIFY(QFileInfo(dir.filePath(blokkade)).isDir());
        QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
}

// A save stopped dead after each of its steps, as a kill would leave it,
// then settled as the next load does: the name holds one save's pair, and
// nothing of the journal is left.
void TestPuzzelbestand::afgebrokenOpslag_data()
{
    QTest::addColumn<int>("stappen");
    QTest::addColumn<bool>("oudPaar");  // a pair of that name exists before
    QTest::addColumn<bool>("nieuw");    // the new pair is what remains
    for (int stap = 1; stap <= 7; ++stap) {
        QTest::addRow("after step %d, over an old pair", stap) << stap << true << (stap >= 4);
        QTest::addRow("after step %d, a new name", stap) << stap << false << (stap >= 4);
    }
}

void TestPuzzelbestand::afgebrokenOpslag()
{
    QFETCH(int, stappen);
    QFETCH(bool, oudPaar);
    QFETCH(bool, nieuw);
    QTemporaryDir map;
    const QDir dir(map.path());
    if (oudPaar) {
        Schrijf(dir.filePath(QStringLiteral("X.pzl")), "oude puzzel");
        Schrijf(dir.filePath(QStringLiteral("X.bmp")), "oud beeld");
    }
    Schrijf(dir.filePath(QStringLiteral("ander.pzl")), "andere puzzel");

    ZetPaarOnderbreking(stappen);
    QCOMPARE(PaarVervangen(map.path(), QStringLiteral("X"), "nieuwe puzzel", "nieuw beeld"), QString());
    ZetPaarOnderbreking(0);
    MapHerstellen(map.path());

    const QByteArray pzl = Lees(dir.filePath(QStringLiteral("X.pzl")));
    const QByteArray bmp = Lees(dir.filePath(QStringLiteral("X.bmp")));
    if (nieuw) {
        QCOMPARE(pzl, QByteArray("nieuwe puzzel"));
        QCOMPARE(bmp, QByteArray("nieuw beeld"));
    } else {
        QCOMPARE(pzl, QByteArray(oudPaar ? "oude puzzel" : "<missing>"));
        QCOMPARE(bmp, QByteArray(oudPaar ? "oud beeld" : "<missing>"));
    }
    QStringList verwacht;
    if (oudPaar || nieuw)
        verwacht << QStringLiteral("X.bmp") << QStringLiteral("X.pzl");
    verwacht << QStringLiteral("ander.pzl");
    QCOMPARE(Bestanden(dir), verwacht);

    // A save broken off while an earlier one of the name was still
    // unsettled: the earlier journal must not decide for the later files.
    ZetPaarOnderbreking(5);
    PaarVervangen(map.path(), QStringLiteral("X"), "puzzel 2", "beeld 2");
    ZetPaarOnderbreking(2);
    PaarVervangen(map.path(), QStringLiteral("X"), "puzzel 3", "beeld 3");
    ZetPaarOnderbreking(0);
    QVERIFY(PaarHerstellen(map.path(), QStringLiteral("X")));
    QCOMPARE(Lees(dir.filePath(QStringLiteral("X.pzl"))), QByteArray("puzzel 2"));
    QCOMPARE(Lees(dir.filePath(QStringLiteral("X.bmp"))), QByteArray("beeld 2"));
}

// Settling touches only what a broken save leaves; a journal it did not
// write stops both the load and a save of that name instead of guessing.
void TestPuzzelbestand::herstelRaaktNiets()
{
    QTemporaryDir map;
    const QDir dir(map.path());
    const QStringList gewoon{QStringLiteral("Y.bmp"), QStringLiteral("Y.pzl"), QStringLiteral("Y.pzl.txt"),
                             QStringLiteral("nieuw.pzl"), QStringLiteral("oud.bmp")};  // sorted
    for (const QString& naam : gewoon)
        Schrijf(dir.filePath(naam), naam.toLatin1());
    Schrijf(dir.filePath(QStringLiteral("Z.pzl.nieuw.aBc123")), "restant van QSaveFile");
    MapHerstellen(map.path());
    QCOMPARE(Bestanden(dir), gewoon);

    Schrijf(dir.filePath(QStringLiteral("Y.bezig")), "iets anders\r\n");
    Schrijf(dir.filePath(QStringLiteral("Y.bmp.nieuw")), "nieuw?");
    QVERIFY(!PaarHerstellen(map.path(), QStringLiteral("Y")));
    QImage beeld(BordBreedte, BordHoogte, QImage::Format_RGB32);
    beeld.fill(Qt::red);
    QVERIFY(!PuzzelSchrijven(map.path(), QStringLiteral("Y"), Voorbeeld(), beeld).isEmpty());
    QCOMPARE(Lees(dir.filePath(QStringLiteral("Y.pzl"))), QByteArray("Y.pzl"));
    QCOMPARE(Lees(dir.filePath(QStringLiteral("Y.bmp"))), QByteArray("Y.bmp"));
    QCOMPARE(Lees(dir.filePath(QStringLiteral("Y.bmp.nieuw"))), QByteArray("nieuw?"));
}

QTEST_GUILESS_MAIN(TestPuzzelbestand)
#include "tst_puzzelbestand.moc"
