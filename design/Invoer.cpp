// The puzzle-word dialog and its library search.
#include "design/Invoer.h"

#include "design/Bibliotheek.h"
#include "design/Voorbeeld.h"
#include "design/Woordenlijst.h"
#include "model/Algemeen.h"
#include "assets/Plaatjes.h"
#include "shell/Bouwstenen.h"
#include "shell/Meldingen.h"
#include "shell/Pauze.h"
#include "shell/Programmamap.h"
#include "shell/Tekstveld.h"
#include "storage/Ansi.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>

using namespace Algemeen;

namespace {

const QColor VoorbeeldAchtergrond(230, 230, 220);
// An own word's entry, besides its mark: blue among the grey.
const QColor EigenKleur(0, 64, 160);
const QString Regeleinde = QStringLiteral("\r\n");

QFont Labelfont() { return Lettertype(QStringLiteral("Arial"), 8.25, false); }

// The word count ends before the "Puzzelwoord" label: a count too wide for
// the gap is set a little smaller.
void PasInRuimte(QLabel* label)
{
    constexpr int Ruimte = 186 - 118 - 1;
    QFont f = Labelfont();
    label->setFont(f);
    label->adjustSize();
    while (label->width() > Ruimte && f.pixelSize() > 7) {
        f.setPixelSize(f.pixelSize() - 1);
        label->setFont(f);
        label->adjustSize();
    }
}

} // namespace

int VakjeOp(int x, int y, int n)
{
    if (!(10 < y && y < 21))
        return 0;
    for (int i = 1; i <= n; ++i)
        if (2 + 11 * i < x && x < 13 + 11 * i)
            return i;
    return 0;
}

Invoer::Invoer(QWidget* ouder, Infolijn info, const Rij& bestaand)
    : QDialog(ouder), info(std::move(info)), r(HuidigeRij), omschrijving(bestaand.Omschrijving)
{
    MaakBesturing();
    TekenVoorbeeld(5);
    Label3->setText(QStringLiteral("Maak met de scrollbalk de hokjes voor woord ") + QString::number(r) + u' '
                    + QStringLiteral("klik daarna op één van deze witte hokjes waar de letter ") + L()
                    + QStringLiteral(" moet komen te staan, ")
                    + QStringLiteral("klik dan op de knop Zoeken voor juiste puzzelwoorden, ")
                    + QStringLiteral("selecteer een woord uit de lijst en klik op Ok. "));
    setAccessibleDescription(Label3->text());
    LetterPositie = 0;
    this->info(QStringLiteral("Selecteer d.m.v. de scrollbalk de lengte van het ") + QString::number(r) + QStringLiteral("e puzzelwoord"));
    if (const int n = int(bestaand.Woord.size()); n >= MinRijen && n <= MaxWoordLengte) {
        Lengte->setValue(n);
        KiesVakje(LetterPositieVan(bestaand.BeginX));
        Text1->setText(bestaand.Woord);
    }
}

