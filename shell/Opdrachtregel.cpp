// The window-less commands. Export and import read and write through the
// same functions as the window, so a file made here is the file the window
// would make.
#include "shell/Opdrachtregel.h"

#include "output/Bordbestanden.h"
#include "output/Oplospagina.h"
#include "shell/Programmamap.h"
#include "storage/Heelbestand.h"
#include "storage/Instellingen.h"
#include "storage/Ipuz.h"
#include "storage/Puzzelopenen.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <iterator>

#ifndef WENDOLO_VERSIE
#define WENDOLO_VERSIE "onbekend"
#endif

namespace {

const char* const Gebruik =
    "Gebruik: wendolo [PUZZEL.pzl]\n"
    "         wendolo --export UIT IN\n"
    "         wendolo --miniatuur IN UIT.png [GROOTTE]\n"
    "         wendolo --help | --version\n"
    "\n"
    "Zonder argument opent wendolo het venster; met een puzzelbestand opent het\n"
    "venster die puzzel.\n"
    "\n"
    "  --export UIT IN     schrijft de puzzel IN (.pzl of .ipuz) als UIT, in de\n"
    "                      vorm die de extensie van UIT noemt: .ipuz, .pzl (met\n"
    "                      zijn .bmp ernaast), .pdf (puzzel en oplossing), .png\n"
    "                      of .svg (het bord), of .html (de webpagina om op te\n"
    "                      lossen).\n"
    "  --miniatuur IN UIT  schrijft een PNG-plaatje van het bord van IN, hoogstens\n"
    "                      GROOTTE beeldpunten breed en hoog (standaard 256).\n"
    "  --help              toont deze tekst.\n"
    "  --version           toont de versie.\n";

void Meld(const QString& tekst)
{
    std::fprintf(stderr, "wendolo: %s\n", tekst.toLocal8Bit().constData());
}

// What an export is made of: the puzzle, its board, and the header the
// maker's settings give the printed and web pages.
struct Bron {
    Puzzel puzzel;
    QImage bord;
    QString kop;
};

// A writer returns the empty text, or what went wrong, in Dutch.
using Schrijver = QString (*)(const QString& uit, const Bron& bron);

QString Bytes(const QString& uit, const QByteArray& inhoud)
{
    return SchrijfHeel(uit, inhoud) ? QString()
                                    : QStringLiteral("Het bestand %1 kon niet worden geschreven.").arg(uit);
}

QString PzlUit(const QString& uit, const Bron& b)
{
    const QFileInfo info(uit);
    const QString naam = info.fileName().chopped(4);
    if (const QString fout = Naamfout(naam); !fout.isEmpty())
        return fout;
    return PuzzelSchrijven(info.absolutePath(), naam, b.puzzel, b.bord);
}

struct Uitvoer {
    const char* extensie;
    Schrijver schrijf;
};

// One line per export, by the output's extension.
const Uitvoer Uitvoeren[] = {
    {"ipuz", [](const QString& uit, const Bron& b) { return Bytes(uit, IpuzBytes(b.puzzel, b.kop)); }},
    {"pzl", PzlUit},
    {"html", [](const QString& uit, const Bron& b) { return Bytes(uit, Oplospagina(b.puzzel, b.kop)); }},
    {"pdf", [](const QString& uit, const Bron& b) { return PdfExporteren(b.puzzel, uit); }},
    {"png", [](const QString& uit, const Bron& b) { return PngExporteren(b.puzzel, uit); }},
    {"svg", [](const QString& uit, const Bron& b) { return SvgExporteren(b.puzzel, uit); }},
};

// The header text from the maker's settings, read only: a command-line run
// never writes a settings file.
QString Kop()
{
    Instellingen s = HuidigeInstellingen();
    InstellingenUitBestand(QDir(HuidigeMappen().Instellingen).filePath(InstellingenBestand), s);
    return s.KopTekst;
}

// The puzzle at in, or nullopt after saying why not.
std::optional<Geladen> Lees(const QString& in)
{
    const Geladen g = PuzzelOpenen(in);
    if (!g.fout.isEmpty()) {
        // Load's own message asks the maker to choose again, which means
        // nothing here.
        const bool eigen = in.endsWith(QStringLiteral(".ipuz"), Qt::CaseInsensitive)
                           || g.fout.contains(QStringLiteral("afgebroken"));
        Meld(QStringLiteral("%1: %2").arg(in, eigen ? g.fout : QStringLiteral("geen leesbare puzzel van Wendolo.")));
        return std::nullopt;
    }
    return g;
}

int Exporteren(const QString& uit, const QString& in)
{
    const QString extensie = QFileInfo(uit).suffix().toLower();
    const auto* uitvoer = std::find_if(std::begin(Uitvoeren), std::end(Uitvoeren),
                                       [&](const Uitvoer& u) { return extensie == QLatin1StringView(u.extensie); });
    if (uitvoer == std::end(Uitvoeren)) {
        QStringList soorten;
        for (const Uitvoer& u : Uitvoeren)
            soorten << QStringLiteral(".") + QLatin1StringView(u.extensie);
        Meld(QStringLiteral("%1: onbekende soort uitvoer; kies een van %2.").arg(uit, soorten.join(QStringLiteral(", "))));
        return 2;
    }
    const auto g = Lees(in);
    if (!g)
        return 1;
    if (g->puzzel.ZoekWoord.isEmpty()) {
        Meld(QStringLiteral("%1: de puzzel heeft geen zoekwoord.").arg(in));
        return 1;
    }
    if (const QString fout = uitvoer->schrijf(uit, {g->puzzel, g->beeld, Kop()}); !fout.isEmpty()) {
        Meld(fout);
        return 1;
    }
    return 0;
}

// The board without the empty field around the puzzle, so a small picture
// shows the puzzle and not the background.
QImage Bijgesneden(const QImage& bord, QColor veld)
{
    const QImage b = bord.convertToFormat(QImage::Format_RGB32);
    QRect vak;
    for (int y = 0; y < b.height(); ++y) {
        const auto* rij = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < b.width(); ++x)
            if (rij[x] != veld.rgb())
                vak |= QRect(x, y, 1, 1);
    }
    return vak.isEmpty() ? b : b.copy(vak.adjusted(-4, -4, 4, 4));
}

