#include "RedirectPage.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#else
#include <QFileInfo>
#endif

using namespace Qt::StringLiterals;

namespace RedirectPage
{

namespace
{

#ifdef Q_OS_WIN
constexpr char LineEnd[] = "\r\n";
#else
constexpr char LineEnd[] = "\n";
#endif

// Creates or truncates `name` and writes `contents`; false when the name cannot be opened.
// A symbolic link is never followed: whoever planted it must not get a file elsewhere
// truncated. Write errors are ignored; the browser gets whatever landed in the file.
bool writeFile(const QString &name, const QByteArray &contents)
{
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(name);
    const int fd =
        ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    qsizetype written = 0;
    while (written < contents.size()) {
        const ssize_t n = ::write(fd, contents.constData() + written,
                                  static_cast<size_t>(contents.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        written += n;
    }
    ::close(fd);
    return true;
#else
    if (QFileInfo(name).isSymLink())
        return false;
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(contents);
    return true;
#endif
}

} // namespace

QByteArray document(const QString &url)
{
    // The URL sits inside an apostrophe-quoted attribute; %27 names the same address without
    // ending the attribute early.
    QString quoted = url;
    quoted.replace(u'\'', u"%27"_s);
    return "<html><head><meta http-equiv='refresh' content='0; url=" + quoted.toLocal8Bit() +
           "'><meta http-equiv='Content-Type' content='text/html; charset=windows-1251'>"
           "<title>WWW</title></head><body></body></html>";
}

std::optional<QString> write(const QString &folder, const QString &url)
{
    const QByteArray page = document(url) + LineEnd;
    for (int counter = 0; counter < MaxNames; ++counter) {
        const QString name = folder + QString::number(counter) + u".html"_s;
        if (writeFile(name, page))
            return name;
    }
    return std::nullopt;
}

} // namespace RedirectPage