void Invoer::MaakBesturing()
{
    MaakVenster(this, QSize(461, 272), QStringLiteral(" Puzzelwoord ") + QString::number(r));
    QFrame* kader = Kader(this, QRect(4, -2, 446, 244));

    List1 = new QListWidget(kader);
    List1->setGeometry(10, 16, 160, 180);
    List1->setFont(Lettertype(QStringLiteral("Arial"), 9.75, false));
    List1->setUniformItemSizes(true);
    GrijsVeld(List1);
    Label4 = Etiket(kader, QStringLiteral("0 woorden"), QPoint(118, 200), Tekstgrijs, Labelfont());

    ZwarteAchtergrond(kader, QRect(10, 206, 60, 26));
    ZoekKnop = new QPushButton(QStringLiteral("Zoeken"), kader);
    ZoekKnop->setGeometry(12, 208, 56, 22);
    ZoekKnop->setToolTip(QStringLiteral(" Automatisch zoeken in de bibliotheek "));
    ZoekKnop->setAutoDefault(false);

    Voorbeeld_ = new Voorbeeld(kader);
    Voorbeeld_->move(184, 16);

    ZwarteAchtergrond(kader, QRect(184, 66, 80, 22));
    Lengte = new Schuifbalk(kader);
    Lengte->setGeometry(186, 68, 76, 18);
    Lengte->setRange(MinRijen, MaxWoordLengte);
    Lengte->setSingleStep(1);
    Lengte->setPageStep(1);
    Lengte->setValue(MinRijen);
    Label2 = Etiket(kader, QStringLiteral("Lengte puzzelwoord is 5 letters"), QPoint(272, 70), Tekstgrijs, Labelfont());

    Label3 = Etiket(kader, {}, QPoint(184, 96), QColor(0, 64, 64), Labelfont());
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3->setGeometry(184, 96, 240, 66);

    Text1 = new QLineEdit(kader);
    Text1->setGeometry(184, 172, 174, 22);
    Text1->setFont(Lettertype(QStringLiteral("Arial"), 9.75, false));
    GrijsVeld(Text1, Qt::black);
    MaakBestandsveld(Text1, MaxWoordLengte);
    Text1->setToolTip(QStringLiteral(" Typen vernauwt de lijst: ? is één letter, * een reeks letters; "
                                     "Ins zet het woord bij mijn woorden "));
    // A screen reader names each field by the label the window shows for it.
    Etiket(kader, QStringLiteral("Puzzelwoord"), QPoint(186, 200), Tekstgrijs, Labelfont())->setBuddy(Text1);
    Label2->setBuddy(Lengte);
    // A list takes no name from a buddy: it is given the count's text.
    List1->setAccessibleName(Label4->text());

    OkKnop = new PlaatjesKnop(kader, KnopPlaatje(QStringLiteral("Ok"), KnopBlauw()), QPoint(398, 168), QStringLiteral("Ok"));
    ExitKnop = new PlaatjesKnop(kader, KnopPlaatje(QStringLiteral("Exit"), KnopRood()), QPoint(398, 206), QStringLiteral("Exit"));

    // Tab follows the steps of filling in a row.
    KlikOpReturn(ZoekKnop);
    ZetTabvolgorde({Lengte, Voorbeeld_, ZoekKnop, List1, Text1, OkKnop, ExitKnop});
    Lengte->setFocus();

    connect(Lengte, &QScrollBar::valueChanged, this, &Invoer::Lengte_Change);
    connect(Voorbeeld_, &Voorbeeld::ingedrukt, this, &Invoer::Voorbeeld_MouseDown);
    connect(ZoekKnop, &QPushButton::clicked, this, &Invoer::ZoekKnop_Click);
    connect(List1, &QListWidget::itemSelectionChanged, this, &Invoer::List1_Click);
    connect(OkKnop, &PlaatjesKnop::geklikt, this, &Invoer::OkKnop_Click);
    connect(ExitKnop, &PlaatjesKnop::geklikt, this, &Invoer::ExitKnop_Click);

    // Typing narrows the list; a word put in the field from the list does not.
    connect(Text1, &QLineEdit::textEdited, this, &Invoer::Text1_Edited);
    const auto kaal = [](const QKeyEvent& k) { return (k.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier; };
    VangToetsen(Text1, [this, kaal](const QKeyEvent& k) {
        if (!kaal(k))
            return false;
        if (k.key() == Qt::Key_Insert) {
            EigenWoordToevoegen();
            return true;
        }
        if (k.key() != Qt::Key_Down || List1->count() == 0)
            return false;
        List1->setFocus(Qt::TabFocusReason);
        if (!List1->currentItem() || !List1->currentItem()->isSelected())
            List1->setCurrentRow(0);
        return true;
    });
    VangToetsen(List1, [this, kaal](const QKeyEvent& k) {
        if (!kaal(k) || (k.key() != Qt::Key_Insert && k.key() != Qt::Key_Delete))
            return false;
        if (k.key() == Qt::Key_Insert)
            EigenWoordToevoegen();
        else
            EigenWoordWeghalen(List1->currentItem());
        return true;
    });
    List1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(List1, &QWidget::customContextMenuRequested, this, &Invoer::LijstMenu);
    Text1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Text1, &QWidget::customContextMenuRequested, this, [this](QPoint plek) {
        QMenu* menu = Text1->createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addSeparator();
        menu->addAction(QStringLiteral("Aan mijn woorden toevoegen\tIns"), this, &Invoer::EigenWoordToevoegen)
            ->setEnabled(!Text1->text().trimmed().isEmpty());
        menu->popup(Text1->mapToGlobal(plek));
    });
}

