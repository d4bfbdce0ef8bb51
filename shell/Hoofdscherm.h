// What the dialogs may touch on the main window: the board, the row buttons
// and the information line. The main window implements it; tests use a
// small stand-in with a real board.
#pragma once

#include "model/Algemeen.h"

#include <QString>

class Pic;
class QWidget;

// What the information line says when nothing is under way.
inline const QString Informatie = QStringLiteral("Informatie...");

class Hoofdscherm
{
public:
    virtual ~Hoofdscherm() = default;

    virtual Pic& Bord() = 0;
    // Knop(i) and BK(i) are always shown or hidden together.
    virtual void ToonRijKnop(int i, bool zichtbaar) = 0;
    virtual bool RijKnopZichtbaar(int i) const = 0;
    virtual void ZetInfo(const QString& tekst) = 0;
    virtual QString Info() const = 0;
    // Parent of the modal dialogs.
    virtual QWidget* Venster() = 0;

    void VerbergRijKnoppen()
    {
        for (int i = 1; i <= Algemeen::MaxRijen; ++i)
            ToonRijKnop(i, false);
    }
};
