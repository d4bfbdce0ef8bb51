// The export command: the board without its letters, framed, as puzzel.bmp,
// and wendolo.htm beside it, which is then opened in the desktop's browser.
#include "output/Exporteren.h"

#include "board/Pic.h"
#include "model/Algemeen.h"
#include "output/HtmlPagina.h"
#include "output/Pagina.h"
#include "shell/Meldingen.h"
#include "shell/Pauze.h"
#include "shell/Programmamap.h"
#include "storage/Puzzelbestand.h"
#include "storage/Puzzelpaar.h"

#include <QDir>
#include <QFileInfo>

using namespace Algemeen;

namespace {

const QString Bordbestand = QStringLiteral("puzzel.bmp");
const QString Paginabestand = QStringLiteral("wendolo.htm");

} // namespace

void HtmlExporteren(Pic& bord)
{
    const int rechts = BordBreedte - 1;
    const int onder = BordHoogte - 1;

    bord.WisLetters();
    // The frame is drawn without fill, so only the outermost pixels change.
    bord.box(0, 0, rechts, onder, Qt::black, false);
    const QImage beeld = bord.Beeld();
    bord.box(0, 0, rechts, onder, KleurVeld.Waarde(), false);
    // Every board operation that fills sets its own fill style, so the
    // transparent one ends with the frame.
    bord.TekenLetters();

    // The page and its picture go in as one, so a kill never leaves a page
    // beside another puzzle's picture; a page that was not written is never
    // handed to the browser: it would show an older puzzle, or nothing.
    const QString htm = Schrijfpad(Paginabestand);
    const Bestandspaar paar{QFileInfo(htm).absolutePath(), Bordbestand, Paginabestand, QStringLiteral(".wendolo.bezig"),
                            QStringLiteral(".")};
    const auto bmp = BordbeeldBytes(beeld);
    const QString fout = bmp ? PaarVervangen(paar, *bmp, HtmlPagina(KopTekst, ModelOmschrijvingen()))
                             : QFileInfo(htm).absoluteDir().filePath(Bordbestand);
    if (!fout.isEmpty()) {
        Meldingen::MsgBox(QStringLiteral("De puzzel is niet geëxporteerd: het bestand %1 kon niet worden geschreven.")
                              .arg(QDir::toNativeSeparators(fout)));
        return;
    }
    OpenBestand(bord.window(), htm);
}
