// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>

class ResultBoard;

// Shows the result board's image, repainted when asked after the board changes; it draws
// nothing of its own but the keyboard focus. Its tool tip, where it has one, also shows when the
// keyboard brings the focus, for those who never point at it.
class BoardView : public QWidget
{
public:
    BoardView(const ResultBoard &board, QWidget *parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // The board is its maker's, not the view's window's, and may go first.
    QPointer<const ResultBoard> board_;
};
