#include "WholeWrite.h"

#include <cerrno>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

bool writeWhole(int fd, const QByteArray &data)
{
    qsizetype done = 0;
    while (done < data.size()) {
        const auto n =
            ::write(fd, data.constData() + done, static_cast<unsigned>(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}
