// The 507 x 453 image the board shows until the first puzzle: the title, an
// example staircase puzzle and the invitation to click "Nieuw" or "Load".
#pragma once

#include <QImage>

// The image as the program shows it: the one the build drew, or, where the
// build carries none, drawn now.
QImage Startbeeld();

// The image drawn by the code (what the build stores).
QImage TekenStartbeeld();
