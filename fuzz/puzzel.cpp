// Fuzz target for the puzzle-file reader: any bytes are refused or give a
// puzzle with colours in 0..255, every row on the board and nothing past the
// search word, which the writer writes and the reader reads back unchanged.
#include "storage/Puzzelbestand.h"

#include <cstdint>
#include <cstdlib>

using namespace Algemeen;

namespace {
void Eis(bool waar) { if (!waar) std::abort(); }
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t grootte)
{
    const auto p = PuzzelUitBytes(QByteArrayView(reinterpret_cast<const char*>(bytes), qsizetype(grootte)));
    if (!p)
        return 0;
    const int n = int(p->ZoekWoord.size());
    Eis(n <= MaxRijen);
    for (const Kleur& k : {p->KleurVeld, p->KleurZoekWoord, p->KleurPuzzelWoord})
        Eis(k.Rood >= 0 && k.Rood <= 255 && k.Groen >= 0 && k.Groen <= 255 && k.Blauw >= 0 && k.Blauw <= 255);
    // An unquoted field may hold a double quote, which no quoted text can:
    // such a puzzle cannot be written back as it was (the save refuses it).
    bool aanhalingsteken = p->BannerTekst.contains(u'"') || p->ZoekWoord.contains(u'"');
    for (int i = 1; i <= MaxRijen; ++i) {
        const QString& woord = p->PuzzelWoord[i];
        const std::int32_t x = p->BeginX[i];
        Eis(i <= n || (woord.isEmpty() && p->Omschrijving[i].isEmpty()));
        Eis(woord.isEmpty() ? x == 0 : x >= 0 && x + HokBreedte * woord.size() < BordBreedte);
        aanhalingsteken |= woord.contains(u'"') || p->Omschrijving[i].contains(u'"');
    }
    const QByteArray geschreven = PuzzelBytes(*p);
    const auto terug = PuzzelUitBytes(geschreven);
    Eis(aanhalingsteken || (terug && *terug == *p && PuzzelBytes(*terug) == geschreven));
    return 0;
}
