// The colour and header dialog: three bars set the colour of the chosen item
// at once; the header text is taken only when leaving by Exit. Its Ok on
// the background hands the colours back at once, since the board is cleared
// then; the rest the main window takes when the dialog closes.
#pragma once

#include "design/Werkblad.h"
#include "shell/Bouwstenen.h"

#include <QDialog>

class PlaatjesKnop;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

class Tools : public QDialog
{
    Q_OBJECT
public:
    Tools(QWidget* ouder, Infolijn info, std::function<void(const Instelling&)> veldGewist);

    // The colours and header as the maker has left them so far.
    Instelling Keuze() const { return keuze; }

    QScrollBar* Rscroll;
    QScrollBar* Gscroll;
    QScrollBar* Bscroll;
    QScrollBar* KeuzeKleur;
    QLabel* KleurLabel;
    QLabel* Label2;
    QPushButton* OkKnop;
    QLineEdit* Text1;
    PlaatjesKnop* ExitKnop;

private:
    void MaakKleurbalken(QWidget* kader);
    void MaakKoptekst(QWidget* kader);
    // The colour of item 1..3 of KeuzeKleur.
    Kleur& ItemKleur(int item);
    void ToonKleur();

    void KeuzeKleur_Change();
    void Balk_Change();
    void OkKnop_Click();
    void ExitKnop_Click();

    Infolijn info;
    std::function<void(const Instelling&)> veldGewist;
    Instelling keuze;
};
