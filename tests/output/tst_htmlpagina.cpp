// The exported page's bytes: the whole page for a small puzzle, the clue
// lines' numbering up to 20 rows, the page before any puzzle, and texts that
// go in unescaped in the program's 8-bit character set.
#include "output/HtmlPagina.h"

#include <QtTest>

namespace {

// The fixed part of the page before the clue lines and after them.
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
    "<body bgcolor=\"#EEEEFF\">\r\n";
const char* Tabel =
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
    void pagina_data();
    void pagina();
    void twintigRijen();
};

void TestHtmlPagina::pagina_data()
{
    QTest::addColumn<QString>("kop");
    QTest::addColumn<QStringList>("omschrijvingen");
    QTest::addColumn<QByteArray>("clues");
    QTest::addColumn<QByteArray>("koptekst");

    QTest::newRow("no puzzle yet") << QStringLiteral("Puzzelpagina") << QStringList()
                                   << QByteArray() << QByteArray("Puzzelpagina");
    QTest::newRow("five rows, one empty, accents and markup")
        << QStringLiteral("Caf\u00e9 & <i>co</i>")
        << QStringList{QStringLiteral("Zitmeubel"), QString(), QStringLiteral("Cr\u00e8me br\u00fbl\u00e9e"),
                       QStringLiteral("<b>vet</b> & \"zo\""), QStringLiteral("Vrucht")}
        << QByteArray("  <SPAN class=tekst>1. Zitmeubel</SPAN><br>\r\n"
                      "  <SPAN class=tekst>2. </SPAN><br>\r\n"
                      "  <SPAN class=tekst>3. Cr\xe8me br\xfbl\xe9" "e</SPAN><br>\r\n"
                      "  <SPAN class=tekst>4. <b>vet</b> & \"zo\"</SPAN><br>\r\n"
                      "  <SPAN class=tekst>5. Vrucht</SPAN><br>\r\n")
        << QByteArray("Caf\xe9 & <i>co</i>");
}

void TestHtmlPagina::pagina()
{
    QFETCH(QString, kop);
    QFETCH(QStringList, omschrijvingen);
    QFETCH(QByteArray, clues);
    QFETCH(QByteArray, koptekst);

    const QByteArray verwacht = QByteArray(Kop) + "<center><SPAN class=kop><b>" + koptekst
                                + "</b></SPAN></center><P>\r\n" + Tabel + clues + Staart;
    const QByteArray pagina = HtmlPagina(kop, omschrijvingen);
    QCOMPARE(pagina, verwacht);
    QCOMPARE(pagina.count("\r\n"), 30 + omschrijvingen.size());
    QCOMPARE(pagina.count('\n'), pagina.count("\r\n"));
}

void TestHtmlPagina::twintigRijen()
{
    QStringList omschrijvingen;
    for (int i = 1; i <= 20; ++i)
        omschrijvingen << QStringLiteral("Omschrijving %1").arg(i);
    const QList<QByteArray> regels = HtmlPagina(QStringLiteral("Kop"), omschrijvingen).split('\n');
    // 50 lines, each ending in CR LF, so the split leaves one empty piece.
    QCOMPARE(regels.size(), 51);
    QCOMPARE(regels.last(), QByteArray());
    QCOMPARE(regels[21], QByteArray("  <SPAN class=tekst>1. Omschrijving 1</SPAN><br>\r"));
    QCOMPARE(regels[29], QByteArray("  <SPAN class=tekst>9. Omschrijving 9</SPAN><br>\r"));
    QCOMPARE(regels[30], QByteArray("  <SPAN class=tekst>10. Omschrijving 10</SPAN><br>\r"));
    QCOMPARE(regels[40], QByteArray("  <SPAN class=tekst>20. Omschrijving 20</SPAN><br>\r"));
    QCOMPARE(regels[41], QByteArray("  <P>\r"));
    QCOMPARE(regels[49], QByteArray("</html>\r"));
}

QTEST_GUILESS_MAIN(TestHtmlPagina)
#include "tst_htmlpagina.moc"
