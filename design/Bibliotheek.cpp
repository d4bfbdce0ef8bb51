// The scan works on the raw bytes: with one byte per character the length
// test and the letter test need no decoding, and only matches are decoded.
// It takes the library a piece at a time, so a library of any size costs
// the same memory. The field rules are a small state machine that lives on
// from piece to piece: a field that a piece's end cut keeps only its first
// n bytes and its length, so nothing but that is carried over.
//
// Speed: the scan looks for a field's end sixteen bytes at a time, where
// the vector unit has them, and otherwise byte for byte with its position
// in a register; the library's lines are a dozen bytes, so a line costs
// about what memchr would cost to find its end.
#include "design/Bibliotheek.h"

#include "model/Algemeen.h"
#include "storage/Ansi.h"
#include "storage/Heelbestand.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <algorithm>
#include <array>
#include <cstring>
#include <vector>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

struct Tabellen {
    std::array<unsigned char, 256> hoofd{};    // the upper case's byte, as Ansi::Hoofdletter
    std::array<char16_t, 256> teken{};         // the character, Windows-1252
    std::array<bool, 256> hoofdletter{};       // an upper-case letter: the item is a name
    std::array<bool, 256> gewoon{};            // begins an unquoted field: no blank, quote or field end
};

const Tabellen& Tabel()
{
    static const Tabellen tabel = [] {
        Tabellen t;
        QByteArray alle(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i)
            alle[i] = char(i);
        const QString tekens = Ansi::Decodeer(alle);
        for (int i = 0; i < 256; ++i) {
            t.hoofd[i] = Ansi::Hoofdletter(static_cast<unsigned char>(i));
            t.teken[i] = tekens.at(i).unicode();
            t.hoofdletter[i] = tekens.at(i).isUpper();
            // strchr finds the terminating NUL too, which is an ordinary byte here.
            t.gewoon[i] = i == 0 || !std::strchr(" \t\",\r\n", i);
        }
        return t;
    }();
    return tabel;
}

bool IsScheiding(char c) { return c == ',' || c == '\r' || c == '\n'; }

// The first field end (a comma or a line end) in [s, e), or e.
inline const char* VolgendeScheiding(const char* s, const char* e)
{
#if defined(__SSE2__)
    const __m128i komma = _mm_set1_epi8(','), cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
    for (; e - s >= 16; s += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s));
        const __m128i raak = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(x, komma), _mm_cmpeq_epi8(x, cr)),
                                          _mm_cmpeq_epi8(x, lf));
        if (const int masker = _mm_movemask_epi8(raak))
            return s + __builtin_ctz(unsigned(masker));
    }
#endif
    while (s < e && !IsScheiding(*s))
        ++s;
    return s;
}

