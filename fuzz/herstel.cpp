// Fuzz target for the recovery of broken-off saves: any folder contents,
// journals, side files, QSaveFile leftovers and look-alike names, settled by
// MapHerstellen.
//
// What must hold, from how a save journals itself: a save of name N writes
// N.pzl.nieuw and N.bmp.nieuw, keeps the old puzzle as N.pzl.oud, and only
// then writes the journal N.bezig, which decides it: "vooruit" puts both
// .nieuw files in place, "terug" puts N.pzl.oud back, "terug-leeg" removes
// the N.pzl that had no predecessor; the picture is never replaced on the
// way back. So
//  - a file ending in .pzl or .bmp keeps its content unless a journal of
//    exactly its name's save (N.bezig, a plain file holding exactly one of
//    the three texts) governs it, and then it holds what that journal
//    brings: its own .nieuw (vooruit), N.pzl.oud for N.pzl (terug), nothing
//    for N.pzl (terug-leeg), or stays as it was (a step that could not be
//    done leaves the journal for next time);
//  - once a journal is gone its save is settled: both halves hold that
//    save's outcome and none of its side files is left;
//  - a side file (N.pzl.nieuw, N.bmp.nieuw, N.pzl.oud, N.bezig, or a
//    leftover of QSaveFile: one of those three written names, a dot and six
//    letters or digits) may go, but never appears or changes;
//  - any other name is never touched.
#include "storage/Puzzelpaar.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fuzzer/FuzzedDataProvider.h>
#include <map>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// The line in the report says which promise was broken.
void Eis(bool waar, int regel = __builtin_LINE())
{
    if (!waar) {
        std::fprintf(stderr, "%s:%d: not as it should be\n", __FILE__, regel);
        std::abort();
    }
}

using Map = std::map<std::string, std::string>;  // name -> kind and content
using Toestand = std::optional<std::string>;     // nullopt: absent

const char* const Vooruit = "vooruit\r\n";
const char* const Terug = "terug\r\n";
const char* const TerugLeeg = "terug-leeg\r\n";

const char* const Namen[] = {"a", "plan", "plan.nieuw.v2", "kerst.bezig.2", "a.pzl", "a.bezig", "b c", "\xc3\xa9\xe2\x82\xac", ".x"};
const char* const Staarten[] = {".pzl", ".bmp", ".pzl.nieuw", ".bmp.nieuw", ".pzl.oud", ".bezig",
                                ".pzl.nieuw.Ab12Cd", ".bmp.nieuw.000000", ".bezig.zZ9zZ9", ".bezig.12345",
                                ".bezig.1234567", ".pzl.nieuw.ab_cd1", "", ".nieuw", ".oud", ".v2.pzl", ".PZL",
                                ".bmp.oud"};

std::string Kies(FuzzedDataProvider& f, const char* const* lijst, std::size_t n)
{
    const std::size_t i = f.ConsumeIntegralInRange<std::size_t>(0, n);
    return i < n ? lijst[i] : f.ConsumeRandomLengthString(24);
}

bool Eindigt(const std::string& s, const std::string& staart)
{
    return s.size() > staart.size() && s.compare(s.size() - staart.size(), staart.size(), staart) == 0;
}

