// The five board operations: the only ways the rest of the program draws
// the puzzle on the board. They read the model and draw step by step; the
// board is never repainted from the model as a whole.
#pragma once

#include "board/Tekenvlak.h"

// A new board surface: 503 x 449 with the board font, in KleurVeld where the
// picture begin does not cover it.
Tekenvlak NieuwBord(const QImage& begin = QImage());

void LeegBord(Tekenvlak& bord);
void TekenZoekWoord(Tekenvlak& bord, const QString& woord);
void TekenRij(Tekenvlak& bord, int i);
void WisLetters(Tekenvlak& bord);
void TekenLetters(Tekenvlak& bord);
