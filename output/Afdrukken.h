// Afdrukken: the print dialog. Four options, the number of copies, a fixed
// miniature of the page, and the print command that sweeps over the
// miniature and sends the page off; the same pages also go into a PDF the
// maker names. Printing leaves the dialog open.
#pragma once

#include "output/Miniatuur.h"
#include "output/Pagina.h"
#include "shell/Bouwstenen.h"

#include <QDialog>
#include <functional>
#include <memory>

class Pic;
class PlaatjesKnop;
class Printerlaag;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

// Asks for a PDF file in the desktop's file dialog and writes the pages of
// g into it; the file written, or the empty text when the maker chose none
// or it could not be written (which the maker is told).
QString AlsPdfOpslaan(QWidget* ouder, const Paginagegevens& g);

class Afdrukken : public QDialog
{
    Q_OBJECT
public:
    Afdrukken(Pic& bord, Infolijn info);

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

    Pic& bord;
    Infolijn info;
    Regellengtes lengtes{};
    // The default printer when the dialog opened; empty: the PDF file.
    QString printer;
};
