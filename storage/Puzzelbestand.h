// The puzzle file (<name>.pzl) and its board picture (<name>.bmp): the
// records as bytes, the checks a file must pass before it may replace the
// puzzle in memory, and writing the pair so that neither half is lost.
#pragma once

#include "storage/Record.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>
#include <optional>

// Everything a puzzle file holds, apart from the model it is read into, so
// a file can be read and checked whole before anything changes.
struct Puzzel : Kop {
    QString ZoekWoord;
    Algemeen::Teksten PuzzelWoord, Omschrijving;  // 1..n; the rest empty
    std::array<std::int32_t, Algemeen::MaxRijen + 1> BeginX{};

    friend bool operator==(const Puzzel&, const Puzzel&) = default;
};

// The puzzle in memory, and putting a puzzle there (rows n+1..20 cleared).
// HuidigeRij, LetterPositie and KopTekst are not part of a puzzle.
Puzzel HuidigePuzzel();
void Installeer(const Puzzel& p);

// The records: banner, three colours, search word, one row per letter.
QByteArray PuzzelBytes(const Puzzel& p);

// The puzzle in data, or nullopt when it cannot be a puzzle of this program:
// an early end, a blue outside 0..255, a field that holds no number, a search
// word longer than 20 letters, or a filled row that does not cross the
// column or leaves the board. Red and green are clamped to 0..255, an empty
// row's start x is 0 whatever the file says, and what follows the last row
// is ignored.
std::optional<Puzzel> PuzzelUitBytes(QByteArrayView data);

// Reads a puzzle file; nullopt when it is missing, unreadable or not a
// puzzle. Only its first MaxPuzzelBestand bytes are looked at, so a huge
// file costs no more than a normal one.
constexpr qint64 MaxPuzzelBestand = 1 << 20;
std::optional<Puzzel> PuzzelLezenUit(const QString& pad);

// A board picture from BMP bytes, or nullopt when the bytes are not a whole
// uncompressed BMP: a file cut short, or a header that promises more pixels
// than follow, would otherwise load with its missing rows black.
std::optional<QImage> BordbeeldUitBytes(QByteArrayView data);
// The same from the file at pad (a regular file only).
std::optional<QImage> LeesBordbeeld(const QString& pad);
// The board's picture as the bytes of a .bmp file; nullopt when it cannot be encoded.
std::optional<QByteArray> BordbeeldBytes(const QImage& beeld);

// A saved pair as read, or why it cannot be: fout is the message to show,
// empty when puzzel and beeld hold what the files hold.
struct Geladen {
    Puzzel puzzel;
    QImage beeld;
    QString fout;
};

// Reads map/<basisnaam>.bmp and map/<bestandsnaam>, both checked whole, after
// settling a save of the name that a kill broke off.
Geladen PaarLezen(const QString& map, const QString& basisnaam, const QString& bestandsnaam);

// What is wrong with a name typed for a save, or the empty text when it is
// safe: the files must land inside the puzzle folder, under exactly that
// name, visible in the load list and usable on Windows too.
QString Naamfout(const QString& naam);

// Writes map/<naam>.pzl from p and map/<naam>.bmp from beeld, as one pair
// (see Puzzelpaar.h): afterwards, or after a kill, the name holds the old
// pair or the new one. A puzzle that would not read back as it is written
// is not written at all.
// Returns the empty text, or what went wrong (in Dutch, for the user).
QString PuzzelSchrijven(const QString& map, const QString& naam, const Puzzel& p, const QImage& beeld);
