// Field reader and record writer.
#include "storage/Record.h"

#include "storage/Ansi.h"

#include <algorithm>
#include <charconv>

namespace {

bool IsRegeleinde(char c) { return c == '\r' || c == '\n'; }
bool IsBlanco(char c) { return c == ' ' || c == '\t'; }

} // namespace

std::optional<QByteArrayView> RecordLezer::VolgendVeld()
{
    const qsizetype n = data.size();
    while (pos < n && IsBlanco(data[pos]))
        ++pos;
    if (pos >= n)
        return std::nullopt;

    QByteArrayView veld;
    afgebroken = false;
    if (data[pos] == '"') {
        const qsizetype begin = pos + 1;
        qsizetype eind = data.indexOf('"', begin);
        afgebroken = eind < 0;
        if (eind < 0)
            eind = n;  // an unclosed quote runs to the end of the data
        veld = data.sliced(begin, eind - begin);
        pos = eind < n ? eind + 1 : n;
        while (pos < n && data[pos] != ',' && !IsRegeleinde(data[pos]))
            ++pos;
    } else {
        const qsizetype begin = pos;
        while (pos < n && data[pos] != ',' && !IsRegeleinde(data[pos]))
            ++pos;
        veld = data.sliced(begin, pos - begin);
    }

    // Consume the separator; CR LF counts as one line end.
    if (pos < n) {
        if (data[pos] == '\r' && pos + 1 < n && data[pos + 1] == '\n')
            pos += 2;
        else
            ++pos;
    }
    return veld;
}

std::optional<QString> RecordLezer::LeesTekst()
{
    const auto veld = VolgendVeld();
    // An unquoted field with a double quote in it could never be written
    // back: taken into the model it would make every later write fail.
    if (!veld || afgebroken || veld->contains('"'))
        return std::nullopt;
    return Ansi::Decodeer(*veld);
}

std::optional<qint32> RecordLezer::LeesGetal()
{
    const auto veld = VolgendVeld();
    if (!veld)
        return std::nullopt;
    QByteArrayView v = veld->trimmed();
    if (v.isEmpty())
        return 0;
    qint32 getal = 0;
    const char* eind = v.data() + v.size();
    const auto [p, fout] = std::from_chars(v.data(), eind, getal);
    if (fout != std::errc() || p != eind)
        return std::nullopt;
    return getal;
}

void RecordSchrijver::Scheiding()
{
    if (velden)
        data += ',';
    velden = true;
}

RecordSchrijver& RecordSchrijver::Tekst(const QString& tekst)
{
    Scheiding();
    data += '"';
    data += Ansi::Codeer(tekst);
    data += '"';
    return *this;
}

RecordSchrijver& RecordSchrijver::Getal(qint64 getal)
{
    Scheiding();
    data += QByteArray::number(getal);
    return *this;
}

RecordSchrijver& RecordSchrijver::Einde()
{
    data += "\r\n";
    velden = false;
    return *this;
}

namespace {

bool LeesTekst(RecordLezer& r, QString& t)
{
    const auto tekst = r.LeesTekst();
    if (tekst)
        t = *tekst;
    return bool(tekst);
}

bool LeesKleur(RecordLezer& r, Kleur& k)
{
    const auto rood = r.LeesGetal();
    if (!rood)
        return false;
    k.Rood = std::clamp(*rood, 0, 255);
    const auto groen = r.LeesGetal();
    if (!groen)
        return false;
    k.Groen = std::clamp(*groen, 0, 255);
    const auto blauw = r.LeesGetal();
    if (!blauw || *blauw < 0 || *blauw > 255)
        return false;
    k.Blauw = *blauw;
    return true;
}

} // namespace

bool LeesKop(RecordLezer& r, Kop& k)
{
    return LeesTekst(r, k.BannerTekst) && LeesKleur(r, k.KleurVeld) && LeesKleur(r, k.KleurZoekWoord)
           && LeesKleur(r, k.KleurPuzzelWoord);
}

void SchrijfKop(RecordSchrijver& w, const Kop& k)
{
    w.Tekst(k.BannerTekst).Einde();
    for (const Kleur& kleur : {k.KleurVeld, k.KleurZoekWoord, k.KleurPuzzelWoord})
        w.Getal(kleur.Rood).Getal(kleur.Groen).Getal(kleur.Blauw).Einde();
}

Kop HuidigeKop()
{
    return {Algemeen::BannerTekst, Algemeen::KleurVeld, Algemeen::KleurZoekWoord, Algemeen::KleurPuzzelWoord};
}

void Installeer(const Kop& k)
{
    Algemeen::BannerTekst = k.BannerTekst;
    Algemeen::KleurVeld = k.KleurVeld;
    Algemeen::KleurZoekWoord = k.KleurZoekWoord;
    Algemeen::KleurPuzzelWoord = k.KleurPuzzelWoord;
}
