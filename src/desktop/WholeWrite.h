#pragma once

#include <QByteArray>

// Writes all of `data` to the file descriptor, going on after interruptions and partial
// writes; false on any failure (a full disk, a quota).
bool writeWhole(int fd, const QByteArray &data);
