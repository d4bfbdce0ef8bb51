// Playing the page on paper or into a PDF.
//
// Qt's own CUPS output hands its file to the print system and drops the
// answer, so a queue that refuses the job looks like a success. The page is
// therefore rendered here as a PDF on the printer's paper and handed over
// through libcups, which says whether the job was taken and lets us watch it
// start.
//
// libcups brings TLS, Kerberos and service-discovery libraries whose set-up
// would cost every start of the program a seventh of its time, so it is opened
// when the print dialog first asks for a printer, not linked.
//
// Whatever asks the print system runs on a thread of its own (Achtergrond.h)
// and works on copies; the page itself is drawn here, on the window's
// thread, because it reads the puzzle.
#include "output/Papier.h"

#include "output/Achtergrond.h"
#include "output/Pagina.h"
#include "storage/Heelbestand.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QLibrary>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QThread>
#include <cups/cups.h>

namespace {

constexpr double TwipsPerInch = 1440.0;
// The resolution the PDF without a printer is laid out for.
constexpr int PdfDpi = 600;
// How long a job is watched for the print system cancelling it at once;
// sending waits as much longer than for an answer.
constexpr int VolgMs = 3000;

QSizeF AfdrukbaarInTwips(const QPageLayout& layout)
{
    return layout.paintRect(QPageLayout::Inch).size() * TwipsPerInch;
}

// Opened once, by whichever thread comes first (a static's set-up runs
// once), and never destroyed: a job left to a print system that stopped
// answering may still call into it while the program ends.
QLibrary& Libcups()
{
    static QLibrary* bib = [] {
        auto* b = new QLibrary(QStringLiteral("cups"), 2);
        b->load();
        return b;
    }();
    return *bib;
}

// A function of libcups, by its own name and type, from the opened library.
template <typename F>
F* Cups(const char* naam)
{
    return reinterpret_cast<F*>(Libcups().resolve(naam));
}
#define CUPS(functie) (*Cups<decltype(::functie)>(#functie))

QString Met(const QString& waarom, const QString& reden)
{
    return reden.isEmpty() ? waarom : waarom + QStringLiteral("\r\n") + reden;
}

// After a failed call into CUPS, on the thread that made it (libcups keeps
// its last answer per thread): its own verdict where it has one, otherwise
// `anders`.
QString CupsFout(const QString& printer, const QString& anders)
{
    const ipp_status_t status = CUPS(cupsLastError)();
    const QString reden = QString::fromLocal8Bit(CUPS(cupsLastErrorString)());
    if (status == IPP_STATUS_ERROR_NOT_FOUND)
        return Met(QStringLiteral("De printer %1 is niet meer te vinden.").arg(printer), reden);
    // libcups gives this status when it cannot reach the scheduler at all.
    if (status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
        return Met(QStringLiteral("Het afdruksysteem is niet bereikbaar voor de printer %1.").arg(printer), reden);
    return Met(anders, status > IPP_STATUS_OK_EVENTS_COMPLETE ? reden : QString());
}

} // namespace

// What the print system says of the printer's papers, for a page whose
// lowest line has its top at laagsteRegel.
struct Papierkeuze {
    QString fout;  // not empty: nothing can be printed, and why
    QPageLayout eigen;
    std::optional<QPageLayout> ander;  // the best paper that holds the page, when its own does not
    int resolutie = 0;
};

namespace {


Papierkeuze VraagPapier(const QString& printer, int laagsteRegel)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer);
    if (info.isNull()) {
        // Gone, or the print system itself is: a question to CUPS tells which.
        ipp_t* vraag = CUPS(ippNewRequest)(IPP_OP_GET_PRINTER_ATTRIBUTES);
        CUPS(ippAddString)(vraag, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                           ("ipp://localhost/printers/" + printer.toUtf8()).constData());
        CUPS(ippDelete)(CUPS(cupsDoRequest)(CUPS_HTTP_DEFAULT, vraag, "/"));
        return {CupsFout(printer, QStringLiteral("De printer %1 is niet meer te vinden.").arg(printer)), {}, {}, 0};
    }
    // QPrinter keeps the paper it starts with (A4) on any printer that
    // knows it; the printer's own default has to be asked for.
    QPrinter instellingen(info, QPrinter::HighResolution);
    instellingen.setPageSize(info.defaultPageSize());
    instellingen.setPageOrientation(QPageLayout::Portrait);
    Papierkeuze keuze{{}, instellingen.pageLayout(), {}, instellingen.resolution()};
    if (PaginaPast(AfdrukbaarInTwips(keuze.eigen), laagsteRegel))
        return keuze;

