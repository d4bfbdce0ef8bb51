// Reading, merging and writing the settings file.
#include "storage/Instellingen.h"

#include "storage/Heelbestand.h"
#include "storage/Record.h"

#include <algorithm>

using namespace Algemeen;

namespace {

// Far more than five records can need; a larger file is not read further.
constexpr qint64 MaxInstellingenBestand = 1 << 20;

bool LeesKleur(RecordLezer& r, Kleur& k)
{
    const auto rood = r.LeesGetal();
    if (!rood)
        return false;
    k.Rood = std::clamp(*rood, 0, 255);
    const auto groen = r.LeesGetal();
    if (!groen)
        return false;
    k.Groen = std::clamp(*groen, 0, 255);
    const auto blauw = r.LeesGetal();
    if (!blauw || *blauw < 0 || *blauw > 255)
        return false;
    k.Blauw = *blauw;
    return true;
}

bool LeesTekst(RecordLezer& r, QString& t)
{
    // A text whose closing quote never came was cut off and is not taken.
    const auto tekst = r.LeesTekst();
    if (!tekst || r.Afgebroken())
        return false;
    t = *tekst;
    return true;
}

} // namespace

Instellingen HuidigeInstellingen()
{
    return {BannerTekst, KleurVeld, KleurZoekWoord, KleurPuzzelWoord, KopTekst};
}

void Installeer(const Instellingen& s)
{
    BannerTekst = s.BannerTekst;
    KleurVeld = s.KleurVeld;
    KleurZoekWoord = s.KleurZoekWoord;
    KleurPuzzelWoord = s.KleurPuzzelWoord;
    KopTekst = s.KopTekst;
}

bool InstellingenUitBytes(QByteArrayView data, Instellingen& s)
{
    RecordLezer r(data);
    return LeesTekst(r, s.BannerTekst) && LeesKleur(r, s.KleurVeld) && LeesKleur(r, s.KleurZoekWoord)
           && LeesKleur(r, s.KleurPuzzelWoord) && LeesTekst(r, s.KopTekst);
}

QByteArray InstellingenBytes(const Instellingen& s)
{
    RecordSchrijver r;
    r.Tekst(s.BannerTekst).Einde();
    for (const Kleur& k : {s.KleurVeld, s.KleurZoekWoord, s.KleurPuzzelWoord})
        r.Getal(k.Rood).Getal(k.Groen).Getal(k.Blauw).Einde();
    r.Tekst(s.KopTekst).Einde();
    return r.Bytes();
}

void InstellingenLezen(const QString& pad)
{
    Instellingen s = HuidigeInstellingen();
    bool gelezen = false;
    if (const auto data = LeesBegin(pad, MaxInstellingenBestand))
        gelezen = InstellingenUitBytes(*data, s);
    Installeer(s);
    if (!gelezen)
        InstellingenSchrijven(pad);  // a failed repair changes nothing in memory
}

bool InstellingenSchrijven(const QString& pad)
{
    return SchrijfHeel(pad, InstellingenBytes(HuidigeInstellingen()));
}
