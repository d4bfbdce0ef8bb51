// Fuzz target for the library scan: any bytes as library.lib, searched
// with a few fixed queries, give only words of the asked length that carry
// the asked letter, never more words than the library has items.
#include "design/Bibliotheek.h"

#include "model/Algemeen.h"
#include "storage/Record.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Eis(bool waar)
{
    if (!waar)
        std::abort();
}

struct Vraag {
    int n, p;
    QChar L;
};

const Vraag Vragen[] = {{5, 2, u'A'}, {8, 1, QChar(0xC9)}, {20, 11, u'Z'}, {6, 6, QChar(0x160)}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t grootte)
{
    const QByteArrayView data(reinterpret_cast<const char*>(bytes), qsizetype(grootte));
    qsizetype items = 0;
    for (RecordLezer lezer(data); lezer.VolgendVeld();)
        ++items;
    for (const Vraag& v : Vragen) {
        const QStringList gevonden = ZoekInBibliotheek(data, v.n, v.p, v.L);
        Eis(gevonden.size() <= items);
        for (const QString& woord : gevonden) {
            Eis(woord.size() == v.n);
            Eis(Algemeen::Hoofdletter(woord[v.p - 1]) == Algemeen::Hoofdletter(v.L));
        }
    }
    return 0;
}
