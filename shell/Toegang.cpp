// The accessible interfaces of the self-drawn controls, made by a factory
// Qt asks for every object before its own.
#include "shell/Toegang.h"

#include "board/Pic.h"
#include "design/Voorbeeld.h"
#include "model/Algemeen.h"
#include "shell/Bouwstenen.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <map>

using namespace Algemeen;

namespace {

const char* const Soort = "wendolo-toegang";

class KnopToegang : public QAccessibleWidget
{
public:
    explicit KnopToegang(QWidget* w) : QAccessibleWidget(w, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }
    // What a click does: the window's busy guard decides as for a click.
    // Queued, since a command that opens a dialog would hold the screen
    // reader's call until the dialog closed.
    void doAction(const QString& actie) override
    {
        if (actie == pressAction())
            QMetaObject::invokeMethod(static_cast<PlaatjesKnop*>(widget()), &PlaatjesKnop::Klik, Qt::QueuedConnection);
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Description ? widget()->toolTip().trimmed() : QAccessibleWidget::text(t);
    }
};

class StilToegang : public QAccessibleWidget
{
public:
    explicit StilToegang(QWidget* w) : QAccessibleWidget(w, QAccessible::NoRole) {}
    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

class StatusToegang : public QAccessibleWidget
{
public:
    explicit StatusToegang(QWidget* w) : QAccessibleWidget(w, QAccessible::StatusBar) {}
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<QLabel*>(widget())->text() : QAccessibleWidget::text(t);
    }
};

class ItemToegang;

// A control whose items are drawn, not widgets: items 1..Aantal() come
// first among its children, its child widgets (the row buttons) after them.
class LijstToegang : public QAccessibleWidget
{
public:
    explicit LijstToegang(QWidget* w) : QAccessibleWidget(w, QAccessible::List) {}
    ~LijstToegang() override;

    virtual int Aantal() const = 0;
    virtual int Huidig() const = 0;
    virtual QString ItemTekst(int i) const = 0;
    virtual QRect ItemVlak(int i) const = 0;  // in the control's coordinates
    // What a click on item i does; queued like the buttons' press.
    virtual void Kies(int i) = 0;
    QWidget* Widget() const { return widget(); }

    int childCount() const override { return Aantal() + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* c) const override;
    QAccessibleInterface* focusChild() const override
    {
        return widget()->hasFocus() && Huidig() > 0 ? child(Huidig() - 1) : QAccessibleWidget::focusChild();
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint p = widget()->mapFromGlobal(QPoint(x, y));
        for (int i = 1; i <= Aantal(); ++i)
            if (ItemVlak(i).contains(p))
                return child(i - 1);
        return QAccessibleWidget::childAt(x, y);
    }

private:
    mutable std::map<int, QAccessible::Id> items;
};

class ItemToegang : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    ItemToegang(const LijstToegang* lijst, int i) : lijst(lijst), widget(lijst->Widget()), i(i) {}

