#include "RedirectPage.h"

#include "WholeWrite.h"

#include <QFile>
#include <QUrl>

#ifdef Q_OS_UNIX
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFileInfo>
#include <QSaveFile>
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

enum class Outcome {
    Written,
    // Something else has the name: leave it alone and try the next number.
    NameTaken,
    // The folder takes no page at all (read-only, missing, full): stop trying.
    Failed,
};

#ifdef Q_OS_UNIX

// Whether `path` may be replaced by a page: nothing there, or a plain file of this user's
// with no other name, writable by its mode. Looks, never opens: opening a FIFO would block.
// The mode is read as well as asked, since access() grants root everything.
bool replaceable(const QByteArray &path)
{
    struct stat info {
    };
    if (::lstat(path.constData(), &info) != 0)
        return errno == ENOENT;
    return S_ISREG(info.st_mode) && info.st_nlink == 1 &&
           (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 &&
           ::access(path.constData(), W_OK) == 0;
}

// The whole page goes to a new file beside the name, which then takes the name in one step:
// a reader sees the old page or the new one, never a part, and nothing is ever written
// through whatever the name led to.
Outcome writePage(const QString &folder, const QString &name, const QByteArray &page)
{
    const QByteArray path = QFile::encodeName(folder + name);
    if (!replaceable(path))
        return Outcome::NameTaken;
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 10 && fd < 0; ++attempt) {
        temporary = QFile::encodeName(folder + u"."_s + name + u"."_s +
                                      QString::number(QRandomGenerator::global()->generate(), 16));
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    0666);
        if (fd < 0 && errno != EEXIST)
            return Outcome::Failed;
    }
    if (fd < 0)
        return Outcome::Failed;
    const bool complete = writeWhole(fd, page) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !complete) {
        ::unlink(temporary.constData());
        return Outcome::Failed;
    }
    if (::rename(temporary.constData(), path.constData()) != 0) {
        // Taken meanwhile by something that cannot be replaced, a folder say.
        ::unlink(temporary.constData());
        return Outcome::NameTaken;
    }
    return Outcome::Written;
}

#else

// The same rules with Qt's means: QSaveFile writes beside the name and renames on commit.
// The number of hard links is not checked here; the rename leaves a linked file alone anyway.
Outcome writePage(const QString &folder, const QString &name, const QByteArray &page)
{
    const QFileInfo info(folder + name);
    if (info.isSymLink() || (info.exists() && (!info.isFile() || !info.isWritable())))
        return Outcome::NameTaken;
    QSaveFile file(folder + name);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return Outcome::Failed;
    if (file.write(page) != page.size())
        file.cancelWriting();
    return file.commit() ? Outcome::Written : Outcome::Failed;
}

#endif

// Non-ASCII as the browser would send it: the host in its ASCII (IDN) form, everything else
// percent-encoded as UTF-8. The page then is pure ASCII, whatever its declared charset.
QByteArray asciiUrl(QString url)
{
    const QString host = QUrl(url).host(QUrl::FullyDecoded);
    bool asciiHost = true;
    for (QChar c : host)
        asciiHost = asciiHost && c.unicode() < 0x80;
    if (!asciiHost) {
        const qsizetype at = url.indexOf(host, 0, Qt::CaseInsensitive);
        if (at >= 0)
            url.replace(at, host.size(), QString::fromLatin1(QUrl::toAce(host)));
    }
    QByteArray ascii;
    for (const char byte : url.toUtf8()) {
        if (static_cast<unsigned char>(byte) < 0x80)
            ascii += byte;
        else
            ascii += '%' + QByteArray::number(static_cast<unsigned char>(byte), 16).toUpper();
    }
    return ascii;
}

} // namespace

QByteArray document(const QString &url)
{
    // The URL sits inside an apostrophe-quoted attribute; %27 names the same address without
    // ending the attribute early.
    QByteArray quoted = asciiUrl(url);
    quoted.replace('\'', "%27");
    return "<html><head><meta http-equiv='refresh' content='0; url=" + quoted +
           "'><meta http-equiv='Content-Type' content='text/html; charset=windows-1251'>"
           "<title>WWW</title></head><body></body></html>";
}

std::optional<QString> write(const QString &folder, const QString &url)
{
    const QByteArray page = document(url) + LineEnd;
    for (int counter = 0; counter < MaxNames; ++counter) {
        const QString name = QString::number(counter) + u".html"_s;
        switch (writePage(folder, name, page)) {
        case Outcome::Written:
            return folder + name;
        case Outcome::NameTaken:
            continue;
        case Outcome::Failed:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace RedirectPage
