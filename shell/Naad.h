// The one seam for tests: everything a test puts in place of the real
// thing lives here, and the program itself never sets any of it. A test
// sets what it needs in its set-up and ends with `Naad = {};`.
#pragma once

#include "shell/Meldingen.h"

#include <QString>
#include <functional>
#include <memory>

class Printerlaag;

struct Proefnaad {
    // The program folder; empty: the executable's folder.
    QString Programmamap;
    // Every pause is this many times as long; 0: no wait, events still run.
    double PauzeFactor = 1.0;
    // Answer the message and input boxes instead of showing them.
    std::function<Meldingen::Antwoord(const Meldingen::Melding&)> Melding;
    std::function<QString(const Meldingen::Vraag&)> Vraag;
    // Makes the printer a print goes to instead of the real one.
    std::function<std::unique_ptr<Printerlaag>()> Printer;
    // A save of a puzzle stops dead after this many of its steps, as a
    // killed program would; 0: it never stops.
    int PaarOnderbreking = 0;
};

extern Proefnaad Naad;
