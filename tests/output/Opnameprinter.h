// A printer layer that writes every call into an Opname the test keeps, so
// code that owns and discards its printer can still be looked at afterwards.
#pragma once

#include "output/Printerlaag.h"

#include <QList>
#include <functional>

struct Opname {
    // A printed line with the font, colour and position in force at the time.
    struct Regel { QString tekst; QPoint positie; QString font; int punten = 0; bool vet = false; QColor kleur; };
    struct Kader { QPoint van, tot; QColor kleur; };
    QList<int> Aantallen;
    QList<Regel> Regels;
    QList<std::pair<QImage, QRect>> Plaatjes;
    QList<Kader> Kaders;
    int Einden = 0;
    std::function<bool()> BijEinde;  // the verdict; lets a test look around mid-job
    QString Reden;
    Regel nu;

    const Regel* Op(QPoint p) const
    {
        for (const Regel& r : Regels)
            if (r.positie == p)
                return &r;
        return nullptr;
    }
};

struct Opnameprinter : Printerlaag {
    explicit Opnameprinter(Opname& o) : o(o) {}
    void ZetAantal(int n) override { o.Aantallen << n; }
    void ZetFont(const QString& naam, int punten, bool vet) override
    {
        o.nu.font = naam;
        o.nu.punten = punten;
        o.nu.vet = vet;
    }
    void ZetKleur(QColor k) override { o.nu.kleur = k; }
    void ZetPositie(int x, int y) override { o.nu.positie = QPoint(x, y); }
    void Print(const QString& t) override
    {
        o.nu.tekst = t;
        o.Regels << o.nu;
    }
    void Plaatje(const QImage& b, QRect d) override { o.Plaatjes.append({b, d}); }
    void Rechthoek(QPoint van, QPoint tot, QColor k) override { o.Kaders << Opname::Kader{van, tot, k}; }
    bool EindeDocument() override
    {
        ++o.Einden;
        return o.BijEinde ? o.BijEinde() : true;
    }
    QString Fout() const override { return o.Reden; }
    Opname& o;
};
