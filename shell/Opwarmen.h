// Start-up work that needs nothing of the window system, done on a second
// thread while QApplication connects to the display and loads its plugins.
#pragma once

#include <thread>

class Opwarmen {
public:
    Opwarmen();
    ~Opwarmen();
    Opwarmen(const Opwarmen&) = delete;
    Opwarmen& operator=(const Opwarmen&) = delete;

    // Waits until the work is done; called before the first font is used,
    // so the two threads never both load the font configuration.
    void Wacht();

private:
    std::thread draad;
};
