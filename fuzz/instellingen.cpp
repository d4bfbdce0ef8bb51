// Fuzz target for the settings reader: whatever the bytes, and whether the
// read failed part-way or not, the settings keep colours in 0..255 and what
// start-up writes back from them reads back the same.
#include "storage/Instellingen.h"

#include <cstdint>
#include <cstdlib>

using namespace Algemeen;

namespace {
void Eis(bool waar) { if (!waar) std::abort(); }
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t grootte)
{
    const QByteArrayView data(reinterpret_cast<const char*>(bytes), qsizetype(grootte));
    Instellingen s{{StandaardBannerTekst, StandaardKleurVeld, StandaardKleurZoekWoord, StandaardKleurPuzzelWoord},
                   StandaardKopTekst};
    const bool gelezen = InstellingenUitBytes(data, s);
    for (const Kleur& k : {s.KleurVeld, s.KleurZoekWoord, s.KleurPuzzelWoord})
        Eis(k.Rood >= 0 && k.Rood <= 255 && k.Groen >= 0 && k.Groen <= 255 && k.Blauw >= 0 && k.Blauw <= 255);
    const QByteArray geschreven = InstellingenBytes(s);
    Instellingen terug{{QStringLiteral("x"), {1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, QStringLiteral("y")};
    const bool teruggelezen = InstellingenUitBytes(geschreven, terug);
    // An unquoted field may hold a double quote, which no quoted text can.
    if (!s.BannerTekst.contains(u'"') && !s.KopTekst.contains(u'"'))
        Eis(teruggelezen && terug == s && (!gelezen || InstellingenBytes(terug) == geschreven));
    return 0;
}
