#pragma once

#include <QWidget>

class ResultBoard;

// Shows the result board's image; it draws nothing of its own but the keyboard focus.
class BoardView : public QWidget
{
public:
    BoardView(const ResultBoard &board, QWidget *parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const ResultBoard &board_;
};
