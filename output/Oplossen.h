// The command "Webpagina om op te lossen": the puzzle as a page to solve in a
// browser, written where the maker chooses.
#pragma once

class QWidget;

// Asks for the file with the desktop's file dialog (<search word>.html in
// the user's documents folder, else the program's data folder, to begin
// with) and writes the page there whole, or leaves the old file as it was
// and says so. Does nothing without a puzzle.
void OplospaginaExporteren(QWidget* ouder);
