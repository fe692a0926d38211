// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

// Build-time tool: writes the window icon as the PNG of the desktop entry and the ICO of the
// Windows executable, so that the artwork lives only in its XPM.
#include "IcoFile.h"
#include "Pictures.h"

#include <QFile>
#include <QSaveFile>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ICON.png ICON.ico\n", argv[0]);
        return 2;
    }
    const QImage icon = Pictures::windowIcon();
    if (icon.isNull()) {
        std::fputs("the window icon's XPM is malformed\n", stderr);
        return 1;
    }
    const QString png = QFile::decodeName(argv[1]);
    if (!icon.save(png, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    QSaveFile ico(QFile::decodeName(argv[2]));
    const QByteArray data = encodeIco(icon);
    if (!ico.open(QIODevice::WriteOnly) || ico.write(data) != data.size() || !ico.commit()) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