    bool isValid() const override { return widget && i <= lijst->Aantal(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return lijst->window(); }
    QAccessibleInterface* parent() const override { return const_cast<LijstToegang*>(lijst); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? lijst->ItemTekst(i) : QString(); }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        const QRect r = lijst->ItemVlak(i);
        return QRect(widget->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = s.selectable = true;
        s.selected = lijst->Huidig() == i;
        s.focused = s.selected && widget->hasFocus();
        return s;
    }
    int Index() const { return i - 1; }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actie) override
    {
        if (actie == pressAction() && isValid())
            const_cast<LijstToegang*>(lijst)->Kies(i);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    const LijstToegang* lijst;
    QPointer<QWidget> widget;
    int i;
};

LijstToegang::~LijstToegang()
{
    for (const auto& [i, id] : items)
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* LijstToegang::child(int index) const
{
    if (index < 0)
        return nullptr;
    if (index >= Aantal())
        return QAccessibleWidget::child(index - Aantal());
    auto& id = items[index + 1];
    if (!id)
        id = QAccessible::registerAccessibleInterface(new ItemToegang(this, index + 1));
    return QAccessible::accessibleInterface(id);
}

int LijstToegang::indexOfChild(const QAccessibleInterface* c) const
{
    if (c && c->parent() == this && !c->object())
        return static_cast<const ItemToegang*>(c)->Index();
    const int i = QAccessibleWidget::indexOfChild(c);
    return i < 0 ? -1 : i + Aantal();
}

class BordToegang : public LijstToegang
{
public:
    explicit BordToegang(Pic* pic) : LijstToegang(pic), pic(pic) {}

    int Aantal() const override { return AantalRijen(); }
    int Huidig() const override { return pic->Cursor(); }
    QString ItemTekst(int i) const override
    {
        if (!RijGevuld(i))
            return QStringLiteral("rij %1: leeg").arg(i);
        return QStringLiteral("rij %1: %2, letter %3 in de kolom, omschrijving %4")
            .arg(i)
            .arg(PuzzelWoord[i])
            .arg(LetterPositieVan(BeginX[i]))
            .arg(Omschrijving[i]);
    }
    QRect ItemVlak(int i) const override
    {
        return QRect(pic->Tekengebied()->geometry().topLeft() + QPoint(0, RijY(i)), QSize(BordBreedte, HokHoogte));
    }
    // As Return on the row: filled, it is changed; empty, it is filled.
    void Kies(int i) override
    {
        QMetaObject::invokeMethod(pic, [p = pic, i] {
            p->ZetCursor(i);
            emit p->toets(Qt::Key_Return);
        }, Qt::QueuedConnection);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QStringLiteral("Puzzelbord");
        if (t == QAccessible::Description && !ZoekWoord.isEmpty())
            return QStringLiteral("Zoekwoord %1, %2 rijen").arg(Hoofdletters(ZoekWoord)).arg(AantalRijen());
        return LijstToegang::text(t);
    }

private:
    Pic* pic;
};

class VoorbeeldToegang : public LijstToegang
{
public:
    explicit VoorbeeldToegang(Voorbeeld* v) : LijstToegang(v), v(v) {}

    int Aantal() const override { return v->Vakjes(); }
    int Huidig() const override { return v->Cursor(); }
    QString ItemTekst(int i) const override
    {
        QString tekst = QStringLiteral("hokje %1 van %2").arg(i).arg(Aantal());
        if (i == LetterPositie && HuidigeRij >= 1 && HuidigeRij <= ZoekWoord.size())
            tekst += QStringLiteral(", gekozen voor de letter %1").arg(Hoofdletter(ZoekWoord[HuidigeRij - 1]));
        return tekst;
    }
    QRect ItemVlak(int i) const override { return QRect(2 + 11 * i, 10, 12, 12); }
    void Kies(int i) override
    {
        QMetaObject::invokeMethod(v, [v = v, i] { emit v->ingedrukt(ItemMidden(i)); }, Qt::QueuedConnection);
    }
    static QPoint ItemMidden(int i) { return QPoint(11 * i + 8, 15); }

private:
    Voorbeeld* v;
};

QAccessibleInterface* Fabriek(const QString& soort, QObject* o)
{
    if (!o || !o->isWidgetType())
        return nullptr;
    auto* w = static_cast<QWidget*>(o);
    if (soort == QLatin1StringView("PlaatjesKnop"))
        return new KnopToegang(w);
    if (soort == QLatin1StringView("Pic"))
        return new BordToegang(static_cast<Pic*>(w));
    if (soort == QLatin1StringView("Voorbeeld"))
        return new VoorbeeldToegang(static_cast<Voorbeeld*>(w));
    if (soort == QLatin1StringView("QLabel")) {
        const QString merk = o->property(Soort).toString();
        if (merk == QLatin1StringView("stil"))
            return new StilToegang(w);
        if (merk == QLatin1StringView("status"))
            return new StatusToegang(w);
    }
    return nullptr;
}

} // namespace

void ToegangInstalleren()
{
    static const bool eenmaal = (QAccessible::installFactory(Fabriek), true);
    Q_UNUSED(eenmaal);
}

namespace {

void Merk(QWidget* label, const QString& merk)
{
    label->setProperty(Soort, merk);
    // Setting the label's text made Qt cache its plain interface already;
    // dropped, so the next question reaches the factory.
    if (QAccessibleInterface* oud = QAccessible::queryAccessibleInterface(label))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(oud));
}

} // namespace

void Versiering(QWidget* label) { Merk(label, QStringLiteral("stil")); }

void Statusregel(QWidget* label) { Merk(label, QStringLiteral("status")); }

void MeldItems(QObject* lijst)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent e(lijst, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&e);
}

void MeldHuidig(QObject* lijst, int i)
{
    if (!QAccessible::isActive() || i < 1)
        return;
    QAccessibleEvent e(lijst, QAccessible::Focus);
    e.setChild(i - 1);
    QAccessible::updateAccessibility(&e);
}
