// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Desktop.h"

#include "ApplicationFolder.h"
#include "DesktopLog.h"
#include "Platform.h"
#include "RedirectPage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <exception>
#include <new>

namespace
{

bool isSeparator(QChar c)
{
    return c == u'/' || c == u'\\';
}

} // namespace

Desktop::Desktop(std::optional<QString> applicationFolder, Launcher launcher, Clock clock)
    : applicationFolder_(std::move(applicationFolder)), launcher_(std::move(launcher)),
      clock_(std::move(clock))
{
}

qint64 Desktop::steadyClock()
{
    static const QElapsedTimer started = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return started.elapsed();
}

bool Desktop::isRepeat(std::optional<qint64> &last) const
{
    // Counted from the last request, heard or not: a held key repeats faster than the pause.
    const qint64 now = clock_();
    const bool repeat = last && now - *last < RepeatIgnoredMs;
    last = now;
    return repeat;
}

bool Desktop::startPlatformOpener(const QString &target, const QString &workingDirectory,
                                  const std::function<void()> &gaveUp)
{
    return Platform::startOpener(target, workingDirectory, gaveUp);
}

QString Desktop::shellWorkingDirectory(QString rawFolder)
{
    while (rawFolder.size() > 1 && isSeparator(rawFolder.back())) {
        const QString rest = rawFolder.chopped(1);
        const bool driveRoot = rest.size() == 2 && rest[1] == u':' && rest[0].isLetter();
        if (driveRoot)
            break;
        rawFolder = rest;
    }
    return rawFolder;
}

bool Desktop::openWithDesktop(const QString &target, const std::function<void()> &gaveUp) const
{
    try {
        return launcher_(target, shellWorkingDirectory(ApplicationFolder::programFolder()), gaveUp);
    } catch (const std::exception &error) {
        // The launcher is the caller's to choose; Qt throws nothing of its own, and what the
        // standard library throws (bad_alloc, bad_function_call, system_error) is one of these.
        qCWarning(desktopLog).nospace() << "Could not open " << target << ": " << error.what();
    }
    return false;
}

void Desktop::open(OpenFailure::Request request, const QString &target) const
{
    const QString opener = QString::fromLatin1(Platform::OpenerName);
    // Copied: the desktop may be gone by the time the opener gives up.
    const auto gaveUp = [complaint = complaint_, request, opener] {
        if (complaint)
            complaint({request, OpenFailure::Reason::NoViewer, opener});
    };
    if (!openWithDesktop(target, gaveUp) && complaint_)
        complaint_({request, OpenFailure::Reason::NoOpener, opener});
}

void Desktop::openHelp(const QString &document)
{
    if (isRepeat(lastHelp_))
        return;
    if (applicationFolder_)
        open(OpenFailure::Request::Help, *applicationFolder_ + document);
}

void Desktop::openUrl(const QString &url)
{
    if (isRepeat(lastLink_))
        return;
    try {
        // An installed copy's folder belongs to its package, and is usually read-only anyway:
        // then the browser gets the address itself.
        const bool pageFolder =
            applicationFolder_ && !ApplicationFolder::isInstalled(*applicationFolder_);
        QString whyNot;
        const auto page =
            pageFolder ? RedirectPage::write(*applicationFolder_, url, whyNot) : std::nullopt;
        if (pageFolder && !page)
            qCWarning(desktopLog).nospace()
                << "No redirect page in " << *applicationFolder_ << " (" << qUtf8Printable(whyNot)
                << "); the address goes to the browser itself";
        const QString target = page.value_or(url);
        QCoreApplication::processEvents();
        open(OpenFailure::Request::Link, target);
    } catch (const std::bad_alloc &) {
        // Building the page's text is all that can throw here: Qt reports nothing else so,
        // and the launcher's own are caught in openWithDesktop.
        qCWarning(desktopLog) << "Out of memory opening" << url;
    }
}
