// Windows-1252 through Qt's codec; what Qt lacks is here: whether a
// character has a byte, and upper case per byte for the library scan.
#include "storage/Ansi.h"

#include "model/Algemeen.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>

namespace {

constexpr const char* Codetabel = "windows-1252";

// Controls, C1 included: a line break or tab would break the record.
bool IsBesturing(char16_t u) { return u < 0x20 || (u >= 0x7F && u < 0xA0); }

} // namespace

namespace Ansi {

QString Decodeer(QByteArrayView bytes) { return QStringDecoder(Codetabel).decode(bytes); }

QByteArray Codeer(const QString& tekst) { return QStringEncoder(Codetabel).encode(tekst); }

bool Past(QChar c)
{
    if (c.isSurrogate())
        return false;
    QStringEncoder codec(Codetabel);
    const QByteArray b = codec.encode(QStringView(&c, 1));
    return !codec.hasError() && b.size() == 1;
}

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
    static const std::array<unsigned char, 256> tabel = [] {
        std::array<unsigned char, 256> t{};
        for (int i = 0; i < 256; ++i) {
            const QChar h = Algemeen::Hoofdletter(Decodeer(QByteArray(1, char(i))).at(0));
            t[i] = static_cast<unsigned char>(Past(h) ? Codeer(QString(h)).at(0) : char(i));
        }
        return t;
    }();
    return tabel[b];
}

} // namespace Ansi
