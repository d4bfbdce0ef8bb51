// The recent-files list, through QSettings in its own INI file.
#include "shell/Recent.h"

#include "shell/Programmamap.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString Bestand = QStringLiteral("recent.ini");
const QString Sleutel = QStringLiteral("bestanden");

} // namespace

QStringList RecenteBestanden()
{
    // Only read: an installed copy makes its settings folder when it writes.
    const QSettings s(HuidigeMappen().Instellingen + u'/' + Bestand, QSettings::IniFormat);
    return s.value(Sleutel).toStringList().mid(0, MaxRecent);
}

bool OnthoudBestand(const QString& pad)
{
    QStringList lijst = RecenteBestanden();
    const QString vol = QFileInfo(pad).absoluteFilePath();
    lijst.removeAll(vol);
    lijst.prepend(vol);
    QSettings s(Schrijfpad(Bestand), QSettings::IniFormat);
    s.setValue(Sleutel, lijst.mid(0, MaxRecent));
    s.sync();
    return s.status() == QSettings::NoError;
}
