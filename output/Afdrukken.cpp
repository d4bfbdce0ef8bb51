// The print dialog and its print command.
#include "output/Afdrukken.h"

#include "assets/Plaatjes.h"
#include "board/Pic.h"
#include "model/Algemeen.h"
#include "output/Achtergrond.h"
#include "output/Pagina.h"
#include "output/Papier.h"
#include "shell/Bouwstenen.h"
#include "shell/Meldingen.h"
#include "shell/Pauze.h"
#include "shell/Programmamap.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>

namespace {

const QString PdfBestand = QStringLiteral("wendolo.pdf");

// The default printer's look-up waits as long for each answer, and libcups
// spends up to a second more looking for printers on the network.
constexpr int ZoekMs = AntwoordMs + 2000;

std::shared_ptr<Werk<Standaard>> ZoekPrinter()
{
    return Start<Standaard>([] { return ZoekStandaardprinter(AntwoordMs); });
}

// The layout is given in twips; the controls are placed in pixels.
QRect Twips(int x, int y, int b, int h) { return Pixels(QRect(x, y, b, h)); }
QPoint Twips(int x, int y) { return QPoint(Pixels(x), Pixels(y)); }

QFont Dialoogfont() { return Lettertype(MsSansSerif, 8.25, false); }

} // namespace

std::unique_ptr<Printerlaag> MaakPapier(const QString& pdf, const QString& printer)
{
    return std::make_unique<Papier>(pdf, printer);
}

Afdrukken::Afdrukken(Pic& bord, Infolijn info, Printermaker maakPrinter)
    : QDialog(bord.window()), bord(bord), info(std::move(info)), maakPrinter(std::move(maakPrinter))
{
    MaakVenster(this, QSize(Pixels(4800), Pixels(3300)), QStringLiteral(" Afdrukken"));
    setFont(Dialoogfont());
    // The panel's top edge lies above the client area, out of sight.
    Frame1 = Kader(this, Twips(60, -30, 4605, 2910));
    Algemeen::ZonderTekst = false;
    zoeker = ZoekPrinter();
    MaakMiniatuur();
    MaakOpties();
    MaakKnoppen();

    ZetTabvolgorde({Aantal, Check1, Check2, Check3, Check4, PdfKnop, OkKnop, ExitKnop});
    Aantal->setFocus();
}

