// Puzzle file records, their checks, and the paired write.
#include "storage/Puzzelbestand.h"

#include "storage/Heelbestand.h"
#include "storage/Puzzelpaar.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

using namespace Algemeen;

Puzzel HuidigePuzzel()
{
    Puzzel p;
    static_cast<Kop&>(p) = HuidigeKop();
    p.ZoekWoord = ZoekWoord;
    p.PuzzelWoord = PuzzelWoord;
    p.Omschrijving = Omschrijving;
    p.BeginX = BeginX;
    return p;
}

void Installeer(const Puzzel& p)
{
    Installeer(static_cast<const Kop&>(p));
    ZoekWoord = p.ZoekWoord;
    WisRijen();
    for (int i = 1; i <= std::min<int>(int(p.ZoekWoord.size()), MaxRijen); ++i) {
        PuzzelWoord[i] = p.PuzzelWoord[i];
        Omschrijving[i] = p.Omschrijving[i];
        BeginX[i] = p.BeginX[i];
    }
}

QByteArray PuzzelBytes(const Puzzel& p)
{
    RecordSchrijver r;
    SchrijfKop(r, p);
    r.Tekst(p.ZoekWoord).Einde();
    for (int i = 1; i <= std::min<int>(int(p.ZoekWoord.size()), MaxRijen); ++i)
        r.Getal(p.BeginX[i]).Tekst(p.PuzzelWoord[i]).Tekst(p.Omschrijving[i]).Einde();
    return r.Bytes();
}

namespace {

// A filled row must cross the column with one of its first eleven letters
// and end within ten boxes right of it, as the puzzle-word dialog places it;
// anything else would be drawn off the board when the letters are redrawn.
bool RijPast(std::int32_t beginX, qsizetype lengte)
{
    const std::int64_t afstand = std::int64_t(KolomX) + HokBreedte - beginX;
    if (afstand <= 0 || afstand % HokBreedte != 0)
        return false;
    const std::int64_t p = afstand / HokBreedte;
    return p <= MaxLetterPositie && p <= lengte && lengte - p <= MaxRechtsVanKolom;
}

} // namespace

std::optional<Puzzel> PuzzelUitBytes(QByteArrayView data)
{
    RecordLezer r(data);
    Puzzel p;
    if (!LeesKop(r, p))
        return std::nullopt;
    const auto zoekWoord = r.LeesTekst();
    if (!zoekWoord || zoekWoord->size() > MaxRijen)
        return std::nullopt;
    p.ZoekWoord = *zoekWoord;
    for (int i = 1; i <= p.ZoekWoord.size(); ++i) {
        const auto beginX = r.LeesGetal();
        const auto woord = beginX ? r.LeesTekst() : std::nullopt;
        const auto omschrijving = woord ? r.LeesTekst() : std::nullopt;
        if (!omschrijving)
            return std::nullopt;
        if (woord->isEmpty()) {
            p.BeginX[i] = 0;
        } else {
            if (!RijPast(*beginX, woord->size()))
                return std::nullopt;
            p.BeginX[i] = *beginX;
        }
        p.PuzzelWoord[i] = *woord;
        p.Omschrijving[i] = *omschrijving;
    }
    return p;
}

std::optional<Puzzel> PuzzelLezenUit(const QString& pad)
{
    const auto data = LeesBegin(pad, MaxPuzzelBestand);
    return data ? PuzzelUitBytes(*data) : std::nullopt;
}

