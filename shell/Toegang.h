// What a screen reader is told about the controls the windows draw
// themselves: picture buttons that are push buttons, the board as a list of
// its rows, the preview as a list of its boxes, the information line as a
// status bar, and caption labels that only repeat a button's name kept out.
#pragma once

class QObject;
class QWidget;

// Before the first window is made; later calls do nothing.
void ToegangInstalleren();

// Marks a label the screen reader should pass over: what it says, a
// control beside it says already.
void Versiering(QWidget* label);
// Marks the label that tells what the program is doing.
void Statusregel(QWidget* label);

// The items of a list-like control have changed, in number or in what they say.
void MeldItems(QObject* lijst);

// Item i (1-based) of a list-like control is now the current one.
void MeldHuidig(QObject* lijst, int i);
