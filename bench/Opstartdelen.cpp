// What the program's start-up spends its time on: the pieces the main
// window builds, each timed on its own in a fresh process, so a slow start
// can be traced to its cause. Needs a display (run under Xvfb).
#include "assets/Plaatjes.h"
#include "assets/Startbeeld.h"
#include "board/Tekenvlak.h"
#include "shell/Main.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QWindow>
#include <cstdio>

namespace {

QElapsedTimer klok;

// Resident memory now, in kB.
long Rss()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& regel : status.readAll().split('\n'))
            if (regel.startsWith("VmRSS:"))
                return regel.mid(6).simplified().split(' ').value(0).toLong();
    return 0;
}

void Meld(const char* stap)
{
    static qint64 vorige = 0;
    static long vorigeRss = 0;
    const qint64 nu = klok.nsecsElapsed();
    const long rss = Rss();
    std::printf("%-34s %8.2f ms %+7ld kB\n", stap, (nu - vorige) / 1e6, rss - vorigeRss);
    vorige = nu;
    vorigeRss = rss;
}

} // namespace

int main(int argc, char** argv)
{
    klok.start();
    QApplication app(argc, argv);
    Meld("QApplication (platform, X)");
    {
        QFont f = Lettertype(QStringLiteral("Arial"), 26.25, true);
        QFontMetrics(f).horizontalAdvance(QStringLiteral("Nieuw"));
    }
    Meld("first font (fontconfig, Arial bold)");
    QFontMetrics(BordLettertype()).ascent();
    QFontMetrics(Lettertype(QStringLiteral("Arial"), 9.75, false)).ascent();
    Meld("board and info fonts");
    for (Commando c : {Commando::Nieuw, Commando::Load, Commando::Save, Commando::Print, Commando::Tools,
                       Commando::Help, Commando::Html, Commando::Einde})
        Icoon(c);
    Meld("eight command icons");
    Startbeeld();
    Meld("start image");
    Startbeeld();
    Meld("start image, again");
    {
        QWidget w;
        w.ensurePolished();
        Meld("first widget (style)");
        auto* b = new QPushButton(QStringLiteral("?"), &w);
        b->ensurePolished();
        Meld("first push button");
        for (int i = 0; i < 19; ++i)
            (new QPushButton(QStringLiteral("?"), &w))->setToolTip(QStringLiteral(" Woord %1 ").arg(i));
        Meld("19 more push buttons");
        auto* t = new QTextBrowser(&w);
        t->ensurePolished();
        Meld("text browser");
        for (int i = 0; i < 17; ++i)
            (new QLabel(QStringLiteral("Nieuw"), &w))->setFont(Lettertype(QStringLiteral("Arial"), 26.25, true));
        Meld("17 labels");
    }
    Meld("their destruction");
    {
        Main venster;
        Meld("Main() (all of the above again)");
        venster.show();
        Meld("show()");
        while (!venster.isVisible() || !venster.windowHandle() || !venster.windowHandle()->isExposed())
            app.processEvents(QEventLoop::WaitForMoreEvents);
        app.processEvents();
        Meld("until exposed and painted");
    }
    return 0;
}
