// Pic: the board control on the main window. A 2-pixel sunken border round
// the 503 x 449 drawing area, which only blits the retained bitmap; the row
// buttons are children of the drawing area, so board coordinates place them.
// With the keyboard focus it shows a row cursor over the bitmap, never in it.
// On a screen of more than one device pixel per pixel, a bitmap the model
// draws is drawn anew as shapes and text at the screen's own resolution.
#pragma once

#include "board/Bord.h"

#include <QFrame>
#include <optional>

class Pic : public QFrame
{
    Q_OBJECT
public:
    // The board starts as the picture begin, or blank in the field colour.
    explicit Pic(QWidget* parent = nullptr, const QImage& begin = QImage());

    // The drawing area, parent of everything that lies on the board.
    QWidget* Tekengebied() const { return gebied; }

    // The surface a change draws on; Ververs shows what it drew.
    Tekenvlak& Vlak() { return vlak; }
    const Tekenvlak& Vlak() const { return vlak; }
    QImage Beeld() const { return vlak.Beeld; }
    void Ververs();
    // The board as the screen draws it above one device pixel per pixel:
    // from the model where the bitmap is what it draws; nullopt: the bitmap.
    const std::optional<Bordtekening>& Scherp();

    // The board operations a print or an export borrows the board for.
    void WisLetters();
    void TekenLetters();
    // The box primitive, for the one temporary frame the export draws.
    void box(int x1, int y1, int x2, int y2, QColor lijn, bool vast);

    // The row under the cursor, 1..Rijen; 0 while the board has no rows.
    int Cursor() const { return cursor; }
    void ZetCursor(int rij);
    // The rows the cursor moves over: the puzzle's, 0 for none.
    void ZetRijen(int n);

signals:
    // A double-click on row rij.
    void dubbelklik(int rij);
    // A key the board does not take itself, for the row under the cursor.
    void toets(int key);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    QWidget* gebied;
    Tekenvlak vlak;
    std::optional<Bordtekening> scherp;
    bool scherpOud = true;  // the bitmap changed since scherp was judged
    int cursor = 0;
    int rijen = 0;
};
