// The start-up benchmark's probe, shared by the program and the bare window
// it is measured against so both are timed the same way: with the
// environment variable WENDOLO_MELD_GETOOND set, the window prints
// "getoond <peak memory>" once it has first been painted, and the program
// ends. Without the variable it does nothing.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>

class MeldGetoond : public QObject
{
public:
    explicit MeldGetoond(QWidget* venster)
    {
        if (qEnvironmentVariableIsSet("WENDOLO_MELD_GETOOND"))
            venster->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !gemeld) {
            gemeld = true;
            // Queued, so the paint and its flush to the screen come first.
            QTimer::singleShot(0, this, [] {
                std::printf("getoond %s\n", Piekgeheugen().constData());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    // VmHWM: the most resident memory the process has held so far.
    static QByteArray Piekgeheugen()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly))
            for (const QByteArray& regel : status.readAll().split('\n'))
                if (regel.startsWith("VmHWM:"))
                    return regel.mid(6).simplified();
        return "?";
    }

    bool gemeld = false;
};
