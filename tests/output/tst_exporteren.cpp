// The export command on a real board: the framed bitmap without letters, the
// page for the model's puzzle, the board on screen as it was, and files that
// cannot be written neither stopping the command nor leaving the board bare.
#include "Nepscherm.h"
#include "board/Bord.h"
#include "output/Exporteren.h"
#include "output/HtmlPagina.h"
#include "shell/Pauze.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Algemeen;

namespace {

// A puzzle of the given search word, every row filled with a short word
// whose first letter is the column's, drawn as the dialogs draw it.
void Puzzel(Pic& bord, const QString& zoekWoord)
{
    BeginWaarden();
    ZoekWoord = zoekWoord;
    bord.LeegBord();
    bord.TekenZoekWoord(ZoekWoord);
    for (int i = 1; i <= AantalRijen(); ++i) {
        PuzzelWoord[i] = ZoekWoord[i - 1] + QStringLiteral("AAS");
        BeginX[i] = BeginXVoor(1);
        Omschrijving[i] = QStringLiteral("Omschrijving %1").arg(i);
        bord.TekenRij(i);
    }
}

QByteArray Inhoud(const QString& pad)
{
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList Omschrijvingen()
{
    QStringList lijst;
    for (int i = 1; i <= AantalRijen(); ++i)
        lijst << Omschrijving[i];
    return lijst;
}

} // namespace

class TestExporteren : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void exporteert_data();
    void exporteert();
    void kortereNaLangere();
    void tweemaalGelijk();
    void nietTeSchrijven_data();
    void nietTeSchrijven();

private:
    std::unique_ptr<QTemporaryDir> map;
};

void TestExporteren::init()
{
    ZetPauzeFactor(0);
    map = std::make_unique<QTemporaryDir>();
    ZetProgrammamap(map->path());
    BeginWaarden();
}

void TestExporteren::exporteert_data()
{
    QTest::addColumn<QString>("zoekWoord");
    QTest::newRow("no puzzle yet") << QString();
    QTest::newRow("5 rows") << QStringLiteral("TAFEL");
    QTest::newRow("20 rows") << QStringLiteral("ABCDEFGHIJKLMNOPQRST");
}

void TestExporteren::exporteert()
{
    QFETCH(QString, zoekWoord);
    Nepscherm scherm;
    Pic& bord = scherm.Bord();
    if (!zoekWoord.isEmpty())
        Puzzel(bord, zoekWoord);
    const QImage voor = bord.Beeld();
    Tekenvlak zonderLetters = bord.Vlak();
    ::WisLetters(zonderLetters);

    HtmlExporteren(scherm);

    QCOMPARE(bord.Beeld(), voor);

    QImage bmp;
    QVERIFY(bmp.load(map->filePath(QStringLiteral("puzzel.bmp")), "BMP"));
    QCOMPARE(bmp.size(), QSize(503, 449));
    bmp = bmp.convertToFormat(QImage::Format_RGB32);
    const QRgb zwart = qRgb(0, 0, 0);
    for (int x = 0; x < 503; ++x) {
        QCOMPARE(bmp.pixel(x, 0), zwart);
        QCOMPARE(bmp.pixel(x, 448), zwart);
    }
    for (int y = 0; y < 449; ++y) {
        QCOMPARE(bmp.pixel(0, y), zwart);
        QCOMPARE(bmp.pixel(502, y), zwart);
    }
    const QRect binnen(1, 1, 501, 447);
    QCOMPARE(bmp.copy(binnen), zonderLetters.Beeld.copy(binnen));
    if (!zoekWoord.isEmpty())
        QVERIFY(bmp.copy(binnen) != voor.copy(binnen));  // the letters really are gone

    const QByteArray pagina = Inhoud(map->filePath(QStringLiteral("wendolo.htm")));
    QCOMPARE(pagina.count("\r\n"), 30 + zoekWoord.size());
    QCOMPARE(pagina, HtmlPagina(KopTekst, Omschrijvingen()));
}

void TestExporteren::kortereNaLangere()
{
    Nepscherm scherm;
    Puzzel(scherm.Bord(), QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
    HtmlExporteren(scherm);
    Puzzel(scherm.Bord(), QStringLiteral("TAFEL"));
    HtmlExporteren(scherm);
    const QByteArray pagina = Inhoud(map->filePath(QStringLiteral("wendolo.htm")));
    QCOMPARE(pagina.count("\r\n"), 35);
    QVERIFY(pagina.endsWith("</html>\r\n"));
    QVERIFY(!pagina.contains("Omschrijving 6"));
}

void TestExporteren::tweemaalGelijk()
{
    Nepscherm scherm;
    Puzzel(scherm.Bord(), QStringLiteral("TAFEL"));
    HtmlExporteren(scherm);
    const QByteArray pagina = Inhoud(map->filePath(QStringLiteral("wendolo.htm")));
    const QByteArray bmp = Inhoud(map->filePath(QStringLiteral("puzzel.bmp")));
    HtmlExporteren(scherm);
    QCOMPARE(Inhoud(map->filePath(QStringLiteral("wendolo.htm"))), pagina);
    QCOMPARE(Inhoud(map->filePath(QStringLiteral("puzzel.bmp"))), bmp);
}

// Folders in the place of the files fail the writes even for root.
void TestExporteren::nietTeSchrijven_data()
{
    QTest::addColumn<QString>("blokkade");
    QTest::addColumn<bool>("paginaVerwacht");
    QTest::addColumn<bool>("bmpVerwacht");
    QTest::newRow("bitmap") << QStringLiteral("puzzel.bmp") << true << false;
    QTest::newRow("page") << QStringLiteral("wendolo.htm") << false << true;
    QTest::newRow("program folder gone") << QString() << false << false;
}

void TestExporteren::nietTeSchrijven()
{
    QFETCH(QString, blokkade);
    QFETCH(bool, paginaVerwacht);
    QFETCH(bool, bmpVerwacht);
    if (blokkade.isEmpty())
        ZetProgrammamap(map->filePath(QStringLiteral("weg")));
    else
        QVERIFY(QDir(map->path()).mkdir(blokkade));

    Nepscherm scherm;
    Puzzel(scherm.Bord(), QStringLiteral("TAFEL"));
    const QImage voor = scherm.Bord().Beeld();
    HtmlExporteren(scherm);

    QCOMPARE(scherm.Bord().Beeld(), voor);
    QCOMPARE(QFileInfo(map->filePath(QStringLiteral("wendolo.htm"))).isFile(), paginaVerwacht);
    QCOMPARE(QFileInfo(map->filePath(QStringLiteral("puzzel.bmp"))).isFile(), bmpVerwacht);
}

QTEST_MAIN(TestExporteren)
#include "tst_exporteren.moc"
