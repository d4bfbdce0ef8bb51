// Fuzz target for the record fields: any bytes, read to the end as texts and
// as numbers, neither crash nor loop, and every field the syntax can hold (no
// double quote) and every number read come back the same through the writer.
#include "storage/Ansi.h"
#include "storage/Record.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {
void Eis(bool waar) { if (!waar) std::abort(); }
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t grootte)
{
    const QByteArrayView data(reinterpret_cast<const char*>(bytes), qsizetype(grootte));
    std::vector<QString> teksten;
    RecordSchrijver schrijver;
    // Every field takes at least one byte: a reader that stops advancing fails
    // on the count instead of hanging.
    qsizetype velden = 0;
    for (RecordLezer lezer(data); const auto veld = lezer.VolgendVeld();) {
        Eis(++velden <= data.size());
        if (!veld->contains('"')) {
            teksten.push_back(Ansi::Decodeer(*veld));
            schrijver.Tekst(teksten.back());
            if (teksten.size() % 3 == 0)
                schrijver.Einde();
        }
    }
    RecordLezer terug(schrijver.Einde().Bytes());
    for (const QString& tekst : teksten)
        Eis(terug.LeesTekst() == tekst);

    velden = 0;
    for (RecordLezer lezer(data); !lezer.OpEinde();) {
        Eis(++velden <= data.size());
        if (const auto getal = lezer.LeesGetal())
            Eis(RecordLezer(RecordSchrijver().Getal(*getal).Einde().Bytes()).LeesGetal() == getal);
    }
    return 0;
}
