// The colour and header dialog: three bars set the colour of the chosen item
// in the model at once; the header text is taken only when leaving by Exit.
#pragma once

#include <QDialog>

class Hoofdscherm;
class PlaatjesKnop;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
struct Kleur;

class Tools : public QDialog
{
    Q_OBJECT
public:
    explicit Tools(Hoofdscherm& hoofd);

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
    // The model colour of item 1..3 of KeuzeKleur.
    static Kleur& ItemKleur(int item);
    void ToonKleur();

    void KeuzeKleur_Change();
    void Balk_Change();
    void OkKnop_Click();
    void ExitKnop_Click();

    Hoofdscherm& hoofd;
    bool bezig = false;
};
