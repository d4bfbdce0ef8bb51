// The save command of the main window.
#pragma once

class Hoofdscherm;

// Asks for a name and writes the puzzle and its board picture.
void SaveCommando(Hoofdscherm& hoofd);
