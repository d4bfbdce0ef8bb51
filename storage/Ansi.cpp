// Windows-1252 by table: bytes 0x80-0x9F carry the typographic characters,
// the rest is Latin-1. The five bytes the code page leaves undefined decode
// to the C1 controls of the same number, as Windows itself does, so every
// byte survives a read and a write unchanged.
#include "storage/Ansi.h"

#include "model/Algemeen.h"

#include <array>

namespace {

constexpr std::array<char16_t, 32> Hoog = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int ByteVan(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (Hoog[i] == u)
            return 0x80 + i;
    return -1;
}

// Controls, C1 included: a line break or tab would break the record.
bool IsBesturing(char16_t u) { return u < 0x20 || (u >= 0x7F && u < 0xA0); }

struct Hoofdlettertabel {
    std::array<unsigned char, 256> t{};
    Hoofdlettertabel()
    {
        for (int b = 0; b < 256; ++b) {
            const int h = ByteVan(Algemeen::Hoofdletter(Ansi::Teken(b)).unicode());
            t[b] = static_cast<unsigned char>(h < 0 ? b : h);
        }
    }
};

} // namespace

namespace Ansi {

QChar Teken(unsigned char b) { return b >= 0x80 && b < 0xA0 ? QChar(Hoog[b - 0x80]) : QChar(b); }

QString Decodeer(QByteArrayView bytes)
{
    QString uit(bytes.size(), Qt::Uninitialized);
    QChar* d = uit.data();
    for (char c : bytes)
        *d++ = Teken(static_cast<unsigned char>(c));
    return uit;
}

QByteArray Codeer(const QString& tekst)
{
    QByteArray uit(tekst.size(), Qt::Uninitialized);
    char* d = uit.data();
    for (QChar c : tekst) {
        const int b = ByteVan(c.unicode());
        *d++ = static_cast<char>(b < 0 ? '?' : b);
    }
    return uit;
}

bool Past(QChar c) { return ByteVan(c.unicode()) >= 0; }

QString Bestandstekst(const QString& tekst)
{
    QString uit;
    uit.reserve(tekst.size());
    for (QChar c : tekst) {
        if (c == u'"')
            uit += u'\'';
        else if (Past(c) && !IsBesturing(c.unicode()))
            uit += c;
    }
    return uit;
}

unsigned char Hoofdletter(unsigned char b)
{
    static const Hoofdlettertabel tabel;
    return tabel.t[b];
}

} // namespace Ansi
