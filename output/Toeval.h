// The program's one pseudo-random sequence. It starts from a fixed value, so
// every run of the program draws the same numbers in the same order.
#pragma once

// The next value in [0, 1).
double Rnd();

// Back to the start of the sequence, as at program start (tests).
void RndOpnieuw();
