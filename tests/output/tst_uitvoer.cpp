// Printing through a recording printer and to PDF; the exported files and
// pages, read back the way other programs read them.
#include "Nepscherm.h"
#include "output/Afbeelding.h"
#include "output/Afdrukken.h"
#include "output/Bordbestanden.h"
#include "output/Exporteren.h"
#include "output/Oplospagina.h"
#include "output/Pagina.h"
#include "output/Papier.h"
#include "shell/Bouwstenen.h"
#include "shell/Meldingen.h"
#include "shell/Pauze.h"
#include "shell/Programmamap.h"
#include "storage/Puzzelbestand.h"

#include <QCheckBox>
#include <QDir>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <list>
#include <sys/socket.h>
#include <sys/un.h>

using namespace Algemeen;

namespace {

// Every call of one print job.
struct Opname {
    struct Regel { QString tekst; QPoint positie; };
    QList<int> Aantallen;
    QList<Regel> Regels;
    QList<std::pair<Bordtekening, QRect>> Borden;
    int Paginas = 1;
    QList<QRect> Kaders;
    std::function<bool()> BijEinde;  // the verdict; lets a test look around mid-job
    QString Reden;
    Printerlaag::Papieroordeel Oordeel;  // and whether its other paper was taken:
    bool Ander = false;
};

struct Opnameprinter : Printerlaag {
    explicit Opnameprinter(Opname& o) : o(o) {}
    void ZetAantal(int n) override { o.Aantallen << n; }
    void NieuwePagina() override { ++o.Paginas; }
    void ZetFont(const QString&, int, bool) override {}
    void ZetKleur(QColor) override {}
    void ZetPositie(int x, int y) override { positie = {x, y}; }
    void Print(const QString& t) override { o.Regels << Opname::Regel{t, positie}; }
    void Bord(const Bordtekening& b, QRect d) override { o.Borden.append({b, d}); }
    void Rechthoek(QPoint van, QPoint tot, QColor) override { o.Kaders << QRect(van, tot); }
    bool EindeDocument() override { return o.BijEinde ? o.BijEinde() : true; }
    QString Fout() const override { return o.Reden; }
    Papieroordeel AnderPapier() const override { return o.Oordeel; }
    void NeemAnderPapier() override { o.Ander = true; }
    Opname& o;
    QPoint positie;
};

void Klik(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }

// What another program prints, or "mislukt".
QString Uit(const QString& programma, const QStringList& args)
{
    QProcess p;
    p.start(programma, args);
    return p.waitForFinished(30000) && p.exitCode() == 0 ? QString::fromUtf8(p.readAllStandardOutput())
                                                         : QStringLiteral("mislukt");
}

const QRegularExpression TweePaginas(QStringLiteral("Pages:\\s+2\n"));

} // namespace

class TestUitvoer : public QObject
{
    Q_OBJECT

    std::unique_ptr<Nepscherm> scherm;
    std::unique_ptr<QTemporaryDir> map;  // the program folder
    QStringList meldingen;
    std::list<Opname> opnames;  // one per print job
    std::function<bool()> bijEinde;
    Meldingen::Antwoord antwoord = Meldingen::Antwoord::Ok;
    const Printermaker opnemer = [this](const QString&, const QString&) {
        Opname& o = opnames.emplace_back();
        o.BijEinde = bijEinde;
        return std::unique_ptr<Printerlaag>(std::make_unique<Opnameprinter>(o));
    };

private slots:
    void init()
    {
        PauzesMaal(0);
        map = std::make_unique<QTemporaryDir>();
        AllesIn(map->path());
        scherm = std::make_unique<Nepscherm>();
        BeginWaarden();
        scherm->Ontwerp(QStringLiteral("TAFEL"));
        meldingen.clear();
        Meldingen::BeantwoordMeldingen([this](const Meldingen::Melding& m) {
            meldingen << m.tekst;
            return antwoord;
        });
        opnames.clear();
        bijEinde = nullptr;
    }
    void cleanup()
    {
        GewoneOmgeving();
        scherm.reset();
    }

