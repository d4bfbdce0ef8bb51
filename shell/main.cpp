// Wendolo: a program for making staircase word puzzles.
#include "shell/Main.h"
#include "shell/Opdrachtregel.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QPalette>
#include <QStyleFactory>
#include <QTimer>
#include <QTranslator>

namespace {

// The light palette Qt gives its style on a desktop without a theme, every
// colour set by name: the unnamed colours of a palette give way to the
// theme's.
QPalette Lichtpalet()
{
    const QColor venster(239, 239, 239);
    const QColor donker = venster.darker(150);
    const QColor midden = venster.darker(130);
    const QColor grijs(190, 190, 190);
    QPalette p(Qt::black, venster, venster.lighter(150), donker, midden, Qt::black, Qt::white);
    p.setBrush(QPalette::Midlight, midden.lighter(110));
    p.setBrush(QPalette::Shadow, donker.darker(135));
    p.setBrush(QPalette::HighlightedText, Qt::white);
    p.setBrush(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
    p.setBrush(QPalette::Highlight, QColor(48, 140, 198));
    for (const QPalette::ColorRole rol : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        p.setBrush(QPalette::Disabled, rol, grijs);
    p.setBrush(QPalette::Disabled, QPalette::Base, venster);
    p.setBrush(QPalette::Disabled, QPalette::Dark, QColor(209, 209, 209).darker(110));
    p.setBrush(QPalette::Disabled, QPalette::Shadow, donker.darker(135).lighter(150));
    p.setBrush(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    QPalette vast;
    for (int g = 0; g < QPalette::NColorGroups; ++g)
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto groep = static_cast<QPalette::ColorGroup>(g);
            const auto rol = static_cast<QPalette::ColorRole>(r);
            vast.setBrush(groep, rol, p.brush(groep, rol));
        }
    return vast;
}

} // namespace

int main(int argc, char** argv)
{
    // Help, version, export and thumbnail run without a display.
    if (const auto status = ZonderScherm(argc, argv))
        return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wendolo"));
    QApplication::setDesktopFileName(QStringLiteral("nl.wendolo.Wendolo"));  // the menu entry's icon and name
    // The windows' colours are chosen for a light grey background: a desktop
    // theme's style and palette (a dark one above all) would make their
    // labels unreadable, so every desktop gets the same.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(Lichtpalet());
    // The windows have fixed sizes: a theme's larger font would not fit.
    QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
    // Qt's own buttons (Ja, Nee, Annuleren) in the program's language.
    QTranslator qt;
    if (qt.load(QStringLiteral("qtbase_nl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qt);
    Main venster;
    venster.show();
    // After the window shows, so a message about the file has it behind it.
    if (const QString pad = Bestandsargument(QApplication::arguments()); !pad.isEmpty())
        QTimer::singleShot(0, &venster, [&venster, pad] { venster.BestandOpenen(pad); });
    return app.exec();
}