int Miniatuur(const QString& in, const QString& uit, int grootte)
{
    const auto g = Lees(in);
    if (!g)
        return 1;
    const QImage klein = Bijgesneden(g->beeld, g->puzzel.KleurVeld.Waarde())
                             .scaled(grootte, grootte, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (!SchrijfHeel(uit, [&](QIODevice& d) { return klein.save(&d, "PNG"); })) {
        Meld(QStringLiteral("Het bestand %1 kon niet worden geschreven.").arg(uit));
        return 1;
    }
    return 0;
}

} // namespace

std::optional<int> ZonderScherm(int argc, char** argv)
{
    QStringList a;
    for (int i = 1; i < argc; ++i)
        a << QString::fromLocal8Bit(argv[i]);
    const QString opdracht = a.value(0);
    if (opdracht == QStringLiteral("--help") || opdracht == QStringLiteral("-h")) {
        std::fputs(Gebruik, stdout);
        return 0;
    }
    if (opdracht == QStringLiteral("--version")) {
        std::puts("wendolo " WENDOLO_VERSIE);
        return 0;
    }
    const bool exporteren = opdracht == QStringLiteral("--export") && a.size() == 3;
    bool getal = true;
    const int grootte = a.size() == 4 ? a[3].toInt(&getal) : 256;
    const bool miniatuur = opdracht == QStringLiteral("--miniatuur") && (a.size() == 3 || a.size() == 4) && getal
                           && grootte > 0 && grootte <= 4096;
    if (!exporteren && !miniatuur) {
        // Anything else is the window's: a file, or one of Qt's options.
        if (opdracht != QStringLiteral("--export") && opdracht != QStringLiteral("--miniatuur"))
            return std::nullopt;
        Meld(QStringLiteral("verkeerde argumenten voor %1.").arg(opdracht));
        std::fputs(Gebruik, stderr);
        return 2;
    }
    // Fonts and drawing without a display: the board is drawn, never shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Algemeen::BeginWaarden();
    return exporteren ? Exporteren(a[1], a[2]) : Miniatuur(a[1], a[2], grootte);
}

QString Bestandsargument(const QStringList& argumenten)
{
    for (const QString& a : argumenten.mid(1))
        if (!a.startsWith(u'-'))
            return a;
    return {};
}
