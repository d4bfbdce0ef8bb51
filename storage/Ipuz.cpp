// The ipuz file: the staircase laid out as a crossword grid, and read back
// from one with every field's type checked before it is used.
#include "storage/Ipuz.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QHash>
#include <algorithm>
#include <vector>

using namespace Algemeen;

namespace {

const QString Extensie = QStringLiteral("nl.wendolo:trappuzzel");
const QString Soort = QStringLiteral("http://ipuz.org/crossword");
const QString ZoekwoordOmschrijving = QStringLiteral("Zoekwoord");

// A row's boxes as offsets from the search-word column: the column is 0.
struct Spanne {
    int begin = 0, einde = 0;
};

Spanne RijSpanne(const Puzzel& p, int i)
{
    if (p.PuzzelWoord[i].isEmpty())
        return {};
    const int begin = (p.BeginX[i] - KolomX) / HokBreedte;
    return {begin, begin + int(p.PuzzelWoord[i].size()) - 1};
}

QString Hex(const Kleur& k) { return QColor(k.Rood, k.Groen, k.Blauw).name().mid(1).toUpper(); }

QJsonArray KleurJson(const Kleur& k) { return {k.Rood, k.Groen, k.Blauw}; }

QJsonObject ExtensieJson(const Puzzel& p, int n)
{
    QJsonArray rijen;
    for (int i = 1; i <= n; ++i)
        rijen.append(QJsonObject{{QStringLiteral("woord"), p.PuzzelWoord[i]},
                                 {QStringLiteral("omschrijving"), p.Omschrijving[i]}});
    return {{QStringLiteral("banner"), p.BannerTekst},
            {QStringLiteral("veld"), KleurJson(p.KleurVeld)},
            {QStringLiteral("kleurzoekwoord"), KleurJson(p.KleurZoekWoord)},
            {QStringLiteral("kleurpuzzelwoord"), KleurJson(p.KleurPuzzelWoord)},
            {QStringLiteral("zoekwoord"), p.ZoekWoord},
            {QStringLiteral("rijen"), rijen}};
}

} // namespace

