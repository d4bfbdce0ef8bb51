#include "shell/Programmamap.h"

#include "shell/Naad.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString In(const QString& map, const QString& naam) { return naam.isEmpty() ? map : map + u'/' + naam; }

} // namespace

Mappen Mappen::Draagbaar(const QString& map)
{
    Mappen m;
    m.Leesmappen = {map};
    m.Instellingen = m.Gegevens = map;
    return m;
}

Mappen Mappen::Voor(const QString& exe, const QString& config, const QString& data)
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

Mappen HuidigeMappen()
{
    if (!Naad.Programmamap.isEmpty())
        return Mappen::Draagbaar(Naad.Programmamap);
    return Mappen::Voor(QCoreApplication::applicationDirPath(), Gebruikersmap(QStandardPaths::GenericConfigLocation),
                        Gebruikersmap(QStandardPaths::GenericDataLocation));
}

QString Gebruikersmap(QStandardPaths::StandardLocation soort)
{
    // Qt 6.4 takes a relative XDG_CONFIG_HOME or XDG_DATA_HOME as it is, so
    // the settings would follow the working folder; the XDG rules ignore it.
    const bool config = soort == QStandardPaths::GenericConfigLocation;
    const QString gezet = qEnvironmentVariable(config ? "XDG_CONFIG_HOME" : "XDG_DATA_HOME");
    const QString basis = !gezet.isEmpty() && QDir::isRelativePath(gezet)
                              ? QDir::homePath() + (config ? QStringLiteral("/.config") : QStringLiteral("/.local/share"))
                              : QStandardPaths::writableLocation(soort);
    // Named wendolo whatever the application calls itself.
    return basis + QStringLiteral("/wendolo");
}

QString Leespad(const QString& naam) { return HuidigeMappen().Lees(naam); }

QString Schrijfpad(const QString& naam) { return HuidigeMappen().Schrijf(naam); }

QString Schrijfmap(const QString& naam) { return HuidigeMappen().Map(naam); }
