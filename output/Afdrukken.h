// Afdrukken: the print dialog. Four options, the number of copies, a fixed
// miniature of the page, and the print command that sweeps over the
// miniature and sends the page off; the same pages also go into a PDF the
// maker names. Printing leaves the dialog open. The print system is asked
// on threads of their own, so a slow or stopped one never holds up the
// window.
#pragma once

#include "output/Miniatuur.h"
#include "output/Pagina.h"
#include "output/Printerlaag.h"
#include "shell/Bouwstenen.h"

#include <QDialog>
#include <functional>
#include <memory>

class Pic;
class PlaatjesKnop;
struct Standaard;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

// Asks for a PDF file in the desktop's file dialog and writes the pages of
// g into it; the file written, or the empty text when the maker chose none
// or it could not be written (which the maker is told).
QString AlsPdfOpslaan(QWidget* ouder, const Paginagegevens& g);

// Makes the printer layer a print goes to: pdf is the file the pages go
// into when printer, the default printer, is empty.
using Printermaker = std::function<std::unique_ptr<Printerlaag>(const QString& pdf, const QString& printer)>;
// The real one: paper or the PDF file.
std::unique_ptr<Printerlaag> MaakPapier(const QString& pdf, const QString& printer);

template <typename T>
struct Werk;

class Afdrukken : public QDialog
{
    Q_OBJECT
public:
    Afdrukken(Pic& bord, Infolijn info, Printermaker maakPrinter = MaakPapier);

    QFrame* Frame1 = nullptr;
    QLabel* Picture1 = nullptr;
    QLabel* Image1 = nullptr;
    QFrame* Line1 = nullptr;
    QLabel* Label1 = nullptr;
    QScrollBar* Aantal = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QLabel* Label3 = nullptr;
    QCheckBox* Check2 = nullptr;
    QLabel* Label4 = nullptr;
    QCheckBox* Check3 = nullptr;
    QLabel* Label5 = nullptr;
    // The answer key and the PDF, in the space the designed controls leave.
    QCheckBox* Check4 = nullptr;
    QLabel* Label7 = nullptr;
    QPushButton* PdfKnop = nullptr;
    QLabel* Label6 = nullptr;
    PlaatjesKnop* OkKnop = nullptr;
    PlaatjesKnop* ExitKnop = nullptr;

    // The right ends of the miniature's mock clue lines, in twips.
    const Regellengtes& Lengtes() const { return lengtes; }

    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Aantal_Change();
    void OkKnop_Click();
    void PdfKnop_Click();
    void ExitKnop_Click();
    void Scannen();

    // The window's own close: ignored while a command runs.
    void reject() override;

private:
    void MaakMiniatuur();
    void MaakOpties();
    void MaakKnoppen();
    // The pages as the options stand, the board's letters as given.
    Paginagegevens Gegevens(bool letters) const;
    // Sends the pages off; the reason when nothing was printed, empty when
    // it was or the maker chose not to.
    QString Verstuur(const Paginagegevens& pagina);

    Pic& bord;
    Infolijn info;
    Printermaker maakPrinter;
    Regellengtes lengtes{};
    // Looks for the default printer from the moment the dialog opens; the
    // one found is where Print goes, empty: the PDF file. Should it vanish
    // before Print, the maker hears so instead of finding a PDF.
    std::shared_ptr<Werk<Standaard>> zoeker;
};
