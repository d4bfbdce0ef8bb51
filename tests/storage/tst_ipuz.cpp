// The ipuz file and opening a puzzle by its path: a puzzle we export comes
// back byte for byte, a file of any other shape is refused with a reason,
// and a puzzle whose picture is lost still opens with its board drawn.
#include "storage/Heelbestand.h"
#include "storage/Ipuz.h"
#include "storage/Puzzelopenen.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Algemeen;

namespace {

const QByteArray Hoofd = "\"Wendolo trappuzzel - versie 1.0\"\r\n230,230,220\r\n220,220,240\r\n255,255,255\r\n";
const QByteArray LegeRij = "0,\"\",\"\"\r\n";
// Mixed case, empty rows, rows left and right of the column, touching rows.
const QByteArray Appel = Hoofd + "\"Appel\"\r\n240,\"Ananas\",\"Vrucht\"\r\n152,\"stoep\",\"Rand\"\r\n196,\"kiPPen\",\"Eieren\"\r\n"
                         + LegeRij + "218,\"plein\",\"\"\r\n";

Puzzel Lees(const QByteArray& pzl) { return PuzzelUitBytes(pzl).value(); }

// The export of Appel with one change made to its JSON.
QByteArray Veranderd(const std::function<void(QJsonObject&)>& verander)
{
    QJsonObject o = QJsonDocument::fromJson(IpuzBytes(Lees(Appel), QStringLiteral("t"))).object();
    verander(o);
    return QJsonDocument(o).toJson();
}

// The export of Appel with one member set to v.
QByteArray Met(const char* sleutel, const QJsonValue& v)
{
    return Veranderd([&](QJsonObject& o) { o[QLatin1StringView(sleutel)] = v; });
}

void ZetVak(QJsonObject& o, const char* rooster, int rij, int kolom, const QJsonValue& v)
{
    QJsonArray r = o[QLatin1StringView(rooster)].toArray();
    QJsonArray vakken = r[rij].toArray();
    vakken[kolom] = v;
    r[rij] = vakken;
    o[QLatin1StringView(rooster)] = r;
}

} // namespace

class TestIpuz : public QObject
{
    Q_OBJECT
private slots:
    void init() { BeginWaarden(); }

    // Export, import, write: the same bytes; without our own field the
    // grid alone gives the same staircase.
    void rondgang()
    {
        const QByteArray puzzels[] = {
            Appel,
            // twenty rows, widest rows, Windows-1252
            Hoofd + "\"ABCDEFGHIJKLMNOPQRST\"\r\n" + LegeRij.repeated(17)
                + "20,\"ABCDEFGHIJRKLMNOPQRST\",\"\xCB\xE9n\"\r\n" + "240,\"SABCDEFGHIJ\",\"twee\"\r\n218,\"ATZ\",\"drie\"\r\n",
            // own banner and colours, nothing filled
            "\"Mijn kop\"\r\n1,2,3\r\n4,5,6\r\n7,8,9\r\n\"water\"\r\n" + LegeRij.repeated(5),
        };
        for (const QByteArray& pzl : puzzels) {
            const QByteArray ipuz = IpuzBytes(Lees(pzl), QStringLiteral("Puzzelpagina"));
            QString fout;
            const auto terug = PuzzelUitIpuz(ipuz, fout);
            QVERIFY2(terug, qPrintable(fout));
            QCOMPARE(PuzzelBytes(*terug), pzl);

            QJsonObject o = QJsonDocument::fromJson(ipuz).object();
            o.remove(QStringLiteral("nl.wendolo:trappuzzel"));
            const auto kaal = PuzzelUitIpuz(QJsonDocument(o).toJson(), fout);
            QVERIFY2(kaal, qPrintable(fout));
            QCOMPARE(kaal->ZoekWoord, Hoofdletters(terug->ZoekWoord));
            for (int i = 1; i <= MaxRijen; ++i) {
                QCOMPARE(kaal->PuzzelWoord[i], Hoofdletters(terug->PuzzelWoord[i]));
                QCOMPARE(kaal->BeginX[i], terug->BeginX[i]);
                QCOMPARE(kaal->Omschrijving[i], terug->PuzzelWoord[i].isEmpty() ? QString() : terug->Omschrijving[i]);
            }
        }
    }

