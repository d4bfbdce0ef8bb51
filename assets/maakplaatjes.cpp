// Build tool: draws the start image and the eight command icons once and
// stores their pixels, which the program carries as resources.
#include "assets/Plaatjes.h"
#include "assets/Startbeeld.h"
#include "storage/Heelbestand.h"

#include <QGuiApplication>
#include <cstdio>

namespace {

bool Schrijf(const char* pad, const QByteArray& bytes)
{
    if (SchrijfHeel(QString::fromLocal8Bit(pad), bytes))
        return true;
    std::fprintf(stderr, "maakplaatjes: cannot write %s\n", pad);
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: maakplaatjes startbeeld.rgb32 iconen.argb32\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");  // fonts, no display
    QGuiApplication app(argc, argv);
    QByteArray iconen;
    for (int c = 0; c < AantalCommandos; ++c)
        iconen += Pixelbytes(TekenIcoon(Commando(c)));
    return Schrijf(argv[1], Pixelbytes(TekenStartbeeld())) && Schrijf(argv[2], iconen) ? 0 : 1;
}
