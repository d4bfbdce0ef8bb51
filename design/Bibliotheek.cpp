// The scan works on the raw bytes: with one byte per character the length
// test and the letter test need no decoding, and only matches are decoded.
// It takes the library a piece at a time, so a library of any size costs
// the same memory; a field that a piece's end may have cut is carried over
// and read again at the front of the next piece.
#include "design/Bibliotheek.h"

#include "storage/Ansi.h"
#include "storage/Heelbestand.h"
#include "storage/Record.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstring>

namespace {

QString Kleineletters(QString s)
{
    for (QChar& c : s)
        c = c.toLower();
    return s;
}

bool IsScheiding(char c) { return c == ',' || c == '\r' || c == '\n'; }

// What of the field veld, the last of data, the next piece must read again:
// the field from its start (its opening quote) with what follows it. A
// content longer than max is cut to max, still too long to match; what lay
// between a closing quote and the separator is dropped, as the reader drops
// it. So a carry never holds more than max + 4 bytes.
QByteArray Overdracht(QByteArrayView data, QByteArrayView veld, qsizetype max)
{
    const qsizetype begin = veld.data() - data.data();
    // A field that is not quoted follows a blank or a separator, never a quote.
    const bool gequote = begin > 0 && data[begin - 1] == '"';
    qsizetype na = begin + veld.size();
    QByteArray uit;
    if (gequote)
        uit += '"';
    uit += veld.first(std::min(veld.size(), max));
    if (gequote && na < data.size())
        uit += '"';  // the closing one, skipped below with what follows it
    while (na < data.size() && !IsScheiding(data[na]))
        ++na;
    uit += data.sliced(na);
    return uit;
}

// lees(doel, max) puts up to max bytes at doel and gives their number: 0 at
// the end, below 0 when reading failed, which ends the scan with what was
// read before it.
template <typename Lees> Zoekresultaat Zoek(Lees&& lees, int n, int p, QChar L, qsizetype stuk)
{
    Zoekresultaat uit;
    if (!Ansi::Past(L) || p < 1 || p > n)
        return uit;
    const unsigned char letter = static_cast<unsigned char>(Ansi::Codeer(QString(L)).at(0));
    stuk = std::max<qsizetype>(stuk, 1);
    const qsizetype max = qsizetype(n) + 1;
    QByteArray buffer(max + 4 + stuk, Qt::Uninitialized);
    qsizetype over = 0;  // carried bytes at the buffer's front
    for (;;) {
        const qint64 gelezen = lees(buffer.data() + over, stuk);
        const bool laatste = gelezen <= 0;
        const QByteArrayView data(buffer.constData(), over + std::max<qint64>(gelezen, 0));
        RecordLezer lezer(data);
        over = 0;
        while (const auto item = lezer.VolgendVeld()) {
            // Ending at the piece's end, it may go on in the next piece.
            if (!laatste && lezer.OpEinde()) {
                const QByteArray rest = Overdracht(data, *item, max);
                std::memcpy(buffer.data(), rest.constData(), rest.size());
                over = rest.size();
                break;
            }
            if (item->size() != n || Ansi::Hoofdletter(static_cast<unsigned char>((*item)[p - 1])) != letter)
                continue;
            if (uit.woorden.size() == MaxWoorden) {
                uit.afgekapt = true;
                return uit;
            }
            uit.woorden.append(Kleineletters(Ansi::Decodeer(*item)));
        }
        if (laatste)
            return uit;
    }
}

} // namespace

QStringList ZoekInBibliotheek(QByteArrayView data, int n, int p, QChar L, qsizetype stuk)
{
    qsizetype pos = 0;
    const auto lees = [&](char* doel, qint64 max) {
        const qsizetype k = std::min<qsizetype>(max, data.size() - pos);
        if (k > 0)
            std::memcpy(doel, data.data() + pos, k);
        pos += k;
        return qint64(k);
    };
    // No piece larger than the data: the buffer is made for a whole piece.
    return Zoek(lees, n, p, L, std::min(stuk, data.size())).woorden;
}

Zoekresultaat ZoekInBibliotheekBestand(const QString& pad, int n, int p, QChar L)
{
    QFile bestand;
    if (!OpenGewoon(bestand, pad))
        return {};
    if (bestand.size() > MaxBibliotheek) {
        Zoekresultaat geen;
        geen.geweigerd = QStringLiteral("De woordenlijst %1 is te groot (meer dan %2 MB) en wordt niet gebruikt.")
                             .arg(QDir::toNativeSeparators(pad))
                             .arg(MaxBibliotheek >> 20);
        return geen;
    }
    return Zoek([&](char* doel, qint64 max) { return bestand.read(doel, max); }, n, p, L, Stukgrootte);
}
