// The export command: the board without its letters, framed, as puzzel.bmp,
// and wendolo.htm beside it, which is then opened in the desktop's browser.
#include "output/Exporteren.h"

#include "board/Pic.h"
#include "model/Algemeen.h"
#include "output/HtmlPagina.h"
#include "shell/Hoofdscherm.h"
#include "shell/Pauze.h"
#include "storage/Heelbestand.h"

#include <QFile>

using namespace Algemeen;

namespace {

const QString Bordbestand = QStringLiteral("puzzel.bmp");
const QString Paginabestand = QStringLiteral("wendolo.htm");

// A bitmap that cannot be written leaves the earlier one whole; the command
// carries on either way, so the board always gets its letters back.
void BordOpslaan(const QImage& beeld, const QString& pad)
{
    SchrijfHeel(pad, [&](QIODevice& bestand) { return beeld.save(&bestand, "BMP"); });
}

// The old page goes first, so a page that cannot be written leaves no stale
// page to be opened. What cannot be written is passed over in silence.
void PaginaSchrijven(const QByteArray& pagina, const QString& pad)
{
    QFile::remove(pad);
    SchrijfHeel(pad, pagina);
}

QStringList Omschrijvingen()
{
    QStringList lijst;
    for (int i = 1; i <= AantalRijen(); ++i)
        lijst << Omschrijving[i];
    return lijst;
}

} // namespace

void HtmlExporteren(Hoofdscherm& hoofd)
{
    Pic& bord = hoofd.Bord();
    const int rechts = BordBreedte - 1;
    const int onder = BordHoogte - 1;

    bord.WisLetters();
    // The frame is drawn without fill, so only the outermost pixels change.
    bord.box(0, 0, rechts, onder, Qt::black, false);
    BordOpslaan(bord.Beeld(), Programmamap(Bordbestand));
    bord.box(0, 0, rechts, onder, KleurVeld.Waarde(), false);
    // Every board operation that fills sets its own fill style, so the
    // transparent one ends with the frame.
    bord.TekenLetters();

    const QString pad = Programmamap(Paginabestand);
    PaginaSchrijven(HtmlPagina(KopTekst, Omschrijvingen()), pad);
    OpenBestand(hoofd.Venster(), pad);
}
