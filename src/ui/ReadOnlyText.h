// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTextEdit>

// Plain text that a screen reader reaches with Tab and reads line by line: a read-only text
// field with a caret. It wraps, and is always as tall as its text at the width it is given,
// so that a scroll area around it scrolls instead of this.
class ReadOnlyText : public QTextEdit
{
    Q_OBJECT

public:
    explicit ReadOnlyText(QWidget *parent = nullptr);

    // Plain text; the layout is told when the height it needs may have changed.
    void setContents(const QString &text);

    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};