QByteArray IpuzBytes(const Puzzel& p, const QString& titel)
{
    const int n = std::min<int>(int(p.ZoekWoord.size()), MaxRijen);
    std::vector<Spanne> spannes(n + 2);
    int links = 0, rechts = 0;
    for (int i = 1; i <= n; ++i) {
        spannes[i] = RijSpanne(p, i);
        links = std::min(links, spannes[i].begin);
        rechts = std::max(rechts, spannes[i].einde);
    }
    const auto binnen = [&](int i, int o) { return i >= 1 && i <= n && o >= spannes[i].begin && o <= spannes[i].einde; };
    // The top of the column needs a number of its own for the search word,
    // unless row 1 begins there; the rows keep the numbers of the page.
    const int zoekNummer = spannes[1].begin == 0 && !p.PuzzelWoord[1].isEmpty() ? 1 : n + 1;

    QJsonArray puzzel, oplossing, horizontaal;
    for (int i = 1; i <= n; ++i) {
        QJsonArray vakken, letters;
        for (int o = links; o <= rechts; ++o) {
            if (!binnen(i, o)) {
                vakken.append(QJsonValue::Null);
                letters.append(QJsonValue::Null);
                continue;
            }
            const QChar letter = o == 0 ? p.ZoekWoord[i - 1] : p.PuzzelWoord[i][o - spannes[i].begin];
            letters.append(QString(Hoofdletter(letter)));
            int nummer = 0;
            if (o == spannes[i].begin && !p.PuzzelWoord[i].isEmpty())
                nummer = i;
            else if (o == 0 && i == 1)
                nummer = zoekNummer;
            QJsonObject stijl;
            if (o == 0) {
                stijl[QStringLiteral("highlight")] = true;
                stijl[QStringLiteral("color")] = Hex(p.KleurZoekWoord);
            } else if (binnen(i + 1, o)) {
                stijl[QStringLiteral("barred")] = QStringLiteral("B");
            }
            if (stijl.isEmpty())
                vakken.append(nummer);
            else
                vakken.append(QJsonObject{{QStringLiteral("cell"), nummer}, {QStringLiteral("style"), stijl}});
        }
        puzzel.append(vakken);
        oplossing.append(letters);
        if (!p.PuzzelWoord[i].isEmpty())
            horizontaal.append(QJsonObject{{QStringLiteral("number"), i},
                                           {QStringLiteral("clue"), p.Omschrijving[i]},
                                           {QStringLiteral("answer"), Hoofdletters(p.PuzzelWoord[i])}});
    }
    const QJsonArray verticaal{QJsonObject{{QStringLiteral("number"), zoekNummer},
                                           {QStringLiteral("clue"), ZoekwoordOmschrijving},
                                           {QStringLiteral("answer"), Hoofdletters(p.ZoekWoord.left(n))}}};
    const QJsonObject ipuz{
        {QStringLiteral("version"), QStringLiteral("http://ipuz.org/v2")},
        {QStringLiteral("kind"), QJsonArray{Soort + QStringLiteral("#1")}},
        {QStringLiteral("title"), titel},
        {QStringLiteral("origin"), QStringLiteral("Wendolo")},
        {QStringLiteral("block"), QStringLiteral("#")},
        {QStringLiteral("empty"), 0},
        {QStringLiteral("dimensions"), QJsonObject{{QStringLiteral("width"), rechts - links + 1}, {QStringLiteral("height"), n}}},
        {QStringLiteral("puzzle"), puzzel},
        {QStringLiteral("solution"), oplossing},
        {QStringLiteral("clues"), QJsonObject{{QStringLiteral("Across"), horizontaal}, {QStringLiteral("Down"), verticaal}}},
        {Extensie, ExtensieJson(p, n)},
    };
    return QJsonDocument(ipuz).toJson(QJsonDocument::Indented);
}