void Afdrukken::MaakMiniatuur()
{
    Picture1 = new QLabel(Frame1);
    Picture1->setGeometry(Twips(180, 270, Miniatuurmaat::Breedte, Miniatuurmaat::Hoogte));
    lengtes = VolgendeRegellengtes();
    Picture1->setPixmap(QPixmap::fromImage(TekenMiniatuur(lengtes)));

    // The board as it is now, letters and all, whatever the options say.
    Image1 = new QLabel(Picture1);
    Image1->setGeometry(Pixels(Miniatuurmaat::Bordvak));
    Image1->setPixmap(QPixmap::fromImage(bord.Beeld().scaled(
        Image1->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));

    // A 2-pixel line from x 30 to 1440 twips; the sweep moves it down.
    Line1 = new QFrame(Picture1);
    Line1->resize(Pixels(1440) - Pixels(30) + 1, 2);
    Line1->setAutoFillBackground(true);
    QPalette pal = Line1->palette();
    pal.setColor(QPalette::Window, QColor(128, 0, 0));
    Line1->setPalette(pal);
    Line1->hide();
}

void Afdrukken::MaakOpties()
{
    const QFont font = Dialoogfont();
    Label1 = ZwarteAchtergrond(Frame1, Twips(180, 2430, 945, 315));
    Aantal = new Schuifbalk(Frame1);
    Aantal->setGeometry(Twips(210, 2460, 885, 255));
    Aantal->setRange(1, 20);
    Aantal->setSingleStep(1);
    Aantal->setPageStep(3);
    Aantal->setValue(1);
    connect(Aantal, &QScrollBar::valueChanged, this, &Afdrukken::Aantal_Change);
    Label2 = Etiket(Frame1, QStringLiteral("1 Pagina"), Twips(1260, 2490), Tekstgrijs, font);

    auto vakje = [this](QRect plaats, void (Afdrukken::*handler)()) {
        auto* c = new QCheckBox(Frame1);
        c->setGeometry(plaats);
        c->setChecked(true);
        // clicked comes after the box changed state, and only from the user.
        connect(c, &QCheckBox::clicked, this, handler);
        return c;
    };
    Check1 = vakje(Twips(1950, 300, 225, 255), &Afdrukken::Check1_Click);
    Label3 = Etiket(Frame1, QStringLiteral("Puzzel afdrukken met tekst"), Twips(2250, 330), Tekstgrijs, font);
    Check2 = vakje(Twips(1950, 630, 225, 225), &Afdrukken::Check2_Click);
    Label4 = Etiket(Frame1, QStringLiteral("Met border om puzzel"), Twips(2250, 660), Tekstgrijs, font);
    Check3 = vakje(Twips(1950, 960, 225, 225), &Afdrukken::Check3_Click);
    Label5 = Etiket(Frame1, QStringLiteral("Met datum en tijd afdrukken"), Twips(2250, 990), Tekstgrijs, font);
    // Off by default, so a print is the puzzle alone, as it always was; its
    // label names what a tick adds rather than flipping with it.
    Check4 = new QCheckBox(Frame1);
    Check4->setGeometry(Twips(1950, 1290, 225, 225));
    Label7 = Etiket(Frame1, QStringLiteral("Oplossing op pagina 2"), Twips(2250, 1320), Tekstgrijs, font);
    PdfKnop = new QPushButton(QStringLiteral("Als PDF opslaan…"), Frame1);
    PdfKnop->setGeometry(Twips(1950, 1680, 1740, 360));
    connect(PdfKnop, &QPushButton::clicked, this, &Afdrukken::PdfKnop_Click);
    // A screen reader names each box and the copies bar by its label.
    Label2->setBuddy(Aantal);
    // A box takes no name from a buddy: it is given its label's text, anew
    // whenever the label changes with it.
    for (auto [label, vakje] : {std::pair{Label3, Check1}, {Label4, Check2}, {Label5, Check3}, {Label7, Check4}}) {
        label->setBuddy(vakje);
        vakje->setAccessibleName(label->text());
    }
}

void Afdrukken::MaakKnoppen()
{
    Label6 = Etiket(Frame1, QStringLiteral("Print"), Twips(2640, 2490), Tekstgrijs, Dialoogfont());
    OkKnop = new PlaatjesKnop(Frame1, KnopPlaatje(QStringLiteral("Print"), KnopGroen()), Twips(3060, 2310), QStringLiteral("Print"));
    ExitKnop = new PlaatjesKnop(Frame1, KnopPlaatje(QStringLiteral("Exit"), KnopRood()), Twips(3810, 2310), QStringLiteral("Exit"));
    connect(OkKnop, &PlaatjesKnop::geklikt, this, &Afdrukken::OkKnop_Click);
    connect(ExitKnop, &PlaatjesKnop::geklikt, this, &Afdrukken::ExitKnop_Click);
}

// Relabels a box after a click that changed it.
static void Opschrift(QLabel* label, bool aan, const char* met, const char* zonder)
{
    label->setText(QString::fromUtf8(aan ? met : zonder));
    label->adjustSize();
    label->buddy()->setAccessibleName(label->text());
}

void Afdrukken::Check1_Click()
{
    Algemeen::ZonderTekst = !Check1->isChecked();
    Opschrift(Label3, Check1->isChecked(), "Puzzel afdrukken met tekst", "Puzzel afdrukken zonder tekst");
}

void Afdrukken::Check2_Click()
{
    Opschrift(Label4, Check2->isChecked(), "Met border om puzzel", "Zonder border om puzzel");
}

void Afdrukken::Check3_Click()
{
    Opschrift(Label5, Check3->isChecked(), "Met datum en tijd afdrukken", "Zonder datum en tijd afdrukken");
}

void Afdrukken::Aantal_Change()
{
    const int n = Aantal->value();
    Label2->setText(QString::number(n) + (n == 1 ? QStringLiteral(" Pagina") : QStringLiteral(" Pagina's")));
    Label2->adjustSize();
}

void Afdrukken::OkKnop_Click()
{
    const Bezig wacht(this);
    if (!wacht)
        return;

    // Everything is read at the click: a click on Check1 during the sweep
    // must not change whether the letters are blanked and restored.
    const bool zonderTekst = Algemeen::ZonderTekst;
    Paginagegevens pagina = Gegevens(!zonderTekst);

    OkKnop->Animeer();
    QString fout;
    {
        if (zonderTekst)
            bord.WisLetters();
        // The board gets its letters back however the job ends, and before
        // any message about it.
        const auto letters = qScopeGuard([&] {
            if (zonderTekst)
                bord.TekenLetters();
        });
        Scannen();
        pagina.DatumRegel = DatumTijdRegel(QDateTime::currentDateTime(), QLocale::system());
        fout = Verstuur(pagina);
    }
    if (!fout.isEmpty())
        Meldingen::MsgBox(QStringLiteral("Er is niets afgedrukt.\r\n") + fout);
}

QString Afdrukken::Verstuur(const Paginagegevens& pagina)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto cursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    // One that got no answer when the dialog opened asks again: the print
    // system may be back. Its own verdict names the printer the maker chose.
    if (zoeker->klaar && !zoeker->uitkomst.antwoord)
        zoeker = ZoekPrinter();
    if (!Wacht(*zoeker, ZoekMs))
        return GeenAntwoord({});
    const auto [antwoord, printer] = zoeker->uitkomst;
    if (!antwoord)
        return GeenAntwoord(printer);

    // The page is drawn here, as it reads the puzzle; the printer layer asks
    // the print system on threads of its own.
    const std::unique_ptr<Printerlaag> uitvoer = maakPrinter(Schrijfpad(PdfBestand), printer);
    bool gelukt = DrukPagina(*uitvoer, pagina);
    if (const auto [eigen, ander] = uitvoer->AnderPapier(); !gelukt && !ander.isEmpty()) {
        QApplication::restoreOverrideCursor();
        const QString vraag = QStringLiteral("De pagina past niet op het papier %1 van de printer %2.\r\nAfdrukken op %3?")
                                  .arg(eigen, printer, ander);
        const bool ja = Meldingen::MsgBox(vraag, Meldingen::Knoppen::JaNee) == Meldingen::Antwoord::Ja;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (!ja)
            return {};  // the maker knows: nothing more to say
        uitvoer->NeemAnderPapier();
        gelukt = uitvoer->EindeDocument();
    }
    if (!gelukt)
        return uitvoer->Fout();
    if (!uitvoer->Bestand().isEmpty())
        OpenBestand(this, uitvoer->Bestand());
    return {};
}

