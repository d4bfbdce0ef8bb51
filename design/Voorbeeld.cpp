// The preview control: blits its surface, reports any mouse button, and
// lets the keyboard pick a box.
#include "design/Voorbeeld.h"

#include "shell/Bouwstenen.h"
#include "shell/Toegang.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

Voorbeeld::Voorbeeld(QWidget* ouder)
    : QWidget(ouder), vlak(251, 44, QColor(230, 230, 220), VoorbeeldLettertype())
{
    vlak.TekstKleur = Tekstgrijs;
    resize(251, 44);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Tab only, so a click shows no cursor.
    setFocusPolicy(Qt::TabFocus);
    HertekenBijFocus(this);
    setAccessibleName(QStringLiteral("Hokjes"));
}

void Voorbeeld::ZetVakjes(int n)
{
    vakjes = n;
    cursor = std::clamp(cursor, 1, std::max(1, n));
    MeldItems(this);
    update();
}

void Voorbeeld::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    p.drawImage(e->rect(), vlak.Beeld, e->rect());
    if (hasFocus() && vakjes > 0) {
        // Inside the white box, clear of its border and of the letter below.
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(QRect(4 + 11 * cursor, 12, 7, 7));
    }
}

void Voorbeeld::mousePressEvent(QMouseEvent* e) { emit ingedrukt(e->position().toPoint()); }

void Voorbeeld::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        cursor = std::clamp(cursor + (e->key() == Qt::Key_Left ? -1 : 1), 1, std::max(1, vakjes));
        MeldHuidig(this, cursor);
        update();
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The middle of the box: where a click on it would land.
        if (!e->isAutoRepeat() && vakjes > 0)
            emit ingedrukt(QPoint(11 * cursor + 8, 15));
        break;
    default:
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
}
