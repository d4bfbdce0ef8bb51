// A printer layer that writes down every call, for tests of the page and of
// the print command. Each text line is kept with the font, colour and
// position in force when it was printed.
#pragma once

#include "output/Printerlaag.h"

#include <QList>
#include <functional>

struct Opnameprinter : Printerlaag {
    struct Regel {
        QString tekst;
        QPoint positie;
        QString font;
        int punten;
        bool vet;
        QColor kleur;
    };
    struct Plaat {
        QImage beeld;
        QRect doel;
    };
    struct Kader {
        QPoint van, tot;
        QColor kleur;
    };

    QList<int> Aantallen;
    QList<Regel> Regels;
    QList<Plaat> Plaatjes;
    QList<Kader> Kaders;
    int Einden = 0;
    // Runs at the end of the document: the test looks around mid-job.
    std::function<bool()> BijEinde;
    QString Reden;

    void ZetAantal(int n) override { Aantallen << n; }
    void ZetFont(const QString& naam, int punten, bool vet) override
    {
        font = naam;
        this->punten = punten;
        this->vet = vet;
    }
    void ZetKleur(QColor k) override { kleur = k; }
    void ZetPositie(int x, int y) override { positie = QPoint(x, y); }
    void Print(const QString& t) override { Regels << Regel{t, positie, font, punten, vet, kleur}; }
    void Plaatje(const QImage& b, QRect d) override { Plaatjes << Plaat{b, d}; }
    void Rechthoek(QPoint van, QPoint tot, QColor k) override { Kaders << Kader{van, tot, k}; }
    bool EindeDocument() override
    {
        ++Einden;
        return BijEinde ? BijEinde() : true;
    }
    QString Fout() const override { return Reden; }

    // The line printed at a position, or nullptr.
    const Regel* Op(QPoint p) const
    {
        for (const Regel& r : Regels)
            if (r.positie == p)
                return &r;
        return nullptr;
    }

private:
    QString font;
    int punten = 0;
    bool vet = false;
    QColor kleur;
    QPoint positie;
};

// Hands every call to a recorder the test keeps, for code that owns and
// discards its printer layer.
struct Doorgever : Printerlaag {
    explicit Doorgever(Opnameprinter& doel) : doel(doel) {}
    void ZetAantal(int n) override { doel.ZetAantal(n); }
    void ZetFont(const QString& naam, int punten, bool vet) override { doel.ZetFont(naam, punten, vet); }
    void ZetKleur(QColor k) override { doel.ZetKleur(k); }
    void ZetPositie(int x, int y) override { doel.ZetPositie(x, y); }
    void Print(const QString& t) override { doel.Print(t); }
    void Plaatje(const QImage& b, QRect d) override { doel.Plaatje(b, d); }
    void Rechthoek(QPoint van, QPoint tot, QColor k) override { doel.Rechthoek(van, tot, k); }
    bool EindeDocument() override { return doel.EindeDocument(); }
    QString Fout() const override { return doel.Fout(); }
    Opnameprinter& doel;
};
