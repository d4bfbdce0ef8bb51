// The page in the order the printer receives it.
#include "output/Pagina.h"

#include "model/Algemeen.h"
#include "output/Printerlaag.h"

using namespace Paginamaat;

QString AntwoordRegel(const QString& zoekwoord)
{
    return QStringLiteral("Het woord dat gezocht wordt is ")
           + (zoekwoord.isEmpty() ? QString(50, u'.') : Algemeen::Hoofdletters(zoekwoord));
}

QStringList ModelOmschrijvingen()
{
    QStringList lijst;
    for (int i = 1; i <= Algemeen::AantalRijen(); ++i)
        lijst << Algemeen::Omschrijving[i];
    return lijst;
}

namespace {
const QString Arial = QStringLiteral("Arial");
}

// One page: the puzzle, or with the board and answer of the key.
void DrukBlad(Printerlaag& p, const Paginagegevens& g, const QString& kop, const Bordtekening& b, const QString& antwoord)
{
    p.ZetFont(Arial, 12, true);
    p.ZetKleur(QColor(60, 0, 0));
    p.ZetPositie(Links, KopY);
    p.Print(kop);

    const QRect bord(Links, BordY, Algemeen::BordBreedte * Twips, Algemeen::BordHoogte * Twips);
    p.Bord(b, bord);
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
    p.Print(antwoord);
}

bool DrukPagina(Printerlaag& p, const Paginagegevens& g)
{
    p.ZetAantal(g.Aantal);
    DrukBlad(p, g, g.KopTekst, g.Bord, AntwoordRegel());
    if (g.MetOplossing) {
        p.NieuwePagina();
        DrukBlad(p, g, OplossingKop(g.KopTekst), g.Oplossing, AntwoordRegel(g.ZoekWoord));
    }
    return p.EindeDocument();
}

QString OplossingKop(const QString& kop) { return kop + QStringLiteral(" (oplossing)"); }

Paginagegevens ModelPagina(const QImage& bord, QColor veld, bool letters, bool oplossing)
{
    Paginagegevens g;
    g.KopTekst = Algemeen::KopTekst;
    g.Omschrijvingen = ModelOmschrijvingen();
    g.Bord = Tekening(bord, veld, letters);
    g.MetOplossing = oplossing;
    if (oplossing)
        g.Oplossing = Tekening(bord, veld, true);
    g.ZoekWoord = Algemeen::ZoekWoord;
    g.DatumRegel = DatumTijdRegel(QDateTime::currentDateTime(), QLocale::system());
    return g;
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
