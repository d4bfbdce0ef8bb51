// Load dialog benchmark: from the click to the painted list with many saved
// puzzles (each a .pzl and a .bmp) in the folder, a few broken-off saves
// among them that the dialog settles first. Runs offscreen.
//   laadlijst [aantal]      (default 10000)
#include "shell/Main.h"
#include "shell/Meldingen.h"
#include "shell/Pauze.h"
#include "shell/Programmamap.h"
#include "storage/Loadpuzzel.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void Schrijf(const QString& pad, const QByteArray& inhoud)
{
    QFile f(pad);
    if (f.open(QIODevice::WriteOnly))
        f.write(inhoud);
}

// Paints the dialog the way a click does and waits for the list's paint.
double Meet(Main& hoofd)
{
    QElapsedTimer t;
    t.start();
    Loadpuzzel dlg(&hoofd, [](const QString&) {}, [](const Geladen&) {});
    dlg.show();
    dlg.File1->viewport()->repaint();
    QApplication::processEvents();
    const double ms = t.nsecsElapsed() / 1e6;
    dlg.close();
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int aantal = argc > 1 ? std::max(1, atoi(argv[1])) : 10000;
    QTemporaryDir map;
    AllesIn(map.path());
    PauzesMaal(0);
    const QDir puzzels(map.filePath(QStringLiteral("puzzels")));
    puzzels.mkpath(QStringLiteral("."));
    for (int i = 0; i < aantal; ++i) {
        const QString naam = QStringLiteral("puzzel%1").arg(i, 6, 10, QLatin1Char('0'));
        Schrijf(puzzels.filePath(naam + QStringLiteral(".pzl")), "x");
        Schrijf(puzzels.filePath(naam + QStringLiteral(".bmp")), "x");
    }
    Main hoofd;
    std::vector<double> ms;
    for (int k = 0; k < 7; ++k) {
        // Leftovers of a killed save, for the dialog to clear each time.
        Schrijf(puzzels.filePath(QStringLiteral("puzzel000001.pzl.nieuw.Ab12Cd")), "x");
        ms.push_back(Meet(hoofd));
    }
    std::sort(ms.begin(), ms.end());
    std::printf("load dialog, %d puzzles: median %.1f ms, best %.1f ms, worst %.1f ms\n", aantal, ms[ms.size() / 2],
                ms.front(), ms.back());
    return QFile::exists(puzzels.filePath(QStringLiteral("puzzel000001.pzl.nieuw.Ab12Cd"))) ? 1 : 0;
}
