// The export command on a real board: the framed bitmap without letters, the
// page for the model's puzzle in the program's 8-bit character set, the board
// on screen as it was, and files that cannot be written neither stopping the
// command nor leaving the board bare.
#include "Nepscherm.h"
#include "board/Bord.h"
#include "output/Exporteren.h"
#include "shell/Naad.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using namespace Algemeen;

namespace {

// A puzzle whose texts need the 8-bit character set and carry markup.
void Puzzel(Nepscherm& scherm, const QString& zoekWoord)
{
    BeginWaarden();
    KopTekst = QStringLiteral("Caf\u00e9 & <i>co</i>");
    scherm.Ontwerp(zoekWoord);
    for (int i = 1; i <= AantalRijen(); ++i)
        Omschrijving[i] = QStringLiteral("Cr\u00e8me <b>%1</b>").arg(i);
}

} // namespace

class TestExporteren : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> map;

private slots:
    void init()
    {
        Naad.PauzeFactor = 0;
        map = std::make_unique<QTemporaryDir>();
        Naad.Programmamap = map->path();
        BeginWaarden();
    }
    void cleanup() { Naad = {}; }

    void exporteert_data()
    {
        QTest::addColumn<QString>("eerder");
        QTest::addColumn<QString>("zoekWoord");
        QTest::addColumn<QString>("blokkade");
        QTest::addColumn<bool>("bmpDa");
        QTest::addColumn<bool>("paginaDa");
        const QString vijf = QStringLiteral("TAFEL"), twintig = QStringLiteral("ABCDEFGHIJKLMNOPQRST");
        QTest::newRow("no puzzle yet") << QString() << QString() << QString() << true << true;
        // The first export must leave no state behind that spoils the second.
        QTest::newRow("20 rows, then 5") << twintig << vijf << QString() << true << true;
        QTest::newRow("5 rows, then 20") << vijf << twintig << QString() << true << true;
        // Folders in the place of the files fail the writes even for root; a
        // name ending in a slash is a program folder that is not there.
        // Neither replaces its old file until both are written whole.
        QTest::newRow("bitmap blocked") << QString() << vijf << QStringLiteral("puzzel.bmp") << false << false;
        QTest::newRow("page blocked") << QString() << vijf << QStringLiteral("wendolo.htm") << true << false;
        QTest::newRow("program folder gone") << QString() << vijf << QStringLiteral("weg/") << false << false;
    }
    void exporteert()
    {
        QFETCH(QString, eerder);
        QFETCH(QString, zoekWoord);
        QFETCH(QString, blokkade);
        QFETCH(bool, bmpDa);
        QFETCH(bool, paginaDa);
        Nepscherm scherm;
        Pic& bord = scherm.Bord();
        if (!eerder.isEmpty()) {
            Puzzel(scherm, eerder);
            HtmlExporteren(scherm);
        }
        Puzzel(scherm, zoekWoord);
        if (blokkade.endsWith(u'/'))
            Naad.Programmamap = map->filePath(blokkade);
        else if (!blokkade.isEmpty())
            QVERIFY(QDir(map->path()).mkdir(blokkade));
        const QImage voor = bord.Beeld();
        Tekenvlak zonderLetters = bord.Vlak();
        ::WisLetters(zonderLetters);

        QStringList meldingen;
        Naad.Melding = [&](const Meldingen::Melding& m) {
            meldingen << m.tekst;
            return Meldingen::Antwoord::Ok;
        };
        HtmlExporteren(scherm);

        QCOMPARE(bord.Beeld(), voor);
        // A failure names the file, with its whole path, and nothing is opened.
        const QString mislukt = !bmpDa ? QStringLiteral("puzzel.bmp") : !paginaDa ? QStringLiteral("wendolo.htm") : QString();
        QCOMPARE(meldingen.size(), mislukt.isEmpty() ? 0 : 1);
        if (!mislukt.isEmpty())
            QVERIFY(meldingen.front().endsWith(QStringLiteral("/") + mislukt + QStringLiteral(" kon niet worden geschreven.")));
        QCOMPARE(QDir(map->path()).entryList({QStringLiteral("*.nieuw*")}, QDir::Files), QStringList());
        QImage bmp;
        QCOMPARE(bmp.load(map->filePath(QStringLiteral("puzzel.bmp")), "BMP"), bmpDa);
        if (bmpDa) {
            // A one-pixel black frame around the board without its letters.
            QImage verwacht(503, 449, QImage::Format_RGB32);
            verwacht.fill(Qt::black);
            QPainter(&verwacht).drawImage(1, 1, zonderLetters.Beeld, 1, 1, 501, 447);
            QCOMPARE(bmp.convertToFormat(QImage::Format_RGB32), verwacht);
        }
        if (!zoekWoord.isEmpty())  // the letters really are gone
            QVERIFY(zonderLetters.Beeld.copy(1, 1, 501, 447) != voor.copy(1, 1, 501, 447));

        // The texts go in unescaped, in Windows-1252; the clues numbered from
        // 1 without blanks before the numbers; CR LF after every line.
        QFile pagina(map->filePath(QStringLiteral("wendolo.htm")));
        QCOMPARE(pagina.open(QIODevice::ReadOnly), paginaDa);
        const QByteArray html = pagina.readAll();
        if (!paginaDa)
            return;
        QVERIFY(html.startsWith("<html>\r\n") && html.endsWith("</html>\r\n") && !QByteArray(html).replace("\r\n", "").contains('\n'));
        QVERIFY(html.contains("<center><SPAN class=kop><b>Caf\xe9 & <i>co</i></b></SPAN></center><P>"));
        QVERIFY(html.contains("<img src=\"puzzel.bmp\" width=\"503\" height=\"449\">"));
        QCOMPARE(html.count("<SPAN class=tekst>"), zoekWoord.size() + 2);
        for (int i = 1; i <= zoekWoord.size(); ++i)
            QVERIFY(html.contains("  <SPAN class=tekst>" + QByteArray::number(i) + ". Cr\xe8me <b>" + QByteArray::number(i)
                                  + "</b></SPAN><br>"));
        QVERIFY(html.contains("<SPAN class=tekst>" + QByteArray(50, '.') + "</SPAN>"));
    }
};

QTEST_MAIN(TestExporteren)
#include "tst_exporteren.moc"
