// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDir>
#include <QString>
#include <optional>

// The folder that holds the program: the help document lies there, and the redirect pages
// are written there.
namespace ApplicationFolder
{

// Which characters separate a path's folders: on Windows a backslash (or a slash), elsewhere
// a slash only, a backslash being an ordinary character of a file name there.
enum class Separators { Windows, Posix };
// The system's own, as Qt knows them.
inline const Separators PlatformSeparators =
    QDir::separator() == u'\\' ? Separators::Windows : Separators::Posix;

// The executable's folder as the platform reports it: native separators, no trailing
// separator except at a root. Empty when the platform cannot tell.
QString programFolder();

// Completes a folder path with its separator, so that a bare file name can be appended. On
// Windows the separator is a backslash if the path holds one anywhere, else a slash;
// elsewhere always a slash. It is appended unless the path already ends in it.
QString withSeparator(QString folder, Separators separators = PlatformSeparators);

// `folder`, completed with its separator, if it is an absolute path of an existing folder;
// nothing otherwise, so that no file is ever looked for in a made-up place.
std::optional<QString> known(const QString &folder, Separators separators = PlatformSeparators);

// The executable's folder, ending in its separator, or nothing when it cannot be known.
std::optional<QString> find();

// What an installation puts beside the program: the folder is then the package's, and the
// program writes nothing into it, even when it could (as root).
inline constexpr char16_t InstalledMark[] = u"installed.txt";

// Whether `folder` (ending in its separator) holds an installed copy of the program.
bool isInstalled(const QString &folder);

} // namespace ApplicationFolder
