// Work on a thread of its own, for calls into the print system, which can
// wait a minute on a scheduler that stopped answering. The window waits for
// it with its event loop running, and at most as long as it chooses.
#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

// The state of one piece of work, shared by its thread and the window: a
// window that stopped waiting, or closed, leaves the thread nothing freed
// to write to.
template <typename T>
struct Werk {
    std::atomic<bool> klaar = false;
    T uitkomst{};  // read only once klaar
};

// Starts doe on a thread of its own. The thread is never waited for: when
// the print system does not answer it is left to finish, or to end with
// the program, holding its share of the state and touching nothing else.
// So doe works on copies only, never on the puzzle or a window.
template <typename T>
std::shared_ptr<Werk<T>> Start(std::function<T()> doe)
{
    auto werk = std::make_shared<Werk<T>>();
    std::thread([werk, doe = std::move(doe)] {
        werk->uitkomst = doe();
        werk->klaar = true;
    }).detach();
    return werk;
}

// Waits at most ms for the work while the window goes on painting and
// answering; whether it is done.
template <typename T>
bool Wacht(const Werk<T>& werk, int ms)
{
    QEventLoop lus;
    QElapsedTimer klok;
    klok.start();
    QTimer kijk;
    QObject::connect(&kijk, &QTimer::timeout, &lus, [&] {
        if (werk.klaar || klok.elapsed() >= ms)
            lus.quit();
    });
    kijk.start(10);
    if (!werk.klaar)
        lus.exec();
    return werk.klaar;
}
