// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>
#include <optional>

// Hands files and web addresses to the desktop, which opens them with the user's own
// applications. A failure is only logged (chuikomer.desktop): opening a document is a
// convenience, and the game goes on without it.
class Desktop
{
public:
    // Starts the desktop's opener for `target` in `workingDirectory`; false when it could
    // not be started. Tests give one that records instead.
    using Launcher = std::function<bool(const QString &target, const QString &workingDirectory)>;

    // Milliseconds on a clock that only goes forward.
    using Clock = std::function<qint64()>;

    // A held F1 or a double click asks again at once; one viewer is enough.
    static constexpr qint64 RepeatIgnoredMs = 1000;

    // The help document, expected in the application folder.
    static constexpr char16_t HelpFileName[] = u"Справка.html";

    // `applicationFolder` ends in its separator; without one, the help cannot be found and
    // links go straight to the browser.
    explicit Desktop(std::optional<QString> applicationFolder,
                     Launcher launcher = startPlatformOpener, Clock clock = steadyClock);

    // Opens a file or URL with the associated application ("Open").
    void openWithDesktop(const QString &target) const;
    // The help command: the help document, whether it exists or not. A request within
    // RepeatIgnoredMs of the one before, heard or ignored, is ignored: a held key opens one.
    void openHelp();
    // Opens a web address through a redirect page in the application folder, or directly
    // when no page can be written there. A repeat within RepeatIgnoredMs is ignored.
    void openUrl(const QString &url);

    // The working directory the opener gets: the folder without trailing separators, except
    // at a root ("C:\", "/"), which keeps its own.
    static QString shellWorkingDirectory(QString rawFolder);

    static bool startPlatformOpener(const QString &target, const QString &workingDirectory);
    static qint64 steadyClock();

private:
    bool isRepeat(std::optional<qint64> &last) const;

    std::optional<QString> applicationFolder_;
    Launcher launcher_;
    Clock clock_;
    std::optional<qint64> lastHelp_;
    std::optional<qint64> lastLink_;
};
