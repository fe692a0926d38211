// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ModeSetting.h"

#include "DesktopLog.h"
#include "Platform.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <optional>

using namespace Qt::StringLiterals;

namespace ModeSetting
{

namespace
{

constexpr char Key[] = "training";

// None where the data folder cannot be named.
std::optional<QString> file()
{
    const QByteArray folder =
        Platform::dataFolder(QFile::encodeName(QCoreApplication::applicationName())).path;
    if (folder.isEmpty())
        return std::nullopt;
    return QFile::decodeName(folder) + u"/settings.ini"_s;
}

} // namespace

bool training()
{
    const auto path = file();
    return path && QSettings(*path, QSettings::IniFormat).value(Key, false).toBool();
}

void setTraining(bool training)
{
    const auto path = file();
    if (!path) {
        qCWarning(desktopLog) << "The mode is not kept: the data folder cannot be named";
        return;
    }
    QSettings settings(*path, QSettings::IniFormat);
    settings.setValue(Key, training);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        qCWarning(desktopLog).nospace() << "The mode is not kept in " << *path;
}

} // namespace ModeSetting
