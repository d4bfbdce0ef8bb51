// The real printer layer. It keeps the pages' operations and plays them at
// the end of the document: as one job on the printer the dialog found, or
// into a PDF file, every copy's pages in turn.
#pragma once

#include "output/Printerlaag.h"

#include <QFont>
#include <QPointF>
#include <QPageLayout>
#include <functional>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPainter;
struct Papierkeuze;

class Papier : public Printerlaag
{
public:
    // printer: the print system's queue; empty: the pages go into pdf.
    Papier(QString pdf, QString printer);

    void ZetAantal(int kopieen) override;
    void NieuwePagina() override;
    void ZetFont(const QString& naam, int punten, bool vet) override;
    void ZetKleur(QColor kleur) override;
    void ZetPositie(int x, int y) override;
    void Print(const QString& regel) override;
    void Bord(const Bordtekening& bord, QRect doel) override;
    void Rechthoek(QPoint van, QPoint tot, QColor kleur) override;
    bool EindeDocument() override;
    Papieroordeel AnderPapier() const override { return oordeel; }
    void NeemAnderPapier() override { opAnder = true; }

    QString Fout() const override { return fout; }
    QString Bestand() const override { return bestand; }

private:
    // What the operations so far have set; fresh on every page.
    struct Stand {
        QFont font;
        QColor kleur = Qt::black;
        QPointF positie;
    };
    using Stap = std::function<void(QPainter&, Stand&)>;

    bool NaarPrinter();
    bool NaarPdf();
    bool Mislukt(const QString& waarom);
    // Plays the pages `sets` times; false when the device would not paint.
    bool Teken(QPagedPaintDevice& apparaat, int sets);

    QString pdf;
    QString printer;
    int aantal = 1;
    int huidigeY = 0;
    int laagsteRegel = 0;
    std::vector<std::vector<Stap>> paginas;  // one list of operations per page
    QString fout;
    QString bestand;
    Papieroordeel oordeel;
    std::shared_ptr<Papierkeuze> keuze;  // the print system's answer, once it came
    bool opAnder = false;
};

// Whether a printable area (in twips) holds the page whose lowest line has
// its top at `laagsteRegel`: portrait, wider than the board box, and tall
// enough for that line.
bool PaginaPast(QSizeF twips, int laagsteRegel);

// The maker's default printer, found as every program finds it: LPDEST,
// PRINTER or lpoptions first, then the print system's own. Empty without
// one or without a print system. Asks on a connection of its own that
// waits at most ms for an answer; `antwoord` is false when none came, the
// name then being the maker's own choice if there is one. It blocks for
// as long, so it is for a thread of its own.
struct Standaard {
    bool antwoord = true;
    QString printer;
};
Standaard ZoekStandaardprinter(int ms);

// Where the print system is reached, as the user's settings name it (a
// socket or a host); empty when there is no libcups. Asks nothing of it.
QString Afdruksysteem();

// How long the print system may take to answer before the maker hears
// that nothing was printed: 5 s. A busy scheduler answers well within it;
// a stopped one would keep libcups waiting a minute on every request.
constexpr int AntwoordMs = 5000;

// The reason given when it did not: the print system named by where it is
// reached, so the maker can tell which one to look at, and the printer.
QString GeenAntwoord(const QString& printer);

