// Printing: the page through a recording printer, the date line, which paper
// holds a page, the print dialog's fresh state, and the print command with
// its sweep, the blanked and restored board, failures and clicks while it
// runs, and the real PDF read back by pdftotext and pdfimages.
#include "Nepscherm.h"
#include "output/Afdrukken.h"
#include "output/Pagina.h"
#include "output/Papier.h"
#include "output/Toeval.h"
#include "shell/Bouwstenen.h"
#include "shell/Naad.h"

#include <QCheckBox>
#include <QPrinterInfo>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <list>

using namespace Algemeen;

namespace {

// Every call of one print job.
struct Opname {
    struct Regel { QString tekst; QPoint positie; int punten; bool vet; };
    QList<int> Aantallen;
    QList<Regel> Regels;
    QList<std::pair<QImage, QRect>> Plaatjes;
    QList<QRect> Kaders;
    int Einden = 0;
    std::function<bool()> BijEinde;  // the verdict; lets a test look around mid-job
    QString Reden;
};

struct Opnameprinter : Printerlaag {
    explicit Opnameprinter(Opname& o) : o(o) {}
    void ZetAantal(int n) override { o.Aantallen << n; }
    void ZetFont(const QString&, int p, bool v) override { punten = p, vet = v; }
    void ZetKleur(QColor) override {}
    void ZetPositie(int x, int y) override { positie = {x, y}; }
    void Print(const QString& t) override { o.Regels << Opname::Regel{t, positie, punten, vet}; }
    void Plaatje(const QImage& b, QRect d) override { o.Plaatjes.append({b, d}); }
    void Rechthoek(QPoint van, QPoint tot, QColor) override { o.Kaders << QRect(van, tot); }
    bool EindeDocument() override { return ++o.Einden, o.BijEinde ? o.BijEinde() : true; }
    QString Fout() const override { return o.Reden; }
    Opname& o;
    QPoint positie;
    int punten = 0;
    bool vet = false;
};

void Klik(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }

QString Uitvoer(const QString& programma, const QStringList& argumenten)
{
    QProcess p;
    p.start(programma, argumenten);
    return p.waitForFinished(30000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

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
        BeginWaarden();
        scherm->Ontwerp(QStringLiteral("TAFEL"));
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

    // The header, the board at 15 twips a pixel inside its border, the date,
    // the clues from 1 lined up under each other (full stops too), and the
    // answer line after a gap; empty texts still take their line.
    void pagina_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("opties");  // border and date
        QTest::addColumn<bool>("gelukt");
        QTest::newRow("5 rows") << 5 << true << true;
        QTest::newRow("5 rows, no border nor date, failed") << 5 << false << false;
        QTest::newRow("20 rows") << 20 << true << true;
    }
    void pagina()
    {
        QFETCH(int, n);
        QFETCH(bool, opties);
        QFETCH(bool, gelukt);
        Paginagegevens g{QString(), QImage(503, 449, QImage::Format_RGB32), {}, opties, opties, 7, QStringLiteral("datum")};
        g.Bord.fill(Qt::green);
        for (int i = 1; i <= n; ++i)
            g.Omschrijvingen << (i == 3 ? QString() : QStringLiteral("omschrijving %1").arg(i));
        Opname o;
        o.BijEinde = [=] { return gelukt; };
        Opnameprinter p(o);
        QCOMPARE(DrukPagina(p, g), gelukt);
        QVERIFY(o.Aantallen == QList<int>{7} && o.Einden == 1);

        const QList<Opname::Regel>& r = o.Regels;
        QCOMPARE(r.size(), 1 + opties + n + 1);
        QVERIFY(r[0].tekst.isEmpty() && r[0].vet && r[0].punten == 12);
        const QRect bord = o.Plaatjes.value(0).second;
        QVERIFY(o.Plaatjes.value(0).first == g.Bord && bord.size() == g.Bord.size() * 15);
        QVERIFY(r[0].positie.y() < bord.top() && r[0].positie.x() == bord.left() && r[1].positie.y() > bord.bottom());
        QCOMPARE(o.Kaders.size(), int(opties));
        if (opties) {
            QVERIFY(o.Kaders[0].contains(bord.adjusted(-1, -1, 1, 1)) && !o.Kaders[0].contains(bord.adjusted(-99, 0, 0, 0)));
            QCOMPARE(r[1].tekst, QStringLiteral("datum"));
        }
        const QPoint eerste = r[opties + 1].positie;
        const int stap = r[opties + 2].positie.y() - eerste.y();
        QVERIFY(eerste.x() == bord.left() && eerste.y() > r[opties].positie.y() && stap >= 11 * 20);
        for (int i = 1; i <= n; ++i) {
            const Opname::Regel& regel = r[opties + i];
            QCOMPARE(regel.tekst, (i < 10 ? QStringLiteral("  ") : QString()) + QStringLiteral("%1. ").arg(i)
                                      + g.Omschrijvingen[i - 1]);
            QVERIFY(regel.positie == eerste + QPoint(0, stap * (i - 1)) && regel.punten == 11 && !regel.vet);
        }
        QCOMPARE(r.last().tekst, QStringLiteral("Het woord dat gezocht wordt is ") + QString(50, u'.'));
        QVERIFY(r.last().positie.x() == bord.left() && r.last().positie.y() > eerste.y() + stap * (n + 1));
    }

    void datumregel_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("regel");
        QTest::newRow("nl") << "nl_NL" << QDateTime(QDate(2003, 12, 5), QTime(14, 5, 33)) << "14:05:33 / 5-12-2003";
        QTest::newRow("nl morning") << "nl_NL" << QDateTime(QDate(2026, 1, 9), QTime(7, 3, 4)) << "07:03:04 / 9-1-2026";
        QTest::newRow("us") << "en_US" << QDateTime(QDate(2003, 12, 5), QTime(14, 5, 33)) << "2:05:33 PM / 5-12-2003";
    }
    void datumregel()
    {
        QFETCH(QString, locale);
        QFETCH(QDateTime, moment);
        QFETCH(QString, regel);
        QCOMPARE(DatumTijdRegel(moment, QLocale(locale)), regel);
    }

