#include "shell/Programmamap.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString In(const QString& map, const QString& naam) { return naam.isEmpty() ? map : map + u'/' + naam; }

} // namespace

Mappen Mappen::Draagbaar(const QString& map)
{
    Mappen m;
    m.Leesmappen = {map};
    m.Instellingen = m.Gegevens = m.Toestand = map;
    return m;
}

Mappen Mappen::Voor(const QString& exe, const QString& config, const QString& data, const QString& state)
{
    const QString gedeeld = QDir::cleanPath(exe + QStringLiteral("/../share/wendolo"));
    const bool heeftGedeeld = QFileInfo(gedeeld).isDir();
    // Root may write into a read-only tree, so a writable folder alone does
    // not make a portable copy: an executable in bin/ beside share/wendolo
    // is an installed one whoever runs it, and its tree is never written.
    const bool boom = QDir(exe).dirName() == QStringLiteral("bin") && heeftGedeeld;
    if (!boom && QFileInfo(exe).isWritable())
        return Draagbaar(exe);
    Mappen m;
    m.Geinstalleerd = true;
    // A folder someone made read-only, with no tree around it, still has
    // its word library and help page beside the executable.
    m.Leesmappen = {data, heeftGedeeld ? gedeeld : exe};
    m.Instellingen = config;
    m.Gegevens = data;
    m.Toestand = state;
    return m;
}

QString Mappen::Lees(const QString& naam) const
{
    for (const QString& map : Leesmappen)
        if (QFileInfo(In(map, naam)).isFile())
            return In(map, naam);
    return In(Leesmappen.back(), naam);
}

QString Mappen::Schrijf(const QString& naam) const
{
    const QString& map = naam.endsWith(QStringLiteral(".ini")) ? Instellingen : Gegevens;
    // A folder that cannot be made is reported by the write that needs it,
    // with the file's full path.
    if (Geinstalleerd)
        QDir().mkpath(map);
    return In(map, naam);
}

QString Mappen::Map(const QString& naam) const
{
    const QString map = In(Gegevens, naam);
    if (Geinstalleerd)
        QDir().mkpath(map);
    return map;
}

QString Mappen::Bewaarmap() const
{
    if (Geinstalleerd)
        QDir().mkpath(Toestand);
    return Toestand;
}

namespace {
QString EenMap;
} // namespace

void AllesIn(const QString& map) { EenMap = map; }

Mappen HuidigeMappen()
{
    if (!EenMap.isEmpty())
        return Mappen::Draagbaar(EenMap);
    return Mappen::Voor(QCoreApplication::applicationDirPath(), Gebruikersmap("XDG_CONFIG_HOME", QStringLiteral(".config")),
                        Gebruikersmap("XDG_DATA_HOME", QStringLiteral(".local/share")),
                        Gebruikersmap("XDG_STATE_HOME", QStringLiteral(".local/state")));
}

QString Gebruikersmap(const char* variabele, const QString& standaard)
{
    // A relative value would make the folders follow the working folder; the
    // XDG rules ignore it, though Qt 6.4 does not. Qt knows no state folder
    // before 6.7, so the rules are followed here for all three.
    QString basis = qEnvironmentVariable(variabele);
    if (!QDir::isAbsolutePath(basis))
        basis = QDir::homePath() + u'/' + standaard;
    // Named wendolo whatever the application calls itself.
    return basis + QStringLiteral("/wendolo");
}

QString Leespad(const QString& naam) { return HuidigeMappen().Lees(naam); }

QString Schrijfpad(const QString& naam) { return HuidigeMappen().Schrijf(naam); }

QString Schrijfmap(const QString& naam) { return HuidigeMappen().Map(naam); }
