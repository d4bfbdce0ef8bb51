// The scan works on the raw bytes: with one byte per character the length
// test and the letter test need no decoding, and only matches are decoded.
#include "design/Bibliotheek.h"

#include "storage/Ansi.h"
#include "storage/Record.h"

#include <QFile>

namespace {

QString Kleineletters(QString s)
{
    for (QChar& c : s)
        c = c.toLower();
    return s;
}

} // namespace

QStringList ZoekInBibliotheek(QByteArrayView data, int n, int p, QChar L)
{
    QStringList uit;
    if (!Ansi::Past(L) || p < 1 || p > n)
        return uit;
    const unsigned char letter = static_cast<unsigned char>(Ansi::Codeer(QString(L)).at(0));
    RecordLezer lezer(data);
    while (const auto item = lezer.VolgendVeld()) {
        if (item->size() != n)
            continue;
        if (Ansi::Hoofdletter(static_cast<unsigned char>((*item)[p - 1])) != letter)
            continue;
        uit.append(Kleineletters(Ansi::Decodeer(*item)));
    }
    return uit;
}

QStringList ZoekInBibliotheekBestand(const QString& pad, int n, int p, QChar L)
{
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly))
        return {};
    // A read that fails part-way keeps what was read before it.
    const QByteArray data = bestand.readAll();
    return ZoekInBibliotheek(data, n, p, L);
}
