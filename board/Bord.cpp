// Board operations on the model's puzzle.
#include "board/Bord.h"

#include "model/Algemeen.h"

#include <QPainter>

using namespace Algemeen;

namespace {

// A box's letter, which a surface without letters leaves out.
void Letter(Tekenvlak& bord, int x, int y, QChar c)
{
    if (bord.Letters)
        bord.text(x + LetterDx, y + LetterDy, Hoofdletter(c));
}

} // namespace

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
        Letter(bord, KolomX, y, woord[i - 1]);
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
        Letter(bord, x, y, c);
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
            Letter(bord, x, RijY(i), c);
            x += HokBreedte;
        }
    }
    for (int i = 1; i <= n; ++i)
        Letter(bord, KolomX, RijY(i), ZoekWoord[i - 1]);
}

void TekenBord(Tekenvlak& bord)
{
    LeegBord(bord);
    TekenZoekWoord(bord, ZoekWoord);
    for (int i = 1; i <= AantalRijen(); ++i)
        if (RijGevuld(i))
            TekenRij(bord, i);
}

std::optional<bool> Modelbord(const QImage& beeld, QColor achtergrond)
{
    for (bool letters : {true, false}) {
        Tekenvlak model = NieuwBord();
        model.Achtergrond = achtergrond;
        model.Letters = letters;
        TekenBord(model);
        if (model.Beeld == beeld)
            return letters;
    }
    return std::nullopt;
}

Bordtekening Tekening(const QImage& beeld, QColor achtergrond, bool letters)
{
    if (Modelbord(beeld, achtergrond))
        return {QImage(), achtergrond, letters};
    if (letters)
        return {beeld, achtergrond, true};
    Tekenvlak kopie = NieuwBord(beeld);
    WisLetters(kopie);
    return {kopie.Beeld, achtergrond, false};
}

void Teken(QPainter& p, const Bordtekening& b, const QRectF& doel)
{
    p.save();
    p.translate(doel.topLeft());
    p.scale(doel.width() / BordBreedte, doel.height() / BordHoogte);
    if (b.Beeld.isNull()) {
        Tekenvlak vlak(p, BordBreedte, BordHoogte, b.Achtergrond, BordLettertype());
        vlak.Letters = b.Letters;
        TekenBord(vlak);
    } else {
        p.drawImage(QPoint(0, 0), b.Beeld);
    }
    p.restore();
}

QRect Puzzelvak()
{
    const int n = AantalRijen();
    if (n == 0)
        return QRect(0, 0, BordBreedte, BordHoogte);
    // The column, every row with its number cell, the outlines' last pixels.
    QRect vak(KolomX, RijY(1), HokBreedte + 1, HokHoogte * n + 1);
    for (int i = 1; i <= n; ++i)
        if (RijGevuld(i)) {
            const int links = BeginX[i] - (i <= 9 ? RijNummerDxKort : RijNummerDxLang);
            vak |= QRect(links, RijY(i), BeginX[i] + HokBreedte * int(PuzzelWoord[i].size()) + 1 - links, HokHoogte + 1);
        }
    return vak;
}
