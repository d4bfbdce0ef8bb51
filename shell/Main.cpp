// The main window: layout, start-up, the command bar's handlers and exit.
#include "shell/Main.h"

#include "assets/Plaatjes.h"
#include "assets/Startbeeld.h"
#include "board/Pic.h"
#include "board/Bord.h"
#include "design/Bibliotheek.h"
#include "design/Invoer.h"
#include "design/Start.h"
#include "design/Woordenlijst.h"
#include "output/Afbeelding.h"
#include "output/Afdrukken.h"
#include "output/Bordbestanden.h"
#include "output/Exporteren.h"
#include "output/Oplossen.h"
#include "shell/Bouwstenen.h"
#include "shell/Hulppagina.h"
#include "shell/Meldingen.h"
#include "shell/Pauze.h"
#include "shell/Programmamap.h"
#include "shell/Recent.h"
#include "shell/Toegang.h"
#include "storage/Instellingen.h"
#include "storage/Loadpuzzel.h"
#include "storage/Opslaan.h"
#include "storage/Puzzelbestand.h"
#include "storage/Puzzelopenen.h"
#include "storage/Tools.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <tuple>

using namespace Algemeen;

namespace {

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
    ToegangInstalleren();
    MaakVenster(this, QSize(740, 528), QStringLiteral(" Wendolo"));
    // The board after the commands in the Tab order: the window's first
    // focus stays on Nieuw, and the row buttons, made later, follow it.
    MaakCommandobalk();
    MaakBord();
    MaakInformatieregel();
    MaakMenu();
    Opstarten();
}

void Main::MaakBord()
{
    QFrame* kader = Kader(this, QRect(4, -2, 520, 472));
    pic = new Pic(kader, Startbeeld());
    pic->move(6, 12);
    werk = std::make_unique<Werkblad>(pic->Vlak());
    connect(pic, &Pic::dubbelklik, this, [this](int rij) {
        if (RijGevuld(rij))
            Commando([this, rij] { RijWijzigen(rij); });
    });
    connect(pic, &Pic::toets, this, [this](int toets) {
        const int rij = pic->Cursor();
        if (toets == Qt::Key_Delete)
            Commando([this, rij] { RijWissen(rij); });
        else
            Commando([this, rij] { RijWijzigen(rij); });
    });
}

