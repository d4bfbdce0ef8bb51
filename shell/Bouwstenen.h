// The building blocks every window is made of: picture buttons, black
// backings, coloured labels, plain frames and the fixed, centred window.
//
// A picture used as a button: a label with a pixmap that reports a click on
// mouse press, or on Space and Return when Tab gave it the focus, and knows
// its rest position for the press animation. naam is what a screen reader
// says for it.
#pragma once

#include <QLabel>
#include <QScrollBar>
#include <functional>

class QAbstractButton;
class QKeyEvent;

class PlaatjesKnop : public QLabel
{
    Q_OBJECT
public:
    PlaatjesKnop(QWidget* ouder, const QPixmap& plaatje, QPoint rust, const QString& naam, const QString& tip = {});

    QPoint Rust() const { return rust; }
    // What a click does, for a screen reader's press action.
    void Klik() { emit geklikt(); }
    // DrukAnimatie from the rest position.
    void Animeer();

signals:
    void geklikt();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QPoint rust;
};

// How a dialog speaks on the main window's information line.
using Infolijn = std::function<void(const QString&)>;

// What the information line says when nothing is under way.
inline const QString Informatie = QStringLiteral("Informatie...");

// The desktop's save dialog: the path chosen, ending in one of extensies
// (the first is added when the maker typed none of them), or the empty text.
QString Bewaarpad(QWidget* ouder, const QString& titel, const QString& voorstel, const QString& filter,
                  const QStringList& extensies);

// Hands every key pressed on w to doe, which returns whether it took the key.
void VangToetsen(QWidget* w, std::function<bool(const QKeyEvent&)> doe);

// For a widget that draws its own focus mark: repainted when the focus
// comes or goes.
void HertekenBijFocus(QWidget* w);

// The dotted focus frame round a control the style draws none on; call it
// at the end of its paintEvent.
void TekenFocuskader(QWidget* w);

// Tab goes through the controls in this order.
void ZetTabvolgorde(std::initializer_list<QWidget*> volgorde);

// A horizontal scroll bar for a number: reached with Tab, not taken by a
// click, which leaves the focus where it was; Left and Right step as on any
// horizontal bar, and the focus shows as on the picture buttons.
class Schuifbalk : public QScrollBar
{
public:
    explicit Schuifbalk(QWidget* ouder);

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

// Return and Enter click a plain button that has the focus, as Space does:
// outside a dialog Qt's buttons take only Space.
void KlikOpReturn(QAbstractButton* knop);

// A window busy while one of its commands runs. The pauses of a command
// dispatch clicks, so without it a second command could start inside the
// first. False when the window was busy already: do nothing then.
class Bezig
{
public:
    explicit Bezig(const QWidget* venster);
    ~Bezig();
    Bezig(const Bezig&) = delete;
    Bezig& operator=(const Bezig&) = delete;
    explicit operator bool() const { return vrij; }

    // Whether a command of venster is running.
    static bool Actief(const QWidget* venster);

private:
    const QWidget* venster;
    bool vrij;
};

// Leaving a dialog by its exit picture: the press animation and a pause of
// 0.1 s with the dialog busy. False, and nothing played, when a command of
// the dialog is running already.
bool SpeelUitgang(PlaatjesKnop* knop, const QWidget* venster);

// The grey of the windows' texts.
inline const QColor Tekstgrijs(64, 64, 64);

// A text field or list on the light grey of every window, its text in kleur.
void GrijsVeld(QWidget* veld, QColor tekst = Tekstgrijs);

// A black label: drawn behind a control it shows as a border round it.
QLabel* ZwarteAchtergrond(QWidget* ouder, QRect plaats);

// A plain label in a colour, with a transparent background.
QLabel* Etiket(QWidget* ouder, const QString& tekst, QPoint plaats, QColor kleur, const QFont& font);

// Text in Arial 8.25 pt read from the top of its box. Our fonts run a little
// wider than the ones the boxes were made for, so a wrapping label grows
// down until it holds its text and a single line grows to the right.
QLabel* Tekstlabel(QWidget* ouder, const QString& tekst, QRect plaats, QColor kleur, bool terugloop = true);

// A plain frame without caption, as every window lays its controls on.
class QFrame;
QFrame* Kader(QWidget* ouder, QRect plaats);

// Gives a window its fixed client size and title and centres it on the
// screen. The layouts give outer sizes; the client area is 8 narrower and
// 28 lower (a 4-pixel border and the title bar).
void MaakVenster(QWidget* venster, QSize buitenmaat, const QString& titel);
