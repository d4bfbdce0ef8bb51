// Fuzz targets of the record readers, one harness built once per reader
// (LEZER: record, puzzel, instellingen, bibliotheek), each from its own
// corpus: any bytes must neither crash nor loop, and
//  - every field the syntax can hold (no double quote) and every number read
//    come back the same through the writer;
//  - a puzzle read has colours in 0..255, every row on the board and nothing
//    past the search word, and writes back as it was read;
//  - the settings, read whole or part-way, keep colours in 0..255 and what
//    start-up writes back from them reads back the same;
//  - a library search gives only words of the asked length with the asked
//    letter, never more than the library has items.
// An unquoted field may hold a double quote, which no quoted text can: a text
// with one cannot be written back as it was (a save refuses it).
#include "design/Bibliotheek.h"
#include "storage/Ansi.h"
#include "storage/Instellingen.h"
#include "storage/Puzzelbestand.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <tuple>
#include <vector>

using namespace Algemeen;

namespace {

void Eis(bool waar) { if (!waar) std::abort(); }

bool KleurGoed(const Kleur& k)
{
    return k.Rood >= 0 && k.Rood <= 255 && k.Groen >= 0 && k.Groen <= 255 && k.Blauw >= 0 && k.Blauw <= 255;
}

void Velden(QByteArrayView data)
{
    std::vector<QString> teksten;
    RecordSchrijver schrijver;
    // Every field takes at least one byte: a reader that stops advancing
    // fails on the count instead of hanging.
    qsizetype velden = 0;
    for (RecordLezer lezer(data); const auto veld = lezer.VolgendVeld();) {
        Eis(++velden <= data.size());
        if (!veld->contains('"')) {
            teksten.push_back(Ansi::Decodeer(*veld));
            schrijver.Tekst(teksten.back());
            if (teksten.size() % 3 == 0)
                schrijver.Einde();
        }
    }
    RecordLezer terug(schrijver.Einde().Bytes());
    for (const QString& tekst : teksten)
        Eis(terug.LeesTekst() == tekst);
    qsizetype getallen = 0;
    for (RecordLezer lezer(data); !lezer.OpEinde();) {
        Eis(++getallen <= data.size());
        if (const auto getal = lezer.LeesGetal())
            Eis(RecordLezer(RecordSchrijver().Getal(*getal).Einde().Bytes()).LeesGetal() == getal);
    }
}

void PuzzelTerug(QByteArrayView data)
{
    const auto p = PuzzelUitBytes(data);
    if (!p)
        return;
    const int n = int(p->ZoekWoord.size());
    Eis(n <= MaxRijen && KleurGoed(p->KleurVeld) && KleurGoed(p->KleurZoekWoord) && KleurGoed(p->KleurPuzzelWoord));
    bool aanhalingsteken = p->BannerTekst.contains(u'"') || p->ZoekWoord.contains(u'"');
    for (int i = 1; i <= MaxRijen; ++i) {
        const QString& woord = p->PuzzelWoord[i];
        const std::int32_t x = p->BeginX[i];
        Eis(i <= n || (woord.isEmpty() && p->Omschrijving[i].isEmpty()));
        Eis(woord.isEmpty() ? x == 0 : x >= 0 && x + HokBreedte * woord.size() < BordBreedte);
        aanhalingsteken |= woord.contains(u'"') || p->Omschrijving[i].contains(u'"');
    }
    const QByteArray geschreven = PuzzelBytes(*p);
    const auto terug = PuzzelUitBytes(geschreven);
    Eis(aanhalingsteken || (terug && *terug == *p && PuzzelBytes(*terug) == geschreven));
}

void InstellingenTerug(QByteArrayView data)
{
    Instellingen s{{StandaardBannerTekst, StandaardKleurVeld, StandaardKleurZoekWoord, StandaardKleurPuzzelWoord},
                   StandaardKopTekst};
    const bool gelezen = InstellingenUitBytes(data, s);
    Eis(KleurGoed(s.KleurVeld) && KleurGoed(s.KleurZoekWoord) && KleurGoed(s.KleurPuzzelWoord));
    const QByteArray geschreven = InstellingenBytes(s);
    Instellingen terug{{QStringLiteral("x"), {1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, QStringLiteral("y")};
    const bool teruggelezen = InstellingenUitBytes(geschreven, terug);
    if (!s.BannerTekst.contains(u'"') && !s.KopTekst.contains(u'"'))
        Eis(teruggelezen && terug == s && (!gelezen || InstellingenBytes(terug) == geschreven));
}

void Zoeken(QByteArrayView data)
{
    qsizetype items = 0;
    for (RecordLezer lezer(data); lezer.VolgendVeld();)
        ++items;
    for (const auto& [n, p, L] : {std::tuple(5, 2, QChar(u'A')), std::tuple(8, 1, QChar(0xC9)),
                                  std::tuple(20, 11, QChar(u'Z')), std::tuple(6, 6, QChar(0x160))}) {
        const QStringList gevonden = ZoekInBibliotheek(data, n, p, L);
        Eis(gevonden.size() <= items);
        for (const QString& woord : gevonden)
            Eis(woord.size() == n && Hoofdletter(woord[p - 1]) == Hoofdletter(L));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t grootte)
{
    const QByteArrayView data(reinterpret_cast<const char*>(bytes), qsizetype(grootte));
    const std::string_view lezer = LEZER;
    if (lezer == "puzzel")
        PuzzelTerug(data);
    else if (lezer == "instellingen")
        InstellingenTerug(data);
    else if (lezer == "bibliotheek")
        Zoeken(data);
    else
        Velden(data);
    return 0;
}