    QPrinter proef(info, QPrinter::HighResolution);
    proef.setPageOrientation(QPageLayout::Portrait);
    // Of the papers the printer offers that hold the page, the same sheet
    // without its margins comes first, then the smallest.
    auto rang = [&keuze](const QPageLayout& l) {
        const QSizeF maat = l.pageSize().size(QPageSize::Point);
        return std::pair(!l.pageSize().isEquivalentTo(keuze.eigen.pageSize()), maat.width() * maat.height());
    };
    for (const QPageSize& maat : info.supportedPageSizes()) {
        if (proef.setPageSize(maat) && PaginaPast(AfdrukbaarInTwips(proef.pageLayout()), laagsteRegel)
            && (!keuze.ander || rang(proef.pageLayout()) < rang(*keuze.ander)))
            keuze.ander = proef.pageLayout();
    }
    if (!keuze.ander)
        keuze.fout = QStringLiteral("De pagina past niet op het papier %1 van de printer %2, "
                                    "en ook niet op ander papier van die printer.")
                         .arg(keuze.eigen.pageSize().name(), printer);
    return keuze;
}

// Watches a job that was taken for the print system cancelling it at once;
// the reason when it did.
QString VolgOpdracht(const QString& printer, int opdracht)
{
    const QByteArray uri = "ipp://localhost/jobs/" + QByteArray::number(opdracht);
    QElapsedTimer klok;
    klok.start();
    for (;;) {
        ipp_t* vraag = CUPS(ippNewRequest)(IPP_OP_GET_JOB_ATTRIBUTES);
        CUPS(ippAddString)(vraag, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.constData());
        CUPS(ippAddString)(vraag, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, CUPS(cupsUser)());
        ipp_t* antwoord = CUPS(cupsDoRequest)(CUPS_HTTP_DEFAULT, vraag, "/");
        // The job was taken; a print system that stops answering now has it.
        if (!antwoord)
            return {};
        const int stand = CUPS(ippGetInteger)(CUPS(ippFindAttribute)(antwoord, "job-state", IPP_TAG_ENUM), 0);
        auto tekst = [antwoord](const char* naam, ipp_tag_t soort) {
            return QString::fromUtf8(CUPS(ippGetString)(CUPS(ippFindAttribute)(antwoord, naam, soort), 0, nullptr));
        };
        QString reden = tekst("job-printer-state-message", IPP_TAG_TEXT);
        if (reden.isEmpty())
            reden = tekst("job-state-reasons", IPP_TAG_KEYWORD);
        CUPS(ippDelete)(antwoord);
        if (stand == IPP_JSTATE_CANCELED || stand == IPP_JSTATE_ABORTED)
            return Met(QStringLiteral("De printer %1 heeft de opdracht afgebroken.").arg(printer), reden);
        // Held or stopped jobs wait for someone at the printer; a job still
        // on its way after the watch is the printer's to finish.
        if ((stand != IPP_JSTATE_PENDING && stand != IPP_JSTATE_PROCESSING) || klok.elapsed() > VolgMs)
            return {};
        QThread::msleep(100);
    }
}

// Hands the document to the print system and watches it start; the empty
// text, or why nothing was printed. A job the window stopped waiting for
// (opgegeven) is cancelled as soon as the print system answers again, so
// the maker's "nothing was printed" stays true and a second try does not
// print twice.
QString Verzend(const QString& printer, const QByteArray& document, const QString& papier, int aantal,
                const std::atomic<bool>& opgegeven)
{
    const QByteArray naam = printer.toLocal8Bit();
    cups_option_t* opties = nullptr;
    int n = CUPS(cupsAddOption)("copies", QByteArray::number(aantal).constData(), 0, &opties);
    n = CUPS(cupsAddOption)("media", papier.toUtf8().constData(), n, &opties);
    // Puzzle and answer key stay together, copy after copy.
    n = CUPS(cupsAddOption)("collate", "true", n, &opties);
    const int opdracht = CUPS(cupsCreateJob)(CUPS_HTTP_DEFAULT, naam.constData(), "Wendolo", n, opties);
    CUPS(cupsFreeOptions)(n, opties);

    bool genomen = opdracht > 0 && !opgegeven
        && CUPS(cupsStartDocument)(CUPS_HTTP_DEFAULT, naam.constData(), opdracht, "Wendolo", CUPS_FORMAT_PDF, 1)
            == HTTP_STATUS_CONTINUE;
    if (genomen) {
        genomen = CUPS(cupsWriteRequestData)(CUPS_HTTP_DEFAULT, document.constData(), size_t(document.size()))
            == HTTP_STATUS_CONTINUE;
        // Always finished, so the connection is ready for the next request.
        const ipp_status_t klaar = CUPS(cupsFinishDocument)(CUPS_HTTP_DEFAULT, naam.constData());
        genomen = klaar <= IPP_STATUS_OK_EVENTS_COMPLETE && genomen;
    }
    if (!genomen || opgegeven) {
        const QString fout = CupsFout(printer, QStringLiteral("De printer %1 heeft de opdracht geweigerd.").arg(printer));
        if (opdracht > 0)
            CUPS(cupsCancelJob2)(CUPS_HTTP_DEFAULT, naam.constData(), opdracht, 0);
        return fout;
    }
    return VolgOpdracht(printer, opdracht);
}

} // namespace

