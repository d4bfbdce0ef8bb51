// The export command: the board without its letters, framed, as puzzel.bmp,
// and wendolo.htm beside it, which is then opened in the desktop's browser.
#include "output/Exporteren.h"

#include "board/Pic.h"
#include "model/Algemeen.h"
#include "output/HtmlPagina.h"
#include "shell/Meldingen.h"
#include "shell/Pauze.h"
#include "shell/Programmamap.h"
#include "storage/Heelbestand.h"

#include <QDir>
#include <QFile>

using namespace Algemeen;

namespace {

const QString Bordbestand = QStringLiteral("puzzel.bmp");
const QString Paginabestand = QStringLiteral("wendolo.htm");

// The picture and the page are both written whole beside their places
// before either replaces its old file, so a kill leaves a new picture with
// an old page only in the moment between two renames. Returns the file
// that could not be written, or the empty text.
QString PaarSchrijven(const QImage& beeld, const QByteArray& pagina)
{
    const QString bmp = Schrijfpad(Bordbestand), htm = Schrijfpad(Paginabestand);
    const QString bmpNieuw = bmp + QStringLiteral(".nieuw"), htmNieuw = htm + QStringLiteral(".nieuw");
    QString fout;
    if (!SchrijfHeel(bmpNieuw, [&](QIODevice& f) { return beeld.save(&f, "BMP"); }))
        fout = bmp;
    else if (!SchrijfHeel(htmNieuw, pagina))
        fout = htm;
    else if (!Hernoem(bmpNieuw, bmp))
        fout = bmp;
    else if (!Hernoem(htmNieuw, htm))
        fout = htm;
    QFile::remove(bmpNieuw);
    QFile::remove(htmNieuw);
    return fout;
}

QStringList Omschrijvingen()
{
    QStringList lijst;
    for (int i = 1; i <= AantalRijen(); ++i)
        lijst << Omschrijving[i];
    return lijst;
}

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

    // A page that was not written is never handed to the browser: it would
    // show an older puzzle, or nothing.
    if (const QString fout = PaarSchrijven(beeld, HtmlPagina(KopTekst, Omschrijvingen())); !fout.isEmpty()) {
        Meldingen::MsgBox(QStringLiteral("De puzzel is niet geëxporteerd: het bestand %1 kon niet worden geschreven.")
                              .arg(QDir::toNativeSeparators(fout)));
        return;
    }
    OpenBestand(bord.window(), Schrijfpad(Paginabestand));
}
