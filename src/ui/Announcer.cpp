// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Announcer.h"

#include <QAccessibleWidget>
#include <QTimer>

namespace
{

// One announcement: its words are fixed when it is made, so that a screen reader asking late
// gets these and no others, and that no change of them is news of its own.
class Notification : public QWidget
{
public:
    Notification(QWidget *parent, const QString &text, const QString &details)
        : QWidget(parent), text_(text), details_(details)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        resize(0, 0);
    }

    const QString &text() const { return text_; }
    const QString &details() const { return details_; }

private:
    const QString text_;
    const QString details_;
};

class AccessibleNotification : public QAccessibleWidget
{
public:
    explicit AccessibleNotification(Notification *notification)
        : QAccessibleWidget(notification, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const auto *notification = static_cast<const Notification *>(widget());
        if (t == QAccessible::Name)
            return notification->text();
        if (t == QAccessible::Description)
            return notification->details();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *notificationRole(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (auto *notification = dynamic_cast<Notification *>(widget))
        return new AccessibleNotification(notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    // Before anything asks a notification for its accessible side, which is made only once.
    static const bool installed = (QAccessible::installFactory(notificationRole), true);
    Q_UNUSED(installed);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(0, 0);
}

void Announcer::announce(const QString &text, const QString &details)
{
    auto *notification = new Notification(this, text, details);
    notification->setObjectName(QStringLiteral("Announcement"));
    // Only showing is news to the screen reader.
    notification->show();
    QTimer::singleShot(KeptMs, notification, &QObject::deleteLater);
}
