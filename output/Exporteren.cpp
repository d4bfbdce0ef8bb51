// Placeholder until the export is built.
#include "output/Exporteren.h"

void HtmlExporteren(Hoofdscherm&) {}
