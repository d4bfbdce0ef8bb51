// Playing the page on paper or into a PDF.
#include "output/Papier.h"

#include "output/Pagina.h"
#include "storage/Heelbestand.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

constexpr double TwipsPerInch = 1440.0;

QSizeF AfdrukbaarInTwips(const QPageLayout& layout)
{
    return layout.paintRect(QPageLayout::Inch).size() * TwipsPerInch;
}

} // namespace

bool PaginaPast(QSizeF twips)
{
    using namespace Paginamaat;
    const int rechts = Links + BordvakBreedte;
    // The last line is an 11 pt line: one line pitch below its top.
    const int onder = EersteRegelY + Regelafstand * 20 + AntwoordAfstand + Regelafstand;
    return twips.height() > twips.width() && twips.width() > rechts && twips.height() > onder;
}

Papier::Papier(QString pdf, Uitvoer uitvoer) : pdf(std::move(pdf)), uitvoer(uitvoer) {}

void Papier::ZetAantal(int kopieen) { aantal = qBound(1, kopieen, 20); }

void Papier::ZetFont(const QString& naam, int punten, bool vet)
{
    // The painter works in twips, so a point is 20 units; a point size would
    // be scaled a second time by the device resolution.
    QFont f(naam);
    f.setPixelSize(punten * 20);
    f.setBold(vet);
    stappen.push_back([f](QPainter&, Stand& s) { s.font = f; });
}

void Papier::ZetKleur(QColor kleur)
{
    stappen.push_back([kleur](QPainter&, Stand& s) { s.kleur = kleur; });
}

void Papier::ZetPositie(int x, int y)
{
    stappen.push_back([x, y](QPainter&, Stand& s) { s.positie = QPointF(x, y); });
}

void Papier::Print(const QString& regel)
{
    stappen.push_back([regel](QPainter& p, Stand& s) {
        p.setFont(s.font);
        p.setPen(s.kleur);
        // The position is the top-left of the character cell, not the baseline.
        p.drawText(s.positie + QPointF(0, p.fontMetrics().ascent()), regel);
    });
}

void Papier::Plaatje(const QImage& beeld, QRect doel)
{
    stappen.push_back([beeld, doel](QPainter& p, Stand&) { p.drawImage(doel, beeld); });
}

void Papier::Rechthoek(QPoint van, QPoint tot, QColor kleur)
{
    stappen.push_back([van, tot, kleur](QPainter& p, Stand&) {
        p.setPen(QPen(kleur, 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(van, tot).normalized());
    });
}

bool Papier::EindeDocument()
{
    fout.clear();
    bestand.clear();
    if (uitvoer == Uitvoer::Systeem) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (!info.isNull())
            return NaarPrinter(info);
    }
    return NaarPdf();
}

bool Papier::NaarPrinter(const QPrinterInfo& info)
{
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Wendolo"));
    printer.setPageOrientation(QPageLayout::Portrait);
    if (!PaginaPast(AfdrukbaarInTwips(printer.pageLayout()))) {
        printer.setPageSize(QPageSize(QPageSize::A4));
        if (!PaginaPast(AfdrukbaarInTwips(printer.pageLayout()))) {
            fout = QStringLiteral("De pagina past niet op het papier van de printer %1.").arg(info.printerName());
            return false;
        }
    }
    printer.setCopyCount(aantal);
    // Without copies from the print system each copy is a page of its own.
    const int paginas = printer.supportsMultipleCopies() ? 1 : aantal;
    if (!Teken(printer, paginas) || printer.printerState() == QPrinter::Error) {
        fout = QStringLiteral("De printer %1 heeft de opdracht niet aangenomen.").arg(info.printerName());
        return false;
    }
    return true;
}

bool Papier::NaarPdf()
{
    const QString kanNiet = QStringLiteral("Het bestand %1 kan niet worden geschreven.").arg(pdf);
    const bool geschreven = SchrijfHeel(pdf, [this](QIODevice& bestandUit) {
        // The writer ends the document as it goes, before the file is closed.
        QPdfWriter schrijver(&bestandUit);
        schrijver.setTitle(QStringLiteral("Wendolo"));
        schrijver.setCreator(QStringLiteral("Wendolo"));
        schrijver.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                            QMarginsF(10, 10, 10, 10), QPageLayout::Point));
        // A PDF holds one copy whatever it is told: write them all.
        return Teken(schrijver, aantal);
    });
    if (!geschreven) {
        fout = kanNiet;
        return false;
    }
    bestand = pdf;
    return true;
}

bool Papier::Teken(QPagedPaintDevice& apparaat, int paginas)
{
    QPainter p;
    if (!p.begin(&apparaat))
        return false;
    const double schaal = apparaat.logicalDpiX() / TwipsPerInch;
    for (int k = 0; k < paginas; ++k) {
        if (k > 0 && !apparaat.newPage())
            return false;
        p.save();
        p.scale(schaal, schaal);
        Stand stand;
        for (const Stap& stap : stappen)
            stap(p, stand);
        p.restore();
    }
    return p.end();
}
