// The word library search: every item of the library that has the chosen
// length and the row's letter at the chosen position, in file order; the
// maker's own words before them; and the pattern that narrows the list.
#pragma once

#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

// The list holds at most this many words. The supplied library answers no
// search with more than about 17,600, so it is never cut short, while the
// list of any library fills in milliseconds, takes a few megabytes, and can
// still be scrolled and searched by typing.
inline constexpr qsizetype MaxWoorden = 20000;

// A library file is read this many bytes at a time, whatever its size.
inline constexpr qsizetype Stukgrootte = qsizetype(1) << 20;

// A library file beyond this is not searched: a scan holds the window some
// 2.5 s per gigabyte, each time the list is filled. The supplied library is
// a few megabytes, so this leaves room for any real word list. The maker's
// own list has the same bound.
inline constexpr qint64 MaxBibliotheek = qint64(64) << 20;

struct Zoekresultaat {
    QStringList woorden;    // at most MaxWoorden: the own words, then the library's
    qsizetype eigen = 0;    // how many of the first words are the maker's own
    bool afgekapt = false;  // more items matched than the list holds
    QString geweigerd;      // why a file was not read, for the user; empty if it was
};

// Scans library bytes (Windows-1252, the record field rules) for items of n
// characters whose character p, upper-cased, is L. Matches come back as the
// library writes them. An item with an upper-case letter is a name, left
// out when namen is false. The bytes reach the scan stuk at a time, as a
// file's do; the answer is the same for every stuk. At most MaxWoorden words.
QStringList ZoekInBibliotheek(QByteArrayView data, int n, int p, QChar L, qsizetype stuk = Stukgrootte,
                              bool namen = true);

// The same over the file at pad, read from its start each time and never
// held whole, and only as far as the list fills. A missing file, one that
// cannot be read, and a pipe, a device or a folder of that name give nothing;
// so does a file larger than MaxBibliotheek, which says so.
Zoekresultaat ZoekInBibliotheekBestand(const QString& pad, int n, int p, QChar L, bool namen = true);

// The maker's own list at eigen first, then the library at bibliotheek: the
// own words that match (names or not), then the library's, and no word twice
// (words that differ only in case are one word). An own list that is too
// large or not text is not read and says so; the library is searched anyway.
Zoekresultaat ZoekWoorden(const QString& eigen, const QString& bibliotheek, int n, int p, QChar L, bool namen);

// Whether the library at pad holds woord as an item, case aside (names too).
bool InBibliotheek(const QString& pad, const QString& woord);

// Whether woord matches patroon from its start: a letter matches itself, the
// case folded as the search folds it (é matches É, not e), "?" matches any
// one character and "*" any run of them, the empty run too. What follows
// the pattern's end may be anything, so the empty pattern matches every word
// and the list narrows as the maker types.
bool PastOpPatroon(QStringView patroon, QStringView woord);
