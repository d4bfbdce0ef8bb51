// Message boxes and input boxes. Every window asks through these two
// functions; tests answer them through the seam (shell/Naad.h), so no test
// ever waits on a real modal box.
#pragma once

#include <QString>

namespace Meldingen {

enum class Knoppen { Ok, JaNee };
enum class Pictogram { Geen, Stop };
enum class Antwoord { Ok, Ja, Nee };

// Used where a box is given no title of its own.
inline const QString Programmanaam = QStringLiteral("Wendolo");

struct Melding {
    QString tekst;
    QString titel;
    Knoppen knoppen;
    Pictogram pictogram;
};

struct Vraag {
    QString prompt;
    QString titel;
    QString standaard;
};

// A modal message box; line breaks in the text are CR LF.
Antwoord MsgBox(const QString& tekst, Knoppen knoppen = Knoppen::Ok,
                const QString& titel = Programmanaam, Pictogram pictogram = Pictogram::Geen);

// A modal input box; the empty text when cancelled. With bestandstekst the
// field takes only what the program's files can hold (as it is typed).
QString InputBox(const QString& prompt, const QString& titel, const QString& standaard = {},
                 bool bestandstekst = false);

} // namespace Meldingen
