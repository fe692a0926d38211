#pragma once

#include <QString>
#include <functional>

// Handing files and web addresses to the desktop, which opens them with the user's own
// applications.
namespace OpURL
{

// The help document, expected next to the executable.
inline constexpr char16_t HelpFileName[] = u"Справка.html";

// Receives the target and the working directory. The platform's own launcher is used unless a
// test installs another.
using Launcher = std::function<void(const QString &target, const QString &workingDirectory)>;

// Installs a launcher (an empty one restores the platform's) and returns the one it replaces.
Launcher SetLauncher(Launcher launcher);

// The working directory the shell gets: the folder without trailing separators, except at a
// root ("C:\", "/"), which keeps its own.
QString ShellWorkingDirectory(QString rawFolder);

// Opens a file or URL with the associated application ("Open"). Reports nothing, whatever
// fails.
void OpenWithShell(QString target);

// The help command: the help document in the application folder, whether it exists or not.
void OpenHelp();

} // namespace OpURL
