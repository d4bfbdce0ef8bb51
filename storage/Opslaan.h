// The save command of the main window.
#pragma once

class QImage;

// Asks for a name and writes the puzzle and its board picture bord; true
// when they were written.
bool SaveCommando(const QImage& bord);