    // The board at 15 twips a pixel under the header, inside its border; the
    // date; the clues lined up, empty ones too; the answer line after a gap.
    // The answer key repeats the page with its own header, board and answer.
    // The paper is judged for the page's lowest line: 5 rows fit a Letter
    // sheet's 10 printable inches, 20 rows do not; a sheet on its side never.
    void pagina_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("opties");  // border, date, answer key; without them the job fails
        QTest::newRow("20 rows") << 20 << true;
        QTest::newRow("5 rows, no border nor date") << 5 << false;
    }
    void pagina()
    {
        QFETCH(int, n);
        QFETCH(bool, opties);
        Paginagegevens g{QStringLiteral("Kop"), {QImage(), Qt::red, false}, {}, opties, opties, 7, QStringLiteral("datum"),
                         opties, {QImage(), Qt::red, true}, QStringLiteral("tafel")};
        for (int i = 1; i <= n; ++i)
            g.Omschrijvingen << (i == 3 ? QString() : QStringLiteral("omschrijving %1").arg(i));
        Opname o;
        o.BijEinde = [=] { return opties; };
        Opnameprinter p(o);
        QCOMPARE(DrukPagina(p, g), opties);
        QCOMPARE(o.Aantallen, QList<int>{7});

        const QList<Opname::Regel> alle = o.Regels;
        const int perPagina = 1 + opties + n + 1;
        QCOMPARE(alle.size(), perPagina * (1 + opties));
        QCOMPARE(o.Paginas, 1 + opties);
        QCOMPARE(o.Borden.size(), 1 + opties);
        const QList<Opname::Regel> r = alle.mid(0, perPagina);
        const QRect bord = o.Borden.value(0).second;
        QCOMPARE(bord.size(), QSize(503, 449) * 15);
        QVERIFY(!o.Borden[0].first.Letters);
        if (opties) {
            const QList<Opname::Regel> sleutel = alle.mid(perPagina);
            QVERIFY(o.Borden[1].first.Letters && o.Borden[1].second == bord);
            QCOMPARE(sleutel[0].tekst, QStringLiteral("Kop (oplossing)"));
            QCOMPARE(sleutel.last().tekst, QStringLiteral("Het woord dat gezocht wordt is TAFEL"));
            QCOMPARE(sleutel.last().positie, r.last().positie);
        }
        QVERIFY(r[0].positie.y() < bord.top() && r[0].positie.x() == bord.left() && r[1].positie.y() > bord.bottom());
        QCOMPARE(o.Kaders.size(), int(opties) * (1 + opties));
        if (opties) {
            QVERIFY(o.Kaders[0].contains(bord.adjusted(-1, -1, 1, 1)) && !o.Kaders[0].contains(bord.adjusted(-99, 0, 0, 0)));
            QCOMPARE(r[1].tekst, QStringLiteral("datum"));
        }
        const QPoint eerste = r[opties + 1].positie;
        const int stap = r[opties + 2].positie.y() - eerste.y();
        QVERIFY(eerste.x() == bord.left() && eerste.y() > r[opties].positie.y() && stap >= 11 * 20);
        for (int i = 1; i <= n; ++i) {
            const QString nummer = QString(i < 10 ? 2 : 0, u' ') + QStringLiteral("%1. ").arg(i);
            QCOMPARE(r[opties + i].tekst, nummer + g.Omschrijvingen[i - 1]);
            QCOMPARE(r[opties + i].positie, eerste + QPoint(0, stap * (i - 1)));
        }
        QCOMPARE(r.last().tekst, QStringLiteral("Het woord dat gezocht wordt is ") + QString(50, u'.'));
        QVERIFY(r.last().positie.x() == bord.left() && r.last().positie.y() > eerste.y() + stap * (n + 1));
        const auto past = [&](QPageSize::PageSizeId maat, QPageLayout::Orientation richting, qreal marge) {
            const QPageLayout layout(QPageSize(maat), richting, QMarginsF(18, marge, 18, marge));
            return PaginaPast(layout.paintRect(QPageLayout::Inch).size() * 1440, r.last().positie.y());
        };
        QVERIFY(past(QPageSize::A4, QPageLayout::Portrait, 10) && !past(QPageSize::A4, QPageLayout::Landscape, 10));
        QCOMPARE(past(QPageSize::Letter, QPageLayout::Portrait, 36), n == 5);
        // The lowest line counts whole: a sheet that ends one twip above its foot is too short.
        const int voet = r.last().positie.y() + Paginamaat::Regelafstand;
        QVERIFY(PaginaPast(QSizeF(8300, voet + 1), voet - Paginamaat::Regelafstand));
        QVERIFY(!PaginaPast(QSizeF(8300, voet), voet - Paginamaat::Regelafstand));
    }

    // The time in the locale's own form without its zone, then day-month-year.
    // Opened from the keyboard, the dialog shows its first focus, on the copies, and Tab
    // reaches every control in turn; opened by the mouse, it shows none.
    void toetsenbord()
    {
        for (const bool toetsen : {false, true}) {
            scherm->Venster()->setAttribute(Qt::WA_KeyboardFocusChange, toetsen);
            Afdrukken d(scherm->Bord(), scherm->Lijn());
            d.show();
            QVERIFY(QTest::qWaitForWindowActive(&d));
            QCOMPARE(d.testAttribute(Qt::WA_KeyboardFocusChange), toetsen);
            const QWidget* const volgorde[] = {d.Aantal, d.Check1,  d.Check2,   d.Check3, d.Check4,
                                               d.PdfKnop, d.OkKnop, d.ExitKnop, d.Aantal};
            for (const QWidget* volgende : volgorde) {
                QCOMPARE(d.focusWidget(), volgende);
                QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
            }
        }
    }

    void datumregel()
    {
        const QDateTime moment(QDate(2003, 12, 5), QTime(7, 5, 33));
        QCOMPARE(DatumTijdRegel(moment, QLocale(QStringLiteral("nl_NL"))), QStringLiteral("07:05:33 / 5-12-2003"));
        QCOMPARE(DatumTijdRegel(moment, QLocale(QStringLiteral("en_US"))), QStringLiteral("7:05:33 AM / 5-12-2003"));
    }

    // With "storen", clicks arrive during the sweep: no second job, the dialog
    // stays, and the letters come back as the OK click found them. A page
    // the printer's paper does not hold goes on the other paper when the
    // maker says yes to it.
    void afdrukken_data()
    {
        QTest::addColumn<bool>("zonderTekst");
        QTest::addColumn<bool>("gelukt");  // with "ander": the maker's answer
        QTest::addColumn<bool>("storen");
        QTest::addColumn<QString>("reden");
        QTest::addColumn<bool>("ander");
        QTest::newRow("with the letters") << false << true << false << QString() << false;
        QTest::newRow("without, disturbed") << true << true << true << QString() << false;
        QTest::newRow("without, failed") << true << false << false << QStringLiteral("Papier op.") << false;
        QTest::newRow("other paper declined") << true << false << false << QString() << true;
        QTest::newRow("other paper taken") << false << true << false << QString() << true;
    }
    void afdrukken()
    {
        QFETCH(bool, zonderTekst);
        QFETCH(bool, gelukt);
        QFETCH(bool, storen);
        QFETCH(QString, reden);
        QFETCH(bool, ander);
        Pic& bord = scherm->Bord();
        const QImage voor = bord.Beeld();
        QImage tijdens;
        bijEinde = [&] {
            tijdens = bord.Beeld();
            Opname& o = opnames.back();
            o.Reden = reden;
            if (ander && !o.Ander)
                o.Oordeel = {QStringLiteral("Letter"), QStringLiteral("Legal")};
            return gelukt && (o.Ander || !ander);
        };
        antwoord = gelukt ? Meldingen::Antwoord::Ja : Meldingen::Antwoord::Nee;
        Afdrukken d(scherm->Bord(), scherm->Lijn(), opnemer);
        d.show();
        if (zonderTekst)
            d.Check1->click();
        d.Aantal->setValue(3);
        d.Check3->click();  // without the date
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

        QVERIFY(gestoord == storen && d.Line1->isHidden() && !QApplication::overrideCursor());
        QCOMPARE(opnames.size(), 1u);
        const Opname& o = opnames.back();
        // The page draws the board anew, with or without letters, while the
        // screen shows which.
        QVERIFY(o.Borden[0].first.Beeld.isNull() && o.Borden[0].first.Letters == !zonderTekst);
        QCOMPARE(tijdens == voor, !zonderTekst);
        QCOMPARE(bord.Beeld(), voor);
        QCOMPARE(ZonderTekst, zonderTekst != storen);
        QVERIFY(o.Aantallen == QList<int>{3} && o.Kaders.size() == 1 && !o.Regels[1].tekst.contains(u'/'));
        QCOMPARE(o.Ander, ander && gelukt);
        const QString vraag = QStringLiteral("De pagina past niet op het papier Letter van de printer %1.\r\nAfdrukken op Legal?");
        QCOMPARE(meldingen, ander            ? QStringList{vraag.arg(QPrinterInfo::defaultPrinterName())}
                            : reden.isEmpty() ? QStringList{}
                                              : QStringList{QStringLiteral("Er is niets afgedrukt.\r\n") + reden});
        // OK answers again, closing is no Exit; a new dialog starts afresh.
        QVERIFY(d.isVisible());
        Klik(d.OkKnop);
        QCOMPARE(opnames.size(), 2u);
        d.reject();
        QVERIFY(!d.isVisible() && scherm->InfoBalk == QStringLiteral("Informatie"));
        Afdrukken nieuw(scherm->Bord(), scherm->Lijn(), opnemer);
        QVERIFY(!ZonderTekst && nieuw.Check1->isChecked() && nieuw.Aantal->value() == 1);
        Klik(nieuw.ExitKnop);
        QVERIFY(nieuw.result() == QDialog::Accepted && scherm->InfoBalk == QStringLiteral("Informatie..."));
    }

    // Without a printer: a PDF with a page per copy, or the unwritable file named.
    void pdf()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a printer; the page would go there");
        Afdrukken d(scherm->Bord(), scherm->Lijn());
        AllesIn(QStringLiteral("/nonexistent/wendolo"));
        Klik(d.OkKnop);
        QCOMPARE(meldingen, QStringList{QStringLiteral("Er is niets afgedrukt.\r\n"
                                                       "Het bestand /nonexistent/wendolo/wendolo.pdf kan niet worden geschreven.")});
        meldingen.clear();
        AllesIn(map->path());
        d.Aantal->setValue(2);
        Klik(d.OkKnop);
        QVERIFY2(meldingen.isEmpty(), qPrintable(meldingen.join(u'\n')));
        QVERIFY(Uit(QStringLiteral("pdfinfo"), {map->filePath(QStringLiteral("wendolo.pdf"))}).contains(TweePaginas));
    }

    // A print system that takes the connection and never answers: within the
    // wait the maker hears so, of the printer chosen, and the window goes on.
    void geenAntwoord()
    {
        sockaddr_un adres{AF_UNIX, {}};
        qstrncpy(adres.sun_path, qPrintable(map->filePath(QStringLiteral("cups.sock"))), sizeof adres.sun_path);
        const int stil = socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(bind(stil, reinterpret_cast<sockaddr*>(&adres), sizeof adres) == 0 && listen(stil, 8) == 0);
        qputenv("CUPS_SERVER", adres.sun_path);
        qputenv("LPDEST", "Stil");
        auto weg = qScopeGuard([stil] { close(stil), qunsetenv("CUPS_SERVER"), qunsetenv("LPDEST"); });
        Afdrukken d(scherm->Bord(), scherm->Lijn(), opnemer);
        bool liep = false;
        QTimer::singleShot(1000, [&] { liep = true; });
        QElapsedTimer klok;
        klok.start();
        Klik(d.OkKnop);
        QVERIFY(liep && klok.elapsed() < 8000);
        QCOMPARE(meldingen, QStringList{QStringLiteral("Er is niets afgedrukt.\r\nHet afdruksysteem %1 antwoordt niet "
                                                       "voor de printer Stil.").arg(adres.sun_path)});
    }

    // The files a command line writes, read by other programs: the PDF as
    // text and shapes on two pages, the PNG's extent, and an SVG whose
    // rendering has the board's geometry. The model stays as it was.
    void bestanden()
    {
        const Puzzel puzzel = HuidigePuzzel();
        const QImage bord = scherm->Bord().Beeld();
        BeginWaarden();
        const Puzzel begin = HuidigePuzzel();
        const QString pdf = map->filePath(QStringLiteral("p.pdf")), png = map->filePath(QStringLiteral("p.png")),
                      svg = map->filePath(QStringLiteral("p.svg"));
        QVERIFY(PdfExporteren(puzzel, pdf).isEmpty() && PngExporteren(puzzel, png).isEmpty()
                && SvgExporteren(puzzel, svg, false).isEmpty());
        QVERIFY(!SvgExporteren(puzzel, png).isEmpty());
        QCOMPARE(HuidigePuzzel(), begin);

        QVERIFY(Uit(QStringLiteral("pdfinfo"), {pdf}).contains(TweePaginas));
        QCOMPARE(Uit(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).count(u'\n'), 2);  // the header only
        // The puzzle's board has no letters, the key's has them all.
        const auto zonderWit = [&](int pagina) {
            const QString n = QString::number(pagina);
            return Uit(QStringLiteral("pdftotext"), {QStringLiteral("-f"), n, QStringLiteral("-l"), n, pdf, QStringLiteral("-")})
                .remove(QRegularExpression(QStringLiteral("\\s")));
        };
        // Every row ends in S.
        QVERIFY(!zonderWit(1).contains(u'S') && zonderWit(2).count(u'S') == 5);
        QVERIFY(zonderWit(2).startsWith(QStringLiteral("Puzzelpagina(oplossing)")));

        Installeer(puzzel);
        const QRect vak = Afbeeldingvak();
        QCOMPARE(QImage(png).size(), QSize(qRound(vak.width() * 300 / 96.0), qRound(vak.height() * 300 / 96.0)));
        QVERIFY(Uit(QStringLiteral("xmllint"), {QStringLiteral("--noout"), svg}).isEmpty());
        // Rendered at the board's own size, every pixel of the screen board's
        // outlines and fills, letters left out, within a step of grey.
        const QString getekend = map->filePath(QStringLiteral("svg.png"));
        QVERIFY(Uit(QStringLiteral("rsvg-convert"), {svg, QStringLiteral("-o"), getekend}).isEmpty());
        Tekenvlak leeg = NieuwBord(bord);
        WisLetters(leeg);
        const QImage scherm = leeg.Beeld.copy(vak), svgBeeld = QImage(getekend).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(svgBeeld.size(), vak.size());
        int anders = 0;
        for (int y = 0; y < vak.height(); ++y)
            for (int x = 0; x < vak.width(); ++x)
                anders += qAbs(qGray(scherm.pixel(x, y)) - qGray(svgBeeld.pixel(x, y))) > 64;
        QVERIFY2(anders < vak.width() * vak.height() / 100, qPrintable(QString::number(anders)));
    }

    void exporteert_data()
    {
        QTest::addColumn<QString>("blokkade");
        QTest::newRow("written") << QString();
        // A folder in a file's place fails it even for root; the two go in
        // together or not at all, and no new file stays.
        QTest::newRow("bitmap blocked") << QStringLiteral("puzzel.bmp");
        QTest::newRow("page blocked") << QStringLiteral("wendolo.htm");
    }
    void exporteert()
    {
        QFETCH(QString, blokkade);
        const bool geschreven = blokkade.isEmpty();
        Pic& bord = scherm->Bord();
        KopTekst = QStringLiteral("Caf\u00e9 & <i>co</i>");  // needs the 8-bit character set, carries markup
        if (!blokkade.isEmpty())
            QVERIFY(QDir(map->path()).mkdir(blokkade));
        const QImage voor = bord.Beeld();
        bord.WisLetters();
        const QImage zonderLetters = bord.Beeld();
        bord.TekenLetters();
        HtmlExporteren(scherm->Bord());

        QCOMPARE(bord.Beeld(), voor);
        // A failure names the file, with its whole path, and nothing is opened.
        QCOMPARE(meldingen.size(), geschreven ? 0 : 1);
        if (!geschreven)
            QVERIFY(meldingen.front().endsWith(QStringLiteral("/") + blokkade + QStringLiteral(" kon niet worden geschreven.")));
        QCOMPARE(QDir(map->path()).entryList({"*.nieuw*", "*.oud", "*.bezig"}, QDir::Files | QDir::Hidden), QStringList());
        // The picture is the board without its letters, in a black frame.
        const QImage bmp = QImage(map->filePath(QStringLiteral("puzzel.bmp")), "BMP").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(bmp.size(), geschreven ? QSize(503, 449) : QSize(0, 0));
        if (geschreven)
            QVERIFY(bmp.copy(1, 1, 501, 447) == zonderLetters.copy(1, 1, 501, 447) && bmp.pixelColor(0, 0) == Qt::black);

        // The texts unescaped, in Windows-1252; the clues numbered; CR LF lines.
        QFile pagina(map->filePath(QStringLiteral("wendolo.htm")));
        QCOMPARE(pagina.open(QIODevice::ReadOnly), geschreven);
        const QByteArray html = pagina.readAll();
        if (!geschreven)
            return;
        QVERIFY(html.startsWith("<html>\r\n") && html.endsWith("</html>\r\n") && !QByteArray(html).replace("\r\n", "").contains('\n'));
        QVERIFY(html.contains("<center><SPAN class=kop><b>Caf\xe9 & <i>co</i></b></SPAN></center><P>"));
        QCOMPARE(html.count("<SPAN class=tekst>"), 5 + 2);
        for (const QByteArray i : {"1", "2", "3", "4", "5"})
            QVERIFY(html.contains("  <SPAN class=tekst>" + i + ". Omschrijving " + i + "</SPAN><br>"));
        QVERIFY(html.contains("<SPAN class=tekst>" + QByteArray(50, '.') + "</SPAN>"));
    }

    // The page to solve on: UTF-8 with a viewport, nothing to fetch, the texts
    // escaped, the answers only scrambled, a box per letter with its label.
    void oplospagina()
    {
        Puzzel p;
        static_cast<Kop&>(p) = HuidigeKop();
        p.ZoekWoord = QStringLiteral("tafel");
        const QStringList woorden = {QStringLiteral("stoel"), QStringLiteral("kaas"), QStringLiteral("giraffe"),
                                     QString(), QStringLiteral("zolder")};
        const int posities[] = {2, 2, 5, 0, 3};
        for (int i = 1; i <= 5; ++i) {
            p.PuzzelWoord[i] = woorden[i - 1];
            p.BeginX[i] = woorden[i - 1].isEmpty() ? 0 : BeginXVoor(posities[i - 1]);
            p.Omschrijving[i] = QStringLiteral("Omschrijving %1").arg(i);
        }
        p.Omschrijving[2] = QStringLiteral("Zuivel <script>alert(\"x\")</script> & 'zo'");
        p.Omschrijving[4] = QString();
        const QByteArray html = Oplospagina(p, QStringLiteral("Caf\u00e9 <b>\"kop\"</b>"));
        const QString tekst = QString::fromUtf8(html);

        QVERIFY(html.startsWith("<!DOCTYPE html>\n<html lang=\"nl\">") && tekst.toUtf8() == html);
        QVERIFY(html.contains("<meta charset=\"utf-8\">") && html.contains("name=\"viewport\""));
        for (const char* extern_ :
             {"http:", "https:", "src=", "href=", "<link", "<iframe", "url(", "@import", "fetch(", "XMLHttpRequest"})
            QVERIFY2(!html.contains(extern_), extern_);
        for (const char* waar : {"title>", "h1>"})
            QVERIFY(tekst.contains(QStringLiteral("<%1Caf\u00e9 &lt;b&gt;&quot;kop&quot;&lt;/b&gt;</%1").arg(waar)));
        QVERIFY(html.contains("<span class=\"num\">2.</span> Zuivel &lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt; "
                              "&amp; &#39;zo&#39;</li>"));
        QCOMPARE(html.count("<script"), 1);
        QVERIFY(html.contains("<span class=\"num\">4.</span> (geen omschrijving)</li>"));

        // No answer and not the search word, in any case; the scrambled ones
        // come back with the page's own id, row by row, an empty row's box
        // being the search word's letter.
        for (const QString& woord : woorden + QStringList{p.ZoekWoord})
            QVERIFY2(woord.isEmpty() || !tekst.contains(woord, Qt::CaseInsensitive), qPrintable(woord));
        const QRegularExpression data(QStringLiteral(" data-id=\"([0-9a-f]{16})\" data-a=\"([A-Za-z0-9+/=]+)\""));
        const QRegularExpressionMatch bord = data.match(tekst);
        QVERIFY(bord.hasMatch());
        const QByteArray geklutst = QByteArray::fromBase64(bord.captured(2).toLatin1());
        QCOMPARE(OplosKlutsen(geklutst, bord.captured(1).left(8).toUInt(nullptr, 16)),
                 QByteArray("STOEL\nKAAS\nGIRAFFE\nE\nZOLDER"));
        QCOMPARE(OplosKlutsen(OplosKlutsen("abc", 0), 1), QByteArray("abc"));

        // A box per letter, labelled; the column's boxes marked.
        QCOMPARE(html.count("<input class=\"hok"), 5 + 4 + 7 + 1 + 6);
        QCOMPARE(html.count("<input class=\"hok kolom\""), 5);
        QVERIFY(html.contains("aria-label=\"rij 3, letter 2 van 7\" aria-describedby=\"o3\""));
        QVERIFY(html.contains("aria-label=\"rij 3, letter 5 van 7\" aria-describedby=\"o3 kolomuitleg\""));
        QVERIFY(html.contains("aria-label=\"rij 4, letter 1 van 1\""));
        QCOMPARE(html.count("<span class=\"nr\""), 4);  // no number for the empty row, as on the board

        // Only the page's own script may run: the policy names its hash.
        const qsizetype begin = html.indexOf("<script>") + 8;
        const QByteArray script = html.mid(begin, html.indexOf("</script>") - begin);
        QVERIFY(html.contains("script-src 'sha256-" + QCryptographicHash::hash(script, QCryptographicHash::Sha256).toBase64() + "'"));
        QVERIFY(html.contains("default-src 'none'"));
    }
};

QTEST_MAIN(TestUitvoer)
#include "tst_uitvoer.moc"
