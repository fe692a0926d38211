#include "OpURL.h"

#include "MainM.h"

#include <QProcess>
#include <QStringList>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#endif

using namespace Qt::StringLiterals;

namespace OpURL
{

namespace
{

void platformLauncher(const QString &target, const QString &workingDirectory)
{
#if defined(Q_OS_WIN)
    // The wide call: "Справка.html" does not survive a code page without Cyrillic.
    ShellExecuteW(nullptr, L"Open", reinterpret_cast<LPCWSTR>(target.utf16()), nullptr,
                  reinterpret_cast<LPCWSTR>(workingDirectory.utf16()), SW_SHOWNORMAL);
#elif defined(Q_OS_MACOS)
    QProcess::startDetached(u"open"_s, QStringList{target}, workingDirectory);
#else
    QProcess::startDetached(u"xdg-open"_s, QStringList{target}, workingDirectory);
#endif
}

Launcher &launcher()
{
    static Launcher current = platformLauncher;
    return current;
}

bool isSeparator(QChar c)
{
    return c == u'/' || c == u'\\';
}

} // namespace

Launcher SetLauncher(Launcher replacement)
{
    if (!replacement)
        replacement = platformLauncher;
    std::swap(launcher(), replacement);
    return replacement;
}

QString ShellWorkingDirectory(QString rawFolder)
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

void OpenWithShell(QString target)
{
    try {
        launcher()(target, ShellWorkingDirectory(MainM::ProgramFolder()));
    } catch (...) {
        // Opening a document is a convenience; the game goes on without it.
    }
}

void OpenHelp()
{
    OpenWithShell(MainM::AppFolder + QString::fromUtf16(HelpFileName));
}

} // namespace OpURL
