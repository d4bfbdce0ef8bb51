// The board control: a sunken frame and a drawing area that blits.
#include "board/Pic.h"

#include "board/Bord.h"
#include "model/Algemeen.h"
#include "shell/Toegang.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

using namespace Algemeen;

namespace {

class Blitvlak : public QWidget
{
public:
    Blitvlak(Pic* pic, const Tekenvlak& vlak) : QWidget(pic), pic(pic), vlak(vlak)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QPainter p(this);
        if (devicePixelRatioF() > 1 && pic->Scherp()) {
            p.setClipRect(e->rect());
            p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
            Teken(p, *pic->Scherp(), rect());
        } else {
            p.drawImage(e->rect(), vlak.Beeld, e->rect());
        }
        // Only for the keyboard, as the buttons show their focus frames: a
        // window that hands the board its focus by itself keeps its look.
        if (pic->hasFocus() && pic->Cursor() > 0 && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
            // A frame round the row's band, left of its button, in the
            // selection colour: what a keyboard user acts on.
            p.setPen(QPen(palette().color(QPalette::Highlight), 2));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRect(3, RijY(pic->Cursor()) - 2, KnopX - 9, HokHoogte + 4));
        }
    }

private:
    Pic* pic;
    const Tekenvlak& vlak;
};

} // namespace

Pic::Pic(QWidget* parent, const QImage& begin) : QFrame(parent), vlak(NieuwBord(begin))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    resize(BordBreedte + 4, BordHoogte + 4);
    // Tab only: a click on the board leaves the focus, and the look, as they were.
    setFocusPolicy(Qt::TabFocus);
    gebied = new Blitvlak(this, vlak);
    gebied->setGeometry(2, 2, BordBreedte, BordHoogte);
}

void Pic::Ververs()
{
    scherpOud = true;
    gebied->update();
}

void Pic::WisLetters()
{
    ::WisLetters(vlak);
    Ververs();
}

void Pic::TekenLetters()
{
    ::TekenLetters(vlak);
    Ververs();
}

const std::optional<Bordtekening>& Pic::Scherp()
{
    if (scherpOud) {
        scherpOud = false;
        const std::optional<bool> letters = Modelbord(vlak.Beeld, vlak.Achtergrond);
        scherp.reset();
        if (letters)
            scherp = Bordtekening{QImage(), vlak.Achtergrond, *letters};
    }
    return scherp;
}

void Pic::box(int x1, int y1, int x2, int y2, QColor lijn, bool vast)
{
    vlak.VulVast = vast;
    vlak.box(x1, y1, x2, y2, lijn);
    Ververs();
}

void Pic::ZetCursor(int rij)
{
    cursor = rijen == 0 ? 0 : std::clamp(rij, 1, rijen);
    if (hasFocus())
        MeldHuidig(this, cursor);
    gebied->update();
}

void Pic::ZetRijen(int n)
{
    rijen = n;
    MeldItems(this);
    ZetCursor(cursor == 0 ? 1 : cursor);
}

void Pic::keyPressEvent(QKeyEvent* e)
{
    if (e->modifiers() & ~Qt::KeypadModifier) {
        QFrame::keyPressEvent(e);
        return;
    }
    window()->setAttribute(Qt::WA_KeyboardFocusChange);
    switch (e->key()) {
    case Qt::Key_Up:
        ZetCursor(cursor - 1);
        break;
    case Qt::Key_Down:
        ZetCursor(cursor + 1);
        break;
    case Qt::Key_Home:
        ZetCursor(1);
        break;
    case Qt::Key_End:
        ZetCursor(rijen);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
    case Qt::Key_Delete:
        if (cursor > 0)
            emit toets(e->key());
        break;
    default:
        QFrame::keyPressEvent(e);
    }
}

void Pic::mouseDoubleClickEvent(QMouseEvent* e)
{
    const int rij = RijOp(gebied->mapFrom(this, e->position().toPoint()).y());
    if (rij >= 1 && rij <= rijen)
        emit dubbelklik(rij);
}

// The drawing area carries the cursor: an update of the frame alone would
// leave it as it was.
void Pic::focusInEvent(QFocusEvent* e)
{
    QFrame::focusInEvent(e);
    gebied->update();
}

void Pic::focusOutEvent(QFocusEvent* e)
{
    QFrame::focusOutEvent(e);
    gebied->update();
}
