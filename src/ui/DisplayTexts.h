// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// What the program says on its error output about its display, in the user's language, also
// before its application object exists. Each ends with its line break.
namespace DisplayTexts
{

QString noDisplay();
QString lostDisplay();
// QT_SCALE_FACTOR set to `value`, which makes no sense, is ignored.
QString senselessScaleFactor(const QByteArray &value);

} // namespace DisplayTexts
