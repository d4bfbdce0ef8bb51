// The journaled replacement of a pair of files, and its recovery.
#include "storage/Puzzelpaar.h"

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
// old first file to put back).
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
    QString eerste, tweede, eersteNieuw, tweedeNieuw, eersteOud, journaal;

    explicit Paden(const Bestandspaar& paar)
    {
        const QDir dir(paar.map);
        eerste = dir.filePath(paar.eerste);
        tweede = dir.filePath(paar.tweede);
        eersteNieuw = dir.filePath(paar.zij + paar.eerste + Nieuw);
        tweedeNieuw = dir.filePath(paar.zij + paar.tweede + Nieuw);
        eersteOud = dir.filePath(paar.zij + paar.eerste + Oud);
        journaal = dir.filePath(paar.journaal);
    }
};

bool Weg(const QString& pad)
{
    return !QFileInfo::exists(pad) || QFile::remove(pad);
}

// The old first file kept under another name: a second link costs nothing, a copy
// serves where the file system (or an immutable file) refuses links.
bool Bewaar(const QString& van, const QString& naar)
{
    if (::link(QFile::encodeName(van).constData(), QFile::encodeName(naar).constData()) == 0)
        return true;
    return QFile::copy(van, naar);
}

void RuimOp(const Paden& p)
{
    Weg(p.eersteNieuw);
    Weg(p.tweedeNieuw);
    Weg(p.eersteOud);
}

// Settles a save by what its journal says; safe to run again at any point
// of a run that was itself broken off.
bool Afmaken(const Paden& p, const QByteArray& richting)
{
    if (richting == Vooruit) {
        if (QFileInfo::exists(p.eersteNieuw) && !Hernoem(p.eersteNieuw, p.eerste))
            return false;
        if (QFileInfo::exists(p.tweedeNieuw) && !Hernoem(p.tweedeNieuw, p.tweede))
            return false;
    } else if (richting == Terug || richting == TerugLeeg) {
        // The second file was never replaced: only the first goes back,
        // before the new second is thrown away, so no order of kills mixes
        // the two.
        if (richting == Terug && QFileInfo::exists(p.eersteOud) && !Hernoem(p.eersteOud, p.eerste))
            return false;
        if (richting == TerugLeeg && !Weg(p.eerste))
            return false;
        if (!Weg(p.tweedeNieuw) || !Weg(p.eersteNieuw))
            return false;
    } else {
        return false;  // not a journal this program wrote: leave everything alone
    }
    Weg(p.eersteOud);
    return Weg(p.journaal);
}

} // namespace

Bestandspaar Bestandspaar::Puzzel(const QString& map, const QString& naam)
{
    return {map, naam + Pzl, naam + Bmp, naam + Bezig, {}};
}

QString Bestandspaar::Journaalpad() const { return Paden(*this).journaal; }

bool PaarHerstellen(const Bestandspaar& paar)
{
    const Paden p(paar);
    if (!QFileInfo::exists(p.journaal)) {
        RuimOp(p);  // broken off before it was decided: the old pair stands
        return true;
    }
    // A journal that is no plain file was not written by a save.
    const auto journaal = LeesBegin(p.journaal, 64);
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
        PaarHerstellen(Bestandspaar::Puzzel(map, naam));
}

QString PaarVervangen(const Bestandspaar& paar, const QByteArray& eerste, const QByteArray& tweede)
{
    const Paden p(paar);
    // An earlier replacement that was broken off is settled first, so its
    // journal can never be read as this one's.
    if (!PaarHerstellen(paar))
        return p.journaal;

    const bool oudEerste = QFileInfo::exists(p.eerste);
    // Until the new first file is in place nothing is lost: a step that
    // fails removes the journal, if written, and the side files, and the old
    // pair stands. The journal is written fourth; from there a kill is
    // finished.
    struct Stap {
        std::function<bool()> doe;
        const QString& bestand;  // reported when the step fails
    };
    const Stap stappen[] = {
        {[&] { return SchrijfHeel(p.eersteNieuw, eerste); }, p.eerste},
        {[&] { return SchrijfHeel(p.tweedeNieuw, tweede); }, p.tweede},
        {[&] { return !oudEerste || Bewaar(p.eerste, p.eersteOud); }, p.eerste},
        {[&] { return SchrijfHeel(p.journaal, Vooruit); }, p.eerste},
        {[&] { return Hernoem(p.eersteNieuw, p.eerste); }, p.eerste},
    };
    for (const Stap& stap : stappen) {
        if (!stap.doe()) {
            Weg(p.journaal);
            RuimOp(p);
            return stap.bestand;
        }
    }
    if (!Hernoem(p.tweedeNieuw, p.tweede)) {
        // The journal turns round first, so a kill from here on undoes too.
        const QByteArray terug = oudEerste ? Terug : TerugLeeg;
        SchrijfHeel(p.journaal, terug);
        Afmaken(p, terug);
        return p.tweede;
    }
    Weg(p.eersteOud);
    Weg(p.journaal);
    return {};
}
