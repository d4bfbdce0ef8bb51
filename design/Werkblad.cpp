// The changes of a design and their history.
#include "design/Werkblad.h"

#include "board/Bord.h"

#include <QBuffer>

using namespace Algemeen;

void Werkblad::NieuwePuzzel(const QString& woord)
{
    ZoekWoord = woord;
    WisRijen();
    LeegBord(Bord);
    TekenZoekWoord(Bord, ZoekWoord);
    Knoppen = {};
    for (int i = 1; i <= AantalRijen(); ++i)
        Knoppen[i] = true;
}

void Werkblad::RijOpslaan(int i, const Rij& rij)
{
    const bool was = RijGevuld(i);
    PuzzelWoord[i] = rij.Woord;
    Omschrijving[i] = rij.Omschrijving;
    BeginX[i] = rij.BeginX;
    Knoppen[i] = false;
    if (was)
        TekenBord(Bord);
    else
        TekenRij(Bord, i);
}

void Werkblad::RijWissen(int i)
{
    PuzzelWoord[i].clear();
    Omschrijving[i].clear();
    BeginX[i] = 0;
    Knoppen[i] = true;
    TekenBord(Bord);
}

void Werkblad::Laden(const Puzzel& p, const QImage& beeld)
{
    Installeer(p);
    // A smaller picture lies top-left on the puzzle's own background.
    Bord.Achtergrond = KleurVeld.Waarde();
    Bord.Plaats(beeld);
    Knoppen = {};
    for (int i = 1; i <= AantalRijen(); ++i)
        Knoppen[i] = !RijGevuld(i);
}

void Werkblad::Instellen(const Instelling& s)
{
    KleurVeld = s.Veld;
    KleurZoekWoord = s.ZoekWoord;
    KleurPuzzelWoord = s.PuzzelWoord;
    KopTekst = s.KopTekst;
    if (s.VeldGewist) {
        Bord.Achtergrond = KleurVeld.Waarde();
        LeegBord(Bord);
        Knoppen = {};
    }
}

Stand Werkblad::Vastleggen() const
{
    Stand s{HuidigePuzzel(), KopTekst, {}, Bord.Achtergrond, Knoppen};
    QBuffer buffer(&s.Bord);
    buffer.open(QIODevice::WriteOnly);
    Bord.Beeld.save(&buffer, "PNG");
    return s;
}

void Werkblad::Terugzetten(const Stand& s)
{
    Installeer(s.puzzel);
    KopTekst = s.KopTekst;
    Bord.Achtergrond = s.Achtergrond;
    Bord.Plaats(QImage::fromData(s.Bord, "PNG"));
    Knoppen = s.Knoppen;
}

void Werkblad::Wijzig(const QString& wat, const std::function<void()>& wijziging)
{
    Stand voor = Vastleggen();
    wijziging();
    NieuweStap(wat, std::move(voor));
}

void Werkblad::NieuweStap(const QString& wat, Stand voor)
{
    terug.push_back({wat, std::move(voor)});
    vooruit.clear();
}

namespace {

// Moves the last step of van to naar, the state it held put in place and
// the state it replaces kept in its stead.
template <typename Stap>
bool Verplaats(Werkblad& werk, std::vector<Stap>& van, std::vector<Stap>& naar)
{
    if (van.empty())
        return false;
    Stap stap = std::move(van.back());
    van.pop_back();
    naar.push_back({stap.wat, werk.Vastleggen()});
    werk.Terugzetten(stap.stand);
    return true;
}

} // namespace

bool Werkblad::Terug() { return Verplaats(*this, terug, vooruit); }
bool Werkblad::Vooruit() { return Verplaats(*this, vooruit, terug); }
