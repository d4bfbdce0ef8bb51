// Opening a puzzle by its path.
#include "storage/Puzzelopenen.h"

#include "board/Bord.h"
#include "storage/Heelbestand.h"
#include "storage/Ipuz.h"
#include "storage/Puzzelpaar.h"

#include <QFileInfo>
#include <QScopeGuard>

using namespace Algemeen;

QImage GetekendBord(const Puzzel& p)
{
    const Puzzel voor = HuidigePuzzel();
    Installeer(p);
    const auto terug = qScopeGuard([&voor] { Installeer(voor); });
    Tekenvlak vlak = NieuwBord();
    TekenBord(vlak);
    return vlak.Beeld;
}

Geladen PuzzelOpenen(const QString& pad)
{
    const QFileInfo info(pad);
    if (info.suffix().compare(QStringLiteral("ipuz"), Qt::CaseInsensitive) == 0) {
        const auto data = LeesBegin(pad, MaxIpuzBestand + 1);
        if (!data)
            return {{}, {}, QStringLiteral("Het bestand %1 kan niet worden gelezen.").arg(pad)};
        QString fout;
        const auto p = PuzzelUitIpuz(*data, fout);
        return p ? Geladen{*p, GetekendBord(*p), {}} : Geladen{{}, {}, fout};
    }
    const QString map = info.absolutePath();
    const QString bestand = info.fileName();
    const QString basis = bestand.endsWith(QStringLiteral(".pzl"), Qt::CaseInsensitive) ? bestand.chopped(4) : bestand;
    // Load's own message for a file it cannot use: an empty name gives it
    // without touching the folder.
    if (info.size() > MaxPuzzelBestand)
        return PaarLezen(map, basis, {});
    const Geladen paar = PaarLezen(map, basis, bestand);
    // A save broken off that could not be settled keeps its own message.
    if (paar.fout.isEmpty() || QFileInfo::exists(Bestandspaar::Puzzel(map, basis).Journaalpad()))
        return paar;
    const auto p = PuzzelLezenUit(pad);
    return p ? Geladen{*p, GetekendBord(*p), {}} : paar;
}
