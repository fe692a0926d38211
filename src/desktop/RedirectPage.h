// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// A small HTML page that sends the browser on to a web address at once, written into the
// application folder under the first free number: 0.html, 1.html, ...
namespace RedirectPage
{

// How many numbered names are tried before giving up.
inline constexpr int MaxNames = 100;

// The page for `url`, as one line without its line end.
QByteArray document(const QString &url);

// Writes the page for `url` under the first numbered name in `folder` (which ends in its
// separator) that can be written, and returns that name; nothing when none can be, and then
// `whyNot` says why, for the log.
std::optional<QString> write(const QString &folder, const QString &url, QString &whyNot);

} // namespace RedirectPage