    // Judged for the puzzle's own lowest line: 5 rows fit a Letter sheet
    // whose printable area is 10 inches tall, 20 rows do not.
    void papierPast_data()
    {
        QTest::addColumn<QPageLayout>("layout");
        QTest::addColumn<int>("rijen");
        QTest::addColumn<bool>("past");
        const QMarginsF smal(10, 10, 10, 10);
        const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, smal);
        const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(18, 36, 18, 36));
        QTest::newRow("A4, 20 rows") << a4 << 20 << true;
        QTest::newRow("Letter, 5 rows") << letter << 5 << true;
        QTest::newRow("Letter, 20 rows") << letter << 20 << false;
        QTest::newRow("A4 landscape") << QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, smal) << 5 << false;
        QTest::newRow("A4, wide side margins")
            << QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(100, 10, 100, 10)) << 5 << false;
    }
    void papierPast()
    {
        QFETCH(QPageLayout, layout);
        QFETCH(int, rijen);
        QFETCH(bool, past);
        Paginagegevens g;
        g.Omschrijvingen = QStringList(rijen, QStringLiteral("x"));
        Opname o;
        Opnameprinter p(o);
        DrukPagina(p, g);
        QCOMPARE(PaginaPast(layout.paintRect(QPageLayout::Inch).size() * 1440, o.Regels.last().positie.y()), past);
    }

    // Every opening starts afresh whatever the last one changed, and only
    // the first box prints without the letters; the mock lines continue the
    // program's sequence, the same after every start.
    void dialoog()
    {
        RndOpnieuw();
        Regellengtes eerste;
        {
            Afdrukken eerder(*scherm);
            eerste = eerder.Lengtes();
            eerder.Check1->click();
            eerder.Aantal->setValue(7);
            Klik(eerder.ExitKnop);
            QCOMPARE(eerder.result(), int(QDialog::Accepted));
        }
        QCOMPARE(scherm->InfoBalk, QStringLiteral("Informatie..."));
        QVERIFY(ZonderTekst);
        Afdrukken d(*scherm);
        QVERIFY(!ZonderTekst && d.Check1->isChecked() && d.Aantal->value() == 1 && d.Lengtes() != eerste);
        for (int l : eerste)
            QVERIFY(l >= 200 && l <= 999);
        for (QCheckBox* vakje : {d.Check1, d.Check2, d.Check3}) {
            vakje->click();
            QCOMPARE(ZonderTekst, vakje == d.Check1);
            vakje->click();
            QVERIFY(!ZonderTekst);
        }
        d.Aantal->setValue(2);
        QCOMPARE(d.Label2->text(), QStringLiteral("2 Pagina's"));
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
        QTest::newRow("with the letters") << false << true << false << QString();
        QTest::newRow("without, disturbed") << true << true << true << QString();
        QTest::newRow("without, failed") << true << false << false << QStringLiteral("Papier op.");
        QTest::newRow("declined") << true << false << false << QString();
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
        bool zandloper = false;
        bijEinde = [&] {
            tijdens = bord.Beeld();
            opnames.back().Reden = reden;
            return gelukt;
        };
        Afdrukken d(*scherm);
        d.show();
        if (zonderTekst)
            d.Check1->click();
        d.Aantal->setValue(3);
        d.Check3->click();  // without the date
        QTimer kijk;  // looks on while the command waits
        connect(&kijk, &QTimer::timeout, [&] {
            zandloper = zandloper || (d.Line1->isVisible() && QApplication::overrideCursor()->shape() == Qt::WaitCursor);
        });
        kijk.start(0);
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

        QVERIFY(zandloper && gestoord == storen && d.Line1->isHidden() && !QApplication::overrideCursor());
        QCOMPARE(opnames.size(), 1u);
        const Opname& o = opnames.back();
        QCOMPARE(o.Plaatjes[0].first, tijdens);
        QCOMPARE(tijdens == voor, !zonderTekst);
        QCOMPARE(bord.Beeld(), voor);
        QCOMPARE(ZonderTekst, zonderTekst != storen);
        QVERIFY(o.Aantallen == QList<int>{3} && o.Kaders.size() == 1 && !o.Regels[1].tekst.contains(u'/'));
        QCOMPARE(meldingen, reden.isEmpty() ? QStringList{} : QStringList{QStringLiteral("Er is niets afgedrukt.\r\n") + reden});
        // Afterwards the dialog answers again; closing it is no Exit.
        QVERIFY(d.isVisible());
        Klik(d.OkKnop);
        QCOMPARE(opnames.size(), 2u);
        d.reject();
        QVERIFY(!d.isVisible());
        QCOMPARE(scherm->InfoBalk, QStringLiteral("Informatie"));
    }

    // Without a printer: the file named when it cannot be written; else a
    // page per copy, in points from the printable area, the board stored
    // losslessly in whole blocks.
    void pdf()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a printer; the page would go there");
        Naad.Printer = {};
        scherm->Ontwerp(QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
        Afdrukken d(*scherm);
        Naad.Programmamap = QStringLiteral("/nonexistent/wendolo");
        Klik(d.OkKnop);
        QCOMPARE(meldingen, QStringList{QStringLiteral("Er is niets afgedrukt.\r\n"
                                                       "Het bestand /nonexistent/wendolo/wendolo.pdf kan niet worden geschreven.")});
        meldingen.clear();
        QTemporaryDir map;
        Naad.Programmamap = map.path();
        d.Aantal->setValue(2);
        Klik(d.OkKnop);
        QVERIFY2(meldingen.isEmpty(), qPrintable(meldingen.join(u'\n')));
        const QString uit = map.filePath(QStringLiteral("wendolo.pdf"));
        const QString html = Uitvoer(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), uit, QStringLiteral("-")});
        QCOMPARE(html.count(QStringLiteral("<page ")), 2);
        // The answer line of 20 rows at 14700 twips: 745 pt down, 10 pt inside the sheet.
        const auto het = QRegularExpression(QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>Het<)re")).match(html);
        QVERIFY2(qAbs(het.captured(1).toDouble() - 40) < 1.5 && qAbs(het.captured(2).toDouble() - 745) < 1.5,
                 qPrintable(het.captured(0)));
        const QStringList plaatje = Uitvoer(QStringLiteral("pdfimages"), {"-list", "-f", "1", "-l", "1", uit})
                                        .section(u'\n', 2, 2).simplified().split(u' ');
        const int k = plaatje.value(3).toInt() / 503;
        QVERIFY2(k > 1 && plaatje.mid(3, 2) == QStringList({QString::number(503 * k), QString::number(449 * k)})
                     && plaatje.value(8) == QStringLiteral("image"), qPrintable(plaatje.join(u' ')));
    }
};

QTEST_MAIN(TestAfdrukken)
#include "tst_afdrukken.moc"
