// Fuzz target for the library scan: any bytes as library.lib, searched with
// a few fixed queries, give only words of the asked length that carry the
// asked letter, never more words than the library has items.
#include "design/Bibliotheek.h"
#include "model/Algemeen.h"
#include "storage/Record.h"

#include <cstdint>
#include <cstdlib>
#include <tuple>

namespace {
void Eis(bool waar) { if (!waar) std::abort(); }
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t grootte)
{
    const QByteArrayView data(reinterpret_cast<const char*>(bytes), qsizetype(grootte));
    qsizetype items = 0;
    for (RecordLezer lezer(data); lezer.VolgendVeld();)
        ++items;
    for (const auto& [n, p, L] : {std::tuple(5, 2, QChar(u'A')), std::tuple(8, 1, QChar(0xC9)),
                                  std::tuple(20, 11, QChar(u'Z')), std::tuple(6, 6, QChar(0x160))}) {
        const QStringList gevonden = ZoekInBibliotheek(data, n, p, L);
        Eis(gevonden.size() <= items);
        for (const QString& woord : gevonden)
            Eis(woord.size() == n && Algemeen::Hoofdletter(woord[p - 1]) == Algemeen::Hoofdletter(L));
    }
    return 0;
}
