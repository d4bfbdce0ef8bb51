// The printed page: header, board, border, date line, the numbered clues
// and the answer line, laid out in twips on a Printerlaag; and the answer
// key, the same page with the letters, as a second page.
#pragma once

#include "board/Bord.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

class Printerlaag;

struct Paginagegevens {
    QString KopTekst;
    Bordtekening Bord;           // printed at 15 twips per board pixel
    QStringList Omschrijvingen;  // the clues of rows 1..n, in order
    bool MetBorder = true;
    bool MetDatum = true;
    int Aantal = 1;
    QString DatumRegel;
    // The answer key as page 2: the board with its letters, the search word.
    bool MetOplossing = false;
    Bordtekening Oplossing;
    QString ZoekWoord;
};

// The page of the puzzle in the model, its board drawn from the screen's
// picture bord on a field in veld: with or without letters, with or
// without the answer key; as the print dialog starts, otherwise.
Paginagegevens ModelPagina(const QImage& bord, QColor veld, bool letters, bool oplossing);

// The answer key's header: the page's header, marked.
QString OplossingKop(const QString& kop);

// Draws the page (and the answer key) and ends the document; the printer's verdict.
bool DrukPagina(Printerlaag& printer, const Paginagegevens& pagina);

// "14:05:33 / 5-12-2003": the time in the locale's long time format without
// its time zone, then the date as day-month-year without leading zeros.
QString DatumTijdRegel(const QDateTime& moment, const QLocale& locale);

// Two blanks before the numbers 1 to 9, so the full stops line up.
QString OmschrijvingsRegel(int i, const QString& tekst);

// "Het woord dat gezocht wordt is " and the search word in capitals, or
// fifty dots to write it on.
QString AntwoordRegel(const QString& zoekwoord = {});

// The model's clues, row by row.
QStringList ModelOmschrijvingen();

// Page positions in twips, which the tests and the paper check share.
namespace Paginamaat {
constexpr int Links = 600;
constexpr int KopY = 450;
constexpr int BordY = 1200;
constexpr int Twips = 15;              // per board pixel
constexpr int BorderMarge = 30;
constexpr int DatumX = 6150;
constexpr int DatumY = 8040;
constexpr int EersteRegelY = 8700;
constexpr int Regelafstand = 270;
constexpr int AntwoordAfstand = 600;
// The board box as the screen shows it, sunken border included: what the
// page keeps free for the picture (x 600 to 8205).
constexpr int BordvakBreedte = 7605;
constexpr int BordvakHoogte = 6795;
} // namespace Paginamaat