QString GeenAntwoord(const QString& printer)
{
    const QString systeem = QStringLiteral("Het afdruksysteem %1 antwoordt niet").arg(Afdruksysteem());
    return printer.isEmpty() ? systeem + u'.' : systeem + QStringLiteral(" voor de printer %1.").arg(printer);
}

bool PaginaPast(QSizeF twips, int laagsteRegel)
{
    using namespace Paginamaat;
    const int rechts = Links + BordvakBreedte;
    // The lowest line is an 11 pt line: one line pitch below its top.
    const int onder = laagsteRegel + Regelafstand;
    return twips.height() > twips.width() && twips.width() > rechts && twips.height() > onder;
}

Papier::Papier(QString pdf, QString printer) : pdf(std::move(pdf)), printer(std::move(printer)), paginas(1) {}

void Papier::ZetAantal(int kopieen) { aantal = qBound(1, kopieen, 20); }

void Papier::NieuwePagina() { paginas.emplace_back(); }

void Papier::ZetFont(const QString& naam, int punten, bool vet)
{
    // The painter works in twips, so a point is 20 units; a point size would
    // be scaled a second time by the device resolution.
    QFont f(naam);
    f.setPixelSize(punten * 20);
    f.setBold(vet);
    paginas.back().push_back([f](QPainter&, Stand& s) { s.font = f; });
}

void Papier::ZetKleur(QColor kleur)
{
    paginas.back().push_back([kleur](QPainter&, Stand& s) { s.kleur = kleur; });
}

void Papier::ZetPositie(int x, int y)
{
    huidigeY = y;
    paginas.back().push_back([x, y](QPainter&, Stand& s) { s.positie = QPointF(x, y); });
}

void Papier::Print(const QString& regel)
{
    laagsteRegel = std::max(laagsteRegel, huidigeY);
    paginas.back().push_back([regel](QPainter& p, Stand& s) {
        p.setFont(s.font);
        p.setPen(s.kleur);
        // The position is the top-left of the character cell, not the baseline.
        p.drawText(s.positie + QPointF(0, p.fontMetrics().ascent()), regel);
    });
}

void Papier::Bord(const Bordtekening& bord, QRect doel)
{
    // Shapes and text at the device's own resolution: nothing to enlarge,
    // so a print holds no picture of the board in memory or in the file.
    paginas.back().push_back([bord, doel](QPainter& p, Stand&) { ::Teken(p, bord, doel); });
}

