// The printer as the page sees it: a handful of operations in twips from the
// top-left of the printable area. The page layout talks only to this, so a
// test can record every call and the real printer and the PDF share one page.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

struct Bordtekening;

class Printerlaag
{
public:
    virtual ~Printerlaag() = default;

    // 1..20 identical sets of the pages.
    virtual void ZetAantal(int kopieen) = 0;
    // Ends a page; what follows goes on the next one of the same set.
    virtual void NieuwePagina() = 0;
    virtual void ZetFont(const QString& naam, int punten, bool vet) = 0;
    virtual void ZetKleur(QColor kleur) = 0;
    // The top-left of the next line's first character cell.
    virtual void ZetPositie(int x, int y) = 0;
    // One line at the current position, never wrapped or clipped.
    virtual void Print(const QString& regel) = 0;
    // The whole board stretched into the target rectangle.
    virtual void Bord(const Bordtekening& bord, QRect doel) = 0;
    // A thin outline through both corners, not filled.
    virtual void Rechthoek(QPoint van, QPoint tot, QColor kleur) = 0;
    // Sends the pages off; false when nothing was printed, the reason in
    // Fout(). It keeps the window answering while a print system takes its
    // time, and gives up after a few seconds. When the page does not fit
    // the printer's own paper but another paper holds it, nothing is sent,
    // Fout() is empty and AnderPapier() names both: the caller asks the
    // maker and, after NeemAnderPapier(), calls this again.
    virtual bool EindeDocument() = 0;

    struct Papieroordeel {
        QString eigen;  // the printer's own paper, too small
        QString ander;  // the best of its papers that holds the page
    };
    virtual Papieroordeel AnderPapier() const { return {}; }
    virtual void NeemAnderPapier() {}

    virtual QString Fout() const { return {}; }
    // The file the page was written to, for showing it; empty on paper.
    virtual QString Bestand() const { return {}; }
};
