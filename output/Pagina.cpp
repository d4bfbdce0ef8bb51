// The page in the order the printer receives it.
#include "output/Pagina.h"

#include "output/Printerlaag.h"

using namespace Paginamaat;

const QString AntwoordRegel =
    QStringLiteral("Het woord dat gezocht wordt is ..................................................");

namespace {
const QString Arial = QStringLiteral("Arial");
}

bool DrukPagina(Printerlaag& p, const Paginagegevens& g)
{
    p.ZetAantal(g.Aantal);

    p.ZetFont(Arial, 12, true);
    p.ZetKleur(QColor(60, 0, 0));
    p.ZetPositie(Links, KopY);
    p.Print(g.KopTekst);

    const QRect bord(Links, BordY, g.Bord.width() * Twips, g.Bord.height() * Twips);
    p.Plaatje(g.Bord, bord);
    if (g.MetBorder)
        p.Rechthoek(QPoint(Links - BorderMarge, BordY - BorderMarge),
                    QPoint(bord.x() + bord.width() + BorderMarge, bord.y() + bord.height() + BorderMarge),
                    Qt::black);

    // Font, colour and position are set even without a date line.
    p.ZetFont(Arial, 10, true);
    p.ZetKleur(QColor(120, 120, 120));
    p.ZetPositie(DatumX, DatumY);
    if (g.MetDatum)
        p.Print(g.DatumRegel);

    p.ZetFont(Arial, 11, false);
    p.ZetKleur(QColor(60, 60, 60));
    int y = EersteRegelY;
    for (int i = 1; i <= g.Omschrijvingen.size(); ++i) {
        p.ZetPositie(Links, y);
        p.Print(OmschrijvingsRegel(i, g.Omschrijvingen[i - 1]));
        y += Regelafstand;
    }

    y += AntwoordAfstand;
    p.ZetKleur(QColor(0, 60, 0));
    p.ZetPositie(Links, y);
    p.Print(AntwoordRegel);

    return p.EindeDocument();
}

QString OmschrijvingsRegel(int i, const QString& tekst)
{
    return (i < 10 ? QStringLiteral("  ") : QString()) + QString::number(i) + QStringLiteral(". ") + tekst;
}

QString DatumTijdRegel(const QDateTime& moment, const QLocale& locale)
{
    // The long format ends in the time zone ("HH:mm:ss t"), which the line
    // never showed; its quoted literals are kept as they are.
    const QString formaat = locale.timeFormat(QLocale::LongFormat);
    QString zonderZone;
    bool citaat = false;
    for (QChar c : formaat) {
        if (c == u'\'')
            citaat = !citaat;
        if (citaat || c != u't')
            zonderZone += c;
    }
    const QDate d = moment.date();
    return locale.toString(moment.time(), zonderZone.simplified()) + QStringLiteral(" / ")
        + QStringLiteral("%1-%2-%3").arg(d.day()).arg(d.month()).arg(d.year());
}
