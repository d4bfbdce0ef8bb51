// The command that writes the page to solve the puzzle on.
#include "output/Oplossen.h"

#include "model/Algemeen.h"
#include "output/Oplospagina.h"
#include "shell/Bouwstenen.h"
#include "shell/Meldingen.h"
#include "shell/Programmamap.h"
#include "storage/Heelbestand.h"
#include "storage/Puzzelbestand.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Algemeen;

namespace {

// The folder chosen last in this run, where the next page goes by default.
QString VorigeMap;

QString Beginpad()
{
    QString naam;
    for (QChar c : ZoekWoord.toLower())
        naam += c.isLetterOrNumber() ? c : u'_';
    naam += QStringLiteral(".html");
    if (!VorigeMap.isEmpty() && QFileInfo(VorigeMap).isDir())
        return QDir(VorigeMap).filePath(naam);
    const QString documenten = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documenten.isEmpty() && QFileInfo(documenten).isDir())
        return QDir(documenten).filePath(naam);
    return Schrijfpad(naam);
}

} // namespace

void OplospaginaExporteren(QWidget* ouder)
{
    if (ZoekWoord.isEmpty())
        return;
    const QString pad = Bewaarpad(ouder, QStringLiteral(" Webpagina om op te lossen"), Beginpad(),
                                  QStringLiteral("Webpagina (*.html *.htm)"), {QStringLiteral(".html"), QStringLiteral(".htm")});
    if (pad.isEmpty())
        return;
    VorigeMap = QFileInfo(pad).absolutePath();
    if (!SchrijfHeel(pad, Oplospagina(HuidigePuzzel(), KopTekst)))
        Meldingen::MsgBox(QStringLiteral("De webpagina is niet geschreven: het bestand %1 kon niet worden geschreven.")
                              .arg(QDir::toNativeSeparators(pad)));
}
