// Picture buttons and the few plain controls every window builds with.
#include "shell/Bouwstenen.h"

#include "board/Tekenvlak.h"
#include "shell/Pauze.h"

#include <QFrame>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <algorithm>

PlaatjesKnop::PlaatjesKnop(QWidget* ouder, const QPixmap& plaatje, QPoint rust, const QString& tip)
    : QLabel(ouder), rust(rust)
{
    setPixmap(plaatje);
    resize(plaatje.deviceIndependentSize().toSize());
    move(rust);
    if (!tip.isEmpty())
        setToolTip(tip);
}

void PlaatjesKnop::Animeer() { DrukAnimatie(this, rust); }

void PlaatjesKnop::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        emit geklikt();
}

bool SpeelUitgang(PlaatjesKnop* knop, bool& bezig)
{
    const Bezig wacht(bezig);
    if (!wacht)
        return false;
    knop->Animeer();
    Pauze(0.1);
    return true;
}

void GrijsVeld(QWidget* veld, QColor tekst)
{
    QPalette pal = veld->palette();
    pal.setColor(QPalette::Base, QColor(224, 224, 224));
    pal.setColor(QPalette::Text, tekst);
    veld->setPalette(pal);
}

QLabel* ZwarteAchtergrond(QWidget* ouder, QRect plaats)
{
    auto* l = new QLabel(ouder);
    l->setGeometry(plaats);
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, Qt::black);
    l->setPalette(pal);
    return l;
}

QLabel* Etiket(QWidget* ouder, const QString& tekst, QPoint plaats, QColor kleur, const QFont& font)
{
    auto* l = new QLabel(tekst, ouder);
    l->setFont(font);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, kleur);
    l->setPalette(pal);
    l->move(plaats);
    l->adjustSize();
    return l;
}

QLabel* Tekstlabel(QWidget* ouder, const QString& tekst, QRect plaats, QColor kleur, bool terugloop)
{
    QLabel* l = Etiket(ouder, tekst, plaats.topLeft(), kleur, Lettertype(QStringLiteral("Arial"), 8.25, false));
    l->setWordWrap(terugloop);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (terugloop)
        l->resize(plaats.width(), std::max(plaats.height(), l->heightForWidth(plaats.width())));
    else
        l->resize(std::max(plaats.width(), l->width()), plaats.height());
    return l;
}

QFrame* Kader(QWidget* ouder, QRect plaats)
{
    auto* f = new QFrame(ouder);
    f->setFrameStyle(QFrame::Box | QFrame::Sunken);
    f->setGeometry(plaats);
    return f;
}

void MaakVenster(QWidget* venster, QSize buitenmaat, const QString& titel)
{
    const QSize client = buitenmaat - QSize(8, 28);
    venster->setWindowTitle(titel);
    venster->setFixedSize(client);
    if (QScreen* scherm = QGuiApplication::primaryScreen()) {
        const QRect s = scherm->availableGeometry();
        venster->move(s.center() - QPoint(client.width() / 2, client.height() / 2));
    }
}
