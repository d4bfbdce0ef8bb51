// Fuzz target for the puzzle-file reader: any bytes either are refused or
// give a puzzle that the writer writes and the reader reads back unchanged,
// with every row on the board. The model and the board are never touched.
#include "storage/Puzzelbestand.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Eis(bool waar)
{
    if (!waar)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t grootte)
{
    const QByteArrayView data(reinterpret_cast<const char*>(bytes), qsizetype(grootte));
    const auto puzzel = PuzzelUitBytes(data);
    if (!puzzel)
        return 0;

    const int n = int(puzzel->ZoekWoord.size());
    Eis(n <= Algemeen::MaxRijen);
    for (const Kleur& k : {puzzel->KleurVeld, puzzel->KleurZoekWoord, puzzel->KleurPuzzelWoord})
        Eis(k.Rood >= 0 && k.Rood <= 255 && k.Groen >= 0 && k.Groen <= 255 && k.Blauw >= 0 && k.Blauw <= 255);
    for (int i = 1; i <= Algemeen::MaxRijen; ++i) {
        const QString& woord = puzzel->PuzzelWoord[i];
        const std::int32_t x = puzzel->BeginX[i];
        if (i > n) {
            Eis(woord.isEmpty() && puzzel->Omschrijving[i].isEmpty() && x == 0);
            continue;
        }
        if (woord.isEmpty()) {
            Eis(x == 0);
            continue;
        }
        // Every box of the row lies on the board.
        Eis(x >= 0 && x + Algemeen::HokBreedte * woord.size() < Algemeen::BordBreedte);
    }

    // An unquoted field may hold a double quote, which no quoted text can:
    // such a puzzle cannot be written back as it was (the save refuses it).
    bool aanhalingsteken = puzzel->BannerTekst.contains(u'"') || puzzel->ZoekWoord.contains(u'"');
    for (int i = 1; i <= n; ++i)
        aanhalingsteken |= puzzel->PuzzelWoord[i].contains(u'"') || puzzel->Omschrijving[i].contains(u'"');
    const QByteArray geschreven = PuzzelBytes(*puzzel);
    const auto terug = PuzzelUitBytes(geschreven);
    if (aanhalingsteken)
        return 0;
    Eis(terug && *terug == *puzzel);
    Eis(PuzzelBytes(*terug) == geschreven);
    return 0;
}
