// Pauze waits in a nested event loop quit by a timer: events go on being
// dispatched at no cost of CPU, where a processEvents loop burns a core.
#include "shell/Pauze.h"

#include <QDesktopServices>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {
double Tempo = 1.0;
} // namespace

void PauzesMaal(double factor) { Tempo = factor; }

void Pauze(double seconden)
{
    QEventLoop lus;
    QTimer::singleShot(qRound(seconden * Tempo * 1000), &lus, &QEventLoop::quit);
    lus.exec();
}

void DrukAnimatie(QWidget* knop, QPoint rust)
{
    // The button may be gone when the wait ends (its dialog closed meanwhile).
    QPointer<QWidget> k(knop);
    k->move(rust + QPoint(1, 1));
    Pauze(0.2);
    if (k)
        k->move(rust);
}

void OpenBestand(QWidget*, const QString& pad)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(pad));
}
