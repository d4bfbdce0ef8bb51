// Wendolo: a program for making staircase word puzzles.
#include "shell/Main.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wendolo"));
    QApplication::setDesktopFileName(QStringLiteral("nl.wendolo.Wendolo"));  // the menu entry's icon and name
    Main venster;
    venster.show();
    return app.exec();
}
