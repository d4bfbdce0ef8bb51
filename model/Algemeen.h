// The program-wide puzzle state: one staircase puzzle, three board colours
// and the header text, shared by every window for the whole run. Also the
// board geometry that ties the model to the drawing and the row buttons.
#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>

// A colour as the program keeps it: three separate components, combined
// into a colour value only at the moment something is drawn.
struct Kleur {
    int Rood = 0;
    int Groen = 0;
    int Blauw = 0;

    QColor Waarde() const { return QColor(Rood, Groen, Blauw); }
    friend bool operator==(const Kleur&, const Kleur&) = default;
};

namespace Algemeen {

constexpr int MaxRijen = 20;             // longest search word, so the most rows
constexpr int MinRijen = 5;              // shortest search word
constexpr int MaxWoordLengte = 20;       // longest puzzle word the dialogs take

// Board geometry, in pixels of the 503 x 449 drawing area.
constexpr int BordBreedte = 503;
constexpr int BordHoogte = 449;
constexpr int KolomX = 240;              // left edge of the search-word column
constexpr int HokBreedte = 22;           // horizontal box pitch
constexpr int HokHoogte = 21;            // vertical box pitch
constexpr int EersteRijY = 15;           // top of row 1
constexpr int LetterDx = 6;              // letter origin inside a box
constexpr int LetterDy = 3;
constexpr int RijNummerDxKort = 18;      // row number left of the word, rows 1-9
constexpr int RijNummerDxLang = 23;      // rows 10-20
constexpr int KnopX = 467;               // the "?" button of a row
constexpr int KnopBreedte = 21;
constexpr int KnopHoogte = 16;
constexpr int BackingX = 465;            // its black backing
constexpr int BackingBreedte = 25;
constexpr int BackingHoogte = 20;
constexpr int MaxLetterPositie = 11;     // a row never starts left of x 20...
constexpr int MaxRechtsVanKolom = 10;    // ...nor runs past x 482

// Top of row i's boxes (and of the i-th column box): 21 i - 6.
constexpr int RijY(int i) { return EersteRijY + HokHoogte * (i - 1); }
// Left edge of a row whose column letter is its p-th: 262 - 22 p.
constexpr int BeginXVoor(int p) { return KolomX + HokBreedte - HokBreedte * p; }
// The letter position back from a stored start x.
constexpr int LetterPositieVan(int beginX) { return (KolomX + HokBreedte - beginX) / HokBreedte; }
// The row whose band holds board row y, 0 above row 1; may pass the last.
constexpr int RijOp(int y) { return y < EersteRijY ? 0 : (y - EersteRijY) / HokHoogte + 1; }
constexpr int KnopY(int i) { return HokHoogte * i - 3; }
constexpr int BackingY(int i) { return HokHoogte * i - 5; }

// Start-up values.
inline const Kleur StandaardKleurVeld{230, 230, 220};
inline const Kleur StandaardKleurZoekWoord{220, 220, 240};
inline const Kleur StandaardKleurPuzzelWoord{255, 255, 255};
inline const QString StandaardKopTekst = QStringLiteral("Puzzelpagina");
inline const QString StandaardBannerTekst = QStringLiteral("Wendolo trappuzzel - versie 1.0");

// The state itself. Row arrays run 0..20; index 0 is never used.
using Teksten = std::array<QString, MaxRijen + 1>;
extern QString ZoekWoord;
extern Teksten PuzzelWoord;
extern Teksten Omschrijving;
extern std::array<std::int32_t, MaxRijen + 1> BeginX;
extern std::uint8_t HuidigeRij;
extern std::int32_t LetterPositie;
extern Kleur KleurVeld;
extern Kleur KleurZoekWoord;
extern Kleur KleurPuzzelWoord;
extern QString KopTekst;
extern QString BannerTekst;
extern bool ZonderTekst;

// Gives every variable its start-up value.
void BeginWaarden();
// Empties rows 1..20 (word, clue, start x 0).
void WisRijen();
// n: the number of rows, the length of the search word.
int AantalRijen();
bool RijGevuld(int i);

// Upper-cases per character, so a text never changes length ("ß" stays one).
QString Hoofdletters(const QString& s);
QChar Hoofdletter(QChar c);

} // namespace Algemeen
