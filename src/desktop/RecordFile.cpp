#include "RecordFile.h"

#include "WholeWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace
{

constexpr qint64 BlockSize = 64 * 1024;
// A line longer than this is no game; only its start is kept, enough to fail to read it.
constexpr qsizetype LongestLine = 4096;

#ifdef Q_OS_WIN
constexpr int OpenFlags = _O_RDWR | _O_APPEND | _O_CREAT | _O_BINARY;
constexpr int OpenMode = _S_IREAD | _S_IWRITE;
#else
constexpr int OpenFlags = O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC;
constexpr int OpenMode = 0644;
#endif

// The file's last byte, or 0 when it is empty or cannot be read.
char lastByte(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0 || !file.seek(file.size() - 1))
        return 0;
    char c = 0;
    return file.getChar(&c) ? c : 0;
}

} // namespace

RecordFile::RecordFile(QString path) : path_(std::move(path)) {}

QString RecordFile::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u'/' +
           QString::fromUtf16(FileName);
}

bool RecordFile::append(const QByteArray &line, const QByteArray &header) const
{
    if (!QDir().mkpath(QFileInfo(path_).absolutePath()))
        return false;
    const QByteArray name = QFile::encodeName(path_);
    const int fd = ::open(name.constData(), OpenFlags, OpenMode);
    if (fd < 0)
        return false;
    QByteArray data;
    struct stat info {
    };
    if (::fstat(fd, &info) != 0) {
        ::close(fd);
        return false;
    }
    if (info.st_size == 0)
        data = header;
    else if (lastByte(path_) != '\n')
        // A torn last line is ended first, so that this game does not run on from it.
        data = "\n";
    data += line;
    // One call for a line this short, so that two writers never interleave.
    const bool written = writeWhole(fd, data);
    return ::close(fd) == 0 && written;
}

bool RecordFile::read(const std::function<void(QByteArrayView line)> &take) const
{
    QFile file(path_);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    QByteArray block(BlockSize, Qt::Uninitialized);
    QByteArray carried;
    while (true) {
        const qint64 n = file.read(block.data(), BlockSize);
        if (n < 0)
            return false;
        if (n == 0)
            break;
        const QByteArrayView chunk(block.constData(), n);
        qsizetype from = 0;
        for (qsizetype end = chunk.indexOf('\n'); end >= 0; end = chunk.indexOf('\n', from)) {
            if (carried.isEmpty()) {
                take(chunk.sliced(from, end - from));
            } else {
                carried += chunk.sliced(from, std::min(end - from, LongestLine));
                take(carried);
                carried.clear();
            }
            from = end + 1;
        }
        carried += chunk.sliced(from, std::min(chunk.size() - from, LongestLine - carried.size()));
    }
    // The last line without its newline, torn or whole: the reader decides.
    if (!carried.isEmpty())
        take(carried);
    return true;
}

bool RecordFile::startAnew(const QString &date) const
{
    if (!QFile::exists(path_))
        return true;
    const QFileInfo info(path_);
    const QString stem = info.absolutePath() + u'/' + info.completeBaseName() + u'-' + date;
    QString target = stem + u'.' + info.suffix();
    for (int n = 2; QFile::exists(target); ++n)
        target = stem + u'-' + QString::number(n) + u'.' + info.suffix();
    return QFile::rename(path_, target);
}
