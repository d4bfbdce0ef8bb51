// The five board operations: the only ways the rest of the program draws
// the puzzle on the board. They read the model and draw step by step; the
// board is never repainted from the model as a whole.
#pragma once

#include "board/Tekenvlak.h"

#include <QRect>
#include <optional>

class QPainter;

// A new board surface: 503 x 449 with the board font, in KleurVeld where the
// picture begin does not cover it.
Tekenvlak NieuwBord(const QImage& begin = QImage());

void LeegBord(Tekenvlak& bord);
void TekenZoekWoord(Tekenvlak& bord, const QString& woord);
void TekenRij(Tekenvlak& bord, int i);
void WisLetters(Tekenvlak& bord);
void TekenLetters(Tekenvlak& bord);

// The whole board as the model draws it, as a maker who filled the rows one
// by one would have it.
void TekenBord(Tekenvlak& bord);

// Whether beeld is what the model draws on a field in achtergrond: with its
// letters (true) or without (false). Not at all for a picture the model
// cannot draw, such as a loaded board of an older kind or a field Tools
// cleared, which only exists as its bitmap.
std::optional<bool> Modelbord(const QImage& beeld, QColor achtergrond);

// The board as a page or a picture gets it: the model drawn anew as shapes
// and text, sharp at any size, where the screen's picture is what the model
// draws; that picture itself where not.
struct Bordtekening {
    QImage Beeld;  // null: drawn from the model
    QColor Achtergrond;
    bool Letters = true;
};
// The board whose screen picture is beeld, with or without its letters.
Bordtekening Tekening(const QImage& beeld, QColor achtergrond, bool letters);
// Draws b with its 503 x 449 board pixels stretched over doel. The model is
// read now, not when the drawing was made.
void Teken(QPainter& p, const Bordtekening& b, const QRectF& doel);

// The puzzle on the board, in board pixels: the column and the rows with
// their numbers, outlines included; the whole board while it has no rows.
QRect Puzzelvak();
