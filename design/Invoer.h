// Invoer: the puzzle-word dialog. Fills row HuidigeRij: the word's length,
// the box that holds the row's letter, the word (from the library or typed)
// and its clue; on commit it hands the row back for the main window to store.
//
// After Zoeken, what the maker types in the word field narrows the list
// (Bibliotheek.h: PastOpPatroon) and Down goes from the field into it. The
// maker's own words stand first in the list, marked with EigenMerk and in
// their own colour; Insert in the field or the list adds the field's word
// to them, Delete on a marked word takes it out again, and the right mouse
// button offers both.
#pragma once

#include "design/Werkblad.h"
#include "shell/Bouwstenen.h"

#include <QDialog>

class PlaatjesKnop;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
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

    // What an own word's entry in the list carries after the word.
    static inline const QString EigenMerk = QStringLiteral(" *");
    // The word an entry of the list stands for, without its mark.
    static QString Woord(const QListWidgetItem* item);
    bool IsEigen(const QListWidgetItem* item) const;

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
    // The maker typed in the word field: the list narrows to the pattern.
    void Text1_Edited();
    // The field's word to the own list, and a marked word out of it.
    void EigenWoordToevoegen();
    void EigenWoordWeghalen(const QListWidgetItem* item);

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
    // The list anew from the last search, narrowed by the pattern.
    void VulLijst();
    // The search anew after the own list changed, the pattern kept.
    void ZoekOpnieuw();
    void LijstMenu(QPoint plek);
    void HaalWeg(const QString& woord);

    Infolijn info;
    int r;
    QString omschrijving;  // the clue box's starting text
    Rij gekozen;
    bool gezocht = false;  // the list holds a search's words
    QStringList gevonden;  // the last search's words, own ones first
    qsizetype eigen = 0;   // how many of them are own words
    QString patroon;       // what the maker typed last in the word field
};

// The box of the preview under (x, y) for a word of n letters, 0 for none:
// strictly inside, so a point on a border line hits no box.
int VakjeOp(int x, int y, int n);
