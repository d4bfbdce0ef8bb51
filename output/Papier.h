// The real printer layer. It keeps the page's operations and plays them at
// the end of the document: on the default printer when the machine has one,
// otherwise into a PDF file, one page per copy.
#pragma once

#include "output/Printerlaag.h"

#include <QFont>
#include <QPointF>
#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QPrinterInfo;

class Papier : public Printerlaag
{
public:
    enum class Uitvoer { Systeem, AlleenPdf };

    // pdf: where the page goes without a printer (or always, AlleenPdf).
    explicit Papier(QString pdf, Uitvoer uitvoer = Uitvoer::Systeem);

    void ZetAantal(int kopieen) override;
    void ZetFont(const QString& naam, int punten, bool vet) override;
    void ZetKleur(QColor kleur) override;
    void ZetPositie(int x, int y) override;
    void Print(const QString& regel) override;
    void Plaatje(const QImage& beeld, QRect doel) override;
    void Rechthoek(QPoint van, QPoint tot, QColor kleur) override;
    bool EindeDocument() override;

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

    bool NaarPrinter(const QPrinterInfo& info);
    bool NaarPdf();
    // Plays the page `paginas` times; false when the device would not paint.
    bool Teken(QPagedPaintDevice& apparaat, int paginas);

    QString pdf;
    Uitvoer uitvoer;
    int aantal = 1;
    std::vector<Stap> stappen;
    QString fout;
    QString bestand;
};

// Whether a printable area (in twips) holds the page: portrait, wider than
// the board box and taller than the answer line of 20 rows.
bool PaginaPast(QSizeF twips);
