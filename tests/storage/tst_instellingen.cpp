// The settings file: default bytes, the field-by-field merge of a damaged
// file and its repair, and a file that can be neither read nor written.
#include "storage/Instellingen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Algemeen;

namespace {

const QByteArray Standaard = "\"Wendolo trappuzzel - versie 1.0\"\r\n230,230,220\r\n220,220,240\r\n255,255,255\r\n"
                             "\"Puzzelpagina\"\r\n";

QByteArray Lees(const QString& pad)
{
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

Q_DECLARE_METATYPE(Kleur)

class TestInstellingen : public QObject
{
    Q_OBJECT
private slots:
    void init() { BeginWaarden(); }
    void lezen_data();
    void lezen();
    void nietTeSchrijven();
    void overEenHerstart();
};

void TestInstellingen::lezen_data()
{
    QTest::addColumn<QByteArray>("bestand");  // "<none>": no file at all
    QTest::addColumn<Kleur>("veld");
    QTest::addColumn<Kleur>("zoekWoord");
    QTest::addColumn<QString>("kop");
    QTest::addColumn<QByteArray>("daarna");   // the file after the read
    const Kleur v = StandaardKleurVeld, z = StandaardKleurZoekWoord;
    const QString kop = StandaardKopTekst;

    QTest::newRow("no file") << QByteArray("<none>") << v << z << kop << Standaard;
    QTest::newRow("empty file") << QByteArray() << v << z << kop << Standaard;
    const QByteArray eigen = "\"Mijn banner\"\r\n1,2,3\r\n4,5,6\r\n7,8,9\r\n\"Kop\"\r\n";
    QTest::newRow("complete") << eigen << Kleur{1, 2, 3} << Kleur{4, 5, 6} << QStringLiteral("Kop") << eigen;
    QTest::newRow("ends after the first colour")
        << QByteArray("\"Mijn banner\"\r\n1,2,3\r\n") << Kleur{1, 2, 3} << z << kop
        << QByteArray("\"Mijn banner\"\r\n1,2,3\r\n220,220,240\r\n255,255,255\r\n\"Puzzelpagina\"\r\n");
    QTest::newRow("blue 256: red and green before it stay")
        << QByteArray("\"B\"\r\n1,2,3\r\n40,50,256\r\n7,8,9\r\n\"Kop\"\r\n") << Kleur{1, 2, 3} << Kleur{40, 50, 240}
        << kop << QByteArray("\"B\"\r\n1,2,3\r\n40,50,240\r\n255,255,255\r\n\"Puzzelpagina\"\r\n");
    QTest::newRow("red and green clamped")
        << QByteArray("\"B\"\r\n999,-4,3\r\n4,5,6\r\n7,8,9\r\n\"Kop\"\r\n") << Kleur{255, 0, 3} << Kleur{4, 5, 6}
        << QStringLiteral("Kop") << QByteArray("\"B\"\r\n999,-4,3\r\n4,5,6\r\n7,8,9\r\n\"Kop\"\r\n");
    QTest::newRow("cut inside the header")
        << QByteArray("\"B\"\r\n1,2,3\r\n4,5,6\r\n7,8,9\r\n\"Puz") << Kleur{1, 2, 3} << Kleur{4, 5, 6} << kop
        << QByteArray("\"B\"\r\n1,2,3\r\n4,5,6\r\n7,8,9\r\n\"Puzzelpagina\"\r\n");
    QTest::newRow("not a number") << QByteArray("\"B\"\r\nrood,2,3\r\n") << v << z << kop
                                  << QByteArray("\"B\"\r\n230,230,220\r\n220,220,240\r\n255,255,255\r\n\"Puzzelpagina\"\r\n");
}

void TestInstellingen::lezen()
{
    QFETCH(QByteArray, bestand);
    QFETCH(Kleur, veld);
    QFETCH(Kleur, zoekWoord);
    QFETCH(QString, kop);
    QFETCH(QByteArray, daarna);
    QTemporaryDir map;
    const QString pad = map.filePath(QStringLiteral("Wendolo.ini"));
    if (bestand != "<none>") {
        QFile f(pad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bestand);
    }
    InstellingenLezen(pad);
    QCOMPARE(KleurVeld, veld);
    QCOMPARE(KleurZoekWoord, zoekWoord);
    QCOMPARE(KopTekst, kop);
    QCOMPARE(Lees(pad), daarna);
}

void TestInstellingen::nietTeSchrijven()
{
    QTemporaryDir map;
    // A folder where the file should be: it can be neither read nor written.
    const QString pad = map.filePath(QStringLiteral("Wendolo.ini"));
    QVERIFY(QDir().mkdir(pad));
    InstellingenLezen(pad);
    QCOMPARE(HuidigeInstellingen(), (Instellingen{StandaardBannerTekst, StandaardKleurVeld, StandaardKleurZoekWoord,
                                                  StandaardKleurPuzzelWoord, StandaardKopTekst}));
    QVERIFY(!InstellingenSchrijven(pad));
    QVERIFY(!InstellingenSchrijven(map.filePath(QStringLiteral("weg/Wendolo.ini"))));
}

void TestInstellingen::overEenHerstart()
{
    QTemporaryDir map;
    const QString pad = map.filePath(QStringLiteral("Wendolo.ini"));
    InstellingenLezen(pad);
    QCOMPARE(Lees(pad), Standaard);
    KleurPuzzelWoord = {10, 20, 30};
    KopTekst = QStringLiteral("Café – 1€");
    QVERIFY(InstellingenSchrijven(pad));
    QVERIFY(Lees(pad).contains("\"Caf\xE9 \x96 1\x80\"\r\n"));
    BeginWaarden();
    InstellingenLezen(pad);
    QCOMPARE(KleurPuzzelWoord, (Kleur{10, 20, 30}));
    QCOMPARE(KopTekst, QStringLiteral("Café – 1€"));
}

QTEST_GUILESS_MAIN(TestInstellingen)
#include "tst_instellingen.moc"
