// The exported web page, line by line.
#include "output/HtmlPagina.h"

#include "storage/Ansi.h"

QByteArray HtmlPagina(const QString& kopTekst, const QStringList& omschrijvingen)
{
    QStringList regels = {
        QStringLiteral("<html>"),
        QStringLiteral("<head>"),
        QStringLiteral("<title>Wendolo</title>"),
        QStringLiteral("<meta name=\"generator\" content=\"Created by Vormfix\">"),
        QString(),
        QStringLiteral("<style>"),
        QStringLiteral("<!--"),
        QStringLiteral("SPAN.kop {color:#440000;font-size:14pt;font-family: \"arial\",\"helvetica\";}"),
        QStringLiteral("SPAN.tekst {color:#222222;font-size:10pt;font-family: \"arial\",\"helvetica\";}"),
        QStringLiteral("SPAN.groen {color:#004400;font-size:10pt;font-family: \"arial\",\"helvetica\";}"),
        QStringLiteral("SPAN.grijs {color:#888888;font-size:10pt;font-family: \"arial\",\"helvetica\";}"),
        QStringLiteral("SPAN.rood {color:#880000;font-size:10pt;font-family: \"arial\",\"helvetica\";}"),
        QStringLiteral("//-->"),
        QStringLiteral("</style>"),
        QString(),
        QStringLiteral("<body bgcolor=\"#EEEEFF\">"),
        QStringLiteral("<center><SPAN class=kop><b>") + kopTekst + QStringLiteral("</b></SPAN></center><P>"),
        QStringLiteral("<table border=\"0\" cellpadding=\"5\" cellspacing=\"5\">"),
        QStringLiteral("<tr>"),
        QStringLiteral("  <td><img src=\"puzzel.bmp\" width=\"503\" height=\"449\"></td>"),
        QStringLiteral("  <td valign=\"top\">"),
    };
    for (qsizetype i = 0; i < omschrijvingen.size(); ++i)
        regels << QStringLiteral("  <SPAN class=tekst>%1. ").arg(i + 1) + omschrijvingen[i]
                      + QStringLiteral("</SPAN><br>");
    regels << QStringLiteral("  <P>")
           << QStringLiteral("  <SPAN class=tekst><b>Vul hieronder het juiste antwoord in...</b></SPAN><P>")
           << QStringLiteral("  <SPAN class=tekst>") + QString(50, u'.') + QStringLiteral("</SPAN><P>")
           << QStringLiteral("  </td>")
           << QStringLiteral("</tr>")
           << QStringLiteral("</table>")
           << QString()
           << QStringLiteral("</body>")
           << QStringLiteral("</html>");

    QByteArray pagina;
    for (const QString& regel : regels)
        pagina += Ansi::Codeer(regel) + "\r\n";
    return pagina;
}
