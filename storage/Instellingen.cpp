// Reading, merging and writing the settings file.
#include "storage/Instellingen.h"

#include "storage/Heelbestand.h"

using namespace Algemeen;

namespace {

// Far more than five records can need; a larger file is not read further.
constexpr qint64 MaxInstellingenBestand = 1 << 20;

} // namespace

Instellingen HuidigeInstellingen()
{
    return {HuidigeKop(), KopTekst};
}

void Installeer(const Instellingen& s)
{
    Installeer(static_cast<const Kop&>(s));
    KopTekst = s.KopTekst;
}

bool InstellingenUitBytes(QByteArrayView data, Instellingen& s)
{
    RecordLezer r(data);
    if (!LeesKop(r, s))
        return false;
    const auto kop = r.LeesTekst();
    s.KopTekst = kop.value_or(s.KopTekst);
    return bool(kop);
}

QByteArray InstellingenBytes(const Instellingen& s)
{
    RecordSchrijver r;
    SchrijfKop(r, s);
    r.Tekst(s.KopTekst).Einde();
    return r.Bytes();
}

bool InstellingenUitBestand(const QString& pad, Instellingen& s)
{
    const auto data = LeesBegin(pad, MaxInstellingenBestand);
    return data && InstellingenUitBytes(*data, s);
}

void InstellingenLezen(const QString& pad)
{
    Instellingen s = HuidigeInstellingen();
    const bool gelezen = InstellingenUitBestand(pad, s);
    Installeer(s);
    if (!gelezen)
        InstellingenSchrijven(pad);  // a failed repair changes nothing in memory
}

bool InstellingenSchrijven(const QString& pad)
{
    return SchrijfHeel(pad, InstellingenBytes(HuidigeInstellingen()));
}