void Invoer::LijstMenu(QPoint plek)
{
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QString woord = Text1->text().trimmed();
    menu->addAction(woord.isEmpty() ? QStringLiteral("Aan mijn woorden toevoegen\tIns")
                                    : QStringLiteral("%1 aan mijn woorden toevoegen\tIns").arg(woord),
                    this, &Invoer::EigenWoordToevoegen)
        ->setEnabled(!woord.isEmpty());
    if (const QListWidgetItem* item = List1->itemAt(plek); item && IsEigen(item)) {
        const QString eigenWoord = Woord(item);
        menu->addAction(QStringLiteral("%1 uit mijn woorden halen\tDel").arg(eigenWoord), this,
                        [this, eigenWoord] { HaalWeg(eigenWoord); });
    }
    menu->popup(List1->viewport()->mapToGlobal(plek));
}

QString Invoer::Woord(const QListWidgetItem* item)
{
    const QVariant eigen = item->data(Qt::UserRole);
    return eigen.isValid() ? eigen.toString() : item->text();
}

bool Invoer::IsEigen(const QListWidgetItem* item) const { return item->data(Qt::UserRole).isValid(); }

QChar Invoer::L() const
{
    return r >= 1 && r <= ZoekWoord.size() ? Hoofdletter(ZoekWoord[r - 1]) : QChar(u' ');
}

void Invoer::TekenVoorbeeld(int n)
{
    Tekenvlak& v = Voorbeeld_->Vlak();
    v.Wis();
    v.VulVast = true;
    v.VulKleur = Qt::white;
    for (int i = 1; i <= n; ++i)
        v.box(2 + 11 * i, 10, 13 + 11 * i, 21, Qt::black);
    Voorbeeld_->ZetVakjes(n);
    Voorbeeld_->Ververs();
}

void Invoer::Lengte_Change()
{
    const int n = Lengte->value();
    Label2->setText(QStringLiteral("Lengte puzzelwoord is %1 letters").arg(n));
    Label2->adjustSize();
    TekenVoorbeeld(n);
    Text1->clear();
    patroon.clear();
    LetterPositie = 0;
    info(QStringLiteral("Klik op één van de witte hokjes voor het bepalen van de positie van de letter ") + L());
}

void Invoer::Voorbeeld_MouseDown(QPoint plek)
{
    const int n = Lengte->value();
    const int i = VakjeOp(plek.x(), plek.y(), n);
    if (i == 0)
        return;
    if (i > MaxLetterPositie) {
        Meldingen::MsgBox(QStringLiteral("Positie is te ver naar rechts!"));
        return;
    }
    if (n - i > MaxRechtsVanKolom) {
        Meldingen::MsgBox(QStringLiteral("Positie is te ver naar links!"));
        return;
    }
    KiesVakje(i);
}

