// Field reader and record writer.
#include "storage/Record.h"

#include "storage/Ansi.h"

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
    if (!veld || veld->contains('"'))
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
