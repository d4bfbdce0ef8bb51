// Library search benchmark: the matcher over the full library for a spread
// of (length, position, letter) queries, reading the file from its start
// each time as the dialog does, next to grep -c with the same pattern over
// the same file in the same run; filling the result list; and the time and
// peak memory of searches in two 200 MiB libraries, the library repeated and
// one whose every item matches, both with searches that fill the list and
// with ones that read the whole file.
//   zoeken [library.lib]      (run in the program folder)
#include "design/Bibliotheek.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
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

// The process's resident peak in MiB since the last reset.
double PiekMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& regel : status.readAll().split('\n'))
        if (regel.startsWith("VmHWM:"))
            return regel.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return -1;
}

void PiekOpnieuw()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

// Repeats stuk until the file at pad holds at least grootte bytes.
bool Herhaal(const QString& pad, const QByteArray& stuk, qint64 grootte)
{
    QFile f(pad);
    if (stuk.isEmpty() || !f.open(QIODevice::WriteOnly))
        return false;
    QByteArray blok;
    while (blok.size() < (1 << 22))
        blok += stuk;
    for (qint64 n = 0; n < grootte; n += blok.size())
        if (f.write(blok) != blok.size())
            return false;
    return true;
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
        const double ms = Tijd([&] { gevonden = ZoekInBibliotheekBestand(pad, v.n, v.p, QChar(v.letter)).woorden; }, keer);
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

    QTemporaryDir map;
    const qint64 groot = qint64(200) << 20;
    QFile bibliotheek(pad);
    const QString echt = map.filePath(QStringLiteral("echt.lib")), alles = map.filePath(QStringLiteral("alles.lib"));
    if (!bibliotheek.open(QIODevice::ReadOnly) || !Herhaal(echt, bibliotheek.readAll(), groot)
        || !Herhaal(alles, "water\n", groot)) {
        std::printf("cannot write the 200 MiB libraries\n");
        return 1;
    }
    // A search that lists few words reads the whole file; one that fills the
    // list stops there. The files were just written, so they are in the page cache.
    struct Groot { const char* naam; QString pad; std::vector<Vraag> vragen; };
    const Groot groten[] = {{"repeated, few", echt, {{8, 1, 'Q'}}},
                            {"repeated, many", echt, {std::begin(vragen), std::end(vragen)}},
                            {"all match", alles, {{5, 1, 'W'}}},
                            {"all match, none", alles, {{5, 1, 'Z'}}}};
    std::printf("200 MiB libraries (target < 2000 ms):\n%-16s %10s %8s %10s %14s %12s\n", "library", "matches", "cut off",
                "ms/search", "peak RSS MiB", "RSS before");
    for (const Groot& g : groten) {
        double ms = 0;
        Zoekresultaat meest;
        PiekOpnieuw();
        const double rustig = PiekMiB();
        for (const Vraag& v : g.vragen) {
            Zoekresultaat gevonden;
            ms = std::max(ms, Tijd([&] { gevonden = ZoekInBibliotheekBestand(g.pad, v.n, v.p, QChar(v.letter)); }, 3));
            if (gevonden.woorden.size() >= meest.woorden.size())
                meest = gevonden;
        }
        std::printf("%-16s %10lld %8s %10.0f %14.0f %12.0f\n", g.naam, (long long)meest.woorden.size(),
                    meest.afgekapt ? "yes" : "no", ms, PiekMiB(), rustig);
    }
    return 0;
}
