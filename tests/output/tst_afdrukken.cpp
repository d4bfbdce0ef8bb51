// The print dialog: its controls and texts, a fresh state on every opening,
// the miniature, and the print command with the sweep, the blanked and
// restored board, failures and clicks that arrive while it runs. One page
// goes through the real PDF fallback and is read back with pdftotext.
#include "Nepscherm.h"
#include "Opnameprinter.h"
#include "output/Afdrukken.h"
#include "output/Papier.h"
#include "output/Toeval.h"
#include "shell/Bouwstenen.h"
#include "shell/Meldingen.h"
#include "shell/Pauze.h"

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

// Words of a pdftotext -bbox page: text and top-left in points.
struct Woord {
    QString tekst;
    QPointF plaats;
};

QList<Woord> Woorden(const QString& pdf, int* paginas)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000))
        return {};
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    *paginas = html.count(QStringLiteral("<page "));
    QList<Woord> woorden;
    static const QRegularExpression re(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re"));
    // The first page only; the copies are counted above.
    const QString eerste = html.section(QStringLiteral("</page>"), 0, 0);
    for (auto m = re.globalMatch(eerste); m.hasNext();) {
        const auto w = m.next();
        woorden << Woord{w.captured(3), QPointF(w.captured(1).toDouble(), w.captured(2).toDouble())};
    }
    return woorden;
}

} // namespace

class TestAfdrukken : public QObject
{
    Q_OBJECT

    std::unique_ptr<Nepscherm> scherm;
    QStringList meldingen;
    std::list<Opnameprinter> opnames;
    Opnameprinter* laatste = nullptr;
    int opdrachten = 0;
    std::function<bool()> bijEinde;

private slots:
    void initTestCase() { ZetPauzeFactor(0); }

    void init()
    {
        scherm = std::make_unique<Nepscherm>();
        ZetPuzzel(scherm->Bord(), QStringLiteral("TAFEL"));
        meldingen.clear();
        Meldingen::ZetScript(
            [this](const Meldingen::Melding& m) {
                meldingen << m.tekst;
                return Meldingen::Antwoord::Ok;
            },
            {});
        opdrachten = 0;
        opnames.clear();
        bijEinde = nullptr;
        Afdrukken::ZetPrinter([this] {
            laatste = &opnames.emplace_back();
            laatste->BijEinde = bijEinde;
            laatste->Reden = QStringLiteral("Papier op.");
            ++opdrachten;
            return std::make_unique<Doorgever>(*laatste);
        });
    }

    void cleanup()
    {
        Afdrukken::ZetPrinter({});
        Meldingen::ZetScript({}, {});
        ZetProgrammamap({});
        scherm.reset();
    }

    void opbouw()
    {
        Afdrukken d(*scherm);
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
        QCOMPARE(d.Aantal->minimum(), 1);
        QCOMPARE(d.Aantal->maximum(), 20);
        QVERIFY(d.Line1->isHidden());
    }

    void aantal_data()
    {
        QTest::addColumn<QList<int>>("stappen");
        QTest::addColumn<int>("waarde");
        QTest::addColumn<QString>("tekst");
        const int pijl = QAbstractSlider::SliderSingleStepAdd;
        const int terug = QAbstractSlider::SliderSingleStepSub;
        const int blad = QAbstractSlider::SliderPageStepAdd;
        QTest::newRow("begin") << QList<int>{} << 1 << "1 Pagina";
        QTest::newRow("pijl") << QList<int>{pijl} << 2 << "2 Pagina's";
        QTest::newRow("blad") << QList<int>{blad} << 4 << "4 Pagina's";
        QTest::newRow("terug op 1") << QList<int>{pijl, terug} << 1 << "1 Pagina";
        QTest::newRow("tot 20") << QList<int>(8, blad) << 20 << "20 Pagina's";
    }
    void aantal()
    {
        QFETCH(QList<int>, stappen);
        QFETCH(int, waarde);
        QFETCH(QString, tekst);
        Afdrukken d(*scherm);
        for (int s : stappen)
            d.Aantal->triggerAction(QAbstractSlider::SliderAction(s));
        QCOMPARE(d.Aantal->value(), waarde);
        QCOMPARE(d.Label2->text(), tekst);
    }

    void vakjes_data()
    {
        QTest::addColumn<int>("vakje");
        QTest::addColumn<QString>("met");
        QTest::addColumn<QString>("zonder");
        QTest::newRow("tekst") << 1 << "Puzzel afdrukken met tekst" << "Puzzel afdrukken zonder tekst";
        QTest::newRow("border") << 2 << "Met border om puzzel" << "Zonder border om puzzel";
        QTest::newRow("datum") << 3 << "Met datum en tijd afdrukken" << "Zonder datum en tijd afdrukken";
    }
    void vakjes()
    {
        QFETCH(int, vakje);
        QFETCH(QString, met);
        QFETCH(QString, zonder);
        Afdrukken d(*scherm);
        QCheckBox* c = (QCheckBox*[]){d.Check1, d.Check2, d.Check3}[vakje - 1];
        QLabel* l = (QLabel*[]){d.Label3, d.Label4, d.Label5}[vakje - 1];
        QCOMPARE(l->text(), met);
        c->click();
        QCOMPARE(l->text(), zonder);
        QCOMPARE(ZonderTekst, vakje == 1);
        c->click();
        QCOMPARE(l->text(), met);
        QVERIFY(!ZonderTekst);
    }

