// Wendolo: a program for making staircase word puzzles.
#include "shell/Main.h"
#include "shell/Opwarmen.h"

#include "bench/Getoond.h"

#include <QApplication>

int main(int argc, char** argv)
{
    Opwarmen lettertypen;
    QApplication app(argc, argv);
    lettertypen.Wacht();
    QApplication::setApplicationName(QStringLiteral("Wendolo"));
    QApplication::setDesktopFileName(QStringLiteral("nl.wendolo.Wendolo"));  // the menu entry's icon and name
    Main venster;
    MeldGetoond meld(&venster);  // the start-up benchmark's probe; idle unless asked
    venster.show();
    return app.exec();
}
