// Reading the font configuration (a few dozen XML files and the font cache)
// is the largest single cost before a window can show any text, and it waits
// on no display: it runs beside QApplication's own start instead of after
// it. Qt's own FcInit later finds the configuration loaded and returns.
#include "shell/Opwarmen.h"

#include <fontconfig/fontconfig.h>

Opwarmen::Opwarmen() : draad([] { FcInit(); }) {}

Opwarmen::~Opwarmen()
{
    Wacht();
}

void Opwarmen::Wacht()
{
    if (draad.joinable())
        draad.join();
}
