// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ApplicationFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ApplicationFolder
{

QString programFolder()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

QString withSeparator(QString folder, Separators separators)
{
    const bool backslash = separators == Separators::Windows && folder.contains(u'\\');
    const QChar separator = backslash ? u'\\' : u'/';
    if (folder.isEmpty() || folder.back() != separator)
        folder += separator;
    return folder;
}

std::optional<QString> known(const QString &folder, Separators separators)
{
    const QFileInfo info(QDir::fromNativeSeparators(folder));
    if (folder.isEmpty() || !info.isAbsolute() || !info.isDir())
        return std::nullopt;
    return withSeparator(folder, separators);
}

std::optional<QString> find()
{
    return known(programFolder());
}

bool isInstalled(const QString &folder)
{
    return QFileInfo::exists(folder + QString::fromUtf16(InstalledMark));
}

} // namespace ApplicationFolder
