// Fuzz target for the board picture's load path: any bytes either are
// refused or give a picture whose every pixel row was in the bytes, and
// placing it on the 503 x 449 board leaves the board that size, with what
// the picture does not cover in the background colour.
#include "storage/Puzzelbestand.h"

#include "board/Tekenvlak.h"

#include <QGuiApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// The line in the report says which promise was broken.
void Eis(bool waar, int regel = __builtin_LINE())
{
    if (!waar) {
        std::fprintf(stderr, "%s:%d: not as it should be\n", __FILE__, regel);
        std::abort();
    }
}

// More than the largest palette and colour masks a header can leave
// unaccounted for, so a reader that runs past the announced pixel data
// reaches into the padding.
constexpr qsizetype Opvulling = 4096;

// Pictures compared by their colours: an index beyond a short palette is
// drawn in its last colour, and QImage's own == would read past it.
bool Gelijk(const QImage& a, const QImage& b)
{
    return a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Fonts and painting need the application object.
    new QGuiApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t grootte)
{
    const QByteArrayView data(reinterpret_cast<const char*>(bytes), qsizetype(grootte));
    const auto beeld = BordbeeldUitBytes(data);
    if (!beeld)
        return 0;
    Eis(!beeld->isNull());

    // The rows are really there: a picture that was filled in where the
    // bytes ran out would change with whatever follows them.
    for (const char vul : {'\0', '\xff'}) {
        const QByteArray langer = data.toByteArray() + QByteArray(Opvulling, vul);
        const auto zelfde = BordbeeldUitBytes(langer);
        Eis(zelfde && Gelijk(*zelfde, *beeld));
    }
    // Cut one byte short: either refused, or that byte was no pixel.
    if (const auto korter = BordbeeldUitBytes(data.first(data.size() - 1)))
        Eis(Gelijk(*korter, *beeld));

    static Tekenvlak vlak(Algemeen::BordBreedte, Algemeen::BordHoogte, QColor(12, 34, 56), QFont());
    vlak.Plaats(*beeld);
    Eis(vlak.Beeld.size() == QSize(Algemeen::BordBreedte, Algemeen::BordHoogte));
    Eis(vlak.Beeld.format() == QImage::Format_RGB32);
    // An opaque picture shows as it is, in the colours it decodes to.
    const QRect gedekt = QRect(QPoint(0, 0), beeld->size()) & vlak.Beeld.rect();
    if (!beeld->hasAlphaChannel())
        Eis(vlak.Beeld.copy(gedekt) == beeld->convertToFormat(QImage::Format_RGB32).copy(gedekt));
    const QRgb achtergrond = vlak.Achtergrond.rgb();
    if (beeld->width() < Algemeen::BordBreedte)
        Eis(vlak.Beeld.pixel(Algemeen::BordBreedte - 1, 0) == achtergrond);
    if (beeld->height() < Algemeen::BordHoogte)
        Eis(vlak.Beeld.pixel(0, Algemeen::BordHoogte - 1) == achtergrond);
    // Drawing on the board afterwards leaves the loaded picture alone.
    const QImage kopie = beeld->copy();
    vlak.box(0, 0, 20, 20, Qt::red);
    Eis(Gelijk(*beeld, kopie));
    return 0;
}