    void geweigerd_data()
    {
        QTest::addColumn<QByteArray>("ipuz");
        QTest::addColumn<QString>("reden");  // a part of the message
        QTest::newRow("1 MB of garbage") << QByteArray(MaxIpuzBestand + 1, '\x9f') << "groter";
        QTest::newRow("garbage") << QByteArray("\x01\xff{{{", 5) << "JSON";
        QTest::newRow("deep nesting") << QByteArray(5000, '[') << "JSON";
        QTest::newRow("array") << QByteArray("[]") << "JSON-object";
        QTest::newRow("huge dimensions") << Met("dimensions", QJsonObject{{"width", 1e9}, {"height", 1e9}})
                                         << "hoogstens";
        QTest::newRow("dimensions a text") << Met("dimensions", "5x5") << "hoogstens";
        QTest::newRow("grid a text") << Met("puzzle", "x") << "rijen";
        QTest::newRow("row too short") << Veranderd([](QJsonObject& o) {
            QJsonArray r = o[QStringLiteral("solution")].toArray();
            r[0] = QJsonArray();
            o[QStringLiteral("solution")] = r;
        }) << "breed";
        QTest::newRow("cell an array") << Veranderd([](QJsonObject& o) { ZetVak(o, "puzzle", 0, 4, QJsonArray{1}); }) << "geen getal";
        QTest::newRow("solution a number") << Veranderd([](QJsonObject& o) { ZetVak(o, "solution", 0, 4, 7); }) << "één letter";
        QTest::newRow("two words in a row") << Veranderd([](QJsonObject& o) { ZetVak(o, "puzzle", 0, 5, QJsonValue::Null); }) << "twee woorden";
        QTest::newRow("empty row") << Veranderd([](QJsonObject& o) { ZetVak(o, "puzzle", 3, 4, QJsonValue::Null); }) << "geen enkel vak";
        QTest::newRow("no column through all rows") << Veranderd([](QJsonObject& o) {
            ZetVak(o, "puzzle", 3, 4, QJsonValue::Null);
            ZetVak(o, "puzzle", 3, 5, 0);
            ZetVak(o, "solution", 3, 5, QStringLiteral("X"));
        }) << "Geen kolom";
        QTest::newRow("clues a list") << Met("clues", QJsonArray()) << "object";
        QTest::newRow("clue without text")
            << Met("clues", QJsonObject{{"Across", QJsonArray{QJsonObject{{"number", 1}}}}}) << "geen tekst";
        QTest::newRow("own field disagrees") << Veranderd([](QJsonObject& o) {
            QJsonObject e = o[QStringLiteral("nl.wendolo:trappuzzel")].toObject();
            e[QStringLiteral("zoekwoord")] = QStringLiteral("Appes");
            o[QStringLiteral("nl.wendolo:trappuzzel")] = e;
        }) << "passen niet";
        QTest::newRow("own field a number") << Met("nl.wendolo:trappuzzel", 3) << "passen niet";
        QTest::newRow("double quote in a clue") << Veranderd([](QJsonObject& o) {
            o.remove(QStringLiteral("nl.wendolo:trappuzzel"));
            o[QStringLiteral("clues")] = QJsonObject{{QStringLiteral("Across"), QJsonArray{QJsonArray{1, QStringLiteral("\"")}}}};
        }) << "aanhalingsteken";
    }
    void geweigerd()
    {
        QFETCH(QByteArray, ipuz);
        QFETCH(QString, reden);
        QString fout;
        QVERIFY(!PuzzelUitIpuz(ipuz, fout));
        QVERIFY2(fout.contains(QRegularExpression(reden)), qPrintable(fout));
    }

    // A missing or damaged picture: the board drawn anew, the model untouched.
    void openen()
    {
        QTemporaryDir dir;
        const auto pad = [&](const char* naam) { return dir.filePath(QLatin1StringView(naam)); };
        const Puzzel appel = Lees(Appel);
        QImage beeld(BordBreedte, BordHoogte, QImage::Format_RGB32);
        beeld.fill(Qt::red);
        QCOMPARE(PuzzelSchrijven(dir.path(), QStringLiteral("appel"), appel, beeld), QString());
        const Geladen paar = PuzzelOpenen(pad("appel.pzl"));
        QCOMPARE(paar.fout, QString());
        QCOMPARE(paar.beeld, beeld);

        const Puzzel voor = HuidigePuzzel();
        const QImage getekend = GetekendBord(appel);
        QVERIFY(getekend != beeld);
        QCOMPARE(HuidigePuzzel(), voor);
        QVERIFY(SchrijfHeel(pad("appel.bmp"), QByteArray("BM kapot")));
        QCOMPARE(PuzzelOpenen(pad("appel.pzl")).beeld, getekend);
        QVERIFY(QFile::remove(pad("appel.bmp")));
        const Geladen zonder = PuzzelOpenen(pad("appel.pzl"));
        QCOMPARE(zonder.puzzel, appel);
        QCOMPARE(zonder.beeld, getekend);
    }
};

QTEST_MAIN(TestIpuz)
#include "tst_ipuz.moc"
