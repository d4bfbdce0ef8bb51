// Waiting and small helpers shared by every window.
#pragma once

#include <QPoint>
#include <QString>

class QWidget;

// Waits the given seconds while the event loop goes on dispatching events
// (clicks included), so a handler can be entered again during the wait.
void Pauze(double seconden);

// Every pause lasts factor times as long; 0 waits not at all, though events
// are still dispatched. For runs nobody watches, such as a test's.
void PauzesMaal(double factor);

// The press animation of a picture button: one pixel right and down, a
// pause of 0.2 s, back to its rest position.
void DrukAnimatie(QWidget* knop, QPoint rust);

// Opens a file with the program the desktop associates with it; returns at
// once and reports nothing.
void OpenBestand(QWidget* venster, const QString& pad);
