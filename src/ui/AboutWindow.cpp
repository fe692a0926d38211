// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AboutWindow.h"

#include "ButtonStyle.h"
#include "Centring.h"
#include "Fonts.h"
#include "Language.h"
#include "LinkLabel.h"
#include "PictureBox.h"
#include "Pictures.h"
#include "ProgramInfo.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace
{

// Where everything stands in the window, in pixels. Captions size themselves from their
// top-left corner.
namespace Layout
{
constexpr QRect OkButton{264, 164, 89, 33};
constexpr QPoint Link{156, 56};
constexpr QPoint Author{104, 8};
constexpr QPoint Email{104, 32};
constexpr QPoint Site{104, 56};
constexpr QPoint Version{104, 80};
constexpr QPoint DateFrom{104, 104};
constexpr QPoint DateTo{156, 128};
constexpr QRect Flag{8, 160, 80, 45};
constexpr QRect Emblem{16, 8, 71, 126};
// An engraved rule: a dark line over a light one.
constexpr int RuleLeft = 8;
constexpr int RuleRight = 352;
constexpr int DarkRuleY = 152;
constexpr int LightRuleY = 153;
} // namespace Layout

// The flag's bands, white above them: rows 15 to 30 blue, 31 to the bottom red.
constexpr QRect BlueBand{QPoint(0, 15), QPoint(79, 30)};
constexpr QRect RedBand{QPoint(0, 31), QPoint(79, 45)};

const QColor LinkBlue(0, 0, 192);

// A label that takes the size of its caption, from its top-left corner.
QLabel *caption(QWidget *parent, const QString &objectName, const QString &text, QPoint at)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setAutoFillBackground(true);
    label->move(at);
    label->adjustSize();
    return label;
}

QWidget *rule(QWidget *parent, const QString &objectName, const QColor &colour, int y)
{
    auto *line = new QWidget(parent);
    line->setObjectName(objectName);
    QPalette p = line->palette();
    p.setColor(QPalette::Window, colour);
    line->setPalette(p);
    line->setAutoFillBackground(true);
    line->setGeometry(QRect(QPoint(Layout::RuleLeft, y), QPoint(Layout::RuleRight, y)));
    return line;
}

} // namespace

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"frmOprog"_s);
    setWindowTitle(tr("О программе"));
    // A fixed dialog frame: a title bar with a close button, no resizing, no minimising.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientSize);
    setFont(Fonts::sans());
    setPalette(ButtonStyle::greyPalette());
    setAutoFillBackground(true);

    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(u"OK"_s);
    ok->setGeometry(Layout::OkButton);
    // The main window's plain grey button.
    ok->setStyle(new ButtonStyle(this));
    ok->setDefault(true);
    ok->setFocusPolicy(Qt::StrongFocus);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    createCredits();
    createPictures();
    setTabOrder(ok, link_);
    setTabOrder(link_, flag_);

    const QPalette system = QApplication::palette();
    rule(this, u"Line1"_s, system.color(QPalette::WindowText), Layout::DarkRuleY);
    rule(this, u"Line2"_s, system.color(QPalette::Base), Layout::LightRuleY);

    drawFlag();
    centreOnScreen(*this);
    ok->setFocus();
}

// The flag and the emblem, each named for those who cannot see them.
void AboutWindow::createPictures()
{
    flag_ = new PictureBox(Layout::Flag.size(), Qt::white, this);
    flag_->setObjectName(u"Picture1"_s);
    flag_->move(Layout::Flag.topLeft());
    flag_->setFocusPolicy(Qt::StrongFocus);
    flag_->setAccessibleName(tr("Флаг: белая, синяя и красная полосы"));

    auto *emblem = new QLabel(this);
    emblem->setObjectName(u"Image1"_s);
    emblem->setPixmap(QPixmap::fromImage(Pictures::aboutEmblem()));
    emblem->setGeometry(Layout::Emblem);
    emblem->setAccessibleName(tr("Эмблема: человек смотрит вдаль из-под руки"));
}

void AboutWindow::createCredits()
{
    link_ = new LinkLabel(tr("Программы для всех!"), this);
    link_->setObjectName(u"Label1"_s);
    QFont underlined = Fonts::sans();
    underlined.setUnderline(true);
    link_->setFont(underlined);
    QPalette blue = link_->palette();
    blue.setColor(QPalette::WindowText, LinkBlue);
    link_->setPalette(blue);
    link_->setAutoFillBackground(true);
    link_->setCursor(QCursor(QPixmap::fromImage(Pictures::linkPointer()), 0, 0));
    link_->move(Layout::Link);
    link_->adjustSize();
    link_->setAccessibleDescription(tr("Сайт автора: %1").arg(siteUrl()));
    connect(link_, &LinkLabel::activated, this, &AboutWindow::activateLink);

    const QString author = QString::fromUtf16(Language::current() == Language::Choice::English
                                                  ? ProgramInfo::AuthorEnglish
                                                  : ProgramInfo::Author);
    const QString version = QString::fromUtf16(ProgramInfo::Version);
    const QString email = QString::fromUtf16(ProgramInfo::Email);
    caption(this, u"Label2_3"_s, tr("Автор: %1").arg(author), Layout::Author);
    // Screen readers open the window reading captions of three words or more: these two say
    // the same in three.
    caption(this, u"Label2_4"_s, tr("E-mail: %1").arg(email), Layout::Email)
        ->setAccessibleName(tr("Электронная почта: %1").arg(email));
    caption(this, u"Label2_5"_s, tr("Сайт:"), Layout::Site)->setBuddy(link_);
    caption(this, u"Label2_6"_s, tr("Версия: v%1").arg(version), Layout::Version)
        ->setAccessibleName(tr("Версия программы: v%1").arg(version));
    caption(this, u"Label2_7"_s, tr("Дата: 21 января 2005 год -"), Layout::DateFrom);
    caption(this, u"Label2_0"_s, tr("13 августа 2015 год"), Layout::DateTo);
}

QString AboutWindow::siteUrl()
{
    return QString::fromUtf16(ProgramInfo::SiteUrl);
}

// Drawn at every opening; the box keeps the drawing and repaints it itself.
void AboutWindow::drawFlag()
{
    QPainter painter(&flag_->image());
    painter.fillRect(BlueBand, QColor(0, 0, 255));
    painter.fillRect(RedBand, QColor(255, 0, 0));
    painter.end();
    flag_->update();
}

void AboutWindow::activateLink()
{
    // The hourglass also over the link itself, whose own pointer would hide it there.
    const QCursor linkCursor = link_->cursor();
    setCursor(Qt::WaitCursor);
    link_->setCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([this, linkCursor] {
        link_->setCursor(linkCursor);
        unsetCursor();
    });
    Q_EMIT siteLinkActivated(siteUrl());
}