namespace {

// Reading stops at the first fault; the message says what makes the file
// no staircase puzzle.
struct Weigering {
    QString fout;
};

[[noreturn]] void Weiger(const QString& fout) { throw Weigering{fout}; }

QString Rijtekst(int i) { return QStringLiteral("rij %1").arg(i); }

// A cell of the grid as read: whether it is a box, its number, its style.
struct Vak {
    bool hok = false;
    QString nummer;
    bool gemarkeerd = false;
    QChar letter;
};

QString Label(const QJsonValue& v)
{
    if (v.isDouble())
        return QString::number(v.toDouble());
    return v.isString() ? v.toString() : QString();
}

Vak LeesVak(const QJsonValue& cel, const QJsonValue& oplossing, const QString& blok, int i)
{
    Vak vak;
    QJsonValue waarde = cel;
    if (cel.isObject()) {
        waarde = cel.toObject().value(QStringLiteral("cell"));
        vak.gemarkeerd = cel.toObject().value(QStringLiteral("style")).isObject();
    }
    if (waarde.isNull() || waarde.isUndefined() || (waarde.isString() && waarde.toString() == blok))
        return {};
    if (!waarde.isDouble() && !waarde.isString())
        Weiger(QStringLiteral("Een vak in %1 is geen getal of tekst.").arg(Rijtekst(i)));
    vak.hok = true;
    vak.nummer = Label(waarde);
    const QString letter = oplossing.isString() ? oplossing.toString() : QString();
    if (letter.size() != 1 || letter[0].isSpace() || letter == blok)
        Weiger(QStringLiteral("Elk vak van een trappuzzel heeft één letter als oplossing; in %1 ontbreekt die.").arg(Rijtekst(i)));
    vak.letter = letter[0];
    return vak;
}

int LeesMaat(const QJsonObject& maten, const QString& naam, int max)
{
    const QJsonValue v = maten.value(naam);
    const double d = v.toDouble(-1);
    if (!v.isDouble() || !(d >= 1 && d <= max) || d != int(d))
        return -1;
    return int(d);
}

QJsonArray LeesRooster(const QJsonObject& ipuz, const QString& naam, int breedte, int hoogte)
{
    const QJsonValue v = ipuz.value(naam);
    if (!v.isArray() || v.toArray().size() != hoogte)
        Weiger(QStringLiteral("Het rooster \"%1\" heeft niet de %2 rijen die de afmetingen noemen.").arg(naam).arg(hoogte));
    for (const QJsonValue rij : v.toArray())
        if (!rij.isArray() || rij.toArray().size() != breedte)
            Weiger(QStringLiteral("Een rij van het rooster \"%1\" is niet %2 vakken breed.").arg(naam).arg(breedte));
    return v.toArray();
}

// The Across entries by their number: [number, clue], {"number", "clue"}.
QHash<QString, QString> LeesHorizontaal(const QJsonObject& ipuz)
{
    QHash<QString, QString> omschrijvingen;
    const QJsonValue aanwijzingen = ipuz.value(QStringLiteral("clues"));
    if (aanwijzingen.isUndefined())
        return omschrijvingen;
    if (!aanwijzingen.isObject())
        Weiger(QStringLiteral("De omschrijvingen staan niet in een object."));
    const QJsonValue lijst = aanwijzingen.toObject().value(QStringLiteral("Across"));
    if (lijst.isUndefined())
        return omschrijvingen;
    if (!lijst.isArray())
        Weiger(QStringLiteral("De horizontale omschrijvingen staan niet in een lijst."));
    for (const QJsonValue a : lijst.toArray()) {
        QJsonValue nummer, tekst;
        if (a.isArray() && a.toArray().size() >= 2) {
            nummer = a.toArray().at(0);
            tekst = a.toArray().at(1);
        } else if (a.isObject()) {
            nummer = a.toObject().value(QStringLiteral("number"));
            tekst = a.toObject().value(QStringLiteral("clue"));
        }
        if (Label(nummer).isEmpty() || !tekst.isString())
            Weiger(QStringLiteral("Een horizontale omschrijving heeft geen nummer of geen tekst."));
        omschrijvingen.insert(Label(nummer), tekst.toString());
    }
    return omschrijvingen;
}

bool LeesKleur(const QJsonValue& v, Kleur& k)
{
    const QJsonArray a = v.toArray();
    if (!v.isArray() || a.size() != 3)
        return false;
    int delen[3];
    for (int j = 0; j < 3; ++j) {
        const double d = a.at(j).toDouble(-1);
        // The range first: casting a value beyond int is undefined.
        if (!a.at(j).isDouble() || !(d >= 0 && d <= 255) || d != int(d))
            return false;
        delen[j] = int(d);
    }
    k = {delen[0], delen[1], delen[2]};
    return true;
}

// Letters equal but for case; the column's own letter is the search word's.
bool ZelfdeWoord(const QString& a, const QString& b, int kolom)
{
    if (a.size() != b.size())
        return false;
    for (int j = 0; j < a.size(); ++j)
        if (j != kolom && Hoofdletter(a[j]) != Hoofdletter(b[j]))
            return false;
    return true;
}

// The program's own field: banner, colours and the texts as typed, taken
// only when they agree with the grid a player sees.
void LeesExtensie(const QJsonValue& v, Puzzel& p, int n)
{
    const QString anders = QStringLiteral("De Wendolo-gegevens in het bestand passen niet bij het rooster (%1).");
    const QJsonObject e = v.toObject();
    const QJsonValue banner = e.value(QStringLiteral("banner")), zoekwoord = e.value(QStringLiteral("zoekwoord"));
    const QJsonValue rijen = e.value(QStringLiteral("rijen"));
    Puzzel q = p;
    if (!v.isObject() || !banner.isString() || !zoekwoord.isString() || !rijen.isArray() || rijen.toArray().size() != n
        || !LeesKleur(e.value(QStringLiteral("veld")), q.KleurVeld)
        || !LeesKleur(e.value(QStringLiteral("kleurzoekwoord")), q.KleurZoekWoord)
        || !LeesKleur(e.value(QStringLiteral("kleurpuzzelwoord")), q.KleurPuzzelWoord))
        Weiger(anders.arg(QStringLiteral("een veld ontbreekt of heeft een verkeerd soort waarde")));
    q.BannerTekst = banner.toString();
    if (!ZelfdeWoord(zoekwoord.toString(), p.ZoekWoord, -1))
        Weiger(anders.arg(QStringLiteral("het zoekwoord")));
    q.ZoekWoord = zoekwoord.toString();
    for (int i = 1; i <= n; ++i) {
        const QJsonObject rij = rijen.toArray().at(i - 1).toObject();
        const QJsonValue woord = rij.value(QStringLiteral("woord")), omschrijving = rij.value(QStringLiteral("omschrijving"));
        const int kolom = p.PuzzelWoord[i].isEmpty() ? -1 : LetterPositieVan(p.BeginX[i]) - 1;
        if (!woord.isString() || !omschrijving.isString() || !ZelfdeWoord(woord.toString(), p.PuzzelWoord[i], kolom)
            || (!p.PuzzelWoord[i].isEmpty() && omschrijving.toString() != p.Omschrijving[i]))
            Weiger(anders.arg(Rijtekst(i)));
        q.PuzzelWoord[i] = woord.toString();
        q.Omschrijving[i] = omschrijving.toString();
    }
    p = q;
}

Puzzel LeesIpuz(QByteArrayView data)
{
    if (data.size() > MaxIpuzBestand)
        Weiger(QStringLiteral("Het bestand is groter dan een puzzel ooit is (meer dan 1 MB)."));
    QJsonParseError fout;
    const QJsonDocument doc = QJsonDocument::fromJson(data.toByteArray(), &fout);
    if (doc.isNull())
        Weiger(QStringLiteral("Het bestand is geen leesbaar ipuz-bestand (JSON-fout bij teken %1: %2).")
                   .arg(fout.offset).arg(fout.errorString()));
    if (!doc.isObject())
        Weiger(QStringLiteral("Het bestand is geen ipuz-bestand: het bevat geen JSON-object."));
    const QJsonObject ipuz = doc.object();
    const QJsonArray soorten = ipuz.value(QStringLiteral("kind")).toArray();
    if (std::none_of(soorten.begin(), soorten.end(), [](const QJsonValue& s) { return s.toString().startsWith(Soort); }))
        Weiger(QStringLiteral("Het ipuz-bestand is geen kruiswoordpuzzel, en alleen die vorm kan een trappuzzel zijn."));
    const QJsonObject maten = ipuz.value(QStringLiteral("dimensions")).toObject();
    const int breedte = LeesMaat(maten, QStringLiteral("width"), MaxLetterPositie + MaxRechtsVanKolom);
    const int hoogte = LeesMaat(maten, QStringLiteral("height"), MaxRijen);
    if (breedte < 0 || hoogte < 0)
        Weiger(QStringLiteral("Een trappuzzel is hoogstens %1 rijen hoog en %2 vakken breed; dit rooster past daar niet in.")
                   .arg(MaxRijen).arg(MaxLetterPositie + MaxRechtsVanKolom));
    const QJsonValue blokwaarde = ipuz.value(QStringLiteral("block"));
    const QString blok = blokwaarde.isString() ? blokwaarde.toString() : QStringLiteral("#");
    const QJsonArray puzzel = LeesRooster(ipuz, QStringLiteral("puzzle"), breedte, hoogte);
    const QJsonArray oplossing = LeesRooster(ipuz, QStringLiteral("solution"), breedte, hoogte);

    // Every row one run of boxes; the column is the one they all cross.
    std::vector<std::vector<Vak>> vakken(hoogte + 1);
    std::vector<Spanne> spannes(hoogte + 1);
    int kolomBegin = 0, kolomEinde = breedte - 1;
    for (int i = 1; i <= hoogte; ++i) {
        const QJsonArray cellen = puzzel.at(i - 1).toArray(), letters = oplossing.at(i - 1).toArray();
        int begin = -1, einde = -1;
        for (int x = 0; x < breedte; ++x) {
            vakken[i].push_back(LeesVak(cellen.at(x), letters.at(x), blok, i));
            if (!vakken[i][x].hok)
                continue;
            if (einde >= 0 && einde != x - 1)
                Weiger(QStringLiteral("In %1 staan twee woorden; een trappuzzel heeft één woord per rij.").arg(Rijtekst(i)));
            begin = begin < 0 ? x : begin;
            einde = x;
        }
        if (begin < 0)
            Weiger(QStringLiteral("In %1 staat geen enkel vak.").arg(Rijtekst(i)));
        spannes[i] = {begin, einde};
        kolomBegin = std::max(kolomBegin, begin);
        kolomEinde = std::min(kolomEinde, einde);
    }
    if (kolomBegin > kolomEinde)
        Weiger(QStringLiteral("Geen kolom loopt door alle rijen, dus er is geen zoekwoord: dit is geen trappuzzel."));
    int kolom = kolomBegin;
    if (kolomEinde > kolomBegin) {
        // Several columns cross every row: the marked one holds the search word.
        std::vector<int> gemarkeerd;
        for (int x = kolomBegin; x <= kolomEinde; ++x)
            if (std::all_of(vakken.begin() + 1, vakken.end(), [x](const std::vector<Vak>& r) { return r[x].gemarkeerd; }))
                gemarkeerd.push_back(x);
        if (gemarkeerd.size() != 1)
            Weiger(QStringLiteral("Meer dan één kolom loopt door alle rijen en geen ervan is als zoekwoord gemarkeerd."));
        kolom = gemarkeerd.front();
    }

    const QHash<QString, QString> omschrijvingen = LeesHorizontaal(ipuz);
    Puzzel p;
    static_cast<Kop&>(p) = {StandaardBannerTekst, StandaardKleurVeld, StandaardKleurZoekWoord, StandaardKleurPuzzelWoord};
    for (int i = 1; i <= hoogte; ++i) {
        const Spanne s = spannes[i];
        p.ZoekWoord += vakken[i][kolom].letter;
        const QString nummer = vakken[i][s.begin].nummer;
        // A box alone in the column is a row still to be filled in.
        if (s.begin == s.einde && !omschrijvingen.contains(nummer))
            continue;
        if (kolom - s.begin + 1 > MaxLetterPositie || s.einde - kolom > MaxRechtsVanKolom)
            Weiger(QStringLiteral("Het woord van %1 reikt verder van de zoekwoordkolom dan een trappuzzel toelaat.").arg(Rijtekst(i)));
        for (int x = s.begin; x <= s.einde; ++x)
            p.PuzzelWoord[i] += vakken[i][x].letter;
        p.Omschrijving[i] = omschrijvingen.value(nummer);
        p.BeginX[i] = BeginXVoor(kolom - s.begin + 1);
    }
    if (const QJsonValue e = ipuz.value(Extensie); !e.isUndefined())
        LeesExtensie(e, p, hoogte);
    // The puzzle file's own checks decide what a puzzle may hold.
    const auto terug = PuzzelUitBytes(PuzzelBytes(p));
    if (!terug || *terug != p)
        Weiger(QStringLiteral("Een tekst van de puzzel bevat een teken dat een puzzelbestand niet kan bewaren, "
                              "zoals een aanhalingsteken (\")."));
    return p;
}

} // namespace

std::optional<Puzzel> PuzzelUitIpuz(QByteArrayView data, QString& fout)
{
    try {
        fout.clear();
        return LeesIpuz(data);
    } catch (const Weigering& w) {
        fout = w.fout;
        return std::nullopt;
    }
}
