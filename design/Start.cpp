// The new-puzzle dialog.
#include "design/Start.h"

#include "board/Tekenvlak.h"
#include "model/Algemeen.h"
#include "shell/Bouwstenen.h"
#include "shell/Meldingen.h"
#include "shell/Tekstveld.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace Algemeen;

QString ZonderBlanco(const QString& s)
{
    qsizetype begin = 0, eind = s.size();
    while (begin < eind && s[begin] == u' ')
        ++begin;
    while (eind > begin && s[eind - 1] == u' ')
        --eind;
    return s.mid(begin, eind - begin);
}

Start::Start(QWidget* ouder, Infolijn info) : QDialog(ouder), info(std::move(info))
{
    MaakVenster(this, QSize(360, 120), QStringLiteral(" Nieuwe puzzel ontwerpen"));
    QFrame* kader = Kader(this, QRect(4, -2, 346, 92));

    Text1 = new QLineEdit(kader);
    Text1->setGeometry(16, 20, 220, 24);
    Text1->setFont(Lettertype(MsSansSerif, 9.75, true));
    GrijsVeld(Text1);
    MaakBestandsveld(Text1, MaxWoordLengte);

    CountLabel = Etiket(kader, QStringLiteral("0"), QPoint(244, 23), Tekstgrijs, Lettertype(QStringLiteral("Arial"), 12, true));

    const QLabel* uitleg = Tekstlabel(
        kader, QStringLiteral("Typ een aaneengesloten woord zonder spaties   in van minimaal 5 en maximaal 20 tekens lang. "),
        QRect(16, 50, 252, 30), Tekstgrijs);  // two lines, up to the buttons' border
    Text1->setAccessibleName(QStringLiteral("Zoekwoord"));
    setAccessibleDescription(uitleg->text());

    ZwarteAchtergrond(kader, QRect(272, 20, 60, 52));
    OkKnop = new QPushButton(QStringLiteral("Ok"), kader);
    OkKnop->setGeometry(274, 22, 56, 24);
    CancelKnop = new QPushButton(QStringLiteral("Cancel"), kader);
    CancelKnop->setGeometry(274, 46, 56, 24);
    for (QPushButton* k : {OkKnop, CancelKnop}) {
        k->setAutoDefault(false);
        k->setDefault(false);
    }

    connect(Text1, &QLineEdit::textChanged, this, &Start::Text1_Change);
    connect(OkKnop, &QPushButton::clicked, this, &Start::OkKnop_Click);
    connect(CancelKnop, &QPushButton::clicked, this, &Start::CancelKnop_Click);
    Text1->setFocus();
}

void Start::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        e->accept();
        return;
    default:
        QDialog::keyPressEvent(e);
    }
}

void Start::Text1_Change()
{
    CountLabel->setText(QString::number(Text1->text().size()));
    CountLabel->adjustSize();
}

void Start::OkKnop_Click()
{
    const QString w = ZonderBlanco(Text1->text());
    if (w.size() < MinRijen) {
        Meldingen::MsgBox(QStringLiteral("Woord minimaal 5 tekens lang!"));
        Text1->setFocus();
        return;
    }
    for (QChar c : w) {
        if (c >= u'0' && c <= u'9') {
            Meldingen::MsgBox(QStringLiteral("Géén cijfers in het woord plaatsen!"));
            return;
        }
    }

    woord = w;
    accept();
}

void Start::CancelKnop_Click()
{
    info(Informatie);
    reject();
}
