// The board and its pages as files: saved through the desktop's file dialog
// from the board's menu, and written for a puzzle without any window, so a
// command line can make them too.
#pragma once

#include "board/Bord.h"

#include <QString>

class QWidget;
struct Puzzel;

// Asks for a file and saves b there: an SVG drawing when the name ends in
// .svg, else a PNG at 300 dpi. The file written, or the empty text when the
// maker chose none or it could not be written (which the maker is told).
QString AfbeeldingOpslaan(QWidget* ouder, const Bordtekening& b);

// The puzzle p, drawn as its model draws it, written to pad; each returns
// the empty text, or what went wrong (in Dutch, for the user). The model in
// memory is as it was afterwards.
// The PDF: the puzzle without its letters and the answer key, on A4.
QString PdfExporteren(const Puzzel& p, const QString& pad);
// The board cut to the puzzle, with or without its letters.
QString PngExporteren(const Puzzel& p, const QString& pad, bool letters = true);
QString SvgExporteren(const Puzzel& p, const QString& pad, bool letters = true);
