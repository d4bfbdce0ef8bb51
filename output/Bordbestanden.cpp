// Writing the board's picture and the pages to files.
#include "output/Bordbestanden.h"

#include "model/Algemeen.h"
#include "output/Afbeelding.h"
#include "output/Pagina.h"
#include "output/Papier.h"
#include "shell/Bouwstenen.h"
#include "shell/Meldingen.h"
#include "shell/Programmamap.h"
#include "storage/Heelbestand.h"
#include "storage/Puzzelbestand.h"

#include <QScopeGuard>

namespace {

bool IsSvg(const QString& pad) { return pad.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive); }

QString KanNiet(const QString& pad) { return QStringLiteral("Het bestand %1 kan niet worden geschreven.").arg(pad); }

QString Schrijf(const QString& pad, const Bordtekening& b)
{
    const bool gelukt = IsSvg(pad) ? SchrijfHeel(pad, BordSvg(b)) : SchrijfHeel(pad, [&b](QIODevice& f) {
        return BordAfbeelding(b).save(&f, "PNG");
    });
    return gelukt ? QString() : KanNiet(pad);
}

// Runs maak with p in the model and the board as the model draws it.
QString MetPuzzel(const Puzzel& p, const std::function<QString(const Tekenvlak&)>& maak)
{
    const Puzzel oud = HuidigePuzzel();
    Installeer(p);
    const auto terug = qScopeGuard([&oud] { Installeer(oud); });
    Tekenvlak bord = NieuwBord();
    TekenBord(bord);
    return maak(bord);
}

QString Afbeelding(const Puzzel& p, const QString& pad, bool letters, bool svg)
{
    if (IsSvg(pad) != svg)
        return QStringLiteral("De naam %1 eindigt niet op %2.").arg(pad, svg ? QStringLiteral(".svg") : QStringLiteral(".png"));
    return MetPuzzel(p, [&](const Tekenvlak& bord) { return Schrijf(pad, Tekening(bord.Beeld, bord.Achtergrond, letters)); });
}

} // namespace

QString AfbeeldingOpslaan(QWidget* ouder, const Bordtekening& b)
{
    const QString pad = Bewaarpad(ouder, QStringLiteral("Bord als afbeelding opslaan"), Schrijfpad(QStringLiteral("puzzel.png")),
                                  QStringLiteral("Afbeeldingen (*.png *.svg)"), {QStringLiteral(".png"), QStringLiteral(".svg")});
    if (pad.isEmpty())
        return {};
    if (const QString fout = Schrijf(pad, b); !fout.isEmpty()) {
        Meldingen::MsgBox(fout);
        return {};
    }
    return pad;
}

QString PdfExporteren(const Puzzel& p, const QString& pad)
{
    return MetPuzzel(p, [&pad](const Tekenvlak& bord) {
        Papier pdf(pad, QString());
        return DrukPagina(pdf, ModelPagina(bord.Beeld, bord.Achtergrond, false, true)) ? QString() : pdf.Fout();
    });
}

QString PngExporteren(const Puzzel& p, const QString& pad, bool letters) { return Afbeelding(p, pad, letters, false); }

QString SvgExporteren(const Puzzel& p, const QString& pad, bool letters) { return Afbeelding(p, pad, letters, true); }
