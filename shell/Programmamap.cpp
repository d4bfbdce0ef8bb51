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

Mappen HuidigeMappen()
{
    if (!Naad.Programmamap.isEmpty())
        return Mappen::Draagbaar(Naad.Programmamap);
    // The folders are named wendolo whatever the application calls itself.
    const QString eigen = QStringLiteral("/wendolo");
    // Qt knows no state folder before 6.7; a relative value is ignored, as
    // the XDG rules ask.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return Mappen::Voor(QCoreApplication::applicationDirPath(),
                        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + eigen,
                        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + eigen, state + eigen);
}

QString Leespad(const QString& naam) { return HuidigeMappen().Lees(naam); }

QString Schrijfpad(const QString& naam) { return HuidigeMappen().Schrijf(naam); }

QString Schrijfmap(const QString& naam) { return HuidigeMappen().Map(naam); }
