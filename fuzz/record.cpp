// Fuzz target for the record field reader: any bytes, read to the end as
// texts and as numbers, must neither crash nor loop, and every field must
// come back unchanged through the record writer.
#include "storage/Record.h"

#include "storage/Ansi.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

void Eis(bool waar)
{
    if (!waar)
        std::abort();
}

// What the writer writes, the reader reads back: each raw field that the
// syntax can hold (no double quote) survives a write and a read.
void HeenEnTerug(QByteArrayView data)
{
    std::vector<QString> teksten;
    RecordLezer lezer(data);
    qsizetype velden = 0;
    while (auto veld = lezer.VolgendVeld()) {
        // Every field takes at least one byte, so a reader that stops
        // advancing fails here instead of hanging.
        Eis(++velden <= data.size());
        if (!veld->contains('"'))
            teksten.push_back(Ansi::Decodeer(*veld));
    }

    RecordSchrijver schrijver;
    for (std::size_t i = 0; i < teksten.size(); ++i) {
        schrijver.Tekst(teksten[i]);
        if (i % 3 == 2)
            schrijver.Einde();
    }
    schrijver.Einde();

    RecordLezer terug(schrijver.Bytes());
    for (const QString& tekst : teksten) {
        const auto gelezen = terug.LeesTekst();
        Eis(gelezen && *gelezen == tekst);
    }
}

// Numbers the reader accepts are written back the same way.
void GetallenTerug(QByteArrayView data)
{
    RecordLezer lezer(data);
    qsizetype velden = 0;
    while (!lezer.OpEinde()) {
        Eis(++velden <= data.size());
        const auto getal = lezer.LeesGetal();
        if (!getal)
            continue;
        RecordSchrijver schrijver;
        schrijver.Getal(*getal).Einde();
        RecordLezer terug(schrijver.Bytes());
        Eis(terug.LeesGetal() == getal);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t grootte)
{
    const QByteArrayView data(reinterpret_cast<const char*>(bytes), qsizetype(grootte));
    HeenEnTerug(data);
    GetallenTerug(data);
    return 0;
}
