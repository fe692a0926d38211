// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ContentFit.h"

#include "Centring.h"

#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QScrollArea>
#include <QStyle>
#include <algorithm>

ContentFit::ContentFit(QDialog &window, QScrollArea &scroll, const QLabel &notes,
                       const QWidget &widest)
    : window_(window), scroll_(scroll), notes_(notes), widest_(widest)
{
}

// A scroll area asks for a middling box whatever it holds.
QSize ContentFit::sizeHint() const
{
    const QWidget *contents = scroll_.widget();
    QSize whole = contents->sizeHint();
    // A wrapped label asks for a narrow, tall box.
    if (notes_.isVisibleTo(&window_)) {
        const QRect lines = notes_.fontMetrics().boundingRect(
            QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX), 0, notes_.text());
        whole.setWidth(
            std::max(whole.width(), std::min(lines.width(), widest_.sizeHint().width())));
    }
    if (contents->hasHeightForWidth())
        whole.setHeight(contents->heightForWidth(whole.width()));
    // Room for the scroll bar that a screen too low for all of it brings in, so that the
    // width still fits.
    const int frame = 2 * scroll_.frameWidth();
    whole += QSize(
        frame + window_.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &scroll_), frame);
    // Beside the buttons and the margins, which only the height adds up with; the layout
    // counts the scroll area at no less than its minimum.
    const QMargins margins = window_.layout()->contentsMargins();
    const int scrollHeight = scroll_.sizeHint()
                                 .expandedTo(scroll_.minimumSizeHint())
                                 .expandedTo(scroll_.minimumSize())
                                 .height();
    return QSize(whole.width() + margins.left() + margins.right(),
                 window_.QDialog::sizeHint().height() - scrollHeight + whole.height())
        .expandedTo(window_.minimumSizeHint());
}

void ContentFit::place(const QWidget *other)
{
    placed_ = true;
    fitted_ = window_.sizeHint();
    fitBeside(window_, other);
}

void ContentFit::follow()
{
    if (!placed_ || !window_.isVisible())
        return;
    scroll_.widget()->layout()->activate();
    window_.layout()->activate();
    if (window_.sizeHint() != fitted_) {
        fitted_ = window_.sizeHint();
        refit(window_);
    }
}
