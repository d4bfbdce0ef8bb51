// The main window: layout, start-up, the command bar's handlers and exit.
#include "shell/Main.h"

#include "assets/Plaatjes.h"
#include "assets/Startbeeld.h"
#include "board/Pic.h"
#include "design/Invoer.h"
#include "design/Start.h"
#include "output/Afdrukken.h"
#include "output/Exporteren.h"
#include "shell/Bouwstenen.h"
#include "shell/Hulppagina.h"
#include "shell/Meldingen.h"
#include "shell/Pauze.h"
#include "shell/Programmamap.h"
#include "storage/Instellingen.h"
#include "storage/Loadpuzzel.h"
#include "storage/Opslaan.h"
#include "storage/Tools.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

using namespace Algemeen;

namespace {

const QString InstellingenBestand = QStringLiteral("Wendolo.ini");
const QString HelpPagina = QStringLiteral("help.htm");

struct Paneel {
    Commando icoon;
    int top;
    QPoint rust;
    const char* tekst;
    QColor vlak, schaduw;
    QPoint etiket;
    const char* tip;
};

const Paneel Panelen[] = {
    {Commando::Nieuw, -2, {19, 20}, "Nieuw", {192, 255, 255}, {0, 128, 128}, {69, 16}, " Nieuwe puzzel ontwerpen "},
    {Commando::Load, 60, {20, 20}, "Load", {255, 255, 192}, {128, 128, 0}, {70, 16}, " Puzzel laden "},
    {Commando::Save, 122, {18, 20}, "Save", {192, 255, 192}, {0, 128, 0}, {70, 16}, " Puzzel opslaan "},
    {Commando::Print, 184, {18, 20}, "Print", {255, 224, 192}, {128, 64, 0}, {70, 16}, " Puzzel afdrukken "},
    {Commando::Tools, 246, {18, 20}, "Tools", {192, 255, 255}, {0, 0, 128}, {70, 16}, " Instellingen wijzigen "},
    {Commando::Help, 308, {18, 20}, "Help", {255, 255, 255}, {64, 64, 64}, {70, 16}, " Hulp bij dit programma "},
    {Commando::Html, 370, {18, 20}, "Html", {255, 255, 192}, {0, 64, 64}, {70, 16}, " Puzzel exporteren "},
    {Commando::Einde, 432, {18, 22}, "Einde", {255, 255, 255}, {128, 0, 0}, {70, 18}, " Stoppen "},
};

const QString TipHelpDicht = QStringLiteral(" Hulp bij dit programma ");
const QString TipHelpOpen = QStringLiteral(" Helpvenster sluiten ");

void ToonPagina(Hulppagina& browser) { browser.Toon(Leespad(HelpPagina)); }

} // namespace

Main::Main()
{
    MaakVenster(this, QSize(740, 528), QStringLiteral(" Wendolo"));
    MaakBord();
    MaakCommandobalk();
    MaakInformatieregel();
    Opstarten();
}

void Main::MaakBord()
{
    QFrame* kader = Kader(this, QRect(4, -2, 520, 472));
    pic = new Pic(kader, Startbeeld());
    pic->move(6, 12);
}

void Main::MaakBrowser()
{
    // Made on the first opening: a browser costs start-up time and memory
    // that a maker who never opens the help should not pay.
    Browser = new Hulppagina(pic->parentWidget());
    Browser->setGeometry(pic->geometry());
}

void Main::MaakRijKnoppen()
{
    // Made when a puzzle first needs one: until then all 20 stay hidden, and
    // 40 widgets the first frame does not show would only delay it.
    if (Knop[1])
        return;
    for (int i = 1; i <= MaxRijen; ++i) {
        BK[i] = ZwarteAchtergrond(pic->Tekengebied(), QRect(BackingX, BackingY(i), BackingBreedte, BackingHoogte));
        Knop[i] = new QPushButton(QStringLiteral("?"), pic->Tekengebied());
        Knop[i]->setGeometry(KnopX, KnopY(i), KnopBreedte, KnopHoogte);
        // Tab only: a click leaves the focus where it was.
        Knop[i]->setFocusPolicy(Qt::TabFocus);
        Knop[i]->setToolTip(QStringLiteral(" Woord %1 ").arg(i));
        Knop[i]->setAccessibleName(QStringLiteral("Woord %1").arg(i));
        KlikOpReturn(Knop[i]);
        connect(Knop[i], &QPushButton::clicked, this, [this, i] {
            if (const Bezig wacht(bezig); wacht)
                Knop_Click(i);
        });
        ToonRijKnop(i, false);
    }
}

