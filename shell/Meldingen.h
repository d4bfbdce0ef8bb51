// Message boxes and input boxes. Every window asks through these two
// functions, so a run nobody watches can have them answered instead.
#pragma once

#include <QString>
#include <functional>

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

using Beantwoorder = std::function<Antwoord(const Melding&)>;
using Vragenbeantwoorder = std::function<QString(const Vraag&)>;

// Has the message boxes, or the input boxes, answered by a function
// instead of shown; an empty function shows them again.
void BeantwoordMeldingen(Beantwoorder meldingen);
void BeantwoordVragen(Vragenbeantwoorder vragen);

} // namespace Meldingen
