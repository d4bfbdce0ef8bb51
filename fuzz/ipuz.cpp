// Fuzz target for the ipuz reader: any bytes either are refused with a
// reason, or give a puzzle the puzzle file takes as it is, whose own export
// reads back as the same puzzle. The model is never touched.
#include "storage/Ipuz.h"

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
    QString fout;
    const auto puzzel = PuzzelUitIpuz(data, fout);
    if (!puzzel) {
        Eis(!fout.isEmpty());
        return 0;
    }
    Eis(fout.isEmpty());
    const auto bestand = PuzzelUitBytes(PuzzelBytes(*puzzel));
    Eis(bestand && *bestand == *puzzel);
    const auto terug = PuzzelUitIpuz(IpuzBytes(*puzzel, QStringLiteral("t")), fout);
    Eis(terug && *terug == *puzzel);
    return 0;
}
