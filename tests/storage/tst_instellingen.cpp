// The settings file: default bytes, the field-by-field merge of a damaged
// file and its repair, and a file that can be neither read nor written.
#include "storage/Heelbestand.h"
#include "storage/Instellingen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace Algemeen;

namespace {

const QByteArray NaEersteKleur = "220,220,240\r\n255,255,255\r\n\"Puzzelpagina\"\r\n";
const QByteArray Standaard = "\"Wendolo trappuzzel - versie 1.0\"\r\n230,230,220\r\n" + NaEersteKleur;

QByteArray Lees(const QString& pad) { return LeesBegin(pad, 1 << 20).value_or("<missing>"); }

} // namespace

class TestInstellingen : public QObject
{
    Q_OBJECT
private slots:
    void init() { BeginWaarden(); }
    void lezen_data();
    void lezen();
    void overEenHerstart();
};

void TestInstellingen::lezen_data()
{
    // "<none>": no file; "<folder>", "<pipe>": a folder or a named pipe in its place
    QTest::addColumn<QByteArray>("bestand");
    QTest::addColumn<QByteArray>("geheugen"); // the settings in memory afterwards, as a file would hold them
    QTest::addColumn<QByteArray>("daarna");   // the file after the read; empty: as geheugen
    const auto rij = [](const char* naam, const QByteArray& bestand, const QByteArray& geheugen,
                        const QByteArray& daarna = {}) { QTest::newRow(naam) << bestand << geheugen << daarna; };
    const QByteArray eigen = "\"Mijn banner\"\r\n1,2,3\r\n4,5,6\r\n7,8,9\r\n\"Kop\"\r\n";

    rij("no file", "<none>", Standaard);
    rij("empty file", "", Standaard);
    rij("folder: neither read nor written", "<folder>", Standaard, "<missing>");
    rij("named pipe: not waited on, replaced", "<pipe>", Standaard);
    // A banner no record could hold would make every later write fail.
    rij("quote in an unquoted banner", "ban\"ner\r\n1,2,3\r\n4,5,6\r\n7,8,9\r\n\"Kop\"\r\n", Standaard);
    rij("complete", eigen, eigen);
    rij("ends after the first colour", "\"Mijn banner\"\r\n1,2,3\r\n", "\"Mijn banner\"\r\n1,2,3\r\n" + NaEersteKleur);
    rij("blue 256: red and green before it stay", "\"B\"\r\n1,2,3\r\n40,50,256\r\n7,8,9\r\n\"Kop\"\r\n",
        "\"B\"\r\n1,2,3\r\n40,50,240\r\n255,255,255\r\n\"Puzzelpagina\"\r\n");
    // Clamped values are a good read: the file is not rewritten.
    rij("red and green clamped", "\"B\"\r\n999,-4,3\r\n4,5,6\r\n7,8,9\r\n\"Kop\"\r\n",
        "\"B\"\r\n255,0,3\r\n4,5,6\r\n7,8,9\r\n\"Kop\"\r\n", "\"B\"\r\n999,-4,3\r\n4,5,6\r\n7,8,9\r\n\"Kop\"\r\n");
    rij("cut inside the header", "\"B\"\r\n1,2,3\r\n4,5,6\r\n7,8,9\r\n\"Puz",
        "\"B\"\r\n1,2,3\r\n4,5,6\r\n7,8,9\r\n\"Puzzelpagina\"\r\n");
    rij("not a number", "\"B\"\r\nrood,2,3\r\n", "\"B\"\r\n230,230,220\r\n" + NaEersteKleur);
}

void TestInstellingen::lezen()
{
    QFETCH(QByteArray, bestand);
    QFETCH(QByteArray, geheugen);
    QFETCH(QByteArray, daarna);
    QTemporaryDir map;
    const QString pad = map.filePath(QStringLiteral("Wendolo.ini"));
    if (bestand == "<folder>") {
        QVERIFY(QDir().mkdir(pad));
    } else if (bestand == "<pipe>") {
        QCOMPARE(mkfifo(QFile::encodeName(pad).constData(), 0600), 0);
    } else if (bestand != "<none>") {
        QFile f(pad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bestand);
    }
    InstellingenLezen(pad);
    QCOMPARE(InstellingenBytes(HuidigeInstellingen()), geheugen);
    QCOMPARE(Lees(pad), daarna.isEmpty() ? geheugen : daarna);
    if (bestand == "<folder>")
        QVERIFY(!InstellingenSchrijven(pad));
}

void TestInstellingen::overEenHerstart()
{
    QTemporaryDir map;
    const QString pad = map.filePath(QStringLiteral("Wendolo.ini"));
    KleurPuzzelWoord = {10, 20, 30};
    KopTekst = QStringLiteral("Café – 1€");  // written in the Windows code page
    QVERIFY(InstellingenSchrijven(pad));
    QCOMPARE(Lees(pad), QByteArray("\"Wendolo trappuzzel - versie 1.0\"\r\n230,230,220\r\n220,220,240\r\n10,20,30\r\n"
                                   "\"Caf\xE9 \x96 1\x80\"\r\n"));
    BeginWaarden();
    InstellingenLezen(pad);
    QCOMPARE(KleurPuzzelWoord, (Kleur{10, 20, 30}));
    QCOMPARE(KopTekst, QStringLiteral("Café – 1€"));
    QVERIFY(!InstellingenSchrijven(map.filePath(QStringLiteral("weg/Wendolo.ini"))));
}

QTEST_GUILESS_MAIN(TestInstellingen)
#include "tst_instellingen.moc"
