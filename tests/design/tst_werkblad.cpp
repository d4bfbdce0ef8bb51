// Changes in any order, undone and redone: board, buttons and saved bytes as
// the same puzzle designed straight away. No widgets: model and bitmap.
#include "board/Bord.h"
#include "design/Werkblad.h"

#include <QTest>

using namespace Algemeen;

namespace {

// What the maker sees and what a save writes.
struct Uitkomst {
    QByteArray pzl;
    QImage bord;
    Rijknoppen knoppen;
    bool operator==(const Uitkomst&) const = default;
};

// Steps, blank-separated:
//   N:WOORD        a new puzzle
//   R<i>:WOORD:p   row i stored (or changed), its letter in box p
//   W<i>           row i cleared
//   L              the puzzle "KLOK" of two rows loaded with its board
//   K              Tools' Ok on the background colour 10,20,30
//   Z, Y           undo, redo
Uitkomst Speel(const QString& stappen)
{
    BeginWaarden();
    Tekenvlak bord = NieuwBord();
    Werkblad werk(bord);
    for (const QString& stap : stappen.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList deel = stap.mid(1).split(u':');
        const int i = deel[0].toInt();
        switch (stap[0].unicode()) {
        case 'N':
            werk.Wijzig(stap, [&] { werk.NieuwePuzzel(deel[1]); });
            break;
        case 'R':
            werk.Wijzig(stap, [&] {
                werk.RijOpslaan(i, {deel[1], QStringLiteral("over ") + deel[1], BeginXVoor(deel[2].toInt())});
            });
            break;
        case 'W':
            werk.Wijzig(stap, [&] { werk.RijWissen(i); });
            break;
        case 'L': {
            const Uitkomst klok = Speel(QStringLiteral("N:KLOK R1:AKA:2 R3:BOOT:2"));
            const Puzzel p = *PuzzelUitBytes(klok.pzl);
            werk.Wijzig(stap, [&] { werk.Laden(p, klok.bord); });
            break;
        }
        case 'K':
            werk.Wijzig(stap, [&] { werk.Instellen({{10, 20, 30}, KleurZoekWoord, KleurPuzzelWoord, KopTekst, true}); });
            break;
        case 'Z':
            werk.Terug();
            break;
        case 'Y':
            werk.Vooruit();
            break;
        }
    }
    return {PuzzelBytes(HuidigePuzzel()), bord.Beeld, werk.Knoppen};
}

} // namespace

class TestWerkblad : public QObject
{
    Q_OBJECT

private slots:
    // Each list of steps ends as the same puzzle designed straight away.
    void volgorde()
    {
        const struct { const char *stappen, *rechtstreeks; } gevallen[] = {
            {"N:WATER R1:WOLF:1 R2:KAAS:2 R2:PAARD:2", "N:WATER R1:WOLF:1 R2:PAARD:2"},  // a row changed in place
            {"N:WATER R2:KAAS:3 R2:KAAS:2", "N:WATER R2:KAAS:2"},                        // moved along its letters
            {"N:WATER R1:WOLF:1 R3:STER:2 W1 R1:AWOL:2", "N:WATER R3:STER:2 R1:AWOL:2"},  // cleared, filled again
            {"N:WATER R5:BRAK:2 R1:WOLF:1 R3:STER:2", "N:WATER R1:WOLF:1 R3:STER:2 R5:BRAK:2"},
            {"N:WATER R1:WOLF:1 Z Z Y R2:KAAS:2 Z Y", "N:WATER R2:KAAS:2"},
            {"N:WATER R1:WOLF:1 Z R3:STER:2 Y", "N:WATER R3:STER:2"},  // a change after undo drops redo
            {"N:WATER R1:WOLF:1 R2:KAAS:2 W2 Z", "N:WATER R1:WOLF:1 R2:KAAS:2"},
            {"N:WATER R1:WOLF:1 L Z Y", "L"},
            {"L W1", "N:KLOK R3:BOOT:2"},
            {"N:WATER R1:WOLF:1 K Z", "N:WATER R1:WOLF:1"},
            {"Z N:WATER Z Z Y Y", "N:WATER"},  // undo beyond the start
            {"N:WATER R1:WOLF:1 L K Z Z Z Z", ""},
        };
        for (const auto& g : gevallen) {
            QVERIFY2(Speel(QLatin1StringView(g.stappen)) == Speel(QLatin1StringView(g.rechtstreeks)), g.stappen);
        }
    }

    // The background cleared by Tools: the board blank in the new colour, no
    // row with its button; a row stored after it is drawn on the blank board.
    void achtergrond()
    {
        const Uitkomst u = Speel(QStringLiteral("N:WATER R1:WOLF:1 K"));
        QImage leeg(BordBreedte, BordHoogte, QImage::Format_RGB32);
        leeg.fill(QColor(10, 20, 30));
        QVERIFY(u.bord == leeg && u.knoppen == Rijknoppen{});
        QVERIFY(PuzzelUitBytes(u.pzl)->PuzzelWoord[1] == QStringLiteral("WOLF"));
    }
};

QTEST_MAIN(TestWerkblad)
#include "tst_werkblad.moc"
