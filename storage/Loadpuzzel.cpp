// The load dialog. The picture and the puzzle file are both read and checked
// before anything is handed on, so a bad file never leaves half of one
// puzzle mixed with half of another.
#include "storage/Loadpuzzel.h"

#include "assets/Plaatjes.h"
#include "board/Tekenvlak.h"
#include "shell/Bouwstenen.h"
#include "shell/Meldingen.h"
#include "shell/Pauze.h"
#include "shell/Programmamap.h"
#include "storage/Puzzelpaar.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QFrame>
#include <QListWidget>
#include <algorithm>

using namespace Algemeen;

namespace {

const QString Puzzelmap = QStringLiteral("puzzels");

} // namespace

Loadpuzzel::Loadpuzzel(QWidget* ouder, Infolijn info, Laden laden)
    : QDialog(ouder), info(std::move(info)), laden(std::move(laden))
{
    MaakVenster(this, QSize(218, 329), QStringLiteral(" Load puzzel"));
    QFrame* kader = Kader(this, QRect(4, -2, 206, 303));
    const QFont labelFont = Lettertype(QStringLiteral("Arial"), 8.25, false);

    File1 = new QListWidget(kader);
    File1->setGeometry(10, 16, 185, 214);
    File1->setFont(Lettertype(QStringLiteral("Arial"), 9.75, false));
    GrijsVeld(File1, Qt::black);

    Label2 = Etiket(kader, QString(), QPoint(12, 232), Tekstgrijs, labelFont);
    // As wide as the list above it: the count of a full folder fits whole.
    Label2->resize(183, 13);
    Label2->setBuddy(File1);  // the list's name for a screen reader
    OkKnop = new PlaatjesKnop(kader, KnopPlaatje(QStringLiteral("OK"), KnopGroen()), QPoint(12, 262), QStringLiteral("Ok"));
    Etiket(kader, QStringLiteral("Load"), QPoint(58, 269), Tekstgrijs, labelFont)->resize(24, 13);
    ExitKnop = new PlaatjesKnop(kader, KnopPlaatje(QStringLiteral("Exit"), KnopRood()), QPoint(154, 262), QStringLiteral("Exit"));

    // Selection rather than the click itself, so the arrow keys choose too;
    // the focus alone never chooses an entry.
    connect(File1, &QListWidget::itemSelectionChanged, this, &Loadpuzzel::File1_Click);
    connect(OkKnop, &PlaatjesKnop::geklikt, this, &Loadpuzzel::OkKnop_Click);
    connect(ExitKnop, &PlaatjesKnop::geklikt, this, &Loadpuzzel::ExitKnop_Click);
    VulLijst();
}

void Loadpuzzel::VulLijst()
{
    // Saves a kill broke off are settled first, so the list shows what is
    // really there. A missing folder lists as an empty one.
    MapHerstellen(Schrijfpad(Puzzelmap));
    // Read without QDir's sort, which looks at every file and is slow with
    // thousands; sorted here by name, case ignored, as before.
    QStringList namen;
    QDirIterator it(Schrijfpad(Puzzelmap), {QStringLiteral("*.pzl")}, QDir::Files);
    while (it.hasNext())
        namen.append(it.nextFileInfo().fileName());
    std::sort(namen.begin(), namen.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    File1->setUniformItemSizes(true);
    File1->addItems(namen);
    Label2->setText(QString::number(namen.size())
                    + (namen.size() == 1 ? QStringLiteral(" puzzel in bestand") : QStringLiteral(" puzzels in bestand")));
    basisnaam.clear();
    bestandsnaam.clear();
}

void Loadpuzzel::File1_Click()
{
    const QList<QListWidgetItem*> keuze = File1->selectedItems();
    if (keuze.isEmpty())
        return;
    bestandsnaam = keuze.front()->text();
    basisnaam = bestandsnaam.chopped(4);
    // A long name is shortened at its end, never cut through a letter.
    Label2->setText(Label2->fontMetrics().elidedText(basisnaam, Qt::ElideRight, Label2->width()));
}

void Loadpuzzel::OkKnop_Click()
{
    const Bezig wacht(this);
    if (!wacht)
        return;
    OkKnop->Animeer();
    const Geladen gelezen = PaarLezen(Schrijfpad(Puzzelmap), basisnaam, bestandsnaam);
    if (gelezen.fout.isEmpty())
        laden(gelezen);
    else
        Meldingen::MsgBox(gelezen.fout, Meldingen::Knoppen::Ok, QStringLiteral(" Error"), Meldingen::Pictogram::Stop);
}

void Loadpuzzel::ExitKnop_Click()
{
    if (!SpeelUitgang(ExitKnop, this))
        return;
    info(Informatie);
    accept();
}
