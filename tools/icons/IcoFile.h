// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>

// A Windows icon file holding one 32-bit bitmap image, for the executable's icon. Qt reads
// .ico files but cannot write them.
QByteArray encodeIco(const QImage &image);
