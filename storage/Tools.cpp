// The colour and header dialog.
#include "storage/Tools.h"

#include "assets/Plaatjes.h"
#include "shell/Bouwstenen.h"
#include "shell/Pauze.h"
#include "shell/Tekstveld.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QProxyStyle>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>

using namespace Algemeen;

namespace {

const QString ItemNamen[] = {
    QStringLiteral("Achtergrondkleur puzzelveld"),
    QStringLiteral("Hokjes vertikaal zoekwoord"),
    QStringLiteral("Hokjes horizontale puzzelwoorden"),
};

QScrollBar* Balk(QWidget* ouder, Qt::Orientation richting, QRect plaats, int min, int max)
{
    auto* b = new QScrollBar(richting, ouder);
    b->setGeometry(plaats);
    b->setRange(min, max);
    b->setSingleStep(1);
    b->setPageStep(1);
    return b;
}

// The item bar is too short for the style's smallest slider, which would
// fill its groove and hide which of the three items is chosen.
class KorteSchuif : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric m, const QStyleOption* o = nullptr, const QWidget* w = nullptr) const override
    {
        return m == PM_ScrollBarSliderMin ? 6 : QProxyStyle::pixelMetric(m, o, w);
    }
};

void ZetVlak(QLabel* label, QColor kleur)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, kleur);
    label->setPalette(pal);
}

} // namespace

Tools::Tools(QWidget* ouder, Infolijn info, std::function<void(const Instelling&)> veldGewist)
    : QDialog(ouder), info(std::move(info)), veldGewist(std::move(veldGewist)),
      keuze{KleurVeld, KleurZoekWoord, KleurPuzzelWoord, KopTekst}
{
    MaakVenster(this, QSize(360, 222), QStringLiteral(" Tools"));
    QFrame* kader = Kader(this, QRect(4, -2, 347, 196));
    MaakKleurbalken(kader);
    MaakKoptekst(kader);
    ExitKnop = new PlaatjesKnop(kader, KnopPlaatje(QStringLiteral("Exit"), KnopRood()), QPoint(294, 154), QStringLiteral("Exit"));
    connect(ExitKnop, &PlaatjesKnop::geklikt, this, &Tools::ExitKnop_Click);
    ToonKleur();
}

void Tools::MaakKleurbalken(QWidget* kader)
{
    ZwarteAchtergrond(kader, QRect(12, 22, 88, 55));
    Rscroll = Balk(kader, Qt::Horizontal, QRect(14, 24, 84, 17), 0, 255);
    Gscroll = Balk(kader, Qt::Horizontal, QRect(14, 41, 84, 17), 0, 255);
    Bscroll = Balk(kader, Qt::Horizontal, QRect(14, 58, 84, 17), 0, 255);
    KleurLabel = new QLabel(kader);
    KleurLabel->setGeometry(106, 22, 45, 24);
    KleurLabel->setAutoFillBackground(true);

    ZwarteAchtergrond(kader, QRect(106, 53, 46, 25));
    OkKnop = new QPushButton(QStringLiteral("Ok"), kader);
    OkKnop->setGeometry(108, 55, 42, 21);
    // Not the dialog's default: Return in the header field must not wipe the board.
    OkKnop->setAutoDefault(false);

    ZwarteAchtergrond(kader, QRect(158, 22, 21, 56));
    KeuzeKleur = Balk(kader, Qt::Vertical, QRect(160, 24, 17, 52), 1, 3);
    KeuzeKleur->setValue(1);
    auto* schuif = new KorteSchuif;
    schuif->setParent(KeuzeKleur);
    KeuzeKleur->setStyle(schuif);

    const QLabel* uitleg = Tekstlabel(kader,
               QStringLiteral("Selecteer een onderdeel, schuif d.m.v. de drie scrollbalken de juiste kleuren, "
                              "klik op de knop Ok om de wijzigingen te saven."),
               QRect(185, 22, 155, 62), QColor(0, 64, 64));
    Label2 = Tekstlabel(kader, ItemNamen[0], QRect(14, 80, 136, 33), Tekstgrijs);
    // A screen reader names each control by what the window shows for it.
    setAccessibleDescription(uitleg->text());
    Label2->setBuddy(KeuzeKleur);
    Rscroll->setAccessibleName(QStringLiteral("Rood"));
    Gscroll->setAccessibleName(QStringLiteral("Groen"));
    Bscroll->setAccessibleName(QStringLiteral("Blauw"));

    for (QScrollBar* b : {Rscroll, Gscroll, Bscroll})
        connect(b, &QScrollBar::valueChanged, this, &Tools::Balk_Change);
    connect(KeuzeKleur, &QScrollBar::valueChanged, this, &Tools::KeuzeKleur_Change);
    connect(OkKnop, &QPushButton::clicked, this, &Tools::OkKnop_Click);
}

void Tools::MaakKoptekst(QWidget* kader)
{
    Text1 = new QLineEdit(kader);
    Text1->setGeometry(12, 114, 322, 22);
    Text1->setFont(Lettertype(QStringLiteral("Arial"), 9, true));
    GrijsVeld(Text1, QColor(64, 64, 0));
    MaakBestandsveld(Text1, 0);
    Text1->setText(KopTekst);
    Tekstlabel(kader, QStringLiteral("Koptekst bij het afdrukken"), QRect(14, 140, 124, 13), Tekstgrijs, false)->setBuddy(Text1);
}

Kleur& Tools::ItemKleur(int item)
{
    Kleur* kleuren[] = {&keuze.Veld, &keuze.ZoekWoord, &keuze.PuzzelWoord};
    return *kleuren[std::clamp(item, 1, 3) - 1];
}

// The bars and the swatch on the chosen item's colour; blocked, so putting
// the bars in place does not write the half-set colour back.
void Tools::ToonKleur()
{
    const Kleur& k = ItemKleur(KeuzeKleur->value());
    {
        const QSignalBlocker r(Rscroll), g(Gscroll), b(Bscroll);
        Rscroll->setValue(k.Rood);
        Gscroll->setValue(k.Groen);
        Bscroll->setValue(k.Blauw);
    }
    ZetVlak(KleurLabel, QColor(Rscroll->value(), Gscroll->value(), Bscroll->value()));
}

void Tools::KeuzeKleur_Change()
{
    Label2->setText(ItemNamen[KeuzeKleur->value() - 1]);
    ToonKleur();
}

void Tools::Balk_Change()
{
    Kleur& k = ItemKleur(KeuzeKleur->value());
    k.Rood = Rscroll->value();
    k.Groen = Gscroll->value();
    k.Blauw = Bscroll->value();
    ZetVlak(KleurLabel, k.Waarde());
}

void Tools::OkKnop_Click()
{
    Kleur& k = ItemKleur(KeuzeKleur->value());
    k = Kleur{Rscroll->value(), Gscroll->value(), Bscroll->value()};
    if (KeuzeKleur->value() == 1) {
        keuze.VeldGewist = true;
        veldGewist(keuze);
        keuze.VeldGewist = false;
    }
}

void Tools::ExitKnop_Click()
{
    if (!SpeelUitgang(ExitKnop, this))
        return;
    keuze.KopTekst = Text1->text();
    info(Informatie);
    accept();
}
