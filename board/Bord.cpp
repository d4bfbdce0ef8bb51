// Board operations on the model's puzzle.
#include "board/Bord.h"

#include "model/Algemeen.h"

using namespace Algemeen;

Tekenvlak NieuwBord(const QImage& begin)
{
    return Tekenvlak(BordBreedte, BordHoogte, KleurVeld.Waarde(), BordLettertype(), begin);
}

void LeegBord(Tekenvlak& bord) { bord.Wis(); }

void TekenZoekWoord(Tekenvlak& bord, const QString& woord)
{
    bord.VulVast = true;
    bord.VulKleur = KleurZoekWoord.Waarde();
    for (int i = 1; i <= woord.size(); ++i) {
        const int y = RijY(i);
        bord.box(KolomX, y, KolomX + HokBreedte, y + HokHoogte, Qt::black);
        bord.text(KolomX + LetterDx, y + LetterDy, Hoofdletter(woord[i - 1]));
    }
}

void TekenRij(Tekenvlak& bord, int i)
{
    int x = BeginX[i];
    const int y = RijY(i);
    const QString& woord = PuzzelWoord[i];

    const int nummerDx = i <= 9 ? RijNummerDxKort : RijNummerDxLang;
    bord.text(x - nummerDx, y + LetterDy, QStringLiteral(" %1 ").arg(i));

    bord.VulVast = true;
    bord.VulKleur = KleurPuzzelWoord.Waarde();
    for (QChar c : woord) {
        bord.box(x, y, x + HokBreedte, y + HokHoogte, Qt::black);
        bord.text(x + LetterDx, y + LetterDy, Hoofdletter(c));
        x += HokBreedte;
    }
    // The column goes over the row's crossing box, in the column's fill.
    TekenZoekWoord(bord, ZoekWoord);
}

void WisLetters(Tekenvlak& bord)
{
    const int n = AantalRijen();
    bord.VulVast = true;
    // Each box's interior only: its outline and the row numbers stay.
    for (int i = 1; i <= n; ++i) {
        const QColor vul = KleurPuzzelWoord.Waarde();
        for (int j = 1; j <= PuzzelWoord[i].size(); ++j) {
            const int x = BeginX[i] + 1 + HokBreedte * (j - 1);
            const int y = RijY(i) + 1;
            bord.VulKleur = vul;
            bord.box(x, y, x + HokBreedte - 2, y + HokHoogte - 2, vul);
        }
    }
    for (int i = 1; i <= n; ++i) {
        const QColor vul = KleurZoekWoord.Waarde();
        const int y = RijY(i) + 1;
        bord.VulKleur = vul;
        bord.box(KolomX + 1, y, KolomX + HokBreedte - 1, y + HokHoogte - 2, vul);
    }
}

void TekenLetters(Tekenvlak& bord)
{
    const int n = AantalRijen();
    for (int i = 1; i <= n; ++i) {
        int x = BeginX[i];
        for (QChar c : PuzzelWoord[i]) {
            bord.text(x + LetterDx, RijY(i) + LetterDy, Hoofdletter(c));
            x += HokBreedte;
        }
    }
    for (int i = 1; i <= n; ++i)
        bord.text(KolomX + LetterDx, RijY(i) + LetterDy, Hoofdletter(ZoekWoord[i - 1]));
}