namespace {

// Far beyond any board picture: a header that asks for more is refused
// instead of allocated.
constexpr qint64 MaxBeeldzijde = 4096;
constexpr qint64 MaxBeeldBestand = MaxBeeldzijde * MaxBeeldzijde * 4 + 4096;

quint32 Woord32(QByteArrayView d, qsizetype i)
{
    return quint32(quint8(d[i])) | quint32(quint8(d[i + 1])) << 8 | quint32(quint8(d[i + 2])) << 16
           | quint32(quint8(d[i + 3])) << 24;
}
quint16 Woord16(QByteArrayView d, qsizetype i) { return quint16(quint8(d[i]) | quint8(d[i + 1]) << 8); }

// Whether the pixel rows the BMP header announces are all in data.
bool BmpHeel(QByteArrayView d)
{
    if (d.size() < 26 || d[0] != 'B' || d[1] != 'M')
        return false;
    const qint64 begin = Woord32(d, 10);
    const quint32 kop = Woord32(d, 14);
    qint64 breedte = 0, hoogte = 0, bits = 0;
    qint64 kleuren = 0, kleurgrootte = 4, maskers = 0;
    if (kop == 12) {  // the old OS/2 header: 16-bit sides
        breedte = Woord16(d, 18);
        hoogte = Woord16(d, 20);
        bits = Woord16(d, 24);
        kleurgrootte = 3;
    } else if (kop >= 40 && d.size() >= 50) {
        breedte = qint32(Woord32(d, 18));
        hoogte = qint32(Woord32(d, 22));
        bits = Woord16(d, 28);
        const quint32 compressie = Woord32(d, 30);
        if (compressie != 0 && compressie != 3)  // run-length data has no length to check
            return false;
        if (compressie == 3 && kop == 40)
            maskers = 12;
        kleuren = Woord32(d, 46);
    } else {
        return false;
    }
    if (kleuren == 0 && bits <= 8)
        kleuren = qint64(1) << bits;
    hoogte = hoogte < 0 ? -hoogte : hoogte;
    if (breedte <= 0 || hoogte <= 0 || breedte > MaxBeeldzijde || hoogte > MaxBeeldzijde)
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    const qint64 rij = (breedte * bits + 31) / 32 * 4;
    // The colour table ends where the pixels begin: one that runs into them
    // would have the pixels read from elsewhere.
    return begin >= 14 + kop + maskers + kleuren * kleurgrootte && begin + rij * hoogte <= d.size();
}

} // namespace

std::optional<QImage> BordbeeldUitBytes(QByteArrayView data)
{
    if (!BmpHeel(data))
        return std::nullopt;
    QImage beeld = QImage::fromData(data, "BMP");
    if (beeld.isNull())
        return std::nullopt;
    // A palette picture may point past its own short colour table; drawn,
    // those pixels would be read from beyond it. It is as damaged as a cut one.
    if (beeld.format() == QImage::Format_Indexed8) {
        for (int y = 0; y < beeld.height(); ++y) {
            const uchar* rij = beeld.constScanLine(y);
            for (int x = 0; x < beeld.width(); ++x)
                if (rij[x] >= beeld.colorCount())
                    return std::nullopt;
        }
    } else if ((beeld.format() == QImage::Format_Mono || beeld.format() == QImage::Format_MonoLSB)
               && beeld.colorCount() < 2) {
        return std::nullopt;
    }
    return beeld;
}

std::optional<QImage> LeesBordbeeld(const QString& pad)
{
    const auto data = LeesBegin(pad, MaxBeeldBestand);
    return data ? BordbeeldUitBytes(*data) : std::nullopt;
}

QString Naamfout(const QString& naam)
{
    static const QString Verboden = QStringLiteral("\\/:*?\"<>|");
    static const QStringList Apparaten = {
        QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"), QStringLiteral("NUL"),
    };
    if (naam.isEmpty())
        return QStringLiteral("Geef een bestandsnaam.");
    for (QChar c : naam) {
        if (Verboden.contains(c))
            return QStringLiteral("Een bestandsnaam mag geen van de tekens \\ / : * ? \" < > | bevatten.");
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return QStringLiteral("Een bestandsnaam mag geen besturingstekens bevatten.");
    }
    // "." and ".." included; a leading dot would also hide the file.
    if (naam.front() == u'.')
        return QStringLiteral("Een bestandsnaam mag niet met een punt beginnen.");
    if (naam.front().isSpace() || naam.back().isSpace() || naam.back() == u'.')
        return QStringLiteral("Een bestandsnaam mag niet met een spatie beginnen of met een spatie of punt eindigen.");
    const QString stam = Algemeen::Hoofdletters(naam.section(u'.', 0, 0).trimmed());
    const bool poort = stam.size() == 4 && (stam.startsWith(QStringLiteral("COM")) || stam.startsWith(QStringLiteral("LPT")))
                       && stam[3] >= u'1' && stam[3] <= u'9';
    if (Apparaten.contains(stam) || poort)
        return QStringLiteral("De naam %1 is op Windows voor een apparaat gereserveerd.").arg(naam);
    // The file system must keep the name as it is: half of a character
    // pair would come back as another name.
    if (QFile::decodeName(QFile::encodeName(naam)) != naam)
        return QStringLiteral("Een bestandsnaam mag geen half teken bevatten.");
    // The longest name a save writes: the temporary file beside the new .pzl.
    if ((naam + QStringLiteral(".pzl.nieuw.XXXXXX")).toUtf8().size() > 255)
        return QStringLiteral("De bestandsnaam is te lang.");
    return {};
}

