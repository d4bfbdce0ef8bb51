// The exported page, byte for byte: before any puzzle, up to 20 clue lines,
// and texts that go in unescaped in the program's 8-bit character set.
#include "output/HtmlPagina.h"

#include <QtTest>

namespace {

// The fixed parts of the page around the header text and the clue lines.
const char* Kop =
    "<html>\r\n"
    "<head>\r\n"
    "<title>Wendolo</title>\r\n"
    "<meta name=\"generator\" content=\"Created by Vormfix\">\r\n"
    "\r\n"
    "<style>\r\n"
    "<!--\r\n"
    "SPAN.kop {color:#440000;font-size:14pt;font-family: \"arial\",\"helvetica\";}\r\n"
    "SPAN.tekst {color:#222222;font-size:10pt;font-family: \"arial\",\"helvetica\";}\r\n"
    "SPAN.groen {color:#004400;font-size:10pt;font-family: \"arial\",\"helvetica\";}\r\n"
    "SPAN.grijs {color:#888888;font-size:10pt;font-family: \"arial\",\"helvetica\";}\r\n"
    "SPAN.rood {color:#880000;font-size:10pt;font-family: \"arial\",\"helvetica\";}\r\n"
    "//-->\r\n"
    "</style>\r\n"
    "\r\n"
    "<body bgcolor=\"#EEEEFF\">\r\n"
    "<center><SPAN class=kop><b>";
const char* Tabel =
    "</b></SPAN></center><P>\r\n"
    "<table border=\"0\" cellpadding=\"5\" cellspacing=\"5\">\r\n"
    "<tr>\r\n"
    "  <td><img src=\"puzzel.bmp\" width=\"503\" height=\"449\"></td>\r\n"
    "  <td valign=\"top\">\r\n";
const char* Staart =
    "  <P>\r\n"
    "  <SPAN class=tekst><b>Vul hieronder het juiste antwoord in...</b></SPAN><P>\r\n"
    "  <SPAN class=tekst>..................................................</SPAN><P>\r\n"
    "  </td>\r\n"
    "</tr>\r\n"
    "</table>\r\n"
    "\r\n"
    "</body>\r\n"
    "</html>\r\n";

} // namespace

class TestHtmlPagina : public QObject
{
    Q_OBJECT
private slots:
    void pagina_data()
    {
        QTest::addColumn<QString>("kop");
        QTest::addColumn<QByteArray>("koptekst");
        QTest::addColumn<QStringList>("omschrijvingen");
        QTest::addColumn<QByteArray>("clues");
        QTest::newRow("no puzzle yet") << QStringLiteral("Puzzelpagina") << QByteArray("Puzzelpagina")
                                       << QStringList() << QByteArray();
        QTest::newRow("five rows, one empty, accents and markup")
            << QStringLiteral("Caf\u00e9 & <i>co</i>") << QByteArray("Caf\xe9 & <i>co</i>")
            << QStringList{QStringLiteral("Zitmeubel"), QString(), QStringLiteral("Cr\u00e8me br\u00fbl\u00e9e"),
                           QStringLiteral("<b>vet</b> & \"zo\""), QStringLiteral("Vrucht")}
            << QByteArray("  <SPAN class=tekst>1. Zitmeubel</SPAN><br>\r\n"
                          "  <SPAN class=tekst>2. </SPAN><br>\r\n"
                          "  <SPAN class=tekst>3. Cr\xe8me br\xfbl\xe9" "e</SPAN><br>\r\n"
                          "  <SPAN class=tekst>4. <b>vet</b> & \"zo\"</SPAN><br>\r\n"
                          "  <SPAN class=tekst>5. Vrucht</SPAN><br>\r\n");
        // No blanks before the numbers, unlike on the printed page.
        QStringList twintig;
        QByteArray clues;
        for (int i = 1; i <= 20; ++i) {
            twintig << QStringLiteral("Omschrijving %1").arg(i);
            clues += "  <SPAN class=tekst>" + QByteArray::number(i) + ". Omschrijving " + QByteArray::number(i)
                     + "</SPAN><br>\r\n";
        }
        QTest::newRow("20 rows") << QStringLiteral("Kop") << QByteArray("Kop") << twintig << clues;
    }
    void pagina()
    {
        QFETCH(QString, kop);
        QFETCH(QByteArray, koptekst);
        QFETCH(QStringList, omschrijvingen);
        QFETCH(QByteArray, clues);
        QCOMPARE(HtmlPagina(kop, omschrijvingen), Kop + koptekst + Tabel + clues + Staart);
    }
};

QTEST_GUILESS_MAIN(TestHtmlPagina)
#include "tst_htmlpagina.moc"
