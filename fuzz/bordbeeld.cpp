// Fuzz target for the board picture's load path: any bytes are refused or
// give a picture whose every pixel row was in the bytes; placed on the board
// it leaves the board 503 x 449, what it does not cover in the background.
#include "board/Tekenvlak.h"
#include "storage/Puzzelbestand.h"

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

using namespace Algemeen;

namespace {

void Eis(bool waar) { if (!waar) std::abort(); }

// Compared by colour: QImage's own == would read past a short palette.
bool Gelijk(const QImage& a, const QImage& b)
{
    return a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    new QGuiApplication(*argc, *argv);  // fonts and painting need it
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t grootte)
{
    const QByteArrayView data(reinterpret_cast<const char*>(bytes), qsizetype(grootte));
    const auto beeld = BordbeeldUitBytes(data);
    if (!beeld)
        return 0;
    Eis(!beeld->isNull());
    // A picture filled in where the bytes ran out would change with what
    // follows them; 4096 bytes is more than any palette and masks a header
    // can leave unaccounted for.
    for (const char vul : {'\0', '\xff'}) {
        const auto zelfde = BordbeeldUitBytes(data.toByteArray() + QByteArray(4096, vul));
        Eis(zelfde && Gelijk(*zelfde, *beeld));
    }
    if (const auto korter = BordbeeldUitBytes(data.first(data.size() - 1)))
        Eis(Gelijk(*korter, *beeld));  // that byte was no pixel

    static Tekenvlak vlak(BordBreedte, BordHoogte, QColor(12, 34, 56), QFont());
    vlak.Plaats(*beeld);
    Eis(vlak.Beeld.size() == QSize(BordBreedte, BordHoogte) && vlak.Beeld.format() == QImage::Format_RGB32);
    const QRect gedekt = QRect(QPoint(0, 0), beeld->size()) & vlak.Beeld.rect();
    if (!beeld->hasAlphaChannel())
        Eis(vlak.Beeld.copy(gedekt) == beeld->convertToFormat(QImage::Format_RGB32).copy(gedekt));
    const QRgb achtergrond = vlak.Achtergrond.rgb();
    Eis(beeld->width() >= BordBreedte || vlak.Beeld.pixel(BordBreedte - 1, 0) == achtergrond);
    Eis(beeld->height() >= BordHoogte || vlak.Beeld.pixel(0, BordHoogte - 1) == achtergrond);
    // Drawing on the board afterwards leaves the loaded picture alone.
    const QImage kopie = beeld->copy();
    vlak.box(0, 0, 20, 20, Qt::red);
    Eis(Gelijk(*beeld, kopie));
    return 0;
}
