// Invoer: the puzzle-word dialog. Fills row HuidigeRij: the word's length,
// the box that holds the row's letter, the word (from the library or typed)
// and its clue; on commit it hands the row back for the main window to store.
#pragma once

#include "design/Werkblad.h"
#include "shell/Bouwstenen.h"

#include <QDialog>

class PlaatjesKnop;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class Voorbeeld;

class Invoer : public QDialog
{
    Q_OBJECT
public:
    // A filled row starts from its word, its letter's box and its clue.
    Invoer(QWidget* ouder, Infolijn info, const Rij& bestaand = {});

    // The committed row.
    Rij Gekozen() const { return gekozen; }

    QListWidget* List1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* ZoekKnop = nullptr;
    Voorbeeld* Voorbeeld_ = nullptr;
    QScrollBar* Lengte = nullptr;
    QLineEdit* Text1 = nullptr;
    PlaatjesKnop* OkKnop = nullptr;
    PlaatjesKnop* ExitKnop = nullptr;

    void Lengte_Change();
    void Voorbeeld_MouseDown(QPoint plek);
    void ZoekKnop_Click();
    void List1_Click();
    void OkKnop_Click();
    void ExitKnop_Click();

    void TekenVoorbeeld(int n);
    // Fills the list from the library; the information line says when the
    // list could not hold every match.
    void ZoekWoorden(int n);

private:
    void MaakBesturing();
    // The row's letter: character HuidigeRij of the search word, upper-cased.
    QChar L() const;
    // Box i holds the row's letter.
    void KiesVakje(int i);

    Infolijn info;
    int r;
    QString omschrijving;  // the clue box's starting text
    Rij gekozen;
    bool bezig = false;  // the OK flow waits in its animation and its prompt
};

// The box of the preview under (x, y) for a word of n letters, 0 for none:
// strictly inside, so a point on a border line hits no box.
int VakjeOp(int x, int y, int n);
