#pragma once
// The fonts of HALVEX's windows.
#include <QFont>

namespace halvex {

// Consolas at 13 pixels where it is installed, else the system's fixed-pitch font
// at the same size: the grid, the search button and the settings panel.
QFont ConsoleFont();

// MS Sans Serif at 11 pixels (or the nearest sans-serif): the main window's own font.
QFont FormFont();

}  // namespace halvex
