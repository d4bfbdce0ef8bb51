// Main: the program's main window. The board with one "?" button per row,
// the bar of eight commands, the information line, start-up and exit; and
// the board's menu with the commands beyond those eight.
//
// The dialogs hand back what the maker chose; the window applies it to the
// design as one change, which undo takes back whole. The design is kept on
// disk after every change, so a run that ends unsaved can be brought back.
#pragma once

#include "design/Werkblad.h"
#include "shell/Bouwstenen.h"

#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class Hulppagina;
class PlaatjesKnop;
class Pic;
class QAction;
class QLabel;
class QMenu;
class QPushButton;

class Main : public QWidget
{
    Q_OBJECT
public:
    Main();

    Pic& Bord() { return *pic; }
    void ToonRijKnop(int i, bool zichtbaar);
    bool RijKnopZichtbaar(int i) const;
    void ZetInfo(const QString& tekst);
    QString Info() const;

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

    // The board's commands, on the row under its cursor.
    void RijWijzigen(int i);
    void RijWissen(int i);
    void Ongedaan();
    void Opnieuw();
    // The board's menu at pos (global), its entries for the cursor's row.
    void ToonMenu(QPoint pos);
    // Where the menu opens from the keyboard: at the cursor's row (global).
    QPoint BijCursor() const;
    // The entries as they stand for the cursor's row, each time it opens.
    void MenuBijwerken();
    // The word list's entries of the menu.
    void NamenWisselen();
    void EigenWoordWisselen(int rij);

    // A puzzle from anywhere, as Load puts one on the board (the command
    // line's file, Openen…, the recent files); a file that cannot be used is
    // told as Load tells it, and nothing changes.
    void BestandOpenen(const QString& pad);
    // The desktop's file dialog, to open a puzzle or save one anywhere.
    void Openen();
    void OpslaanAls();

    // The name of the kept design's two files.
    static inline const QString Bewaarnaam = QStringLiteral("ontwerp");

protected:
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    void MaakBord();
    void MaakBrowser();
    void MaakRijKnoppen();
    void MaakCommandobalk();
    void MaakInformatieregel();
    void MaakMenu();
    void Opstarten();
    // The keyboard goes on where the next word is to be filled in.
    void FocusOpEersteRij();
    // Runs a command of the board with the window busy (Bezig).
    void Commando(const std::function<void()>& doe);
    void NaDialoog(bool vanBord);

    // Makes a change of the design, called wat for undo.
    void Wijzig(const QString& wat, const std::function<void()>& wijziging);
    // The window after the design changed: board, buttons, cursor, and the
    // design kept on disk.
    void Toon();
    void Bewaar();
    // The design as it stands is what lies on disk: nothing to keep.
    void OpSchijf();
    // Undo (terug) or redo one step.
    void Stap(bool terug);
    // The puzzle-word dialog for row i, empty or filled; true when stored.
    bool RijInvullen(int i);
    // A row whose dialog was opened from the board keeps the focus there.
    void Terugnaarbord();
    // Puts a puzzle read from disk on the board as one change.
    void Plaats(const Geladen& g);
    // The recent files' submenu, filled as it opens.
    void VulRecent();
    // Where the file dialogs start: the folder last used, or the puzzles'.
    QString Dialoogmap() const;

    Pic* pic = nullptr;
    // How the dialogs speak on the information line.
    const Infolijn Lijn = [this](const QString& t) { ZetInfo(t); };
    std::unique_ptr<Werkblad> werk;
    // What the last save or load put on disk; the design differs from it
    // when there is something to lose.
    Puzzel opgeslagenPuzzel;
    QImage opgeslagenBord;
    bool bewaarFoutGemeld = false;

    QMenu* menu = nullptr;
    QAction* wijzigActie = nullptr;
    QAction* wisActie = nullptr;
    QAction* ongedaanActie = nullptr;
    QAction* opnieuwActie = nullptr;
    QAction* namenActie = nullptr;
    QAction* eigenActie = nullptr;
    QMenu* recentMenu = nullptr;
};
