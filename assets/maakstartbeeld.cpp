// Build tool: draws the start image once and stores its pixels, which the
// program carries as a resource.
#include "assets/Startbeeld.h"

#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: maakstartbeeld out.rgb32\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");  // fonts, no display
    QGuiApplication app(argc, argv);
    QSaveFile uit(QString::fromLocal8Bit(argv[1]));
    const QByteArray bytes = StartbeeldBytes(TekenStartbeeld());
    if (!uit.open(QIODevice::WriteOnly) || uit.write(bytes) != bytes.size() || !uit.commit()) {
        std::fprintf(stderr, "maakstartbeeld: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
