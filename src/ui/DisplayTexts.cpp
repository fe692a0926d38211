// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DisplayTexts.h"

#include "Language.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace DisplayTexts
{

namespace
{

constexpr char Context[] = "DisplayTexts";

// With the program's name in front, as every line on the error output has it.
QString line(const QString &message)
{
    return u"%1: %2\n"_s.arg(Language::translate("GameTexts", "Чуйкомер"), message);
}

} // namespace

QString noDisplay()
{
    return line(Language::translate(
        Context, QT_TRANSLATE_NOOP("DisplayTexts", "не удалось открыть графический дисплей "
                                                   "(проверьте DISPLAY или WAYLAND_DISPLAY).")));
}

QString lostDisplay()
{
    return line(Language::translate(
        Context,
        QT_TRANSLATE_NOOP("DisplayTexts",
                          "связь с графическим дисплеем потеряна, программа завершается.")));
}

QString senselessScaleFactor(const QByteArray &value)
{
    return line(Language::translate(Context, QT_TRANSLATE_NOOP("DisplayTexts",
                                                               "QT_SCALE_FACTOR=%1 не число от 0,5 "
                                                               "до 8, оно не учитывается."))
                    .arg(QString::fromLocal8Bit(value.left(40))));
}

} // namespace DisplayTexts