void Invoer::KiesVakje(int i)
{
    Tekenvlak& v = Voorbeeld_->Vlak();
    v.VulVast = true;
    v.VulKleur = VoorbeeldAchtergrond;
    v.box(5, 22, 240, 35, VoorbeeldAchtergrond);
    v.text(11 * i + 3, 24, L());
    Voorbeeld_->Ververs();
    LetterPositie = i;
    Voorbeeld_->setToolTip(QStringLiteral(" Vakje %1 ").arg(i));
    info(QStringLiteral(" Vakje %1 / klik op de knop Zoeken om de juiste puzzelwoorden te vinden").arg(i));
    List1->clear();
    Text1->clear();
    patroon.clear();
    gezocht = false;
    gevonden.clear();
    eigen = 0;
}

void Invoer::ZoekKnop_Click()
{
    if (LetterPositie == 0) {
        Meldingen::MsgBox(QStringLiteral("Eerst de positie bepalen door één") + Regeleinde
                          + QStringLiteral("van de witte hokjes te selecteren!"));
        return;
    }
    // A word the field holds from the list or the stored row is no pattern.
    if (Text1->text() != patroon)
        patroon.clear();
    List1->clear();
    ZoekWoorden(Lengte->value());
}

void Invoer::ZoekWoorden(int n)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Zoekresultaat resultaat =
        ::ZoekWoorden(MijnWoordenPad(), Leespad(QStringLiteral("library.lib")), n, LetterPositie, L(), NamenInLijst());
    gevonden = resultaat.woorden;
    eigen = resultaat.eigen;
    gezocht = true;
    VulLijst();
    QApplication::restoreOverrideCursor();
    if (!resultaat.geweigerd.isEmpty())
        Meldingen::MsgBox(resultaat.geweigerd);
    if (resultaat.afgekapt)
        info(QStringLiteral("Meer dan %1 woorden gevonden, alleen de eerste %1 staan in de lijst").arg(MaxWoorden));
    else if (patroon.isEmpty())
        info(QStringLiteral("Selecteer een woord uit bovenstaande lijst als puzzelwoord"));
}

void Invoer::VulLijst()
{
    QStringList woorden;
    qsizetype eigenWoorden = 0;
    for (qsizetype i = 0; i < gevonden.size(); ++i)
        if (PastOpPatroon(patroon, gevonden[i])) {
            woorden.append(gevonden[i]);
            eigenWoorden += i < eigen;
        }
    // Thousands of entries go in at once, with one repaint.
    List1->setUpdatesEnabled(false);
    List1->clear();
    for (qsizetype i = 0; i < eigenWoorden; ++i) {
        auto* item = new QListWidgetItem(woorden[i] + EigenMerk, List1);
        item->setData(Qt::UserRole, woorden[i]);
        item->setForeground(EigenKleur);
        item->setToolTip(QStringLiteral(" Eigen woord (Del: uit mijn woorden halen) "));
    }
    List1->addItems(woorden.sliced(eigenWoorden));
    List1->setUpdatesEnabled(true);
    Label4->setText(QString::number(List1->count()) + QStringLiteral(" woorden"));
    List1->setAccessibleName(Label4->text());
    PasInRuimte(Label4);
    if (!patroon.isEmpty())
        info(QStringLiteral("%1 van de %2 woorden passen bij %3").arg(List1->count()).arg(gevonden.size()).arg(patroon));
}

void Invoer::Text1_Edited()
{
    patroon = Text1->text();
    if (gezocht)
        VulLijst();
}

void Invoer::ZoekOpnieuw()
{
    if (!gezocht || LetterPositie == 0)
        return;
    ZoekWoorden(Lengte->value());
}

void Invoer::EigenWoordToevoegen()
{
    const Bezig wacht(this);
    if (!wacht)
        return;
    const QString woord = Ansi::Bestandstekst(Text1->text()).trimmed();
    if (const QString fout = VoegEigenWoordToe(MijnWoordenPad(), Leespad(QStringLiteral("library.lib")), woord);
        !fout.isEmpty()) {
        Meldingen::MsgBox(fout);
        return;
    }
    ZoekOpnieuw();
    info(QStringLiteral("Het woord %1 staat nu in uw eigen woorden (%2)").arg(woord, MijnWoordenNaam));
}

