// Picture buttons and the few plain controls every window builds with.
#include "shell/Bouwstenen.h"

#include "board/Tekenvlak.h"
#include "shell/Pauze.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSet>
#include <QScreen>
#include <algorithm>

PlaatjesKnop::PlaatjesKnop(QWidget* ouder, const QPixmap& plaatje, QPoint rust, const QString& naam, const QString& tip)
    : QLabel(ouder), rust(rust)
{
    setPixmap(plaatje);
    // Tab only: a click must not move the focus nor show its mark.
    setFocusPolicy(Qt::TabFocus);
    HertekenBijFocus(this);
    setAccessibleName(naam);
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

void PlaatjesKnop::keyPressEvent(QKeyEvent* e)
{
    if (!e->isAutoRepeat() && (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
        emit geklikt();
        return;
    }
    QLabel::keyPressEvent(e);
}

void PlaatjesKnop::paintEvent(QPaintEvent* e)
{
    QLabel::paintEvent(e);
    TekenFocuskader(this);
}

void ZetTabvolgorde(std::initializer_list<QWidget*> volgorde)
{
    for (auto k = volgorde.begin(); k + 1 != volgorde.end(); ++k)
        QWidget::setTabOrder(*k, *(k + 1));
}

Schuifbalk::Schuifbalk(QWidget* ouder) : QScrollBar(Qt::Horizontal, ouder) { setFocusPolicy(Qt::TabFocus); }

void Schuifbalk::paintEvent(QPaintEvent* e)
{
    QScrollBar::paintEvent(e);
    TekenFocuskader(this);
}

void Schuifbalk::keyPressEvent(QKeyEvent* e)
{
    // A scroll bar's inverted controls (kept for its wheel) would turn Left
    // and Right round.
    if (e->key() == Qt::Key_Left || e->key() == Qt::Key_Right)
        triggerAction(e->key() == Qt::Key_Left ? SliderSingleStepSub : SliderSingleStepAdd);
    else
        QScrollBar::keyPressEvent(e);
}

void TekenFocuskader(QWidget* w)
{
    // Shown as the style shows it on Qt's own buttons: once the keyboard
    // moved the focus in this window, so a mouse user never sees it.
    if (!w->hasFocus() || !w->window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    QPainter p(w);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawRect(w->rect().adjusted(0, 0, -1, -1));
}

namespace {
// Hands the events of the widget it watches to a function, which says
// whether it took the event.
class Wachter : public QObject
{
public:
    Wachter(QWidget* w, std::function<bool(QEvent&)> doe) : QObject(w), doe(std::move(doe)) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override { return doe(*e); }

private:
    std::function<bool(QEvent&)> doe;
};

void Bewaak(QWidget* w, std::function<bool(QEvent&)> doe) { w->installEventFilter(new Wachter(w, std::move(doe))); }
} // namespace

QString Bewaarpad(QWidget* ouder, const QString& titel, const QString& voorstel, const QString& filter,
                  const QStringList& extensies)
{
    // An instance rather than getSaveFileName, for the default suffix: the
    // dialog adds it before it asks about a file of that name, so a name
    // typed bare never replaces a file unasked.
    QFileDialog dialoog(ouder, titel, QFileInfo(voorstel).absolutePath(), filter);
    dialoog.setAcceptMode(QFileDialog::AcceptSave);
    dialoog.setFileMode(QFileDialog::AnyFile);
    dialoog.setDefaultSuffix(extensies.front().mid(1));
    dialoog.selectFile(voorstel);
    if (dialoog.exec() != QDialog::Accepted || dialoog.selectedFiles().isEmpty())
        return {};
    QString pad = dialoog.selectedFiles().constFirst();
    if (std::none_of(extensies.begin(), extensies.end(),
                     [&pad](const QString& e) { return pad.endsWith(e, Qt::CaseInsensitive); }))
        pad += extensies.front();
    return pad;
}

void VangToetsen(QWidget* w, std::function<bool(const QKeyEvent&)> doe)
{
    Bewaak(w, [doe = std::move(doe)](QEvent& e) {
        return e.type() == QEvent::KeyPress && doe(static_cast<const QKeyEvent&>(e));
    });
}

void HertekenBijFocus(QWidget* w)
{
    Bewaak(w, [w](const QEvent& e) {
        if (e.type() == QEvent::FocusIn || e.type() == QEvent::FocusOut)
            w->update();
        return false;
    });
}

void KlikOpReturn(QAbstractButton* knop)
{
    VangToetsen(knop, [knop](const QKeyEvent& k) {
        if (k.isAutoRepeat() || (k.key() != Qt::Key_Return && k.key() != Qt::Key_Enter))
            return false;
        knop->click();
        return true;
    });
}

namespace {
QSet<const QWidget*>& BezigeVensters()
{
    static QSet<const QWidget*> vensters;
    return vensters;
}
} // namespace

Bezig::Bezig(const QWidget* venster) : venster(venster), vrij(!Actief(venster))
{
    BezigeVensters().insert(venster);
}

Bezig::~Bezig()
{
    if (vrij)
        BezigeVensters().remove(venster);
}

bool Bezig::Actief(const QWidget* venster) { return BezigeVensters().contains(venster); }

bool SpeelUitgang(PlaatjesKnop* knop, const QWidget* venster)
{
    const Bezig wacht(venster);
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
    // A dialog opened from the keyboard shows where its focus is from the
    // start, as the window it came from does; opened by the mouse it keeps
    // its look. Set once shown: showing a window clears it.
    Bewaak(venster, [venster](const QEvent& e) {
        const QWidget* ouder = venster->parentWidget();
        if (e.type() == QEvent::Show && ouder && ouder->window()->testAttribute(Qt::WA_KeyboardFocusChange))
            venster->setAttribute(Qt::WA_KeyboardFocusChange);
        return false;
    });
}
