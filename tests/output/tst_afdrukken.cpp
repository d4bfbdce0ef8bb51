// The print dialog: controls, a fresh state on every opening, the miniature,
// and the print command with its sweep, the blanked and restored board,
// failures, clicks while it runs, and the real PDF read back by pdftotext.
#include "Nepscherm.h"
#include "Opnameprinter.h"
#include "output/Afdrukken.h"
#include "output/Papier.h"
#include "output/Toeval.h"
#include "shell/Bouwstenen.h"
#include "shell/Naad.h"
#include "shell/Meldingen.h"
#include "shell/Pauze.h"
#include "shell/Programmamap.h"

#include <QCheckBox>
#include <QLabel>
#include <QPrinterInfo>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <list>

using namespace Algemeen;

namespace {

void ZetPuzzel(Pic& bord, const QString& woord)
{
    BeginWaarden();
    ZoekWoord = woord;
    bord.LeegBord();
    bord.TekenZoekWoord(woord);
    for (int i = 1; i <= woord.size(); ++i) {
        PuzzelWoord[i] = QStringLiteral("W") + woord[i - 1] + QStringLiteral("ORD");
        BeginX[i] = BeginXVoor(2);
        Omschrijving[i] = QStringLiteral("omschrijving %1").arg(i);
        bord.TekenRij(i);
    }
}

void Klik(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }

// What a tool prints about a file.
QString Uitvoer(const QString& programma, const QStringList& argumenten)
{
    QProcess p;
    p.start(programma, argumenten);
    return p.waitForFinished(30000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

// Each word's first top-left on page 1 of a PDF, in points; the pages counted.
QHash<QString, QPointF> Woorden(const QString& pdf, int* paginas)
{
    const QString html = Uitvoer(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    *paginas = html.count(QStringLiteral("<page "));
    static const QRegularExpression re(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re"));
    QHash<QString, QPointF> woorden;
    for (auto m = re.globalMatch(html.section(QStringLiteral("</page>"), 0, 0)); m.hasNext();) {
        const auto w = m.next();
        if (!woorden.contains(w.captured(3)))
            woorden.insert(w.captured(3), QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()));
    }
    return woorden;
}

// Calls back on every move of the widget it filters.
struct Volger : QObject {
    std::function<void()> f;
    bool eventFilter(QObject*, QEvent* e) override
    {
        // Showing delivers a pending move to where the line lies.
        if (e->type() == QEvent::Move && static_cast<QMoveEvent*>(e)->pos() != static_cast<QMoveEvent*>(e)->oldPos())
            f();
        return false;
    }
};

} // namespace

class TestAfdrukken : public QObject
{
    Q_OBJECT

    std::unique_ptr<Nepscherm> scherm;
    QStringList meldingen;
    std::list<Opname> opnames;  // one per print job
    std::function<bool()> bijEinde;

private slots:
    void init()
    {
        Naad.PauzeFactor = 0;
        scherm = std::make_unique<Nepscherm>();
        ZetPuzzel(scherm->Bord(), QStringLiteral("TAFEL"));
        meldingen.clear();
        Naad.Melding = [this](const Meldingen::Melding& m) {
            meldingen << m.tekst;
            return Meldingen::Antwoord::Ok;
        };
        opnames.clear();
        bijEinde = nullptr;
        Naad.Printer = [this] {
            Opname& o = opnames.emplace_back();
            o.BijEinde = bijEinde;
            return std::unique_ptr<Printerlaag>(std::make_unique<Opnameprinter>(o));
        };
    }

    void cleanup()
    {
        Naad = {};
        scherm.reset();
    }

    // An opening after one that changed everything and left by Exit: the
    // layout, a fresh state, and controls that relabel on every change.
    void dialoog()
    {
        {
            Afdrukken eerder(*scherm);
            eerder.Check1->click();
            eerder.Check2->click();
            eerder.Aantal->setValue(7);
            Klik(eerder.ExitKnop);
            QCOMPARE(eerder.result(), int(QDialog::Accepted));
        }
        QCOMPARE(scherm->InfoBalk, QStringLiteral("Informatie..."));
        QVERIFY(ZonderTekst);
        Afdrukken d(*scherm);
        QVERIFY(!ZonderTekst);
        QCOMPARE(d.windowTitle(), QStringLiteral(" Afdrukken"));
        QCOMPARE(d.size(), QSize(312, 192));
        QCOMPARE(d.Frame1->geometry(), QRect(4, -2, 307, 194));
        QCOMPARE(d.Picture1->geometry(), QRect(12, 18, 100, 131));
        QCOMPARE(d.Image1->geometry(), QRect(6, 8, 55, 55));
        QCOMPARE(d.Aantal->geometry(), QRect(14, 164, 59, 17));
        QCOMPARE(d.Label1->geometry(), QRect(12, 162, 63, 21));
        QCOMPARE(d.Check1->pos(), QPoint(130, 20));
        QCOMPARE(d.Label5->pos(), QPoint(150, 66));
        QCOMPARE(d.OkKnop->geometry(), QRect(204, 154, 40, 30));
        QCOMPARE(d.ExitKnop->geometry(), QRect(254, 154, 40, 30));
        QCOMPARE(d.Label6->text(), QStringLiteral("Print"));
        QVERIFY(d.Line1->isHidden());

        QCOMPARE(d.Label2->text(), QStringLiteral("1 Pagina"));
        using S = QAbstractSlider;
        const std::tuple<S::SliderAction, int, QString> stappen[] = {
            {S::SliderSingleStepAdd, 2, "2 Pagina's"}, {S::SliderPageStepAdd, 5, "5 Pagina's"},
            {S::SliderSingleStepSub, 4, "4 Pagina's"}, {S::SliderToMaximum, 20, "20 Pagina's"},
            {S::SliderPageStepAdd, 20, "20 Pagina's"}, {S::SliderToMinimum, 1, "1 Pagina"},
            {S::SliderSingleStepSub, 1, "1 Pagina"}};
        for (const auto& [stap, waarde, tekst] : stappen) {
            d.Aantal->triggerAction(stap);
            QCOMPARE(d.Aantal->value(), waarde);
            QCOMPARE(d.Label2->text(), tekst);
        }
        // Only the first box sets ZonderTekst.
        const std::tuple<QCheckBox*, QLabel*, QString, QString> vakjes[] = {
            {d.Check1, d.Label3, "Puzzel afdrukken met tekst", "Puzzel afdrukken zonder tekst"},
            {d.Check2, d.Label4, "Met border om puzzel", "Zonder border om puzzel"},
            {d.Check3, d.Label5, "Met datum en tijd afdrukken", "Zonder datum en tijd afdrukken"}};
        for (const auto& [vakje, label, met, zonder] : vakjes) {
            QCOMPARE(label->text(), met);
            vakje->click();
            QCOMPARE(label->text(), zonder);
            QCOMPARE(ZonderTekst, vakje == d.Check1);
            vakje->click();
            QCOMPARE(label->text(), met);
            QVERIFY(!ZonderTekst);
        }
    }

    // The mock lines continue the program's sequence, the same after every start.
    void miniatuur()
    {
        RndOpnieuw();
        Regellengtes eerste;
        {
            Afdrukken d(*scherm);
            eerste = d.Lengtes();
            for (int l : eerste)
                QVERIFY(l >= 200 && l <= 999);
            // A mock line ends where its length says.
            const QImage vel = d.Picture1->pixmap().toImage();
            const int x = eerste[0] / 15, y = 1080 / 15;
            QCOMPARE(vel.pixelColor(x, y), QColor(90, 90, 90));
            QCOMPARE(vel.pixelColor(x + 1, y), QColor(224, 224, 224));
        }
        QVERIFY(Afdrukken(*scherm).Lengtes() != eerste);
        RndOpnieuw();
        QCOMPARE(Afdrukken(*scherm).Lengtes(), eerste);
    }

    // With "storen", clicks arrive during the animation and the sweep: no
    // second job, the dialog stays, and the letters come back as the OK click
    // found them.
    void afdrukken_data()
    {
        QTest::addColumn<bool>("zonderTekst");
        QTest::addColumn<bool>("gelukt");
        QTest::addColumn<bool>("storen");
        QTest::addColumn<QString>("reden");  // empty: the maker declined, already told
        QTest::newRow("met tekst") << false << true << false << QString();
        QTest::newRow("zonder tekst, storen") << true << true << true << QString();
        QTest::newRow("zonder tekst, mislukt") << true << false << false << QStringLiteral("Papier op.");
        QTest::newRow("afgezien") << true << false << false << QString();
    }
    void afdrukken()
    {
        QFETCH(bool, zonderTekst);
        QFETCH(bool, gelukt);
        QFETCH(bool, storen);
        QFETCH(QString, reden);
        Pic& bord = scherm->Bord();
        const QImage voor = bord.Beeld();
        QImage tijdens;
        bijEinde = [&] {
            tijdens = bord.Beeld();
            opnames.back().Reden = reden;
            return gelukt;
        };
        Afdrukken d(*scherm);
        d.show();
        // The sweep: a 95 x 2 line from y -1 down to 129 under the wait cursor.
        QList<int> ys;
        bool zandloper = true;
        Volger volger;
        volger.f = [&] {
            ys << d.Line1->y();
            zandloper = zandloper && d.Line1->isVisible() && d.Line1->size() == QSize(95, 2)
                && QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        };
        d.Line1->installEventFilter(&volger);
        if (zonderTekst)
            d.Check1->click();
        d.Check3->click();
        d.Aantal->setValue(3);
        bool gestoord = false;
        if (storen)
            QTimer::singleShot(0, &d, [&] {
                Klik(d.OkKnop);
                Klik(d.ExitKnop);
                d.Check1->click();
                d.reject();
                gestoord = true;
            });
        Klik(d.OkKnop);

        QCOMPARE(gestoord, storen);
        QCOMPARE(ys.size(), 66);
        QCOMPARE(ys.first(), -1);
        QCOMPARE(ys.last(), 1950 / 15 - 1);
        QVERIFY(zandloper);
        QVERIFY(d.Line1->isHidden());
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(opnames.size(), 1u);
        const Opname& o = opnames.back();
        QCOMPARE(o.Plaatjes[0].first, tijdens);
        QCOMPARE(tijdens == voor, !zonderTekst);
        QCOMPARE(bord.Beeld(), voor);
        QCOMPARE(ZonderTekst, zonderTekst != storen);
        QCOMPARE(o.Aantallen, QList<int>{3});
        QVERIFY(!o.Op({6150, 8040}));
        QCOMPARE(o.Op({600, 8700})->tekst, QStringLiteral("  1. omschrijving 1"));
        QCOMPARE(meldingen, reden.isEmpty() ? QStringList{}
                                            : QStringList{QStringLiteral("Er is niets afgedrukt.\r\n") + reden});
        QVERIFY(d.isVisible());
        // Afterwards the dialog answers again; closing it is no Exit.
        Klik(d.OkKnop);
        QCOMPARE(opnames.size(), 2u);
        d.reject();
        QVERIFY(!d.isVisible());
        QCOMPARE(scherm->InfoBalk, QStringLiteral("Informatie"));
    }

    void pdf()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a printer; the page would go there");
        Naad.Printer = {};
        ZetPuzzel(scherm->Bord(), QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
        KopTekst = QStringLiteral("Kopregel");
        const QImage voor = scherm->Bord().Beeld();
        Afdrukken d(*scherm);
        d.Check1->click();
        Naad.Programmamap = QStringLiteral("/nonexistent/wendolo");
        Klik(d.OkKnop);
        QCOMPARE(meldingen, QStringList{QStringLiteral("Er is niets afgedrukt.\r\n"
                                                       "Het bestand /nonexistent/wendolo/wendolo.pdf kan niet worden geschreven.")});
        QCOMPARE(scherm->Bord().Beeld(), voor);

        meldingen.clear();
        QTemporaryDir map;
        Naad.Programmamap = map.path();
        d.Aantal->setValue(2);
        Klik(d.OkKnop);
        QVERIFY2(meldingen.isEmpty(), qPrintable(meldingen.join(u'\n')));
        int paginas = 0;
        const auto woorden = Woorden(map.filePath(QStringLiteral("wendolo.pdf")), &paginas);
        QCOMPARE(paginas, 2);
        // Twips / 20 = points, from the printable area 10 pt inside the sheet.
        const std::pair<const char*, QPoint> verwacht[] = {
            {"Kopregel", {600, 450}}, {"12.", {600, 8700 + 270 * 11}}, {"Het", {600, 14700}}};
        for (const auto& [tekst, twips] : verwacht) {
            const QPointF p = woorden.value(QLatin1StringView(tekst), QPointF(-1, -1));
            const QPointF doel = QPointF(10, 10) + QPointF(twips) / 20;
            QVERIFY2(qAbs(p.x() - doel.x()) < 1.5 && qAbs(p.y() - doel.y()) < 1.5,
                     qPrintable(QStringLiteral("%1 at %2 %3").arg(QLatin1StringView(tekst)).arg(p.x()).arg(p.y())));
        }
        // The board stored losslessly, every pixel a whole block of pixels.
        const QString uit = map.filePath(QStringLiteral("wendolo.pdf"));
        const QStringList plaatje = Uitvoer(QStringLiteral("pdfimages"), {"-list", "-f", "1", "-l", "1", uit})
                                        .section(u'\n', 2, 2).simplified().split(u' ');
        const int k = plaatje.value(3).toInt() / 503;
        QVERIFY2(k > 1 && plaatje.mid(3, 2) == QStringList({QString::number(503 * k), QString::number(449 * k)})
                     && plaatje.value(8) == QStringLiteral("image"), qPrintable(plaatje.join(u' ')));
    }

    // Judged for the puzzle's own lowest line: 5 rows fit a Letter sheet
    // whose printable area is 10 inches tall, 20 rows do not.
    void papierPast_data()
    {
        QTest::addColumn<QPageLayout>("layout");
        QTest::addColumn<int>("laagsteRegel");
        QTest::addColumn<bool>("past");
        const QMarginsF smal(10, 10, 10, 10);
        const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, smal);
        const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(18, 36, 18, 36));
        QTest::newRow("A4, 20 rijen") << a4 << 14700 << true;
        QTest::newRow("Letter, 5 rijen") << letter << 10650 << true;
        QTest::newRow("Letter, 20 rijen") << letter << 14700 << false;
        QTest::newRow("A4 liggend") << QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, smal) << 10650 << false;
        QTest::newRow("A4 brede zijmarges")
            << QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(100, 10, 100, 10)) << 10650 << false;
    }
    void papierPast()
    {
        QFETCH(QPageLayout, layout);
        QFETCH(int, laagsteRegel);
        QFETCH(bool, past);
        QCOMPARE(PaginaPast(layout.paintRect(QPageLayout::Inch).size() * 1440, laagsteRegel), past);
    }
};

QTEST_MAIN(TestAfdrukken)
#include "tst_afdrukken.moc"