    void elkeOpeningFris()
    {
        {
            Afdrukken d(*scherm);
            d.Check1->click();
            d.Check2->click();
            d.Aantal->setValue(7);
            Klik(d.ExitKnop);
            QCOMPARE(d.result(), int(QDialog::Accepted));
        }
        QCOMPARE(scherm->InfoBalk, QStringLiteral("Informatie..."));
        QVERIFY(ZonderTekst);
        Afdrukken d(*scherm);
        QVERIFY(!ZonderTekst);
        QVERIFY(d.Check1->isChecked() && d.Check2->isChecked() && d.Check3->isChecked());
        QCOMPARE(d.Label3->text(), QStringLiteral("Puzzel afdrukken met tekst"));
        QCOMPARE(d.Aantal->value(), 1);
        QCOMPARE(d.Label2->text(), QStringLiteral("1 Pagina"));
    }

    void miniatuur()
    {
        RndOpnieuw();
        Regellengtes eerste, tweede;
        {
            Afdrukken d(*scherm);
            eerste = d.Lengtes();
            // A mock line ends where its length says.
            const QImage vel = d.Picture1->pixmap().toImage();
            const int x = eerste[0] / 15, y = 1080 / 15;
            QCOMPARE(vel.pixelColor(x, y), QColor(90, 90, 90));
            QCOMPARE(vel.pixelColor(x + 1, y), QColor(224, 224, 224));
        }
        {
            Afdrukken d(*scherm);
            tweede = d.Lengtes();
        }
        QVERIFY(eerste != tweede);
        // As after a new program start.
        RndOpnieuw();
        Afdrukken d(*scherm);
        QCOMPARE(d.Lengtes(), eerste);
    }

    void sluitenZonderExit()
    {
        Afdrukken d(*scherm);
        d.show();
        d.reject();
        QVERIFY(!d.isVisible());
        QCOMPARE(scherm->InfoBalk, QStringLiteral("Informatie"));
    }

    void scannen()
    {
        Afdrukken d(*scherm);
        d.show();
        QList<int> ys;
        bool zandloper = true;
        struct Volger : QObject {
            std::function<void()> f;
            bool eventFilter(QObject*, QEvent* e) override
            {
                // Showing delivers a pending move to where the line lies.
                if (e->type() == QEvent::Move && static_cast<QMoveEvent*>(e)->pos() != static_cast<QMoveEvent*>(e)->oldPos())
                    f();
                return false;
            }
        } volger;
        volger.f = [&] {
            ys << d.Line1->y();
            zandloper = zandloper && d.Line1->isVisible() && QApplication::overrideCursor()
                && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            QCOMPARE(d.Line1->geometry().size(), QSize(95, 2));
        };
        d.Line1->installEventFilter(&volger);
        d.Scannen();
        QCOMPARE(ys.size(), 66);
        QCOMPARE(ys.first(), -1);
        QCOMPARE(ys.last(), 1950 / 15 - 1);
        QVERIFY(zandloper);
        QVERIFY(d.Line1->isHidden());
        QVERIFY(!QApplication::overrideCursor());
    }

    void afdrukken_data()
    {
        QTest::addColumn<bool>("zonderTekst");
        QTest::addColumn<bool>("gelukt");
        QTest::newRow("met tekst") << false << true;
        QTest::newRow("zonder tekst") << true << true;
        QTest::newRow("zonder tekst, mislukt") << true << false;
        QTest::newRow("met tekst, mislukt") << false << false;
    }
    void afdrukken()
    {
        QFETCH(bool, zonderTekst);
        QFETCH(bool, gelukt);
        Pic& bord = scherm->Bord();
        const QImage voor = bord.Beeld();
        QImage tijdens;
        bijEinde = [&] {
            tijdens = bord.Beeld();
            return gelukt;
        };
        Afdrukken d(*scherm);
        d.show();
        if (zonderTekst)
            d.Check1->click();
        d.Check3->click();
        d.Aantal->setValue(3);
        Klik(d.OkKnop);

        QCOMPARE(opdrachten, 1);
        QCOMPARE(laatste->Plaatjes[0].beeld, tijdens);
        QCOMPARE(tijdens == voor, !zonderTekst);
        QCOMPARE(bord.Beeld(), voor);
        QCOMPARE(laatste->Aantallen, QList<int>{3});
        QVERIFY(!laatste->Op({6150, 8040}));
        QCOMPARE(laatste->Op({600, 8700})->tekst, QStringLiteral("  1. omschrijving 1"));
        QCOMPARE(meldingen, gelukt ? QStringList{}
                                   : QStringList{QStringLiteral("Het afdrukken is mislukt.\r\nPapier op.")});
        QVERIFY(d.isVisible());
    }