// The fields of the record rules (RecordLezer's, over the whole data), fed
// a piece at a time. Every field of n bytes whose byte p, upper-cased, is
// letter goes to treffer(const char*), which returns false to stop the scan.
// Fields of other lengths cost no more than finding their end.
template <typename Treffer> class Scan
{
public:
    Scan(int n, int p, unsigned char letter, Treffer& treffer)
        : n(n), p(p), letter(letter), hoofd(Tabel().hoofd.data()), gewoon(Tabel().gewoon.data()), treffer(treffer),
          deel(std::size_t(n))
    {
    }

    // False when treffer stopped the scan.
    bool Stuk(const char* s, const char* e)
    {
        const char* veld = s;  // where the field under way began in this piece
        while (s < e) {
            switch (staat) {
            case Staat::Begin:
                // The common line: a field that begins at once and ends in
                // this piece, its line end CR LF, all without a state change.
                while (gewoon[static_cast<unsigned char>(*s)]) {
                    const char* eind = VolgendeScheiding(s + 1, e);
                    if (eind == e)
                        break;
                    const char* w = s;
                    s = eind + 1;
                    if (*eind == '\r' && s < e && *s == '\n')
                        ++s;
                    if (eind - w == n && !Test(w))
                        return false;
                    if (s == e)
                        return true;
                }
                // Blanks before a field are skipped; a field end right away
                // ends an empty field, which never matches.
                while (s < e && (*s == ' ' || *s == '\t'))
                    ++s;
                if (s == e)
                    return true;
                if (IsScheiding(*s)) {
                    ++s;
                } else if (*s == '"') {
                    staat = Staat::Quote;
                    veld = ++s;
                } else {
                    staat = Staat::Kaal;
                    veld = s;
                }
                break;
            case Staat::Kaal: {
                const char* eind = VolgendeScheiding(s, e);
                if (eind == e) {
                    Bewaar(veld, e);
                    return true;
                }
                staat = Staat::Begin;
                s = eind + 1;
                if (!Veld(veld, eind))
                    return false;
                break;
            }
            case Staat::Quote: {
                // Runs to the next double quote, line ends and commas included.
                const auto* eind = static_cast<const char*>(std::memchr(s, '"', std::size_t(e - s)));
                if (!eind) {
                    Bewaar(veld, e);
                    return true;
                }
                staat = Staat::NaQuote;
                s = eind + 1;
                if (!Veld(veld, eind))
                    return false;
                break;
            }
            case Staat::NaQuote:
                // What follows a closing quote up to the field end is dropped.
                s = VolgendeScheiding(s, e);
                if (s == e)
                    return true;
                ++s;
                staat = Staat::Begin;
                break;
            }
        }
        return true;
    }

    // The data ended: a field under way ends with it, an unclosed quote too.
    bool Einde()
    {
        const bool onderweg = staat == Staat::Kaal || staat == Staat::Quote;
        staat = Staat::Begin;
        // Only a field that an earlier piece began can be under way: one
        // begun in the last piece was kept when that piece ended.
        return !onderweg || !gedeeld || Deel();
    }

private:
    enum class Staat : unsigned char { Begin, Kaal, Quote, NaQuote };

    // The field [b, e) of this piece, after what earlier pieces had of it.
    bool Veld(const char* b, const char* e)
    {
        if (gedeeld) {
            Bewaar(b, e);
            return Deel();
        }
        return e - b != n || Test(b);
    }

    // The field that pieces cut, whole now.
    bool Deel()
    {
        gedeeld = false;
        const bool past = lengte == n;
        lengte = 0;
        return !past || Test(deel.data());
    }

    bool Test(const char* w)
    {
        return hoofd[static_cast<unsigned char>(w[p - 1])] != letter || treffer(w);
    }

    // A piece's end cut the field: its first n bytes and its length go on.
    void Bewaar(const char* b, const char* e)
    {
        if (!gedeeld)
            lengte = 0;
        gedeeld = true;
        const qint64 k = std::min<qint64>(e - b, std::max<qint64>(0, n - lengte));
        if (k > 0)
            std::memcpy(deel.data() + lengte, b, std::size_t(k));
        lengte += e - b;
    }

    const int n, p;
    const unsigned char letter;
    const unsigned char* const hoofd;
    const bool* const gewoon;
    Treffer& treffer;
    Staat staat = Staat::Begin;
    bool gedeeld = false;     // the field under way began in an earlier piece
    std::vector<char> deel;   // its first n bytes
    qint64 lengte = 0;        // its length so far
};

template <typename Treffer> Scan<Treffer> MaakScan(int n, int p, unsigned char letter, Treffer& treffer)
{
    return Scan<Treffer>(n, p, letter, treffer);
}

// The letter's byte, upper-cased; 0 when the query can match nothing.
unsigned char Letterbyte(int n, int p, QChar L)
{
    if (!Ansi::Past(L) || p < 1 || p > n)
        return 0;
    return Tabel().hoofd[static_cast<unsigned char>(Ansi::Codeer(QString(L)).at(0))];
}

