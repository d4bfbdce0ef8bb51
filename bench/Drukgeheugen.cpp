// Memory of a print: the peak the process reaches while a 20-row puzzle and
// its answer key go into a PDF, 1 and 20 copies, over what it held before.
// The pages are drawn exactly as for a printer. Runs offscreen.
#include "board/Bord.h"
#include "model/Algemeen.h"
#include "output/Pagina.h"
#include "output/Papier.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

using namespace Algemeen;

namespace {

// VmHWM or VmRSS, in MiB.
double Status(const char* veld)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& regel : f.readAll().split('\n'))
        if (regel.startsWith(veld))
            return regel.mid(qstrlen(veld)).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

// The peak starts again from what the process holds now.
void PiekOpnieuw()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BeginWaarden();
    ZoekWoord = QStringLiteral("ABCDEFGHIJKLMNOPQRST");
    for (int i = 1; i <= MaxRijen; ++i) {
        PuzzelWoord[i] = QString(4, u'W') + ZoekWoord[i - 1] + QStringLiteral("OORD");
        Omschrijving[i] = QStringLiteral("Omschrijving van rij %1").arg(i);
        BeginX[i] = BeginXVoor(5);
    }
    Tekenvlak bord = NieuwBord();
    TekenBord(bord);
    QTemporaryDir map;
    std::printf("print into a PDF, 20 rows, puzzle and answer key (target: at most 20 MiB over before)\n"
                "%8s %12s %14s %12s\n", "copies", "RSS before", "peak during", "increase");
    for (int aantal : {1, 20}) {
        Paginagegevens g = ModelPagina(bord.Beeld, bord.Achtergrond, false, true);
        g.Aantal = aantal;
        const double voor = Status("VmRSS:");
        PiekOpnieuw();
        Papier pdf(map.filePath(QStringLiteral("bench.pdf")), QString());
        if (!DrukPagina(pdf, g)) {
            std::printf("the PDF could not be written\n");
            return 1;
        }
        const double piek = Status("VmHWM:");
        std::printf("%8d %9.1f MiB %11.1f MiB %9.1f MiB\n", aantal, voor, piek, piek - voor);
    }
    return 0;
}
