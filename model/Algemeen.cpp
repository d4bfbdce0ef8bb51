// Storage and start-up values of the program-wide state.
#include "model/Algemeen.h"

namespace Algemeen {

QString ZoekWoord;
Teksten PuzzelWoord;
Teksten Omschrijving;
std::array<std::int32_t, MaxRijen + 1> BeginX{};
std::uint8_t HuidigeRij = 0;
std::int32_t LetterPositie = 0;
Kleur KleurVeld = StandaardKleurVeld;
Kleur KleurZoekWoord = StandaardKleurZoekWoord;
Kleur KleurPuzzelWoord = StandaardKleurPuzzelWoord;
QString KopTekst = StandaardKopTekst;
QString BannerTekst = StandaardBannerTekst;
bool ZonderTekst = false;

void WisRijen()
{
    for (int i = 1; i <= MaxRijen; ++i) {
        PuzzelWoord[i].clear();
        Omschrijving[i].clear();
        BeginX[i] = 0;
    }
}

void BeginWaarden()
{
    ZoekWoord.clear();
    PuzzelWoord[0].clear();
    Omschrijving[0].clear();
    BeginX[0] = 0;
    WisRijen();
    HuidigeRij = 0;
    LetterPositie = 0;
    KleurVeld = StandaardKleurVeld;
    KleurZoekWoord = StandaardKleurZoekWoord;
    KleurPuzzelWoord = StandaardKleurPuzzelWoord;
    KopTekst = StandaardKopTekst;
    BannerTekst = StandaardBannerTekst;
    ZonderTekst = false;
}

int AantalRijen() { return int(ZoekWoord.size()); }

bool RijGevuld(int i) { return i >= 1 && i <= MaxRijen && !PuzzelWoord[i].isEmpty(); }

QChar Hoofdletter(QChar c)
{
    // QChar::toUpper maps one UTF-16 unit to one; "ß" has no single upper case
    // and is returned unchanged.
    return c.toUpper();
}

QString Hoofdletters(const QString& s)
{
    QString uit(s);
    for (QChar& c : uit)
        c = Hoofdletter(c);
    return uit;
}

} // namespace Algemeen