    // Clicks that arrive during the animation and the sweep: no second job,
    // the dialog stays, and the letters come back as the click found them.
    void klikkenTijdensOpdracht()
    {
        Pic& bord = scherm->Bord();
        const QImage voor = bord.Beeld();
        Afdrukken d(*scherm);
        d.show();
        d.Check1->click();
        bool gedaan = false;
        QTimer::singleShot(0, &d, [&] {
            Klik(d.OkKnop);
            Klik(d.ExitKnop);
            d.Check1->click();
            d.reject();
            gedaan = true;
        });
        Klik(d.OkKnop);
        QVERIFY(gedaan);
        QCOMPARE(opdrachten, 1);
        QVERIFY(d.isVisible());
        QCOMPARE(scherm->InfoBalk, QStringLiteral("Informatie"));
        QVERIFY(!ZonderTekst);
        QVERIFY(laatste->Plaatjes[0].beeld != voor);
        QCOMPARE(bord.Beeld(), voor);
        // Afterwards the dialog answers again.
        Klik(d.OkKnop);
        QCOMPARE(opdrachten, 2);
    }

    void pdf()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a printer; the page would go there");
        QTemporaryDir map;
        ZetProgrammamap(map.path());
        Afdrukken::ZetPrinter({});
        ZetPuzzel(scherm->Bord(), QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
        KopTekst = QStringLiteral("Kopregel");
        Afdrukken d(*scherm);
        d.Aantal->setValue(2);
        Klik(d.OkKnop);
        QVERIFY2(meldingen.isEmpty(), qPrintable(meldingen.join(u'\n')));

        int paginas = 0;
        const QList<Woord> woorden = Woorden(map.filePath(QStringLiteral("wendolo.pdf")), &paginas);
        QCOMPARE(paginas, 2);
        // Twips / 20 = points, from the printable area 10 pt inside the sheet.
        auto waar = [&](const QString& tekst, int n = 0) {
            for (const Woord& w : woorden)
                if (w.tekst == tekst && n-- == 0)
                    return w.plaats;
            return QPointF(-1, -1);
        };
        auto bij = [](QPointF a, QPointF b) { return qAbs(a.x() - b.x()) < 1.5 && qAbs(a.y() - b.y()) < 1.5; };
        const QPointF kop = waar(QStringLiteral("Kopregel"));
        QVERIFY2(bij(kop, {10 + 600 / 20.0, 10 + 450 / 20.0}), qPrintable(QStringLiteral("%1 %2").arg(kop.x()).arg(kop.y())));
        const QPointF regel = waar(QStringLiteral("12."));
        QVERIFY2(bij(regel, {10 + 600 / 20.0, 10 + (8700 + 270 * 11) / 20.0}),
                 qPrintable(QStringLiteral("%1 %2").arg(regel.x()).arg(regel.y())));
        const QPointF antwoord = waar(QStringLiteral("Het"));
        QVERIFY2(bij(antwoord, {10 + 600 / 20.0, 10 + 14700 / 20.0}),
                 qPrintable(QStringLiteral("%1 %2").arg(antwoord.x()).arg(antwoord.y())));
    }

    void papierPast_data()
    {
        QTest::addColumn<QPageLayout>("layout");
        QTest::addColumn<bool>("past");
        const QMarginsF smal(10, 10, 10, 10);
        QTest::newRow("A4") << QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, smal) << true;
        QTest::newRow("Letter") << QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(18, 18, 18, 18)) << true;
        QTest::newRow("A4 liggend") << QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, smal) << false;
        QTest::newRow("A5") << QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Portrait, smal) << false;
        QTest::newRow("A4 brede marges") << QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(72, 72, 72, 72)) << false;
    }
    void papierPast()
    {
        QFETCH(QPageLayout, layout);
        QFETCH(bool, past);
        QCOMPARE(PaginaPast(layout.paintRect(QPageLayout::Inch).size() * 1440), past);
    }

    void pdfNietTeSchrijven()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a printer; the page would go there");
        ZetProgrammamap(QStringLiteral("/nonexistent/wendolo"));
        Afdrukken::ZetPrinter({});
        Pic& bord = scherm->Bord();
        const QImage voor = bord.Beeld();
        Afdrukken d(*scherm);
        d.Check1->click();
        Klik(d.OkKnop);
        QCOMPARE(meldingen, QStringList{QStringLiteral("Het afdrukken is mislukt.\r\n"
                                                       "Het bestand /nonexistent/wendolo/wendolo.pdf kan niet worden geschreven.")});
        QCOMPARE(bord.Beeld(), voor);
    }
};

QTEST_MAIN(TestAfdrukken)
#include "tst_afdrukken.moc"
