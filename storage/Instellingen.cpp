// Placeholder until the settings file is built: the defaults stay.
#include "storage/Instellingen.h"

void InstellingenLezen(const QString&) {}
bool InstellingenSchrijven(const QString&) { return true; }
