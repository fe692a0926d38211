// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "OpenFailure.h"

#include <QString>
#include <functional>
#include <optional>

// Hands files and web addresses to the desktop, which opens them with the user's own
// applications. Failures are logged (chuikomer.desktop); one the player would otherwise not
// see, nothing opening at all, is told to whoever listens, and the game goes on.
class Desktop
{
public:
    // Told when a request opened nothing; NoViewer comes once the opener has given up, after
    // the request has returned.
    using Complaint = std::function<void(const OpenFailure &failure)>;

    // Starts the desktop's opener for `target` in `workingDirectory`; false when it could not
    // be started. It calls `gaveUp` later if the opener then finds nothing to open the target
    // with. Tests give one that records instead.
    using Launcher = std::function<bool(const QString &target, const QString &workingDirectory,
                                        const std::function<void()> &gaveUp)>;

    // Milliseconds on a clock that only goes forward.
    using Clock = std::function<qint64()>;

    // A held F1 or a double click asks again at once; one viewer is enough.
    static constexpr qint64 RepeatIgnoredMs = 1000;

    // `applicationFolder` ends in its separator; without one, the help cannot be found and
    // links go straight to the browser.
    explicit Desktop(std::optional<QString> applicationFolder,
                     Launcher launcher = startPlatformOpener, Clock clock = steadyClock);

    void setComplaint(Complaint complaint) { complaint_ = std::move(complaint); }

    // Opens a file or URL with the associated application ("Open"); false when no opener
    // could be started.
    bool openWithDesktop(const QString &target, const std::function<void()> &gaveUp = {}) const;
    // The help command: the help document `document` in the application folder, whether it
    // exists or not. A request within RepeatIgnoredMs of the one before, heard or ignored, is
    // ignored: a held key opens one.
    void openHelp(const QString &document);
    // Opens a web address through a redirect page in the application folder, or directly
    // when no page can be written there or the folder is an installed copy's. A repeat within
    // RepeatIgnoredMs is ignored.
    void openUrl(const QString &url);

    // The working directory the opener gets: the folder without trailing separators, except
    // at a root ("C:\", "/"), which keeps its own.
    static QString shellWorkingDirectory(QString rawFolder);

    static bool startPlatformOpener(const QString &target, const QString &workingDirectory,
                                    const std::function<void()> &gaveUp);
    static qint64 steadyClock();

private:
    bool isRepeat(std::optional<qint64> &last) const;
    void open(OpenFailure::Request request, const QString &target) const;

    std::optional<QString> applicationFolder_;
    Launcher launcher_;
    Clock clock_;
    Complaint complaint_;
    std::optional<qint64> lastHelp_;
    std::optional<qint64> lastLink_;
};
