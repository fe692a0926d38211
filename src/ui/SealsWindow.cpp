// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SealsWindow.h"

#include "ButtonStyle.h"
#include "Centring.h"
#include "Fonts.h"
#include "Game.h"
#include "GameTexts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace
{

constexpr int TextPixels = 14;
constexpr QSize ButtonSize{120, 30};
// Hex digits a line of a cell holds: a seal takes two lines, a secret one.
constexpr int DigitsPerLine = 32;

enum Column { Attempt, Picture, Sealed, Holds, Columns };

// Whether attempt n's seal holds, once its secret is known.
bool holds(const Game &game, int n)
{
    const std::optional<Seal::Secret> secret = game.secret(n);
    return secret && Seal::of(game.gameId(), n, game.hidden(n), *secret) == game.seal(n);
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
    summary_ = new QLabel(this);
    summary_->setObjectName(u"SealsSummary"_s);
    summary_->setWordWrap(true);
    summary_->setTextFormat(Qt::PlainText);
    // Reached with Tab: a label's text is read out as its name.
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(summary_);

    table_ = new QTableWidget(Game::Attempts, Columns, this);
    table_->setObjectName(u"Seals"_s);
    table_->setAccessibleName(tr("Печати"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->setWordWrap(true);
    table_->setTextElideMode(Qt::ElideNone);
    table_->verticalHeader()->hide();
    table_->setHorizontalHeaderLabels(
        {tr("Попытка"), tr("Картинка"), tr("Печать и секрет"), tr("Сходится")});
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPixelSize(TextPixels - 1);
    for (int r = 0; r < Game::Attempts; ++r)
        for (int c = 0; c < Columns; ++c) {
            auto *item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            if (c == Sealed)
                item->setFont(mono);
            table_->setItem(r, c, item);
        }
    const QFontMetrics monoMetrics(mono);
    table_->setColumnWidth(Sealed,
                           monoMetrics.horizontalAdvance(QString(DigitsPerLine + 7, u'0')) + 12);
    // A number and a word need no more room than their headings, and the seals theirs: the
    // pictures' names take what is left, wrapped, so that every column stays in sight.
    table_->setColumnWidth(Attempt, table_->horizontalHeader()->sectionSizeHint(Attempt) + 8);
    table_->setColumnWidth(Holds, table_->horizontalHeader()->sectionSizeHint(Holds) + 16);
    table_->horizontalHeader()->setSectionResizeMode(Picture, QHeaderView::Stretch);
    layout->addWidget(table_, 1);

    auto *buttons = new QHBoxLayout;
    auto *buttonStyle = new ButtonStyle(this);
    copy_ = new QPushButton(tr("Копировать"), this);
    copy_->setObjectName(u"CopySeals"_s);
    copy_->setAccessibleDescription(tr("Скопировать печати, а после игры и секреты, как текст."));
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
    connect(copy_, &QPushButton::clicked, this, &SealsWindow::copy);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto *help = new QAction(this);
    help->setShortcut(Qt::Key_F1);
    help->setShortcutContext(Qt::WindowShortcut);
    help->setAutoRepeat(false);
    addAction(help);
    connect(help, &QAction::triggered, this, &SealsWindow::helpRequested);

    showGame();
}

QString SealsWindow::grouped(const QByteArray &hex)
{
    QString text;
    for (qsizetype at = 0; at < hex.size(); at += 4) {
        if (at > 0)
            text += at % DigitsPerLine == 0 ? u'\n' : u' ';
        text += QString::fromLatin1(hex.mid(at, 4));
    }
    return text;
}

void SealsWindow::showGame()
{
    const bool over = game_.score().has_value();
    int begun = 0;
    bool allHold = true;
    for (int n = 1; n <= Game::Attempts; ++n) {
        const QByteArray seal = game_.seal(n);
        const std::optional<Seal::Secret> secret = game_.secret(n);
        const bool shown = !seal.isEmpty();
        begun += shown;
        const int row = n - 1;
        table_->setRowHidden(row, !shown);
        if (!shown)
            continue;
        table_->item(row, Attempt)->setText(QString::number(n));
        QString sealed = grouped(seal);
        QString spoken =
            tr("Попытка %1, печать %2").arg(n).arg(QString(sealed).replace(u'\n', u' '));
        if (secret) {
            const bool ok = holds(game_, n);
            allHold = allHold && ok;
            const QString picture = GameTexts::pictureName(game_.hidden(n));
            table_->item(row, Picture)
                ->setText(tr("%1 (%2)").arg(picture).arg(game_.hidden(n) + 1));
            sealed += u'\n' + grouped(Seal::hex(*secret));
            table_->item(row, Holds)->setText(ok ? tr("да") : tr("НЕТ"));
            spoken = tr("Попытка %1: %2, номер %3, печать %4, секрет %5, %6")
                         .arg(n)
                         .arg(picture)
                         .arg(game_.hidden(n) + 1)
                         .arg(grouped(seal).replace(u'\n', u' '),
                              grouped(Seal::hex(*secret)).replace(u'\n', u' '),
                              ok ? tr("сходится") : tr("не сходится"));
        } else {
            table_->item(row, Picture)->setText(tr("загадана"));
            table_->item(row, Holds)->setText({});
        }
        table_->item(row, Sealed)->setText(sealed);
        for (int c = 0; c < Columns; ++c)
            table_->item(row, c)->setData(Qt::AccessibleTextRole, spoken);
    }
    table_->setColumnHidden(Holds, !over);
    table_->resizeRowsToContents();

    const QString game = QString::fromLatin1(game_.gameId());
    if (begun == 0)
        summary_->setText(tr("Игра ещё не начата: выберите уровень, и здесь появится печать "
                             "первой загаданной картинки."));
    else if (!over)
        summary_->setText(tr("Игра %1. Печать каждой картинки появляется, как только она "
                             "загадана, до вашего ответа: запишите её. После игры здесь появятся "
                             "секреты, и каждую печать можно будет проверить.")
                              .arg(game));
    else if (allHold)
        summary_->setText(tr("Игра %1 окончена. Все %n печатей сходятся: каждая картинка была "
                             "загадана до вашего ответа.",
                             nullptr, Game::Attempts)
                              .arg(game));
    else
        summary_->setText(tr("Игра %1 окончена. Не все печати сходятся: картинки в строках с "
                             "«НЕТ» не те, что были загаданы.")
                              .arg(game));
    copy_->setEnabled(begun > 0);
}

// As text a player keeps: the game, then each attempt's seal, and once it is over, the
// picture, the secret and the command that checks the seal.
void SealsWindow::copy()
{
    const QByteArray game = game_.gameId();
    QStringList lines{tr("Игра %1").arg(QString::fromLatin1(game))};
    for (int n = 1; n <= Game::Attempts && !game_.seal(n).isEmpty(); ++n) {
        lines << tr("Попытка %1, печать %2").arg(n).arg(QString::fromLatin1(game_.seal(n)));
        if (const std::optional<Seal::Secret> secret = game_.secret(n))
            lines << u"printf 'chuikomer-seal:%1:%2:%3:%4' | sha256sum"_s
                         .arg(QString::fromLatin1(game))
                         .arg(n)
                         .arg(game_.hidden(n) + 1)
                         .arg(QString::fromLatin1(Seal::hex(*secret)));
    }
    QApplication::clipboard()->setText(lines.join(u'\n') + u'\n');
}

// Room for every column and for ten attempts of three lines each.
QSize SealsWindow::sizeHint() const
{
    const QMargins margins = layout()->contentsMargins();
    int width = 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < Columns; ++c)
        width += c == Picture ? table_->horizontalHeader()->sectionSizeHint(c) + 40
                              : table_->columnWidth(c);
    const int row = 3 * QFontMetrics(table_->item(0, Sealed)->font()).lineSpacing() + 8;
    const int tableHeight = table_->horizontalHeader()->sizeHint().height() + Game::Attempts * row +
                            2 * table_->frameWidth();
    const int summaryHeight = summary_->heightForWidth(width);
    return {width + margins.left() + margins.right(), summaryHeight + tableHeight + 30 +
                                                          3 * layout()->spacing() + margins.top() +
                                                          margins.bottom()};
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
