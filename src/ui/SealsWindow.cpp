// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SealsWindow.h"

#include "ButtonStyle.h"
#include "Centring.h"
#include "Fonts.h"
#include "Game.h"
#include "GameTexts.h"
#include "VerifyTexts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace
{

constexpr int TextPixels = 14;
constexpr int SealPixels = 18;
constexpr QSize ButtonSize{120, 30};
// Groups of four digits a line of the seal holds: the noted part is the first line's half.
constexpr int GroupsPerLine = 8;

QLabel *label(QWidget *parent, const QString &name, Qt::TextFormat format)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    l->setTextFormat(format);
    // Reached with Tab: a label's text is read out as its name.
    l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    l->setFocusPolicy(Qt::StrongFocus);
    return l;
}

// The seal in groups of four, two lines, the digits to note in bold.
QString sealHtml(const QByteArray &seal)
{
    const QStringList groups = VerifyTexts::grouped(seal).split(u' ');
    QString html;
    for (qsizetype i = 0; i < groups.size(); ++i) {
        if (i > 0)
            html += i % GroupsPerLine == 0 ? u"<br>"_s : u" "_s;
        html += i < Seal::NotedDigits / 4 ? u"<b>"_s + groups[i] + u"</b>"_s : groups[i];
    }
    return html;
}

} // namespace

