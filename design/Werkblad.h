// The design being worked on: the model, the board picture and which rows
// show their "?" button. Every change the maker makes is one of Werkblad's
// changes, made through Wijzig, which records the state before it for undo.
//
// Undo keeps whole states rather than commands: the board is not a function
// of the model (a loaded picture, a board Tools cleared), and a state put
// back whole is exactly what the maker saw, whatever came between.
#pragma once

#include "board/Tekenvlak.h"
#include "storage/Puzzelbestand.h"

#include <QByteArray>
#include <array>
#include <functional>
#include <vector>

using Rijknoppen = std::array<bool, Algemeen::MaxRijen + 1>;  // 1..20

// A row as the puzzle-word dialog hands it back.
struct Rij {
    QString Woord;
    QString Omschrijving;
    int BeginX = 0;
};

// What the Tools dialog hands back: the three colours and the header as the
// maker left them, and whether its Ok cleared the board in the field colour.
struct Instelling {
    Kleur Veld, ZoekWoord, PuzzelWoord;
    QString KopTekst;
    bool VeldGewist = false;
};

// One state of the design, whole.
struct Stand {
    Puzzel puzzel;
    QString KopTekst;
    QByteArray Bord;  // PNG: a long run keeps thousands of states
    QColor Achtergrond;
    Rijknoppen Knoppen{};
};

class Werkblad
{
public:
    explicit Werkblad(Tekenvlak& bord) : Bord(bord) {}

    Tekenvlak& Bord;
    Rijknoppen Knoppen{};

    // An accepted search word: an empty puzzle, every row its button.
    void NieuwePuzzel(const QString& woord);
    // An empty row is drawn on top of the board as it is; a filled one that
    // changes takes its old boxes with it, so the board is drawn anew.
    void RijOpslaan(int i, const Rij& rij);
    void RijWissen(int i);
    void Laden(const Puzzel& p, const QImage& beeld);
    void Instellen(const Instelling& s);

    // Makes wijziging, one of the changes above or several, as one step
    // called wat: undo takes it back whole.
    void Wijzig(const QString& wat, const std::function<void()>& wijziging);
    // A step that leads from the state voor to this one.
    void NieuweStap(const QString& wat, Stand voor);
    bool KanTerug() const { return !terug.empty(); }
    bool KanVooruit() const { return !vooruit.empty(); }
    QString WatTerug() const { return terug.empty() ? QString() : terug.back().wat; }
    QString WatVooruit() const { return vooruit.empty() ? QString() : vooruit.back().wat; }
    // Undo and redo one step; false when there is none.
    bool Terug();
    bool Vooruit();

    Stand Vastleggen() const;
    void Terugzetten(const Stand& s);

private:
    struct Stap {
        QString wat;
        Stand stand;
    };
    std::vector<Stap> terug, vooruit;
};