Paginagegevens Afdrukken::Gegevens(bool letters) const
{
    Paginagegevens pagina = ModelPagina(bord.Beeld(), bord.Vlak().Achtergrond, letters, Check4->isChecked());
    pagina.MetBorder = Check2->isChecked();
    pagina.MetDatum = Check3->isChecked();
    pagina.Aantal = Aantal->value();
    return pagina;
}

void Afdrukken::PdfKnop_Click()
{
    const Bezig wacht(this);
    if (wacht)
        AlsPdfOpslaan(this, Gegevens(!Algemeen::ZonderTekst));
}

QString AlsPdfOpslaan(QWidget* ouder, const Paginagegevens& g)
{
    const QString pad = Bewaarpad(ouder, QStringLiteral("Als PDF opslaan"), Schrijfpad(QStringLiteral("puzzel.pdf")),
                                  QStringLiteral("PDF-bestanden (*.pdf)"), {QStringLiteral(".pdf")});
    if (pad.isEmpty())
        return {};
    Papier pdf(pad, QString());
    if (!DrukPagina(pdf, g)) {
        Meldingen::MsgBox(QStringLiteral("Er is geen PDF opgeslagen.\r\n") + pdf.Fout());
        return {};
    }
    return pad;
}

void Afdrukken::Scannen()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Line1->show();
    Line1->raise();
    for (int y = 0; y <= 1950; y += 30) {
        // Centred on y: one pixel above, one on it.
        Line1->move(Twips(30, y) - QPoint(0, 1));
        Pauze(0.01);
    }
    Line1->hide();
    QApplication::restoreOverrideCursor();
}

void Afdrukken::ExitKnop_Click()
{
    if (!SpeelUitgang(ExitKnop, this))
        return;
    info(Informatie);
    accept();
}

void Afdrukken::reject()
{
    if (!Bezig::Actief(this))
        QDialog::reject();
}
