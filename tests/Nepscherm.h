// A stand-in for the main window in widget tests: a real board with the
// design on it and the information line, without the whole main window.
#pragma once

#include "board/Pic.h"
#include "design/Werkblad.h"
#include "shell/Bouwstenen.h"
#include "shell/Meldingen.h"
#include "shell/Pauze.h"
#include "shell/Programmamap.h"

#include <QString>
#include <QWidget>

// Undoes what a test set up in place of the desktop: the folders, the
// pauses and the answered boxes.
inline void GewoneOmgeving()
{
    AllesIn({});
    PauzesMaal(1);
    Meldingen::BeantwoordMeldingen({});
    Meldingen::BeantwoordVragen({});
}

class Nepscherm
{
public:
    Nepscherm() : bord(&venster), werk(bord.Vlak()) { venster.resize(732, 500); }

    Pic& Bord() { return bord; }
    QWidget* Venster() { return &venster; }
    Infolijn Lijn() { return [this](const QString& t) { InfoBalk = t; }; }
    bool RijKnopZichtbaar(int i) const { return werk.Knoppen[i]; }

    // A drawn puzzle with each row but those in leeg filled, its letter 1 to
    // 3 boxes in; only the empty rows show their buttons.
    void Ontwerp(const QString& woord, const QList<int>& leeg = {})
    {
        using namespace Algemeen;
        bord.Vlak().Achtergrond = KleurVeld.Waarde();
        werk.NieuwePuzzel(woord);
        for (int i = 1; i <= AantalRijen(); ++i) {
            const int p = 1 + i % 3;
            if (!leeg.contains(i))
                werk.RijOpslaan(i, {QString(p - 1, u'A') + woord[i - 1] + QStringLiteral("AAS"),
                                    QStringLiteral("Omschrijving %1").arg(i), BeginXVoor(p)});
        }
    }

    QString InfoBalk = QStringLiteral("Informatie");

private:
    QWidget venster;
    Pic bord;

public:
    Werkblad werk;
};
