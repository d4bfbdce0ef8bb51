// The journaled replacement of a puzzle's .pzl and .bmp, and its recovery.
#include "storage/Puzzelpaar.h"

#include "shell/Naad.h"
#include "storage/Heelbestand.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <functional>
#include <unistd.h>

namespace {

const QString Pzl = QStringLiteral(".pzl");
const QString Bmp = QStringLiteral(".bmp");
const QString Nieuw = QStringLiteral(".nieuw");
const QString Oud = QStringLiteral(".oud");
const QString Bezig = QStringLiteral(".bezig");

// What the journal says: finish the save, or undo it (with or without an
// old .pzl to put back).
const QByteArray Vooruit = "vooruit\r\n";
const QByteArray Terug = "terug\r\n";
const QByteArray TerugLeeg = "terug-leeg\r\n";

// The temporary file QSaveFile writes before it commits: the target's name
// and six random letters or digits.
const QRegularExpression& Restant()
{
    static const QRegularExpression r(QStringLiteral("^.+\\.(pzl\\.nieuw|bmp\\.nieuw|bezig)\\.[A-Za-z0-9]{6}\\z"));
    return r;
}

struct Paden {
    QString pzl, bmp, pzlNieuw, bmpNieuw, pzlOud, bezig;

    Paden(const QString& map, const QString& naam)
    {
        const QDir dir(map);
        pzl = dir.filePath(naam + Pzl);
        bmp = dir.filePath(naam + Bmp);
        pzlNieuw = pzl + Nieuw;
        bmpNieuw = bmp + Nieuw;
        pzlOud = pzl + Oud;
        bezig = dir.filePath(naam + Bezig);
    }
};

bool Weg(const QString& pad)
{
    return !QFileInfo::exists(pad) || QFile::remove(pad);
}

// The old .pzl kept under another name: a second link costs nothing, a copy
// serves where the file system (or an immutable file) refuses links.
bool Bewaar(const QString& van, const QString& naar)
{
    if (::link(QFile::encodeName(van).constData(), QFile::encodeName(naar).constData()) == 0)
        return true;
    return QFile::copy(van, naar);
}

void RuimOp(const Paden& p)
{
    Weg(p.pzlNieuw);
    Weg(p.bmpNieuw);
    Weg(p.pzlOud);
}

bool Onderbroken(int stap)
{
    return Naad.PaarOnderbreking > 0 && stap >= Naad.PaarOnderbreking;
}

// Settles a save by what its journal says; safe to run again at any point
// of a run that was itself broken off.
bool Afmaken(const Paden& p, const QByteArray& richting)
{
    if (richting == Vooruit) {
        if (QFileInfo::exists(p.pzlNieuw) && !Hernoem(p.pzlNieuw, p.pzl))
            return false;
        if (QFileInfo::exists(p.bmpNieuw) && !Hernoem(p.bmpNieuw, p.bmp))
            return false;
    } else if (richting == Terug || richting == TerugLeeg) {
        // The picture was never replaced: only the .pzl goes back, before the
        // new picture is thrown away, so no order of kills mixes the two.
        if (richting == Terug && QFileInfo::exists(p.pzlOud) && !Hernoem(p.pzlOud, p.pzl))
            return false;
        if (richting == TerugLeeg && !Weg(p.pzl))
            return false;
        if (!Weg(p.bmpNieuw) || !Weg(p.pzlNieuw))
            return false;
    } else {
        return false;  // not a journal this program wrote: leave everything alone
    }
    Weg(p.pzlOud);
    return Weg(p.bezig);
}

} // namespace

QString JournaalPad(const QString& map, const QString& naam) { return Paden(map, naam).bezig; }

bool PaarHerstellen(const QString& map, const QString& naam)
{
    const Paden p(map, naam);
    if (!QFileInfo::exists(p.bezig)) {
        RuimOp(p);  // broken off before it was decided: the old pair stands
        return true;
    }
    // A journal that is no plain file was not written by a save.
    const auto journaal = LeesBegin(p.bezig, 64);
    return journaal && Afmaken(p, *journaal);
}

void MapHerstellen(const QString& map)
{
    // Unsorted and without a stat per file: the folder of a maker with
    // thousands of puzzles is read each time the load dialog opens.
    QDir dir(map);
    QSet<QString> namen;
    QDirIterator it(map, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        const QString bestand = it.nextFileInfo().fileName();
        // A saved pair, by far the most names here, is neither a leftover
        // nor part of a broken-off save.
        if (bestand.endsWith(Pzl) || bestand.endsWith(Bmp))
            continue;
        // What QSaveFile leaves of a write that was killed: never committed.
        // Its six random letters can never end a name a save gives, which
        // always ends in .pzl or .bmp, so no saved puzzle is taken for one.
        if (Restant().match(bestand).hasMatch()) {
            dir.remove(bestand);
            continue;
        }
        for (const QString& staart : {Bezig, Pzl + Nieuw, Bmp + Nieuw, Pzl + Oud}) {
            if (bestand.endsWith(staart) && bestand.size() > staart.size()) {
                namen.insert(bestand.chopped(staart.size()));
                break;
            }
        }
    }
    for (const QString& naam : namen)
        PaarHerstellen(map, naam);
}

QString PaarVervangen(const QString& map, const QString& naam, const QByteArray& pzl, const QByteArray& bmp)
{
    const Paden p(map, naam);
    const QString pzlNaam = naam + Pzl;
    const QString bmpNaam = naam + Bmp;
    // An earlier save of this name that was broken off is settled first, so
    // its journal can never be read as this one's.
    if (!PaarHerstellen(map, naam))
        return pzlNaam;

    const bool oudePzl = QFileInfo::exists(p.pzl);
    // Until the new .pzl is in place nothing is lost: a step that fails
    // removes the journal, if written, and the side files, and the old pair
    // stands. The journal is written fourth; from there a kill is finished.
    struct Stap {
        std::function<bool()> doe;
        const QString& bestand;  // reported when the step fails
    };
    const Stap stappen[] = {
        {[&] { return SchrijfHeel(p.pzlNieuw, pzl); }, pzlNaam},
        {[&] { return SchrijfHeel(p.bmpNieuw, bmp); }, bmpNaam},
        {[&] { return !oudePzl || Bewaar(p.pzl, p.pzlOud); }, pzlNaam},
        {[&] { return SchrijfHeel(p.bezig, Vooruit); }, pzlNaam},
        {[&] { return Hernoem(p.pzlNieuw, p.pzl); }, pzlNaam},
    };
    int gedaan = 0;
    for (const Stap& stap : stappen) {
        if (!stap.doe()) {
            Weg(p.bezig);
            RuimOp(p);
            return stap.bestand;
        }
        if (Onderbroken(++gedaan))
            return {};
    }
    if (!Hernoem(p.bmpNieuw, p.bmp)) {
        // The journal turns round first, so a kill from here on undoes too.
        const QByteArray terug = oudePzl ? Terug : TerugLeeg;
        SchrijfHeel(p.bezig, terug);
        Afmaken(p, terug);
        return bmpNaam;
    }
    if (Onderbroken(6))
        return {};
    Weg(p.pzlOud);
    if (Onderbroken(7))
        return {};
    Weg(p.bezig);
    return {};
}