void Main::MaakMenu()
{
    menu = new QMenu(this);
    connect(menu, &QMenu::aboutToShow, this, &Main::MenuBijwerken);
    // An entry runs with the window busy, and its shortcut works anywhere in
    // the window, menu open or not.
    const auto actie = [this](const QString& tekst, QKeySequence toets, auto doe) {
        QAction* a = menu->addAction(tekst);
        a->setShortcut(toets);
        addAction(a);
        connect(a, &QAction::triggered, this, [this, doe] { Commando(doe); });
        return a;
    };
    // The row's keys are the board's own: elsewhere F2, Return and Delete
    // keep their usual meaning. The menu shows them all the same.
    wijzigActie = actie({}, Qt::Key_F2, [this] { RijWijzigen(pic->Cursor()); });
    wisActie = actie({}, Qt::Key_Delete, [this] { RijWissen(pic->Cursor()); });
    for (QAction* a : {wijzigActie, wisActie})
        a->setShortcutContext(Qt::WidgetShortcut);
    menu->addSeparator();
    ongedaanActie = actie({}, QKeySequence::Undo, [this] { Ongedaan(); });
    opnieuwActie = actie({}, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { Opnieuw(); });
    opnieuwActie->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    menu->addSeparator();
    actie(QStringLiteral("Openen…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), [this] { Openen(); });
    actie(QStringLiteral("Opslaan als…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { OpslaanAls(); });
    recentMenu = menu->addMenu(QStringLiteral("Recente puzzels"));
    connect(recentMenu, &QMenu::aboutToShow, this, &Main::VulRecent);

    // The word list: names in it or not, and the cursor row's word to the
    // maker's own words or out of them.
    menu->addSeparator();
    namenActie = actie(QStringLiteral("Namen in de woordenlijst"), {}, [this] { NamenWisselen(); });
    namenActie->setCheckable(true);
    eigenActie = actie({}, {}, [this] { EigenWoordWisselen(pic->Cursor()); });

    // The board leaves the program: as the pages a teacher hands out (the
    // puzzle without letters and its answer key), as a picture, or as a page
    // to solve on screen.
    menu->addSeparator();
    const auto tekening = [this](bool letters) { return Tekening(pic->Beeld(), pic->Vlak().Achtergrond, letters); };
    actie(QStringLiteral("Als PDF opslaan…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), [this] {
        if (!ZoekWoord.isEmpty())
            AlsPdfOpslaan(this, ModelPagina(pic->Beeld(), pic->Vlak().Achtergrond, false, true));
    });
    actie(QStringLiteral("Bord kopiëren"), QKeySequence::Copy,
          [tekening] { QGuiApplication::clipboard()->setImage(BordAfbeelding(tekening(true))); });
    actie(QStringLiteral("Bord als afbeelding opslaan…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B),
          [this, tekening] { AfbeeldingOpslaan(this, tekening(true)); });
    actie(QStringLiteral("Bord zonder letters als afbeelding opslaan…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L),
          [this, tekening] { AfbeeldingOpslaan(this, tekening(false)); });
    actie(QStringLiteral("Webpagina om op te lossen…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
          [this] { OplospaginaExporteren(this); });

    // Shift+F10 as the Menu key, wherever the focus is in the window.
    connect(new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this), &QShortcut::activated, this,
            [this] { ToonMenu(BijCursor()); });
}

void Main::NamenWisselen()
{
    const bool aan = !NamenInLijst();
    if (const QString fout = ZetNamen(aan); !fout.isEmpty())
        Meldingen::MsgBox(fout);
    else
        ZetInfo(aan ? QStringLiteral("Zoeken toont weer namen in de woordenlijst")
                    : QStringLiteral("Zoeken laat de namen in de woordenlijst weg"));
}

void Main::EigenWoordWisselen(int rij)
{
    if (!RijGevuld(rij) || rij > AantalRijen())
        return;
    const QString woord = PuzzelWoord[rij].trimmed();
    const bool weg = IsEigenWoord(MijnWoordenPad(), woord);
    const QString fout = weg ? HaalEigenWoordWeg(MijnWoordenPad(), woord)
                             : VoegEigenWoordToe(MijnWoordenPad(), Leespad(QStringLiteral("library.lib")), woord);
    if (!fout.isEmpty())
        Meldingen::MsgBox(fout);
    else
        ZetInfo(QStringLiteral("Het woord %1 staat %2 in uw eigen woorden (%3)")
                    .arg(woord, weg ? QStringLiteral("niet meer") : QStringLiteral("nu"), MijnWoordenNaam));
}

void Main::MenuBijwerken()
{
    const int rij = pic->Cursor();
    const bool gevuld = rij > 0 && RijGevuld(rij);
    wijzigActie->setText(QStringLiteral("Rij %1 wijzigen…").arg(rij));
    wisActie->setText(QStringLiteral("Rij %1 wissen").arg(rij));
    wijzigActie->setVisible(rij > 0);
    wisActie->setVisible(rij > 0);
    wijzigActie->setEnabled(gevuld);
    wisActie->setEnabled(gevuld);
    ongedaanActie->setText(werk->KanTerug() ? QStringLiteral("Ongedaan maken: ") + werk->WatTerug()
                                            : QStringLiteral("Ongedaan maken"));
    opnieuwActie->setText(werk->KanVooruit() ? QStringLiteral("Opnieuw: ") + werk->WatVooruit()
                                             : QStringLiteral("Opnieuw"));
    ongedaanActie->setEnabled(werk->KanTerug());
    opnieuwActie->setEnabled(werk->KanVooruit());
    namenActie->setChecked(NamenInLijst());
    eigenActie->setVisible(gevuld);
    if (gevuld) {
        const QString woord = PuzzelWoord[rij].trimmed();
        const bool eigen = IsEigenWoord(MijnWoordenPad(), woord);
        const QString getoond = QString(woord).replace(u'&', QStringLiteral("&&"));  // no shortcut letter
        eigenActie->setText(eigen ? QStringLiteral("%1 uit mijn woorden halen").arg(getoond)
                                  : QStringLiteral("%1 aan mijn woorden toevoegen").arg(getoond));
        // A word the library holds needs no place in the own list.
        eigenActie->setEnabled(eigen || !InBibliotheek(Leespad(QStringLiteral("library.lib")), woord));
    }
}

void Main::ToonMenu(QPoint pos)
{
    if (!Bezig::Actief(this))
        menu->popup(pos);
}

void Main::contextMenuEvent(QContextMenuEvent* e)
{
    QWidget* gebied = pic->Tekengebied();
    if (e->reason() == QContextMenuEvent::Mouse) {
        const QPoint plek = gebied->mapFromGlobal(e->globalPos());
        if (!gebied->rect().contains(plek))
            return;
        if (const int rij = RijOp(plek.y()); rij >= 1 && rij <= AantalRijen())
            pic->ZetCursor(rij);
        ToonMenu(e->globalPos());
        return;
    }
    ToonMenu(BijCursor());
}

QPoint Main::BijCursor() const
{
    return pic->Tekengebied()->mapToGlobal(QPoint(KolomX, RijY(std::max(pic->Cursor(), 1))));
}

void Main::Commando(const std::function<void()>& doe)
{
    if (const Bezig wacht(this); wacht) {
        const bool vanBord = pic->hasFocus();
        doe();
        NaDialoog(vanBord);
    }
}

void Main::NaDialoog(bool vanBord)
{
    // Still active: no dialog came between.
    if (isActiveWindow() || !isVisible())
        return;
    // A dialog that closes right behind another (Omschrijving, then
    // Puzzelwoord) can leave the keyboard with no window at all: the window
    // manager hands it to the first, which is gone by then. Asked back once
    // the command's own focus has been set.
    QTimer::singleShot(0, this, [this, vanBord] {
        if (QApplication::activeModalWidget())
            return;
        activateWindow();
        raise();
        QWidget* nu = focusWidget();
        if (nu == pic || (nu && nu->parentWidget() == pic->Tekengebied()))
            return;
        // The frame only for a maker on the keyboard: a mouse user's window keeps its look.
        const auto reden = testAttribute(Qt::WA_KeyboardFocusChange) ? Qt::TabFocusReason : Qt::OtherFocusReason;
        if (vanBord) {
            pic->setFocus(reden);
            return;
        }
        for (int i = 1; i <= MaxRijen; ++i)
            if (RijKnopZichtbaar(i)) {
                Knop[i]->setFocus(reden);
                return;
            }
    });
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
        connect(Knop[i], &QPushButton::clicked, this, [this, i] { Commando([this, i] { Knop_Click(i); }); });
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
        // The caption only repeats the button's name to a screen reader.
        Versiering(Etiket(paneel, tekst, p.etiket + QPoint(1, 1), p.schaduw, opschrift));
        Versiering(Etiket(paneel, tekst, p.etiket, p.vlak, opschrift));
        auto* knop = new PlaatjesKnop(paneel, Icoon(p.icoon), p.rust, tekst, QString::fromLatin1(p.tip));
        // A shortcut runs what a click runs, with the window as busy.
        const auto commando = [this, h = handlers[k]] { Commando([this, h] { (this->*h)(); }); };
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
    Statusregel(InfoBalk);
}

void Main::Opstarten()
{
    BeginWaarden();
    InstellingenLezen(Schrijfpad(InstellingenBestand));
    pic->Vlak().Achtergrond = KleurVeld.Waarde();
    OpSchijf();

    // A design the last run left unsaved comes back by undo: the start
    // itself stays as always. Whatever lies in its place is only read, with
    // the checks of a load, and never blocks the start.
    const QString map = HuidigeMappen().Toestand;
    if (!QFileInfo(QDir(map).filePath(Bewaarnaam + QStringLiteral(".pzl"))).isFile())
        return;
    const Geladen vorig = PaarLezen(map, Bewaarnaam, Bewaarnaam + QStringLiteral(".pzl"));
    if (!vorig.fout.isEmpty() || vorig.puzzel.ZoekWoord.isEmpty())
        return;
    const Stand start = werk->Vastleggen();
    werk->Laden(vorig.puzzel, vorig.beeld);
    Stand ontwerp = werk->Vastleggen();
    werk->Terugzetten(start);
    werk->NieuweStap(QStringLiteral("opnieuw starten"), std::move(ontwerp));
    ZetInfo(QStringLiteral("Het vorige ontwerp is niet opgeslagen. Ctrl+Z haalt het terug."));
}

void Main::Wijzig(const QString& wat, const std::function<void()>& wijziging)
{
    werk->Wijzig(wat, wijziging);
    Toon();
}

void Main::Toon()
{
    pic->Ververs();
    for (int i = 1; i <= MaxRijen; ++i)
        ToonRijKnop(i, werk->Knoppen[i]);
    pic->ZetRijen(AantalRijen());
    Bewaar();
}

void Main::OpSchijf()
{
    opgeslagenPuzzel = HuidigePuzzel();
    opgeslagenBord = pic->Beeld();
}

void Main::Bewaar()
{
    const QString map = HuidigeMappen().Bewaarmap();
    const Puzzel puzzel = HuidigePuzzel();
    if (puzzel.ZoekWoord.isEmpty() || (puzzel == opgeslagenPuzzel && pic->Beeld() == opgeslagenBord)) {
        for (const char* soort : {".pzl", ".bmp"})
            QFile::remove(QDir(map).filePath(Bewaarnaam + QLatin1StringView(soort)));
        return;
    }
    // Once a run: the maker knows, and further changes would only repeat it.
    if (!PuzzelSchrijven(map, Bewaarnaam, puzzel, pic->Beeld()).isEmpty() && !bewaarFoutGemeld) {
        bewaarFoutGemeld = true;
        Meldingen::MsgBox(QStringLiteral("Uw ontwerp kan niet tussentijds worden bewaard in de map %1.\r\n"
                                         "Sla het zelf op: bij een storing gaat het anders verloren.")
                              .arg(QDir::toNativeSeparators(map)));
    }
}

void Main::Ongedaan() { Stap(true); }

void Main::Opnieuw() { Stap(false); }

void Main::Stap(bool terug)
{
    const QString wat = terug ? werk->WatTerug() : werk->WatVooruit();
    if (!(terug ? werk->Terug() : werk->Vooruit()))
        return;
    Toon();
    ZetInfo((terug ? QStringLiteral("Ongedaan gemaakt: ") : QStringLiteral("Opnieuw gedaan: ")) + wat);
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
    Start dlg(this, Lijn);
    if (dlg.exec() != QDialog::Accepted)
        return;
    Wijzig(QStringLiteral("nieuwe puzzel"), [&] { werk->NieuwePuzzel(dlg.Woord()); });
    ZetInfo(QStringLiteral("Klik voor het invullen van de puzzelwoorden op de knoppen met het vraagteken."));
    FocusOpEersteRij();
}

void Main::LoadKnop_Click()
{
    LoadKnop->Animeer();
    ZetInfo(QStringLiteral("Laad een puzzel uit het bestand."));
    Loadpuzzel(this, Lijn, [this](const Geladen& g) { Plaats(g); }).exec();
}

void Main::SaveKnop_Click()
{
    SaveKnop->Animeer();
    if (!SaveCommando(pic->Beeld()))
        return;
    OpSchijf();
    Bewaar();
}

void Main::PrintKnop_Click()
{
    PrintKnop->Animeer();
    if (ZoekWoord.isEmpty())
        return;
    ZetInfo(QStringLiteral("Afdrukken van de puzzel."));
    Afdrukken(*pic, Lijn).exec();
}

void Main::ToolKnop_Click()
{
    ToolKnop->Animeer();
    ZetInfo(QStringLiteral("Instellingen wijzigen, zoals achtergrondkleuren en koptekst."));
    const auto toepassen = [this](const Instelling& s) {
        Wijzig(QStringLiteral("instellingen"), [&] { werk->Instellen(s); });
    };
    Tools dlg(this, Lijn, toepassen);
    dlg.exec();
    // The bars and the header, as the maker left them.
    const Instelling s = dlg.Keuze();
    if (!(s.Veld == KleurVeld && s.ZoekWoord == KleurZoekWoord && s.PuzzelWoord == KleurPuzzelWoord
          && s.KopTekst == KopTekst))
        toepassen(s);
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
    HtmlExporteren(*pic);
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
    if (RijInvullen(i))
        FocusOpEersteRij();
}

bool Main::RijInvullen(int i)
{
    HuidigeRij = static_cast<std::uint8_t>(i);
    const bool gevuld = RijGevuld(i);
    Invoer dlg(this, Lijn,
               gevuld ? Rij{PuzzelWoord[i], Omschrijving[i], BeginX[i]} : Rij{});
    if (dlg.exec() != QDialog::Accepted)
        return false;
    Wijzig((gevuld ? QStringLiteral("rij %1 wijzigen") : QStringLiteral("rij %1 invullen")).arg(i),
           [&] { werk->RijOpslaan(i, dlg.Gekozen()); });
    return true;
}

void Main::RijWijzigen(int i)
{
    if (i < 1 || i > AantalRijen())
        return;
    pic->ZetCursor(i);
    const bool vanBord = pic->hasFocus();
    RijInvullen(i);
    if (vanBord)
        Terugnaarbord();
}

void Main::RijWissen(int i)
{
    if (!RijGevuld(i) || i > AantalRijen())
        return;
    Wijzig(QStringLiteral("rij %1 wissen").arg(i), [&] { werk->RijWissen(i); });
    ZetInfo(QStringLiteral("Rij %1 is gewist.").arg(i));
}

void Main::Terugnaarbord()
{
    QTimer::singleShot(0, this, [this] { pic->setFocus(Qt::TabFocusReason); });
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

void Main::Plaats(const Geladen& g)
{
    Wijzig(QStringLiteral("puzzel laden"), [&] {
        werk->Laden(g.puzzel, g.beeld);
        // Just read from disk: nothing to keep until it changes.
        OpSchijf();
    });
    // The line speaks of the last row, filled or not.
    if (const int n = AantalRijen(); n > 0)
        ZetInfo(RijGevuld(n) ? Informatie
                             : QStringLiteral("Klik voor het invullen van de puzzelwoorden op de knoppen met het vraagteken."));
}

void Main::BestandOpenen(const QString& pad)
{
    const Geladen gelezen = PuzzelOpenen(pad);
    if (!gelezen.fout.isEmpty()) {
        Meldingen::MsgBox(gelezen.fout, Meldingen::Knoppen::Ok, QStringLiteral(" Error"), Meldingen::Pictogram::Stop);
        return;
    }
    Plaats(gelezen);
    OnthoudBestand(pad);
}

QString Main::Dialoogmap() const
{
    const QStringList recent = RecenteBestanden();
    if (!recent.isEmpty() && QFileInfo(recent.front()).absoluteDir().exists())
        return QFileInfo(recent.front()).absolutePath();
    return Schrijfpad(QStringLiteral("puzzels"));
}

void Main::Openen()
{
    // Native where the desktop has one: through the portal, the dialog can
    // reach folders a sandboxed desktop would otherwise hide.
    const QString pad = QFileDialog::getOpenFileName(
        this, QStringLiteral("Puzzel openen"), Dialoogmap(),
        QStringLiteral("Puzzels (*.pzl *.ipuz);;Wendolo-puzzels (*.pzl);;ipuz-puzzels (*.ipuz)"));
    if (!pad.isEmpty())
        BestandOpenen(pad);
}

void Main::OpslaanAls()
{
    if (ZoekWoord.isEmpty())
        return;
    // The picture goes beside it under the same name, so the name ends in
    // .pzl whatever the maker typed.
    const QString pad = Bewaarpad(this, QStringLiteral("Puzzel opslaan als"),
                                  QDir(Dialoogmap()).filePath(ZoekWoord + QStringLiteral(".pzl")),
                                  QStringLiteral("Wendolo-puzzels (*.pzl)"), {QStringLiteral(".pzl")});
    if (pad.isEmpty())
        return;
    const QFileInfo info(pad);
    const QString naam = info.fileName().chopped(4);
    if (const QString fout = Naamfout(naam); !fout.isEmpty()) {
        Meldingen::MsgBox(QStringLiteral("Deze naam kan niet als bestandsnaam worden gebruikt.\r\n") + fout);
        return;
    }
    if (const QString fout = PuzzelSchrijven(info.absolutePath(), naam, HuidigePuzzel(), pic->Beeld()); !fout.isEmpty()) {
        Meldingen::MsgBox(fout);
        return;
    }
    OpSchijf();
    Bewaar();
    const QString pzl = QDir(info.absolutePath()).filePath(naam + QStringLiteral(".pzl"));
    OnthoudBestand(pzl);
    ZetInfo(QStringLiteral("De puzzel is opgeslagen als %1.").arg(QDir::toNativeSeparators(pzl)));
}

void Main::VulRecent()
{
    recentMenu->clear();
    const QStringList recent = RecenteBestanden();
    for (const QString& pad : recent) {
        // The name first, as the maker knows it; the folder tells two apart.
        auto* a = recentMenu->addAction(QFileInfo(pad).fileName() + QStringLiteral("  (")
                                        + QDir::toNativeSeparators(QFileInfo(pad).absolutePath()) + u')');
        connect(a, &QAction::triggered, this, [this, pad] { Commando([this, pad] { BestandOpenen(pad); }); });
    }
    if (recent.isEmpty())
        recentMenu->addAction(QStringLiteral("(nog geen)"))->setEnabled(false);
}
