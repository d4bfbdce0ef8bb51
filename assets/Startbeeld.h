// The 507 x 453 image the board shows until the first puzzle: the title, an
// example staircase puzzle and the invitation to click "Nieuw" or "Load".
#pragma once

#include <QImage>

QImage Startbeeld();
