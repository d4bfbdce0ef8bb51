// Wendolo: a program for making staircase word puzzles.
#include "shell/Main.h"

#include "bench/Getoond.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wendolo"));
    Main venster;
    MeldGetoond meld(&venster);  // the start-up benchmark's probe; idle unless asked
    venster.show();
    return app.exec();
}
