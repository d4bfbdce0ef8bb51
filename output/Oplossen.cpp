// The command that writes the page to solve the puzzle on.
#include "output/Oplossen.h"

#include "model/Algemeen.h"
#include "output/Oplospagina.h"
#include "shell/Meldingen.h"
#include "shell/Programmamap.h"
#include "storage/Heelbestand.h"
#include "storage/Puzzelbestand.h"

#include <QDir>
#include <QFileDialog>
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
    // An instance rather than getSaveFileName, for the default suffix: a
    // name typed without one still becomes a page the browser opens.
    const QString begin = Beginpad();
    QFileDialog dialoog(ouder, QStringLiteral(" Webpagina om op te lossen"), QFileInfo(begin).absolutePath(),
                        QStringLiteral("Webpagina (*.html *.htm)"));
    dialoog.setAcceptMode(QFileDialog::AcceptSave);
    dialoog.setFileMode(QFileDialog::AnyFile);
    dialoog.setDefaultSuffix(QStringLiteral("html"));
    dialoog.selectFile(begin);
    if (dialoog.exec() != QDialog::Accepted || dialoog.selectedFiles().isEmpty())
        return;
    const QString pad = dialoog.selectedFiles().constFirst();
    VorigeMap = QFileInfo(pad).absolutePath();
    if (!SchrijfHeel(pad, Oplospagina(HuidigePuzzel(), KopTekst)))
        Meldingen::MsgBox(QStringLiteral("De webpagina is niet geschreven: het bestand %1 kon niet worden geschreven.")
                              .arg(QDir::toNativeSeparators(pad)));
}
