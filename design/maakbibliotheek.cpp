// Build tool: turns a UTF-8 word list, one word a line, into the program's
// word library: the words of 5 to 20 letters (accented letters included)
// that Windows-1252 can hold, in file order, one a line with CR LF.
#include "storage/Ansi.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>
#include <cstdio>

static bool Bruikbaar(const QString& w)
{
    if (w.size() < 5 || w.size() > 20)
        return false;
    for (QChar c : w)
        if (!c.isLetter() || !Ansi::Past(c))
            return false;
    return true;
}

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: maakbibliotheek WORDLIST LIBRARY\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    QByteArray uit;
    int aantal = 0;
    while (!in.atEnd()) {
        const QString w = QString::fromUtf8(in.readLine()).trimmed();
        if (!Bruikbaar(w))
            continue;
        uit += Ansi::Codeer(w);
        uit += "\r\n";
        ++aantal;
    }
    QSaveFile lib(QString::fromLocal8Bit(argv[2]));
    if (!lib.open(QIODevice::WriteOnly) || lib.write(uit) != uit.size() || !lib.commit()) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("library.lib: %d words\n", aantal);
    return 0;
}
