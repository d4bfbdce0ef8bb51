// The yardstick of the start-up benchmark: the barest Qt window of the main
// window's size, timed from outside exactly as the program is. With the
// argument "tekst" it also shows one line of text, which is what loading
// the fonts costs any window that has words on it.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget venster;
    venster.setWindowTitle(QStringLiteral(" Kaal"));
    venster.setFixedSize(732, 500);
    if (argc > 1 && QByteArrayView(argv[1]) == "tekst")
        (new QLabel(QStringLiteral("Informatie"), &venster))->move(10, 470);
    venster.show();
    return app.exec();
}