std::optional<QByteArray> BordbeeldBytes(const QImage& beeld)
{
    QByteArray bmp;
    QBuffer buffer(&bmp);
    if (!buffer.open(QIODevice::WriteOnly) || !beeld.save(&buffer, "BMP"))
        return std::nullopt;
    return bmp;
}

Geladen PaarLezen(const QString& map, const QString& basisnaam, const QString& bestandsnaam)
{
    const QString mislukt = QStringLiteral("Selecteer eerst een puzzel!");
    if (bestandsnaam.isEmpty())
        return {{}, {}, mislukt};
    const QDir dir(map);
    // If a broken-off save cannot be settled, the two files may be from two
    // saves. The maker is told which file holds the name, since choosing
    // again cannot help.
    const Bestandspaar paar = Bestandspaar::Puzzel(map, basisnaam);
    if (!PaarHerstellen(paar))
        return {{}, {}, QStringLiteral("Een eerder afgebroken opslag van deze puzzel kon niet worden afgerond.\r\n"
                                       "Het bestand %1 houdt de puzzel vast; verwijder het om de puzzel te laden zoals "
                                       "hij nu in de map staat.")
                            .arg(QDir::toNativeSeparators(paar.Journaalpad()))};
    const auto beeld = LeesBordbeeld(dir.filePath(basisnaam + QStringLiteral(".bmp")));
    if (!beeld)
        return {{}, {}, mislukt};
    const auto puzzel = PuzzelLezenUit(dir.filePath(bestandsnaam));
    if (!puzzel)
        return {{}, {}, mislukt};
    return {*puzzel, *beeld, {}};
}

namespace {

QString Schrijffout(const QString& pad)
{
    return QStringLiteral("De puzzel is niet opgeslagen: het bestand %1 kon niet worden geschreven.\r\n"
                          "Eerder opgeslagen bestanden met deze naam zijn niet veranderd.")
        .arg(QDir::toNativeSeparators(pad));
}

} // namespace

QString PuzzelSchrijven(const QString& map, const QString& naam, const Puzzel& p, const QImage& beeld)
{
    if (!QFileInfo(map).isDir())
        return QStringLiteral("De puzzel is niet opgeslagen: de map %1 ontbreekt.").arg(QDir::toNativeSeparators(map));

    // The record syntax has no escape: a double quote in a text would end
    // it early and the file would load as another puzzle, or not at all.
    const QByteArray bytes = PuzzelBytes(p);
    const auto terug = PuzzelUitBytes(bytes);
    if (!terug || PuzzelBytes(*terug) != bytes)
        return QStringLiteral("De puzzel is niet opgeslagen: een tekst van de puzzel bevat een teken dat een "
                              "puzzelbestand niet kan bewaren, zoals een aanhalingsteken (\").");

    const auto bmp = BordbeeldBytes(beeld);
    if (!bmp)
        return Schrijffout(QDir(map).filePath(naam + QStringLiteral(".bmp")));
    const Bestandspaar paar = Bestandspaar::Puzzel(map, naam);
    const QString bestand = PaarVervangen(paar, bytes, *bmp);
    if (bestand.isEmpty())
        return {};
    if (bestand == paar.Journaalpad())
        return QStringLiteral("De puzzel is niet opgeslagen: een eerder afgebroken opslag onder deze naam kon niet "
                              "worden afgerond.\r\nHet bestand %1 houdt de naam vast; verwijder het, of kies een "
                              "andere naam.")
            .arg(QDir::toNativeSeparators(bestand));
    return Schrijffout(bestand);
}