void Papier::Rechthoek(QPoint van, QPoint tot, QColor kleur)
{
    paginas.back().push_back([van, tot, kleur](QPainter& p, Stand&) {
        p.setPen(QPen(kleur, 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(van, tot).normalized());
    });
}

bool Papier::EindeDocument()
{
    fout.clear();
    bestand.clear();
    oordeel = {};
    return printer.isEmpty() ? NaarPdf() : NaarPrinter();
}

bool Papier::Mislukt(const QString& waarom)
{
    fout = waarom;
    return false;
}

bool Papier::NaarPrinter()
{
    if (!Libcups().isLoaded())
        return Mislukt(Met(QStringLiteral("Het afdruksysteem is niet bereikbaar voor de printer %1.").arg(printer),
                           Libcups().errorString()));
    // Asked once: the second end of the document comes after the maker took
    // the other paper.
    if (!keuze) {
        auto werk = Start<Papierkeuze>([printer = printer, regel = laagsteRegel] { return VraagPapier(printer, regel); });
        if (!Wacht(*werk, AntwoordMs))
            return Mislukt(GeenAntwoord(printer));
        keuze = std::make_shared<Papierkeuze>(werk->uitkomst);
    }
    if (!keuze->fout.isEmpty())
        return Mislukt(keuze->fout);
    QPageLayout layout = keuze->eigen;
    if (keuze->ander) {
        if (!opAnder) {
            // The maker is asked by the dialog; nothing is sent meanwhile.
            oordeel = {keuze->eigen.pageSize().name(), keuze->ander->pageSize().name()};
            return false;
        }
        layout = *keuze->ander;
    }

    QByteArray document;
    QBuffer uit(&document);
    uit.open(QIODevice::WriteOnly);
    {
        QPdfWriter schrijver(&uit);
        schrijver.setTitle(QStringLiteral("Wendolo"));
        schrijver.setCreator(QStringLiteral("Wendolo"));
        schrijver.setResolution(keuze->resolutie);
        schrijver.setPageLayout(layout);
        // The print system makes the copies: one set, one job.
        if (!Teken(schrijver, 1))
            return Mislukt(QStringLiteral("De pagina voor de printer %1 kon niet worden gemaakt.").arg(printer));
    }
    auto opgegeven = std::make_shared<std::atomic<bool>>(false);
    auto werk = Start<QString>([printer = printer, document, papier = layout.pageSize().key(), n = aantal, opgegeven] {
        return Verzend(printer, document, papier, n, *opgegeven);
    });
    if (!Wacht(*werk, AntwoordMs + VolgMs)) {
        *opgegeven = true;
        return Mislukt(GeenAntwoord(printer));
    }
    return werk->uitkomst.isEmpty() || Mislukt(werk->uitkomst);
}

bool Papier::NaarPdf()
{
    const QString kanNiet = QStringLiteral("Het bestand %1 kan niet worden geschreven.").arg(pdf);
    const bool geschreven = SchrijfHeel(pdf, [this](QIODevice& bestandUit) {
        // The writer ends the document as it goes, before the file is closed.
        QPdfWriter schrijver(&bestandUit);
        schrijver.setTitle(QStringLiteral("Wendolo"));
        schrijver.setCreator(QStringLiteral("Wendolo"));
        schrijver.setResolution(PdfDpi);
        schrijver.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                            QMarginsF(10, 10, 10, 10), QPageLayout::Point));
        // A PDF holds one copy whatever it is told: write them all.
        return Teken(schrijver, aantal);
    });
    if (!geschreven)
        return Mislukt(kanNiet);
    bestand = pdf;
    return true;
}

bool Papier::Teken(QPagedPaintDevice& apparaat, int sets)
{
    QPainter p;
    if (!p.begin(&apparaat))
        return false;
    // Without this hint Qt stores pictures as JPEG: a board that is only a
    // bitmap must stay lossless.
    p.setRenderHint(QPainter::LosslessImageRendering);
    const double schaal = apparaat.logicalDpiX() / TwipsPerInch;
    bool eerste = true;
    for (int k = 0; k < sets; ++k)
        for (const std::vector<Stap>& pagina : paginas) {
            if (!eerste && !apparaat.newPage())
                return false;
            eerste = false;
            p.save();
            p.scale(schaal, schaal);
            Stand stand;
            for (const Stap& stap : pagina)
                stap(p, stand);
            p.restore();
        }
    return p.end();
}

QString Afdruksysteem()
{
    if (!Libcups().isLoaded())
        return {};
    // Read anew: libcups keeps what a thread once read, settings since included.
    CUPS(cupsSetServer)(nullptr);
    return QString::fromLocal8Bit(CUPS(cupsServer)());
}

Standaard ZoekStandaardprinter(int ms)
{
    if (!Libcups().isLoaded())
        return {};
    http_t* verbinding = CUPS(httpConnect2)(CUPS(cupsServer)(), CUPS(ippPort)(), nullptr, AF_UNSPEC,
                                            CUPS(cupsEncryption)(), 1, ms, nullptr);
    // Nothing listening: no print system, so the pages go into the PDF.
    if (!verbinding)
        return {};
    bool verlopen = false;
    CUPS(httpSetTimeout)(
        verbinding, ms / 1000.0,
        [](http_t*, void* v) {
            *static_cast<bool*>(v) = true;
            return 0;  // give up
        },
        &verlopen);
    // The maker's own choice comes without a question to the print system.
    const QString gekozen = QString::fromLocal8Bit(CUPS(cupsGetDefault2)(verbinding));
    Standaard s{false, gekozen};
    cups_dest_t* lijst = nullptr;
    const int n = verlopen ? 0 : CUPS(cupsGetDests2)(verbinding, &lijst);
    if (!verlopen) {
        // The one marked in the list, as Qt finds it: a choice of a printer
        // that does not exist is no default.
        s = {};
        for (int i = 0; i < n; ++i)
            if (lijst[i].is_default) {
                s.printer = QString::fromLocal8Bit(lijst[i].name);
                if (lijst[i].instance)
                    s.printer += u'/' + QString::fromLocal8Bit(lijst[i].instance);
            }
    }
    CUPS(cupsFreeDests)(n, lijst);
    CUPS(httpClose)(verbinding);
    return s;
}
