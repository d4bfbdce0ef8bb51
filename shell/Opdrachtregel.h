// What the program does from the command line without a window: help and
// version, an export by the output file's extension, an import, and the
// file manager's thumbnail. None of them needs a display.
#pragma once

#include <QString>
#include <optional>

// Runs the command argv names, printing to standard output and errors (in
// Dutch) to standard error; its exit status, or nullopt when the arguments
// ask for the window (none, a puzzle file, or Qt's own options).
std::optional<int> ZonderScherm(int argc, char** argv);

// The puzzle file the window should open: the first argument that is no
// option, of the arguments Qt left; empty when there is none.
QString Bestandsargument(const QStringList& argumenten);
