// The own list is read whole when it changes (it is bounded like the
// library) and written in one step, so a failed write leaves it as it was.
// Its lines are read with the library's field rules; a line the program did
// not write stays byte for byte.
#include "design/Woordenlijst.h"

#include "design/Bibliotheek.h"
#include "model/Algemeen.h"
#include "shell/Programmamap.h"
#include "storage/Ansi.h"
#include "storage/Heelbestand.h"
#include "storage/Record.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString Sleutel = QStringLiteral("Woordenlijst/Namen");
// A settings file of a few lines; anything larger is no such file.
constexpr qint64 MaxInstellingen = 64 * 1024;

QString Pad(const QString& pad) { return QDir::toNativeSeparators(pad); }

struct Eigenlijst {
    QByteArray data;
    QString fout;  // not read, and not to be written over
};

Eigenlijst LeesEigen(const QString& pad, const QString& gevolg)
{
    // A stat, which waits on nothing: a missing list is an empty one.
    const QFileInfo info(pad);
    if (!info.exists() && !info.isSymLink())
        return {};
    const QString lijst = QStringLiteral("De lijst met eigen woorden ") + Pad(pad);
    QFile f;
    if (!OpenGewoon(f, pad))
        return {{}, lijst + QStringLiteral(" is geen gewoon bestand of kan niet worden gelezen en ") + gevolg};
    if (f.size() > MaxBibliotheek)
        return {{}, lijst + QStringLiteral(" is te groot (meer dan %1 MB) en ").arg(MaxBibliotheek >> 20) + gevolg};
    Eigenlijst uit{f.read(MaxBibliotheek + 1), {}};
    if (f.error() != QFileDevice::NoError || uit.data.size() > MaxBibliotheek)
        return {{}, lijst + QStringLiteral(" kan niet worden gelezen en ") + gevolg};
    if (uit.data.contains('\0'))
        return {{}, lijst + QStringLiteral(" is geen tekstbestand en ") + gevolg};
    return uit;
}

// The fields of data, decoded.
QStringList Velden(QByteArrayView data)
{
    QStringList uit;
    RecordLezer lezer(data);
    while (const auto veld = lezer.VolgendVeld())
        if (!veld->isEmpty())
            uit << Ansi::Decodeer(*veld);
    return uit;
}

bool Zelfde(const QString& a, const QString& b) { return Algemeen::Hoofdletters(a) == Algemeen::Hoofdletters(b); }

// A word as a line's field: in quotes when a comma or a blank at its start
// would split or shorten it.
QByteArray Veld(const QString& woord)
{
    const QByteArray bytes = Ansi::Codeer(woord);
    const bool quote = woord.contains(u',') || woord.startsWith(u' ') || woord.startsWith(u'\t');
    return quote ? '"' + bytes + '"' : bytes;
}

QString Schrijffout(const QString& pad)
{
    return QStringLiteral("Het bestand %1 kan niet worden geschreven.").arg(Pad(pad));
}

} // namespace

QString MijnWoordenPad() { return Schrijfpad(MijnWoordenNaam); }

bool LeesNamen(const QString& pad)
{
    const QFileInfo info(pad);
    if (!info.isFile() || info.size() > MaxInstellingen)
        return true;
    const QSettings instellingen(pad, QSettings::IniFormat);
    return instellingen.value(Sleutel, true).toBool();
}

bool SchrijfNamen(const QString& pad, bool aan)
{
    const QFileInfo info(pad);
    if (info.exists() && (!info.isFile() || info.size() > MaxInstellingen))
        return false;
    QSettings instellingen(pad, QSettings::IniFormat);
    instellingen.setValue(Sleutel, aan);
    instellingen.sync();
    return instellingen.status() == QSettings::NoError;
}

bool NamenInLijst() { return LeesNamen(Schrijfpad(WoordenlijstInstellingen)); }

QString ZetNamen(bool aan)
{
    const QString pad = Schrijfpad(WoordenlijstInstellingen);
    if (SchrijfNamen(pad, aan))
        return {};
    return QStringLiteral("De instelling kon niet worden opgeslagen in %1.").arg(Pad(pad));
}

bool IsEigenWoord(const QString& pad, const QString& woord)
{
    const Eigenlijst lijst = LeesEigen(pad, {});
    if (!lijst.fout.isEmpty())
        return false;
    const QStringList velden = Velden(lijst.data);
    return std::any_of(velden.begin(), velden.end(), [&](const QString& v) { return Zelfde(v, woord); });
}

QString VoegEigenWoordToe(const QString& pad, const QString& bibliotheek, const QString& woord)
{
    const QString w = Ansi::Bestandstekst(woord).trimmed();
    if (w.isEmpty())
        return QStringLiteral("Eerst het woord typen dat bij uw eigen woorden moet komen!");
    Eigenlijst lijst = LeesEigen(pad, QStringLiteral("het woord %1 wordt er niet aan toegevoegd.").arg(w));
    if (!lijst.fout.isEmpty())
        return lijst.fout;
    const QStringList velden = Velden(lijst.data);
    if (std::any_of(velden.begin(), velden.end(), [&](const QString& v) { return Zelfde(v, w); }))
        return QStringLiteral("Het woord %1 staat al in uw eigen woorden.").arg(w);
    if (InBibliotheek(bibliotheek, w))
        return QStringLiteral("Het woord %1 staat al in de woordenlijst.").arg(w);
    if (!lijst.data.isEmpty() && !lijst.data.endsWith('\n') && !lijst.data.endsWith('\r'))
        lijst.data += "\r\n";
    lijst.data += Veld(w) + "\r\n";
    return SchrijfHeel(pad, lijst.data) ? QString() : Schrijffout(pad);
}

QString HaalEigenWoordWeg(const QString& pad, const QString& woord)
{
    const QString w = woord.trimmed();
    Eigenlijst lijst = LeesEigen(pad, QStringLiteral("het woord %1 wordt er niet uit gehaald.").arg(w));
    if (!lijst.fout.isEmpty())
        return lijst.fout;
    QByteArray uit;
    bool weg = false;
    for (qsizetype begin = 0; begin < lijst.data.size();) {
        qsizetype eind = lijst.data.indexOf('\n', begin);
        eind = eind < 0 ? lijst.data.size() : eind + 1;
        const QByteArrayView regel = QByteArrayView(lijst.data).sliced(begin, eind - begin);
        begin = eind;
        QStringList velden = Velden(regel);
        if (velden.removeIf([&](const QString& v) { return Zelfde(v, w); }) == 0) {
            uit += regel;
            continue;
        }
        weg = true;
        // The line's other words stay, the way the program writes them.
        for (qsizetype i = 0; i < velden.size(); ++i)
            uit += (i ? "," : "") + Veld(velden[i]);
        if (!velden.isEmpty())
            uit += "\r\n";
    }
    if (!weg)
        return QStringLiteral("Het woord %1 staat niet in uw eigen woorden.").arg(w);
    return SchrijfHeel(pad, uit) ? QString() : Schrijffout(pad);
}
