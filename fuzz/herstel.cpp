// Fuzz target for the recovery of broken-off saves: any folder of journals,
// side files, QSaveFile leftovers, look-alike names, folders and pipes,
// settled by MapHerstellen. A save of N journals itself in N.bezig only
// after N.pzl.nieuw, N.bmp.nieuw and N.pzl.oud are written; "vooruit" puts
// the .nieuw files in place, "terug" puts N.pzl.oud back, "terug-leeg"
// removes N.pzl, and the picture is never put back. So an N.pzl or N.bmp
// changes only to what such a journal brings it, and surely once the journal
// is gone, with none of its side files left; a side file (or one of
// QSaveFile's: a written name, a dot, six letters or digits) may go but never
// changes; any other name is never touched.
#include "storage/Puzzelpaar.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <fuzzer/FuzzedDataProvider.h>
#include <map>
#include <optional>
#include <regex>
#include <sstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

void Eis(bool waar) { if (!waar) std::abort(); }

using Map = std::map<std::string, std::string>;  // name -> "f" and the content, "d" or "p"
using Toestand = std::optional<std::string>;     // nullopt: absent

const std::string Journalen[] = {"vooruit\r\n", "terug\r\n", "terug-leeg\r\n"};
const char* const Namen[] = {"a",   "plan", "plan.nieuw.v2", "kerst.bezig.2", "a.pzl", "a.bezig",
                             "b c", ".x",   "\xc3\xa9\xe2\x82\xac"};
const char* const Staarten[] = {".pzl", ".bmp", ".pzl.nieuw", ".bmp.nieuw", ".pzl.oud", ".bezig",
                                ".pzl.nieuw.Ab12Cd", ".bmp.nieuw.000000", ".bezig.zZ9zZ9", ".bezig.12345",
                                ".bezig.1234567", ".pzl.nieuw.ab_cd1", "", ".nieuw", ".oud", ".v2.pzl", ".PZL",
                                ".bmp.oud"};
const std::regex Zij("[\\s\\S]+\\.(pzl\\.nieuw|bmp\\.nieuw|pzl\\.oud|bezig|"
                     "(pzl\\.nieuw|bmp\\.nieuw|bezig)\\.[A-Za-z0-9]{6})");

std::string Kies(FuzzedDataProvider& f, const char* const* lijst, std::size_t n)
{
    const std::size_t i = f.ConsumeIntegralInRange<std::size_t>(0, n);
    return i < n ? lijst[i] : f.ConsumeRandomLengthString(24);
}

bool Eindigt(const std::string& s, const std::string& staart)
{
    return s.size() > staart.size() && s.compare(s.size() - staart.size(), staart.size(), staart) == 0;
}

fs::path map;

Map Lees()
{
    Map m;
    for (const auto& e : fs::directory_iterator(map)) {
        std::ostringstream inhoud;
        if (e.is_regular_file())
            inhoud << "f" << std::ifstream(e.path(), std::ios::binary).rdbuf();
        m[e.path().filename()] = e.is_regular_file() ? inhoud.str() : e.is_directory() ? "d" : "p";
    }
    return m;
}

Toestand In(const Map& m, const std::string& naam)
{
    const auto i = m.find(naam);
    return i == m.end() ? Toestand() : Toestand(i->second);
}

// The journal text that governs base name n, or the empty text.
std::string Journaal(const Map& voor, const std::string& n)
{
    for (const std::string& tekst : Journalen)
        if (!n.empty() && In(voor, n + ".bezig") == "f" + tekst)
            return tekst;
    return {};
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // tmpfs where there is one: the runs are mostly file system calls.
    static QTemporaryDir tijdelijk((QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm") : QDir::tempPath())
                                   + QStringLiteral("/fuzz_herstel-XXXXXX"));
    Eis(tijdelijk.isValid());
    map = tijdelijk.path().toStdString();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t grootte)
{
    FuzzedDataProvider f(bytes, grootte);
    for (const auto& e : fs::directory_iterator(map))
        fs::remove_all(e.path());
    for (int i = f.ConsumeIntegralInRange(1, 10); i > 0 && f.remaining_bytes() > 0; --i) {
        // Valid UTF-8 without a slash, as a folder listing gives names back.
        const std::string gekozen = Kies(f, Namen, std::size(Namen)) + Kies(f, Staarten, std::size(Staarten));
        const QByteArray naam = QString::fromUtf8(gekozen).toUtf8().replace('/', '_').replace('\0', '_');
        const fs::path pad = map / naam.toStdString();
        const int soort = f.ConsumeIntegralInRange(0, 9);
        if (naam.isEmpty() || naam == "." || naam == ".." || naam.size() > 255
            || (fs::exists(fs::symlink_status(pad)) && !fs::is_regular_file(fs::symlink_status(pad))))
            continue;
        if (soort == 6 || soort == 7) {
            if (!fs::exists(pad))
                Eis(soort == 6 ? fs::create_directory(pad) : mkfifo(pad.c_str(), 0600) == 0);
            continue;
        }
        const std::string inhoud = soort < 3    ? Journalen[soort]
                                   : soort == 3 ? "vooruit"
                                   : soort == 4 ? Journalen[0] + "x"
                                   : soort == 5 ? f.ConsumeRandomLengthString(80)
                                   : soort == 8 ? ""
                                                : "inhoud " + std::to_string(i);
        Eis(bool(std::ofstream(pad, std::ios::binary) << inhoud));
    }

    const Map voor = Lees();
    MapHerstellen(QString::fromStdString(map.string()));
    const Map na = Lees();

    Map alle = voor;
    alle.insert(na.begin(), na.end());
    for (const auto& [naam, _] : alle) {
        const Toestand oud = In(voor, naam), nu = In(na, naam);
        if (Eindigt(naam, ".pzl") || Eindigt(naam, ".bmp")) {
            const std::string n = naam.substr(0, naam.size() - 4), j = Journaal(voor, n);
            const bool pzl = Eindigt(naam, ".pzl");
            Toestand doel = oud;  // what the journal brings this file to
            if (j == Journalen[0] && In(voor, naam + ".nieuw"))
                doel = In(voor, naam + ".nieuw");
            else if (j == Journalen[1] && pzl && In(voor, naam + ".oud"))
                doel = In(voor, naam + ".oud");
            else if (j == Journalen[2] && pzl)
                doel = Toestand();
            Eis(nu == oud || nu == doel);
            if (!j.empty() && !In(na, n + ".bezig"))
                Eis(nu == doel);
        } else {
            Eis(nu == oud || (!nu && std::regex_match(naam, Zij)));
        }
        // A settled save leaves none of its side files (a folder of such a name is none of its making).
        if (Eindigt(naam, ".bezig") && !nu && !Journaal(voor, naam.substr(0, naam.size() - 6)).empty())
            for (const char* staart : {".pzl.nieuw", ".bmp.nieuw", ".pzl.oud"})
                Eis(In(na, naam.substr(0, naam.size() - 6) + staart).value_or("d")[0] != 'f');
    }
    return 0;
}
