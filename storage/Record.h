// The record syntax of the program's own files and the field rules that the
// word library is read with: comma-separated fields, texts in double quotes
// without escapes, integers in plain decimal, CR LF after every record.
#pragma once

#include "model/Algemeen.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// Reads fields one after the other; a comma and a line end both end a field,
// so the reader follows the field order, not the line breaks.
class RecordLezer
{
public:
    explicit RecordLezer(QByteArrayView data) : data(data) {}

    // The raw bytes of the next field, quotes removed; nullopt when the data
    // ended before a field began. Blanks before a field are skipped; a field
    // that begins with a double quote runs to the next one, and what follows
    // the closing quote up to the separator is skipped. Trailing blanks of an
    // unquoted field are kept.
    std::optional<QByteArrayView> VolgendVeld();

    // A text field decoded from Windows-1252; nullopt at the end of the
    // data, for a text whose closing quote never came (the data was cut off
    // inside it) and for one that holds a double quote, which no record can
    // store.
    std::optional<QString> LeesTekst();

    // A number field: an optional minus and decimal digits, blanks around it
    // allowed; an empty field is 0. nullopt at the end of the data, for a
    // field that holds no number, and for one outside the 32-bit range.
    std::optional<qint32> LeesGetal();

    bool OpEinde() const { return pos >= data.size(); }

private:
    QByteArrayView data;
    qsizetype pos = 0;
    bool afgebroken = false;  // the last field's opening quote was never closed
};

// Builds records: fields joined by commas, CR LF after each record.
class RecordSchrijver
{
public:
    RecordSchrijver& Tekst(const QString& tekst);
    RecordSchrijver& Getal(qint64 getal);
    // Ends the record under way with CR LF.
    RecordSchrijver& Einde();

    const QByteArray& Bytes() const { return data; }

private:
    void Scheiding();
    QByteArray data;
    bool velden = false;  // the record under way has a field already
};

// The head that the puzzle file and the settings file share: the banner
// and the three board colours, one record each.
struct Kop {
    QString BannerTekst;
    Kleur KleurVeld, KleurZoekWoord, KleurPuzzelWoord;

    friend bool operator==(const Kop&, const Kop&) = default;
};

// Reads the head into k field by field, so what was read before a failure
// stays and the rest keeps the value k had. False when the data ends early,
// the banner was cut off inside its quotes, or a colour cannot be read (a
// blue outside 0..255, a number that is none). Red and green are clamped to
// 0..255.
bool LeesKop(RecordLezer& r, Kop& k);
// The head in memory, and putting a head there.
Kop HuidigeKop();
void Installeer(const Kop& k);
void SchrijfKop(RecordSchrijver& w, const Kop& k);