void Main::MaakCommandobalk()
{
    PlaatjesKnop** knoppen[] = {&OkKnop, &LoadKnop, &SaveKnop, &PrintKnop,
                                &ToolKnop, &OptieKnop, &ConvertKnop, &ExitKnop};
    void (Main::*handlers[])() = {&Main::OkKnop_Click, &Main::LoadKnop_Click, &Main::SaveKnop_Click,
                                  &Main::PrintKnop_Click, &Main::ToolKnop_Click, &Main::OptieKnop_Click,
                                  &Main::ConvertKnop_Click, &Main::ExitKnop_Click};
    const QKeySequence toetsen[] = {QKeySequence(Qt::CTRL | Qt::Key_N), QKeySequence(Qt::CTRL | Qt::Key_O),
                                    QKeySequence(Qt::CTRL | Qt::Key_S), QKeySequence(Qt::CTRL | Qt::Key_P),
                                    QKeySequence(Qt::CTRL | Qt::Key_T), QKeySequence(Qt::Key_F1),
                                    QKeySequence(Qt::CTRL | Qt::Key_E), QKeySequence(Qt::CTRL | Qt::Key_Q)};
    const QFont opschrift = Lettertype(QStringLiteral("Arial"), 26.25, true);
    for (int k = 0; k < 8; ++k) {
        const Paneel& p = Panelen[k];
        QFrame* paneel = Kader(this, QRect(530, p.top, 200, k == 7 ? 67 : 61));
        const QString tekst = QString::fromLatin1(p.tekst);
        // The shadow first, so the face label lies over it.
        Etiket(paneel, tekst, p.etiket + QPoint(1, 1), p.schaduw, opschrift);
        Etiket(paneel, tekst, p.etiket, p.vlak, opschrift);
        auto* knop = new PlaatjesKnop(paneel, Icoon(p.icoon), p.rust, tekst, QString::fromLatin1(p.tip));
        // A shortcut runs what a click runs, under the same busy flag.
        const auto commando = [this, h = handlers[k]] {
            if (const Bezig wacht(bezig); wacht)
                (this->*h)();
        };
        connect(knop, &PlaatjesKnop::geklikt, this, commando);
        connect(new QShortcut(toetsen[k], this), &QShortcut::activated, this, [this, commando] {
            // A keyboard user sees where the focus goes from here on.
            setAttribute(Qt::WA_KeyboardFocusChange);
            commando();
        });
        *knoppen[k] = knop;
    }
}

void Main::MaakInformatieregel()
{
    QFrame* kader = Kader(this, QRect(46, 470, 479, 29));
    InfoBalk = Etiket(kader, QStringLiteral("Informatie"), QPoint(6, 9), Tekstgrijs,
                      Lettertype(QStringLiteral("Arial"), 9.75, false));
    InfoBalk->resize(466, 16);
}

void Main::Opstarten()
{
    BeginWaarden();
    InstellingenLezen(Schrijfpad(InstellingenBestand));
    pic->ZetAchtergrond(KleurVeld.Waarde());
}

void Main::ToonRijKnop(int i, bool zichtbaar)
{
    if (!zichtbaar && !Knop[i])
        return;
    MaakRijKnoppen();
    BK[i]->setVisible(zichtbaar);
    Knop[i]->setVisible(zichtbaar);
}

bool Main::RijKnopZichtbaar(int i) const { return Knop[i] && Knop[i]->isVisibleTo(pic->Tekengebied()); }

void Main::ZetInfo(const QString& tekst) { InfoBalk->setText(tekst); }

QString Main::Info() const { return InfoBalk->text(); }

void Main::OkKnop_Click()
{
    OkKnop->Animeer();
    ZetInfo(QStringLiteral("Een nieuw puzzel ontwerpen."));
    if (Start(*this).exec() == QDialog::Accepted)
        FocusOpEersteRij();
}

void Main::LoadKnop_Click()
{
    LoadKnop->Animeer();
    ZetInfo(QStringLiteral("Laad een puzzel uit het bestand."));
    Loadpuzzel(*this).exec();
}

void Main::SaveKnop_Click()
{
    SaveKnop->Animeer();
    SaveCommando(*this);
}

void Main::PrintKnop_Click()
{
    PrintKnop->Animeer();
    if (ZoekWoord.isEmpty())
        return;
    ZetInfo(QStringLiteral("Afdrukken van de puzzel."));
    Afdrukken(*this).exec();
}

void Main::ToolKnop_Click()
{
    ToolKnop->Animeer();
    ZetInfo(QStringLiteral("Instellingen wijzigen, zoals achtergrondkleuren en koptekst."));
    Tools(*this).exec();
}

void Main::OptieKnop_Click()
{
    OptieKnop->Animeer();
    if (!Browser)
        MaakBrowser();
    if (Browser->isVisible()) {
        Browser->hide();
        ZetInfo(Informatie);
        OptieKnop->setToolTip(TipHelpDicht);
    } else {
        // Read anew on every opening, so an edited page shows at once.
        ToonPagina(*Browser);
        Browser->show();
        ZetInfo(QStringLiteral("Hulp bij het maken van een puzzel. / klik nogmaals voor sluiten helpvenster."));
        OptieKnop->setToolTip(TipHelpOpen);
    }
}

void Main::ConvertKnop_Click()
{
    ConvertKnop->Animeer();
    HtmlExporteren(*this);
}

void Main::ExitKnop_Click()
{
    ExitKnop->Animeer();
    Pauze(0.1);
    if (Meldingen::MsgBox(QStringLiteral("Wilt u met dit programma stoppen?"), Meldingen::Knoppen::JaNee,
                          QStringLiteral(" Exit")) != Meldingen::Antwoord::Ja)
        return;
    if (const QString pad = Schrijfpad(InstellingenBestand); !InstellingenSchrijven(pad))
        Meldingen::MsgBox(QStringLiteral("De instellingen konden niet worden opgeslagen in %1.\r\nHet programma stopt toch.")
                              .arg(QDir::toNativeSeparators(pad)));
    close();
    QApplication::quit();
}

void Main::Knop_Click(int i)
{
    HuidigeRij = static_cast<std::uint8_t>(i);
    if (Invoer(*this).exec() == QDialog::Accepted)
        FocusOpEersteRij();
}

void Main::FocusOpEersteRij()
{
    // After the dialog's own focus has been handed back, and as by Tab, so
    // the button shows its focus frame.
    QTimer::singleShot(0, this, [this] {
        for (int i = 1; i <= MaxRijen; ++i)
            if (RijKnopZichtbaar(i)) {
                Knop[i]->setFocus(Qt::TabFocusReason);
                return;
            }
    });
}