SealsWindow::SealsWindow(const Game &game, QWidget *mainWindow) : QDialog(mainWindow), game_(game)
{
    setObjectName(u"SealsWindow"_s);
    setWindowTitle(tr("Проверка"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setSizeGripEnabled(true);
    setPalette(ButtonStyle::greyPalette());
    setAutoFillBackground(true);
    setFont(Fonts::sans(TextPixels, false));

    auto *layout = new QVBoxLayout(this);
    summary_ = label(this, u"SealsSummary"_s, Qt::PlainText);
    seal_ = label(this, u"Seal"_s, Qt::RichText);
    reveal_ = label(this, u"SealOpened"_s, Qt::PlainText);
    record_ = label(this, u"RecordCode"_s, Qt::PlainText);
    for (QLabel *l : {summary_, seal_, reveal_, record_})
        layout->addWidget(l);
    layout->addStretch(1);

    auto *buttons = new QHBoxLayout;
    auto *buttonStyle = new ButtonStyle(this);
    copy_ = new QPushButton(tr("Копировать"), this);
    copy_->setObjectName(u"CopySeals"_s);
    copy_->setAccessibleDescription(
        tr("Скопировать печать, а после игры и всё, чем её проверяют, как текст."));
    auto *close = new QPushButton(tr("Закрыть"), this);
    close->setObjectName(u"CloseSeals"_s);
    for (QPushButton *b : {copy_, close}) {
        b->setFont(Fonts::sans(TextPixels, true));
        b->setFixedSize(ButtonSize);
        b->setStyle(buttonStyle);
        b->setAutoDefault(false);
    }
    buttons->addWidget(copy_);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(copy_, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(text()); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto *help = new QAction(this);
    help->setShortcut(Qt::Key_F1);
    help->setShortcutContext(Qt::WindowShortcut);
    help->setAutoRepeat(false);
    addAction(help);
    connect(help, &QAction::triggered, this, &SealsWindow::helpRequested);

    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPixelSize(SealPixels);
    seal_->setFont(mono);
    // Wide enough for the seal's lines, whatever the font.
    const QMargins margins = layout->contentsMargins();
    setMinimumWidth(QFontMetrics(mono).horizontalAdvance(QString(GroupsPerLine * 5, u'0')) +
                    margins.left() + margins.right() + 8);
    showGame();
}

void SealsWindow::showGame()
{
    const QByteArray seal = game_.seal();
    const std::optional<Seal::Secret> secret = game_.secret();
    const std::optional<Seal::Pictures> pictures = game_.hiddenPictures();
    if (seal.isEmpty()) {
        summary_->setText(tr("Игра ещё не начата: выберите уровень, и здесь появится её печать — "
                             "до первого ответа."));
    } else if (!secret || !pictures) {
        summary_->setText(tr("Печать игры %1 сделана из всех её десяти картинок до вашего первого "
                             "ответа. Запишите её первые 16 цифр (выделены): после игры по ним "
                             "можно будет проверить, что картинки не менялись.")
                              .arg(QString::fromLatin1(game_.gameId())));
    } else {
        summary_->setText(tr("Игра %1 окончена. Доказательство честности — печать, которую вы "
                             "записали до первого ответа: выполните команду ниже в оболочке и "
                             "сравните её вывод с записанным. Сверка, которую делает сама "
                             "программа, ничего не доказывает.")
                              .arg(QString::fromLatin1(game_.gameId())));
    }
    seal_->setVisible(!seal.isEmpty());
    seal_->setText(sealHtml(seal));
    seal_->setAccessibleName(
        tr("Печать игры: %1. Для записи достаточно первых 16 цифр: %2.")
            .arg(VerifyTexts::grouped(seal), VerifyTexts::grouped(seal.left(Seal::NotedDigits))));
    reveal_->setVisible(secret && pictures);
    if (secret && pictures) {
        QStringList names;
        for (int n = 1; n <= Game::Attempts; ++n)
            names << tr("%1. %2 (%3)")
                         .arg(n)
                         .arg(GameTexts::pictureName((*pictures)[std::size_t(n - 1)]))
                         .arg((*pictures)[std::size_t(n - 1)] + 1);
        reveal_->setText(
            tr("Картинки: %1.\nСекрет: %2\nКоманда:\n%3")
                .arg(names.join(u"; "_s), QString::fromLatin1(Seal::hex(*secret)),
                     QString::fromLatin1(Seal::shellCommand(game_.gameId(), game_.level()->number(),
                                                            *pictures, *secret))));
    }
    // The record's code is of the game just over, once it is written.
    setRecordCode(secret ? recordCode_ : QByteArray());
    copy_->setEnabled(!seal.isEmpty());
    growToContent();
}

// The revealed game says more than the seal alone: the window grows to show all of it, as far
// as the screen goes, and stays on it.
void SealsWindow::growToContent()
{
    if (!isVisible())
        return;
    const int wanted = layout()->totalHeightForWidth(width());
    const QRect room = screen()->availableGeometry();
    const int frame = frameGeometry().height() - height();
    const int height = std::min(wanted, room.height() - frame);
    if (height <= this->height())
        return;
    resize(width(), height);
    if (frameGeometry().bottom() > room.bottom())
        move(x(), std::max(room.top(), room.bottom() - frameGeometry().height() + 1));
}

void SealsWindow::setRecordCode(const QByteArray &code)
{
    recordCode_ = code;
    const bool shown = !code.isEmpty() && game_.score().has_value();
    record_->setVisible(shown);
    if (shown) {
        record_->setText(tr("Контрольные цифры записи игр после этой игры: %1. Кто записал их, "
                            "может позже убедиться командой chuikomer --verify, что запись до "
                            "этой игры не менялась.")
                             .arg(VerifyTexts::grouped(code)));
        growToContent();
    }
}

// As text a player keeps: the game and its seal, and once it is over, its pictures, secret,
// the command that checks the seal, and the record's code.
QString SealsWindow::text() const
{
    const QByteArray seal = game_.seal();
    if (seal.isEmpty())
        return {};
    QStringList lines{tr("Игра %1").arg(QString::fromLatin1(game_.gameId())),
                      tr("Печать: %1").arg(QString::fromLatin1(seal))};
    if (!reveal_->isHidden())
        lines << reveal_->text();
    if (!record_->isHidden())
        lines << record_->text();
    return lines.join(u'\n') + u'\n';
}

void SealsWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!placed_) {
        placed_ = true;
        fitBeside(*this, parentWidget());
        summary_->setFocus(Qt::OtherFocusReason);
    }
}
