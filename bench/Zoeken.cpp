// Library search benchmark: the matcher over the full library for a spread
// of (length, position, letter) queries, reading the file from its start
// each time as the dialog does, next to grep -c with the same pattern over
// the same file in the same run; and filling the result list.
//   zoeken [library.lib]      (run in the program folder)
#include "design/Bibliotheek.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double Mediaan(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <typename F> double Tijd(F&& f, int keer)
{
    std::vector<double> ms;
    for (int k = 0; k < keer; ++k) {
        QElapsedTimer t;
        t.start();
        f();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    return Mediaan(ms);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString pad = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("library.lib");
    struct Vraag { int n, p; char letter; };
    const Vraag vragen[] = {{5, 1, 'A'}, {5, 2, 'A'}, {6, 3, 'E'}, {8, 4, 'R'}, {10, 5, 'T'},
                            {12, 11, 'N'}, {15, 8, 'O'}, {20, 10, 'E'}};
    const int keer = 15;

    std::printf("%-8s %16s %10s %10s %7s\n", "n/p/L", "matches", "ms/search", "grep ms", "ratio");
    double slechtst = 0, slechtsteRatio = 0;
    QStringList grootste;
    for (const Vraag& v : vragen) {
        QStringList gevonden;
        const double ms = Tijd([&] { gevonden = ZoekInBibliotheekBestand(pad, v.n, v.p, QChar(v.letter)); }, keer);
        // Same test in grep: n characters, letter p in either case, CR LF.
        const QString patroon = QStringLiteral("^.{%1}[%2%3].{%4}\r$")
                                    .arg(v.p - 1).arg(QChar(v.letter)).arg(QChar(v.letter).toLower()).arg(v.n - v.p);
        QByteArray telling;
        const double grep = Tijd([&] {
            QProcess g;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
            g.setProcessEnvironment(env);
            g.start(QStringLiteral("grep"), {QStringLiteral("-c"), QStringLiteral("-a"), QStringLiteral("-E"), patroon, pad});
            g.waitForFinished(-1);
            telling = g.readAllStandardOutput().trimmed();
        }, keer);
        const double ratio = ms / grep;
        std::printf("%2d/%2d/%c %16lld %10.2f %10.2f %7.2f%s\n", v.n, v.p, v.letter, (long long)gevonden.size(),
                    ms, grep, ratio, telling.toLongLong() == gevonden.size() ? "" : "  (grep counts differ)");
        slechtst = std::max(slechtst, ms);
        slechtsteRatio = std::max(slechtsteRatio, ratio);
        if (gevonden.size() > grootste.size())
            grootste = gevonden;
    }
    std::printf("slowest search %.2f ms (target < 15 ms), worst ratio to grep %.2f (target <= 1.5)\n", slechtst, slechtsteRatio);

    QListWidget lijst;
    lijst.resize(160, 180);
    lijst.setUniformItemSizes(true);
    lijst.show();
    const double vullen = Tijd([&] {
        lijst.clear();
        lijst.setUpdatesEnabled(false);
        lijst.addItems(grootste);
        lijst.setUpdatesEnabled(true);
        QApplication::processEvents();
    }, 5);
    std::printf("filling the list with %lld words: %.2f ms\n", (long long)grootste.size(), vullen);
    return 0;
}