QString Decodeer(const char* w, int n)
{
    const auto& teken = Tabel().teken;
    QString uit(n, Qt::Uninitialized);
    char16_t* d = reinterpret_cast<char16_t*>(uit.data());
    for (int i = 0; i < n; ++i)
        d[i] = teken[static_cast<unsigned char>(w[i])];
    return uit;
}

bool IsNaam(const char* w, int n)
{
    const auto& hoofdletter = Tabel().hoofdletter;
    for (int i = 0; i < n; ++i)
        if (hoofdletter[static_cast<unsigned char>(w[i])])
            return true;
    return false;
}

// The word's bytes upper-cased: words that differ only in case are one.
QByteArray Sleutel(const char* w, int n)
{
    const auto& hoofd = Tabel().hoofd;
    QByteArray uit(n, Qt::Uninitialized);
    for (int i = 0; i < n; ++i)
        uit[i] = char(hoofd[static_cast<unsigned char>(w[i])]);
    return uit;
}

enum class Lezing { Gelezen, Ontbreekt, TeGroot, Binair };

// Feeds the regular file at pad to scan a piece at a time, never more than
// MaxBibliotheek bytes. With tekst, a file with a NUL byte is binary: the
// scan may have seen some of it, and the caller drops what it found.
template <typename S> Lezing LeesBestand(const QString& pad, S& scan, bool tekst)
{
    QFile bestand;
    if (!OpenGewoon(bestand, pad))
        return Lezing::Ontbreekt;
    if (bestand.size() > MaxBibliotheek)
        return Lezing::TeGroot;
    QByteArray buffer(Stukgrootte, Qt::Uninitialized);
    for (qint64 totaal = 0; totaal < MaxBibliotheek;) {
        const qint64 gelezen = bestand.read(buffer.data(), std::min<qint64>(Stukgrootte, MaxBibliotheek - totaal));
        if (gelezen <= 0)
            break;
        totaal += gelezen;
        if (tekst && std::memchr(buffer.constData(), 0, std::size_t(gelezen)))
            return Lezing::Binair;
        if (!scan.Stuk(buffer.constData(), buffer.constData() + gelezen))
            return Lezing::Gelezen;
    }
    scan.Einde();
    return Lezing::Gelezen;
}

QString TeGroot(const QString& wat, const QString& pad)
{
    return QStringLiteral("%1 %2 is te groot (meer dan %3 MB) en wordt niet gebruikt.")
        .arg(wat, QDir::toNativeSeparators(pad))
        .arg(MaxBibliotheek >> 20);
}

const QString Woordenlijst = QStringLiteral("De woordenlijst");
const QString Eigenlijst = QStringLiteral("De lijst met eigen woorden");

// The library's matches after the own words already in uit, whose keys are
// eigen: names only with namen, no word of eigen again.
struct Bibliotheekzoeker {
    int n;
    bool namen;
    const QSet<QByteArray>& eigen;
    Zoekresultaat& uit;

    bool operator()(const char* w)
    {
        if (!namen && IsNaam(w, n))
            return true;
        if (!eigen.isEmpty() && eigen.contains(Sleutel(w, n)))
            return true;
        if (uit.woorden.size() == MaxWoorden) {
            uit.afgekapt = true;
            return false;
        }
        uit.woorden.append(Decodeer(w, n));
        return true;
    }
};

} // namespace

QStringList ZoekInBibliotheek(QByteArrayView data, int n, int p, QChar L, qsizetype stuk, bool namen)
{
    Zoekresultaat uit;
    const unsigned char letter = Letterbyte(n, p, L);
    if (!letter)
        return {};
    const QSet<QByteArray> geen;
    Bibliotheekzoeker zoeker{n, namen, geen, uit};
    auto scan = MaakScan(n, p, letter, zoeker);
    stuk = std::max<qsizetype>(stuk, 1);
    for (qsizetype pos = 0; pos < data.size(); pos += stuk)
        if (!scan.Stuk(data.data() + pos, data.data() + std::min(data.size(), pos + stuk)))
            return uit.woorden;
    scan.Einde();
    return uit.woorden;
}

