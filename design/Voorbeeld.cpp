// The preview control: blits its surface, reports any mouse button.
#include "design/Voorbeeld.h"

#include "shell/Bouwstenen.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

Voorbeeld::Voorbeeld(QWidget* ouder)
    : QWidget(ouder), vlak(251, 44, QColor(230, 230, 220), VoorbeeldLettertype())
{
    vlak.TekstKleur = Tekstgrijs;
    resize(251, 44);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Voorbeeld::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    p.drawImage(e->rect(), vlak.Beeld, e->rect());
}

void Voorbeeld::mousePressEvent(QMouseEvent* e) { emit ingedrukt(e->position().toPoint()); }
