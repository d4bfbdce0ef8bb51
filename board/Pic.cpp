// The board control: a sunken frame and a drawing area that blits.
#include "board/Pic.h"

#include "board/Bord.h"
#include "model/Algemeen.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

class Blitvlak : public QWidget
{
public:
    Blitvlak(QWidget* ouder, const Tekenvlak& vlak) : QWidget(ouder), vlak(vlak)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QPainter p(this);
        p.drawImage(e->rect(), vlak.Beeld, e->rect());
    }

private:
    const Tekenvlak& vlak;
};

} // namespace

Pic::Pic(QWidget* parent, const QImage& begin) : QFrame(parent), vlak(NieuwBord(begin))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    resize(Algemeen::BordBreedte + 4, Algemeen::BordHoogte + 4);
    gebied = new Blitvlak(this, vlak);
    gebied->setGeometry(2, 2, Algemeen::BordBreedte, Algemeen::BordHoogte);
}

void Pic::LeegBord() { ::LeegBord(vlak); gebied->update(); }
void Pic::TekenZoekWoord(const QString& woord) { ::TekenZoekWoord(vlak, woord); gebied->update(); }
void Pic::TekenRij(int i) { ::TekenRij(vlak, i); gebied->update(); }
void Pic::WisLetters() { ::WisLetters(vlak); gebied->update(); }
void Pic::TekenLetters() { ::TekenLetters(vlak); gebied->update(); }

void Pic::ZetAchtergrond(QColor kleur) { vlak.Achtergrond = kleur; }

void Pic::VervangBeeld(const QImage& beeld) { vlak.Plaats(beeld); gebied->update(); }

void Pic::box(int x1, int y1, int x2, int y2, QColor lijn, bool vast)
{
    vlak.VulVast = vast;
    vlak.box(x1, y1, x2, y2, lijn);
    gebied->update();
}
