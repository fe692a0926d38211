#include "Desktop.h"

#include "ApplicationFolder.h"
#include "RedirectPage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#endif

using namespace Qt::StringLiterals;

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

bool Desktop::startPlatformOpener(const QString &target, const QString &workingDirectory)
{
#if defined(Q_OS_WIN)
    // The wide call: "Справка.html" does not survive a code page without Cyrillic.
    const auto result =
        ShellExecuteW(nullptr, L"Open", reinterpret_cast<LPCWSTR>(target.utf16()), nullptr,
                      reinterpret_cast<LPCWSTR>(workingDirectory.utf16()), SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
#elif defined(Q_OS_MACOS)
    return QProcess::startDetached(u"open"_s, QStringList{target}, workingDirectory);
#else
    return QProcess::startDetached(u"xdg-open"_s, QStringList{target}, workingDirectory);
#endif
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

void Desktop::openWithDesktop(const QString &target) const
{
    try {
        launcher_(target, shellWorkingDirectory(ApplicationFolder::programFolder()));
    } catch (...) {
        // Nothing to report: the document simply does not open.
    }
}

void Desktop::openHelp()
{
    if (isRepeat(lastHelp_))
        return;
    if (applicationFolder_)
        openWithDesktop(*applicationFolder_ + QString::fromUtf16(HelpFileName));
}

void Desktop::openUrl(const QString &url)
{
    if (isRepeat(lastLink_))
        return;
    try {
        // An installed program's folder is usually read-only: then the browser gets the
        // address itself.
        const auto page =
            applicationFolder_ ? RedirectPage::write(*applicationFolder_, url) : std::nullopt;
        const QString target = page.value_or(url);
        QCoreApplication::processEvents();
        openWithDesktop(target);
    } catch (...) {
        // Nothing to report: the link simply does not open.
    }
}
