// The yardstick of the start-up benchmark: the barest Qt window of the main
// window's size and title, started and probed exactly as the program is.
#include "bench/Getoond.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget venster;
    venster.setWindowTitle(QStringLiteral(" Kaal"));
    venster.setFixedSize(732, 500);
    MeldGetoond meld(&venster);
    venster.show();
    return app.exec();
}
