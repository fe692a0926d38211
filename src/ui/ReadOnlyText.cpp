// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReadOnlyText.h"

#include <QTextDocument>
#include <cmath>
#include <memory>

namespace
{

// Wide enough for a short sentence a line before the window says otherwise.
constexpr int PreferredWidthChars = 60;
constexpr int MinimumWidthChars = 16;

} // namespace

ReadOnlyText::ReadOnlyText(QWidget *parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setAcceptRichText(false);
    // The caret lets the keyboard, and a screen reader with it, move through the lines.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void ReadOnlyText::setContents(const QString &text)
{
    if (text == toPlainText())
        return;
    setPlainText(text);
    updateGeometry();
}

int ReadOnlyText::heightForWidth(int width) const
{
    const int frame = 2 * frameWidth();
    // A copy, so that asking about another width leaves the shown text as it is laid out.
    const std::unique_ptr<QTextDocument> copy(document()->clone());
    copy->setDefaultFont(font());
    copy->setTextWidth(std::max(1, width - frame));
    return int(std::ceil(copy->size().height())) + frame;
}

QSize ReadOnlyText::sizeHint() const
{
    const int width = fontMetrics().averageCharWidth() * PreferredWidthChars + 2 * frameWidth();
    return {width, heightForWidth(width)};
}

QSize ReadOnlyText::minimumSizeHint() const
{
    // One line: the height a width asks for comes from heightForWidth.
    const int frame = 2 * frameWidth();
    return {fontMetrics().averageCharWidth() * MinimumWidthChars + frame,
            fontMetrics().height() + 2 * int(document()->documentMargin()) + frame};
}
