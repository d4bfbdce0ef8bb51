// The export command: the puzzle as a web page beside the program.
#pragma once

class Pic;

void HtmlExporteren(Pic& bord);
