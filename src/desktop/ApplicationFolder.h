#pragma once

#include <QString>

// The folder that holds the program: the help document lies there, and the redirect pages
// are written there.
namespace ApplicationFolder
{

// The executable's folder as the platform reports it: native separators, no trailing
// separator except at a root.
QString programFolder();

// Completes a folder path with its separator, so that a bare file name can be appended: a
// backslash if the path holds one anywhere, otherwise a slash; appended unless the path
// already ends in it.
QString withSeparator(QString folder);

// The executable's folder, ending in its separator.
QString find();

} // namespace ApplicationFolder
