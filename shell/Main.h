// Main: the program's main window. The board with one "?" button per row,
// the bar of eight commands, the information line, start-up and exit.
#pragma once

#include "shell/Hoofdscherm.h"

#include <QWidget>
#include <array>

class Hulppagina;
class PlaatjesKnop;
class QLabel;
class QPushButton;

class Main : public QWidget, public Hoofdscherm
{
    Q_OBJECT
public:
    Main();

    // Hoofdscherm
    Pic& Bord() override { return *pic; }
    void ToonRijKnop(int i, bool zichtbaar) override;
    bool RijKnopZichtbaar(int i) const override;
    void ZetInfo(const QString& tekst) override;
    QString Info() const override;
    QWidget* Venster() override { return this; }

    // The command buttons, in the bar's order from the top.
    PlaatjesKnop* OkKnop = nullptr;
    PlaatjesKnop* LoadKnop = nullptr;
    PlaatjesKnop* SaveKnop = nullptr;
    PlaatjesKnop* PrintKnop = nullptr;
    PlaatjesKnop* ToolKnop = nullptr;
    PlaatjesKnop* OptieKnop = nullptr;
    PlaatjesKnop* ConvertKnop = nullptr;
    PlaatjesKnop* ExitKnop = nullptr;

    std::array<QPushButton*, 21> Knop{};  // 1..20
    std::array<QLabel*, 21> BK{};         // 1..20
    QLabel* InfoBalk = nullptr;
    Hulppagina* Browser = nullptr;

    // The handlers, one per control.
    void OkKnop_Click();
    void LoadKnop_Click();
    void SaveKnop_Click();
    void PrintKnop_Click();
    void ToolKnop_Click();
    void OptieKnop_Click();
    void ConvertKnop_Click();
    void ExitKnop_Click();
    void Knop_Click(int i);

private:
    void MaakBord();
    void MaakBrowser();
    void MaakRijKnoppen();
    void MaakCommandobalk();
    void MaakInformatieregel();
    void Opstarten();
    // The keyboard goes on where the next word is to be filled in.
    void FocusOpEersteRij();

    Pic* pic = nullptr;
    // A command runs; clicks that arrive while it waits in an animation or
    // a dialog are ignored.
    bool bezig = false;
};
