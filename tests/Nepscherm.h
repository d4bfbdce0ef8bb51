// A stand-in for the main window in widget tests: a real board, the row
// buttons shown and the information line, without the whole main window.
#pragma once

#include "board/Pic.h"
#include "model/Algemeen.h"
#include "shell/Hoofdscherm.h"

#include <QString>
#include <QWidget>
#include <array>

class Nepscherm : public Hoofdscherm
{
public:
    Nepscherm() : bord(&venster) { venster.resize(732, 500); }

    Pic& Bord() override { return bord; }
    void ToonRijKnop(int i, bool zichtbaar) override
    {
        if (i >= 1 && i <= Algemeen::MaxRijen)
            RijKnop[i] = zichtbaar;
    }
    bool RijKnopZichtbaar(int i) const override
    {
        return i >= 1 && i <= Algemeen::MaxRijen && RijKnop[i];
    }
    void ZetInfo(const QString& tekst) override { InfoBalk = tekst; }
    QString Info() const override { return InfoBalk; }
    QWidget* Venster() override { return &venster; }

    // A drawn puzzle with each row but those in leeg filled, its letter 1 to
    // 3 boxes in; only the empty rows show their buttons.
    void Ontwerp(const QString& woord, const QList<int>& leeg = {})
    {
        using namespace Algemeen;
        WisRijen();
        ZoekWoord = woord;
        bord.ZetAchtergrond(KleurVeld.Waarde());
        bord.LeegBord();
        bord.TekenZoekWoord(woord);
        RijKnop = {};
        for (int i = 1; i <= AantalRijen(); ++i) {
            RijKnop[i] = leeg.contains(i);
            if (RijKnop[i])
                continue;
            const int p = 1 + i % 3;
            PuzzelWoord[i] = QString(p - 1, u'A') + woord[i - 1] + QStringLiteral("AAS");
            Omschrijving[i] = QStringLiteral("Omschrijving %1").arg(i);
            BeginX[i] = BeginXVoor(p);
            bord.TekenRij(i);
        }
    }

    // Index 0 is never used, like the row arrays.
    std::array<bool, Algemeen::MaxRijen + 1> RijKnop{};
    QString InfoBalk = QStringLiteral("Informatie");

private:
    QWidget venster;
    Pic bord;
};
