// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Announcer.h"

#include <QAccessibleWidget>

namespace
{

QAccessibleInterface *notificationRole(const QString &, QObject *object)
{
    if (auto *announcer = qobject_cast<Announcer *>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    // Before anything asks this widget for its accessible side, which is made only once.
    static const bool installed = (QAccessible::installFactory(notificationRole), true);
    Q_UNUSED(installed);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(0, 0);
    hide();
}

void Announcer::announce(const QString &text, const QString &details)
{
    setAccessibleName(text);
    setAccessibleDescription(details);
    // Only showing is news to the screen reader.
    hide();
    show();
}