bool Alfanum(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool Zijbestand(const std::string& s)
{
    for (const char* staart : {".pzl.nieuw", ".bmp.nieuw", ".pzl.oud", ".bezig"})
        if (Eindigt(s, staart))
            return true;
    if (s.size() < 8 || s[s.size() - 7] != '.')
        return false;
    for (std::size_t i = s.size() - 6; i < s.size(); ++i)
        if (!Alfanum(s[i]))
            return false;
    const std::string geschreven = s.substr(0, s.size() - 7);
    return Eindigt(geschreven, ".pzl.nieuw") || Eindigt(geschreven, ".bmp.nieuw") || Eindigt(geschreven, ".bezig");
}

int map_fd = -1;
QString map_pad;

Map Lees()
{
    Map m;
    DIR* d = fdopendir(dup(map_fd));
    Eis(d);
    rewinddir(d);
    while (dirent* e = readdir(d)) {
        const std::string naam = e->d_name;
        if (naam == "." || naam == "..")
            continue;
        struct stat st;
        Eis(fstatat(map_fd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0);
        if (S_ISREG(st.st_mode)) {
            std::string inhoud = "f";
            const int fd = openat(map_fd, e->d_name, O_RDONLY | O_CLOEXEC);
            Eis(fd >= 0);
            char buf[4096];
            for (ssize_t n; (n = read(fd, buf, sizeof buf)) > 0;)
                inhoud.append(buf, std::size_t(n));
            close(fd);
            m[naam] = inhoud;
        } else {
            m[naam] = S_ISDIR(st.st_mode) ? "d" : S_ISFIFO(st.st_mode) ? "p" : "?";
        }
    }
    closedir(d);
    return m;
}

// What the folder holds after the last run: emptied from this instead of
// being listed again, as the runs are mostly file system calls.
Map vorige;

void Leeg()
{
    for (const auto& [naam, soort] : vorige)
        Eis(unlinkat(map_fd, naam.c_str(), soort == "d" ? AT_REMOVEDIR : 0) == 0);
    vorige.clear();
}

Toestand In(const Map& m, const std::string& naam)
{
    const auto i = m.find(naam);
    return i == m.end() ? Toestand() : Toestand(i->second);
}

// The journal text that governs base name n, or the empty text.
std::string Journaal(const Map& voor, const std::string& n)
{
    if (n.empty())
        return {};
    const Toestand j = In(voor, n + ".bezig");
    for (const char* tekst : {Vooruit, Terug, TerugLeeg})
        if (j == "f" + std::string(tekst))
            return tekst;
    return {};
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // tmpfs where there is one: the runs are mostly file system calls.
    static QTemporaryDir map(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/fuzz_herstel-XXXXXX")
                                                       : QDir::tempPath() + QStringLiteral("/fuzz_herstel-XXXXXX"));
    Eis(map.isValid());
    map_pad = map.path();
    map_fd = open(QFile::encodeName(map_pad).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    Eis(map_fd >= 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t grootte)
{
    FuzzedDataProvider f(bytes, grootte);
    Leeg();
    const int aantal = f.ConsumeIntegralInRange(1, 10);
    for (int i = 0; i < aantal && f.remaining_bytes() > 0; ++i) {
        // Valid UTF-8 without a slash, as the folder listing gives names back.
        QByteArray naam = QString::fromUtf8(Kies(f, Namen, std::size(Namen)) + Kies(f, Staarten, std::size(Staarten)))
                              .toUtf8()
                              .replace('/', '_')
                              .replace('\0', '_');
        if (naam.isEmpty() || naam == "." || naam == ".." || naam.size() > 255)
            continue;
        std::string inhoud;
        switch (f.ConsumeIntegralInRange(0, 9)) {
        case 0: inhoud = Vooruit; break;
        case 1: inhoud = Terug; break;
        case 2: inhoud = TerugLeeg; break;
        case 3: inhoud = "vooruit"; break;
        case 4: inhoud = std::string(Vooruit) + "x"; break;
        case 5: inhoud = f.ConsumeRandomLengthString(80); break;
        case 6:
            if (mkdirat(map_fd, naam.constData(), 0700) == 0)
                vorige[naam.toStdString()] = "d";
            continue;
        case 7:
            if (mkfifoat(map_fd, naam.constData(), 0600) == 0)
                vorige[naam.toStdString()] = "p";
            continue;
        case 8: break;
        default: inhoud = "inhoud " + std::to_string(i); break;
        }
        const int fd = openat(map_fd, naam.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0600);
        if (fd < 0)
            continue;  // a folder or a pipe of that name is already there
        Eis(write(fd, inhoud.data(), inhoud.size()) == ssize_t(inhoud.size()));
        close(fd);
        vorige[naam.toStdString()] = "f" + inhoud;
    }

    const Map voor = vorige;
    MapHerstellen(map_pad);
    const Map na = Lees();
    vorige = na;

    Map alle = voor;
    alle.insert(na.begin(), na.end());
    for (const auto& [naam, _] : alle) {
        const Toestand oud = In(voor, naam), nu = In(na, naam);
        if (Eindigt(naam, ".pzl") || Eindigt(naam, ".bmp")) {
            const std::string n = naam.substr(0, naam.size() - 4);
            const bool pzl = Eindigt(naam, ".pzl");
            const std::string j = Journaal(voor, n);
            // What the journal brings this file to.
            Toestand doel = oud;
            if (j == Vooruit && In(voor, naam + ".nieuw"))
                doel = In(voor, naam + ".nieuw");
            else if (j == Terug && pzl && In(voor, naam + ".oud"))
                doel = In(voor, naam + ".oud");
            else if (j == TerugLeeg && pzl)
                doel = Toestand();
            Eis(nu == oud || nu == doel);
            // A settled save: this half holds its outcome.
            if (!j.empty() && !In(na, n + ".bezig"))
                Eis(nu == doel);
        } else if (Zijbestand(naam)) {
            Eis(!nu || nu == oud);
        } else {
            Eis(nu == oud);
        }
    }
    // A settled save leaves none of its side files (a folder of such a name
    // is none of its making).
    for (const auto& [naam, _] : voor) {
        if (!Eindigt(naam, ".bezig") || In(na, naam))
            continue;
        const std::string n = naam.substr(0, naam.size() - 6);
        if (Journaal(voor, n).empty())
            continue;
        for (const char* staart : {".pzl.nieuw", ".bmp.nieuw", ".pzl.oud"}) {
            const Toestand t = In(na, n + staart);
            Eis(!t || t->front() != 'f');
        }
    }
    return 0;
}