Zoekresultaat ZoekInBibliotheekBestand(const QString& pad, int n, int p, QChar L, bool namen)
{
    return ZoekWoorden(QString(), pad, n, p, L, namen);
}

Zoekresultaat ZoekWoorden(const QString& eigen, const QString& bibliotheek, int n, int p, QChar L, bool namen)
{
    Zoekresultaat uit;
    const unsigned char letter = Letterbyte(n, p, L);
    if (!letter)
        return uit;
    QStringList meldingen;

    QSet<QByteArray> sleutels;
    if (!eigen.isEmpty()) {
        const auto treffer = [&](const char* w) {
            QByteArray sleutel = Sleutel(w, n);
            if (sleutels.contains(sleutel))
                return true;
            if (uit.woorden.size() == MaxWoorden) {
                uit.afgekapt = true;
                return false;
            }
            sleutels.insert(std::move(sleutel));
            uit.woorden.append(Decodeer(w, n));
            return true;
        };
        auto scan = MaakScan(n, p, letter, treffer);
        const Lezing lezing = LeesBestand(eigen, scan, true);
        if (lezing == Lezing::TeGroot)
            meldingen << TeGroot(Eigenlijst, eigen);
        if (lezing == Lezing::Binair) {
            meldingen << QStringLiteral("%1 %2 is geen tekstbestand en wordt niet gebruikt.")
                             .arg(Eigenlijst, QDir::toNativeSeparators(eigen));
            uit.woorden.clear();
            uit.afgekapt = false;
            sleutels.clear();
        }
        uit.eigen = uit.woorden.size();
    }

    if (!uit.afgekapt) {
        Bibliotheekzoeker zoeker{n, namen, sleutels, uit};
        auto scan = MaakScan(n, p, letter, zoeker);
        if (LeesBestand(bibliotheek, scan, false) == Lezing::TeGroot)
            meldingen << TeGroot(Woordenlijst, bibliotheek);
    }
    uit.geweigerd = meldingen.join(QStringLiteral("\r\n\r\n"));
    return uit;
}

bool InBibliotheek(const QString& pad, const QString& woord)
{
    const int n = int(woord.size());
    if (n == 0 || !std::all_of(woord.begin(), woord.end(), [](QChar c) { return Ansi::Past(c); }))
        return false;
    const QByteArray bytes = Ansi::Codeer(woord);
    const QByteArray sleutel = Sleutel(bytes.constData(), n);
    bool gevonden = false;
    const auto treffer = [&](const char* w) {
        gevonden = std::memcmp(Sleutel(w, n).constData(), sleutel.constData(), std::size_t(n)) == 0;
        return !gevonden;
    };
    auto scan = MaakScan(n, 1, static_cast<unsigned char>(sleutel.at(0)), treffer);
    LeesBestand(pad, scan, false);
    return gevonden;
}

bool PastOpPatroon(QStringView patroon, QStringView woord)
{
    using Algemeen::Hoofdletter;
    qsizetype i = 0, j = 0;
    qsizetype ster = -1, terug = 0;  // after the last "*": where the pattern and the word go on
    for (;;) {
        if (i == patroon.size())
            return true;  // the rest of the word is free
        const QChar c = patroon[i];
        if (c == u'*') {
            ster = ++i;
            terug = j;
            continue;
        }
        if (j < woord.size() && (c == u'?' || Hoofdletter(c) == Hoofdletter(woord[j]))) {
            ++i;
            ++j;
            continue;
        }
        // The last "*" takes one character more, if the word has it.
        if (ster < 0 || terug >= woord.size())
            return false;
        i = ster;
        j = ++terug;
    }
}
