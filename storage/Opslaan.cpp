// Placeholder until the save command is built.
#include "storage/Opslaan.h"

void SaveCommando(Hoofdscherm&) {}