void Invoer::EigenWoordWeghalen(const QListWidgetItem* item)
{
    if (item && IsEigen(item))
        HaalWeg(Woord(item));
}

void Invoer::HaalWeg(const QString& woord)
{
    const Bezig wacht(this);
    if (!wacht)
        return;
    if (Meldingen::MsgBox(QStringLiteral("Het woord %1 uit uw eigen woorden halen?").arg(woord), Meldingen::Knoppen::JaNee)
        != Meldingen::Antwoord::Ja)
        return;
    if (const QString fout = HaalEigenWoordWeg(MijnWoordenPad(), woord); !fout.isEmpty()) {
        Meldingen::MsgBox(fout);
        return;
    }
    ZoekOpnieuw();
    info(QStringLiteral("Het woord %1 staat niet meer in uw eigen woorden").arg(woord));
}

void Invoer::List1_Click()
{
    // The selection, not the current entry: a screen reader selects an
    // entry without making it current.
    const QList<QListWidgetItem*> keuze = List1->selectedItems();
    if (keuze.isEmpty())
        return;
    Text1->setText(Woord(keuze.front()));
    info(QStringLiteral("Klik nu op de knop OK om de omschrijving van het puzzelwoord in te vullen"));
}

void Invoer::OkKnop_Click()
{
    const Bezig wacht(this);
    if (!wacht)
        return;
    OkKnop->Animeer();
    Pauze(0.1);

    const QString woord = Text1->text();
    const int p = LetterPositie;
    QString fout;
    if (p == 0)
        fout = QStringLiteral("Bepaal de positie van de letter ") + L() + QStringLiteral(" door ") + Regeleinde
               + QStringLiteral("op één van de witte hokjes te klikken.");
    else if (woord.isEmpty())
        fout = QStringLiteral("Eerst het puzzelwoord selecteren!");
    else if (woord.size() != Lengte->value())
        fout = QStringLiteral("Lengte woord komt niet overeen met de hokjes!");
    else if (Hoofdletter(woord[p - 1]) != L())
        fout = QStringLiteral("De positie van de letter ") + L() + QStringLiteral(" komt niet overeen") + Regeleinde
               + QStringLiteral("met de ") + QString::number(p) + QStringLiteral("e letter in het woord ") + woord;
    if (!fout.isEmpty()) {
        Meldingen::MsgBox(fout);
        return;
    }
    // Another row of this puzzle holds the word already: asked, Nee goes back.
    for (int i = 1; i <= AantalRijen(); ++i)
        if (i != r && !PuzzelWoord[i].isEmpty() && Hoofdletters(PuzzelWoord[i]) == Hoofdletters(woord)) {
            if (Meldingen::MsgBox(QStringLiteral("Het woord ") + Hoofdletters(woord)
                                      + QStringLiteral(" staat al in rij %1 van deze puzzel.").arg(i) + Regeleinde
                                      + QStringLiteral("Toch gebruiken?"),
                                  Meldingen::Knoppen::JaNee)
                != Meldingen::Antwoord::Ja)
                return;
            break;
        }

    const QString gegeven = Meldingen::InputBox(
        QStringLiteral("Geef de omschrijving van het woord...") + Regeleinde + Regeleinde + QStringLiteral("  ") + Hoofdletters(woord),
        QStringLiteral(" Omschrijving"), omschrijving, true);
    if (gegeven.isEmpty())
        return;

    gekozen = {woord, gegeven, BeginXVoor(p)};
    info(Informatie);
    accept();
}

void Invoer::ExitKnop_Click()
{
    const Bezig wacht(this);
    if (!wacht)
        return;
    ExitKnop->Animeer();
    info(Informatie);
    reject();
}
