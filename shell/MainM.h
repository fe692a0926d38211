#pragma once

#include <QString>

class frmForma;

// Start-up, the application folder and the program's end.
namespace MainM
{

// The executable's folder, always ending in a separator, so that a bare file name can be
// appended. Set once by Main before the main window exists.
extern QString AppFolder;

// Completes a folder path with its separator: a backslash if the path holds one anywhere,
// otherwise a slash; appended unless the path already ends in it.
QString WithSeparator(QString folder);

// The executable's folder as the platform reports it: native separators, no trailing
// separator except at a root.
QString ProgramFolder();

// Sets AppFolder, creates and shows the main window and returns to the event loop.
void Main();

// The main window, once Main has created it; it lives until the program ends.
frmForma *Forma();

// Ends the program at once: no question, nothing saved, no window told.
void Exit();

} // namespace MainM
