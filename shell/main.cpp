// Wendolo: a program for making staircase word puzzles.
#include "shell/Main.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wendolo"));
    Main venster;
    venster.show();
    return app.exec();
}
