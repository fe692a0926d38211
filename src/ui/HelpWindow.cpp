// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HelpWindow.h"

#include "Centring.h"
#include "GameTexts.h"

#include <QAction>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace
{

QPointer<HelpWindow> shown;

// The window everything else stands over: the first without a parent.
QWidget *topmost(QWidget *widget)
{
    while (widget && widget->parentWidget())
        widget = widget->parentWidget();
    return widget;
}

} // namespace

HelpWindow::HelpWindow(QWidget *owner) : QWidget(owner, Qt::Window), browser_(new QTextBrowser)
{
    setObjectName(u"HelpWindow"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    browser_->setObjectName(u"HelpText"_s);
    // Nothing here starts a browser: that is what failed.
    browser_->setOpenExternalLinks(false);
    browser_->setOpenLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    auto *close = new QAction(this);
    close->setShortcut(Qt::Key_Escape);
    close->setShortcutContext(Qt::WindowShortcut);
    addAction(close);
    connect(close, &QAction::triggered, this, &QWidget::close);
}

void HelpWindow::load(const QString &path)
{
    path_ = path;
    if (QFileInfo(path).isReadable()) {
        browser_->setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
    } else {
        browser_->setPlainText(tr("Файл справки не найден: %1").arg(path));
    }
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? GameTexts::title() : title);
}

HelpWindow *HelpWindow::showDocument(QWidget *owner, const QString &path)
{
    const bool made = !shown;
    if (made)
        shown = new HelpWindow(topmost(owner));
    if (made || shown->document() != path)
        shown->load(path);
    if (made)
        fitBeside(*shown, shown->parentWidget());
    shown->show();
    shown->raise();
    shown->activateWindow();
    shown->browser_->setFocus();
    return shown;
}
