// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AboutWindow.h"
#include "GameTexts.h"
#include "Language.h"
#include "MainWindow.h"
#include "ResultBoard.h"
#include "StatisticsWindow.h"
#include "TestSupport.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <optional>

using namespace Qt::StringLiterals;

namespace
{

// Every text of a window's menus, labels and buttons, by what it is.
QMap<QString, QString> shown(const QWidget &window)
{
    QMap<QString, QString> texts;
    texts[u"title"_s] = window.windowTitle();
    for (const QAction *action : window.findChildren<QAction *>())
        if (!action->objectName().isEmpty() && !action->text().isEmpty())
            texts[action->objectName()] = action->text();
    for (const QLabel *label : window.findChildren<QLabel *>())
        texts[label->objectName()] = label->text();
    for (const QPushButton *button : window.findChildren<QPushButton *>())
        if (!button->text().isEmpty())
            texts[button->objectName()] = button->text();
    return texts;
}

// A row for each of `texts` in `control`'s font, which must fit in `room`.
void addFitRows(const char *language, const QWidget *control, const QStringList &texts, QSize room,
                bool wraps = false)
{
    for (const QString &text : texts)
        QTest::addRow("%s %s: %s", language, qPrintable(control->objectName()), qPrintable(text))
            << control->font() << text << room << wraps;
}

// A button of fixed size: its caption within the margins its style keeps free.
void addButtonRows(const char *language, const QPushButton *button)
{
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    addFitRows(language, button, {button->text()}, button->size() - QSize(2 * margin, 0));
}

// A label that sizes itself from where it stands: it must end before `right`, and below, hold
// the text in its own height less `lost` rows where given.
void addLabelRows(const char *language, const QLabel *label, const QStringList &texts, int right,
                  std::optional<int> lost = {})
{
    addFitRows(language, label, texts,
               QSize(right - label->x(), lost ? label->height() - *lost
                                              : label->parentWidget()->height() - label->y()));
}

constexpr int RoundedAway = 2;

// The main window through every state the game puts it in: each level, every prompt, every
// verdict, a game for each score.
void addMainWindowRows(const char *language)
{
    ResultBoard board;
    // Picture 0 hidden at every attempt: guessing 0 is right, 1 wrong.
    Game game(board, TestSupport::ScriptedRandom{});
    MainWindow window(game, board);
    const auto *status = window.findChild<QLabel *>(u"Label1"_s);
    const auto *rules = window.findChild<QLabel *>(u"Label2"_s);
    QStringList statuses;
    QObject::connect(&game, &Game::changed, &window, [&] {
        window.showGame();
        statuses << status->text();
    });
    // In either mode.
    for (const bool training : {false, true}) {
        game.setTraining(training);
        for (const Level level : Level::all()) {
            game.chooseLevel(level);
            game.guess(0);
        }
        for (int hits = 0; hits <= Game::Attempts; ++hits) {
            game.chooseLevel(*Level::numbered(1));
            for (int attempt = 0; attempt < Game::Attempts; ++attempt)
                game.guess(attempt < hits ? 0 : 1);
        }
    }
    statuses.removeDuplicates();
    QCOMPARE(statuses.size(), 2 * (2 * Game::Attempts + 1));
    // A screen scaled by a fraction may round away a label's last two rows, the descenders'.
    addLabelRows(language, status, statuses, MainWindow::ClientSize.width(), RoundedAway);
    // The rules wrap within their box, and their capitals start a pixel below the board over
    // the box's top rows.
    const QWidget *cells = window.findChild<QWidget *>(u"picRezultat"_s);
    const QFontMetricsF metrics(rules->font());
    const qreal capitals =
        rules->y() + rules->contentsMargins().top() + metrics.ascent() - metrics.capHeight();
    QVERIFY2(capitals >= cells->geometry().bottom() + 2, qPrintable(QString::number(capitals)));
    addFitRows(language, rules, {rules->text()}, rules->contentsRect().size(), true);
    const QList<QPushButton *> buttons = window.findChildren<QPushButton *>();
    for (const QPushButton *button : buttons)
        if (!button->text().isEmpty())
            addButtonRows(language, button);
}

void addAboutRows(const char *language)
{
    const AboutWindow about;
    const int right = about.width();
    const auto *link = about.findChild<QLabel *>(u"Label1"_s);
    for (const QLabel *label : about.findChildren<QLabel *>())
        if (!label->text().isEmpty())
            addLabelRows(language, label, {label->text()},
                         label->objectName() == u"Label2_5" ? link->x() : right);
    addButtonRows(language, about.findChild<QPushButton *>(u"OK"_s));
    const StatisticsWindow statistics(nullptr);
    for (const QPushButton *button : statistics.findChildren<QPushButton *>())
        addButtonRows(language, button);
}

} // namespace

// The texts players know, as the program has always said them in Russian.
class TestTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Language::install(Language::Choice::Russian); }

    void gameTextsAsPlayersKnowThem_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("title") << GameTexts::title() << QStringLiteral(CHUIKOMER_TITLE);
        QTest::newRow("caption") << GameTexts::caption(*Level::numbered(2))
                                 << u"Чуйкомер: Второй уровень"_s;
        QTest::newRow("first level")
            << GameTexts::levelName(*Level::numbered(1)) << u"Первый уровень"_s;
        QTest::newRow("third level")
            << GameTexts::levelName(*Level::numbered(3)) << u"Третий уровень"_s;
        QTest::newRow("prompt 1") << GameTexts::attemptRequest(1) << u"Угадайте 1-ю картинку"_s;
        QTest::newRow("prompt 10") << GameTexts::attemptRequest(10) << u"Угадайте 10-ю картинку"_s;
        QTest::newRow("verdict 0") << GameTexts::verdict(0) << u"Ваша интуиция не работает."_s;
        QTest::newRow("verdict 1") << GameTexts::verdict(1) << u"Ваша интуиция работает на 10%"_s;
        QTest::newRow("verdict 9") << GameTexts::verdict(9) << u"Ваша интуиция работает на 90%"_s;
        QTest::newRow("verdict 10") << GameTexts::verdict(10) << u"Вы гений!!!"_s;
        QTest::newRow("training verdict 0")
            << GameTexts::verdict(0, true) << u"Тренировка: интуиция не работает"_s;
        QTest::newRow("training verdict 10")
            << GameTexts::verdict(10, true) << u"Тренировка: вы гений!!!"_s;
        QTest::newRow("right") << GameTexts::answer(0, 0) << u"Верно: красный круг"_s;
        QTest::newRow("miss") << GameTexts::answer(3, 0) << u"Мимо: загадан синий ромб"_s;
        QTest::newRow("miss, feminine") << GameTexts::answer(14, 0) << u"Мимо: загадана груша"_s;
        QTest::newRow("miss, plural") << GameTexts::answer(11, 0) << u"Мимо: загаданы вишни"_s;
    }
    void gameTextsAsPlayersKnowThem()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }

    void windowTextsAsPlayersKnowThem()
    {
        ResultBoard board;
        Game game(board, TestSupport::ScriptedRandom{});
        const MainWindow main(game, board);
        const QMap<QString, QString> m = shown(main);
        QCOMPARE(m[u"title"_s], u"Чуйкомер"_s);
        QCOMPARE(m[u"kLevel_1"_s], u"Второй уровень"_s);
        QCOMPARE(m[u"Label1"_s], QString(15, u' '));
        QCOMPARE(
            m[u"Label2"_s],
            u"Компьютер загадывает картинку, а вам её нужно угадать. Один сеанс 10 попыток."_s);
        QCOMPARE(m[u"MenuExit"_s], u"Выход"_s);
        QCOMPARE(m[u"HelpCalHelp"_s], u"Вызов справки"_s);
        QCOMPARE(m[u"HelpAbout"_s], u"О программе"_s);
        QStringList menus;
        for (const QAction *menu : main.menuBar()->actions())
            menus << menu->text();
        QCOMPARE(menus, (QStringList{u"Меню"_s, u"Справка"_s}));

        const AboutWindow about;
        const QMap<QString, QString> a = shown(about);
        QCOMPARE(a[u"title"_s], u"О программе"_s);
        QCOMPARE(a[u"OK"_s], u"OK"_s);
        QCOMPARE(a[u"Label1"_s], u"Программы для всех!"_s);
        QCOMPARE(a[u"Label2_3"_s], u"Автор: "_s + QStringLiteral(CHUIKOMER_AUTHOR));
        QCOMPARE(a[u"Label2_4"_s], u"E-mail: "_s + QStringLiteral(CHUIKOMER_EMAIL));
        QCOMPARE(a[u"Label2_5"_s], u"Сайт:"_s);
        QCOMPARE(a[u"Label2_6"_s], u"Версия: v4.0"_s);
        QCOMPARE(a[u"Label2_6"_s], u"Версия: v"_s + QStringLiteral(CHUIKOMER_VERSION));
        QCOMPARE(a[u"Label2_7"_s], u"Дата: 21 января 2005 год -"_s);
        QCOMPARE(a[u"Label2_0"_s], u"13 августа 2015 год"_s);
    }

    // In English, the English facts: the author as English texts name them, dates as
    // Americans write them, the one version of the program.
    void englishTextsSayEnglishFacts()
    {
        Language::install(Language::Choice::English);
        const AboutWindow about;
        const QMap<QString, QString> a = shown(about);
        ResultBoard board;
        Game game(board, TestSupport::ScriptedRandom{});
        const MainWindow main(game, board);
        const QMap<QString, QString> m = shown(main);
        const QString prompt = GameTexts::attemptRequest(3);
        Language::install(Language::Choice::Russian);
        QCOMPARE(a[u"Label2_3"_s], u"Author: "_s + QStringLiteral(CHUIKOMER_AUTHOR_EN));
        QCOMPARE(a[u"Label2_6"_s], u"Version: "_s + QStringLiteral(CHUIKOMER_VERSION));
        QCOMPARE(a[u"Label2_7"_s] + u' ' + a[u"Label2_0"_s],
                 u"Dates: January 21, 2005 to August 13, 2015"_s);
        QCOMPARE(m[u"title"_s], u"Hunchmeter"_s);
        QCOMPARE(prompt, u"Attempt 3: guess the picture"_s);
    }

    // Every text of a fixed layout fits, in Russian as in English, at the screen scale the test
    // runs at (CTest runs it at 1, 1.25, 1.5, 1.75 and 2): a fixed control's caption its width
    // (the rules their box, wrapped), a label that sizes itself its window.
    void textsFitTheirControls_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("room");
        QTest::addColumn<bool>("wraps");
        for (const auto &[choice, language] : {std::pair{Language::Choice::Russian, "Russian"},
                                               std::pair{Language::Choice::English, "English"}}) {
            Language::install(choice);
            addMainWindowRows(language);
            addAboutRows(language);
        }
        Language::install(Language::Choice::Russian);
    }
    void textsFitTheirControls()
    {
        QFETCH(QFont, font);
        QFETCH(QString, text);
        QFETCH(QSize, room);
        QFETCH(bool, wraps);
        const QFontMetrics metrics(font);
        const QSize needed = wraps ? metrics
                                         .boundingRect(QRect(0, 0, room.width(), QWIDGETSIZE_MAX),
                                                       Qt::TextWordWrap, text)
                                         .size()
                                   : QSize(metrics.horizontalAdvance(text), metrics.height());
        QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
                 qPrintable(u"%1 x %2 px in %3 x %4"_s.arg(needed.width())
                                .arg(needed.height())
                                .arg(room.width())
                                .arg(room.height())));
    }

    // What the verdict means against pure guessing, the odds said the one way the program says
    // them: a whole per cent, one case in so many with grouped digits, or rarer than a billion.
    void explanationsSayTheOdds()
    {
        const auto level = [](int n) { return *Level::numbered(n); };
        QCOMPARE(GameTexts::explanation(4, level(1)),
                 u"Наугад на этом уровне угадывают в среднем 2 из 10.\nУгадать 4 или больше просто "
                 "по везению можно в 12% случаев."_s);
        QVERIFY(GameTexts::explanation(3, level(3))
                    .startsWith(u"Наугад на этом уровне угадывают "
                                "в среднем 0,67 из 10.\n"_s));
        QVERIFY(GameTexts::explanation(10, level(1))
                    .endsWith(u"Угадать все 10 просто по везению можно в 1 случае из "
                              "9\u00a0765\u00a0625."_s));
        QVERIFY(GameTexts::explanation(10, level(3))
                    .endsWith(u"меньше чем в 1 случае из миллиарда."_s));
        QVERIFY(GameTexts::explanation(0, level(2))
                    .endsWith(u"Не угадать ни одной картинки просто по невезению можно в 35% "
                              "случаев."_s));
        QVERIFY(GameTexts::explanation(5, level(2)).endsWith(u"можно в 1 случае из 612."_s));
    }

    // Names a screen reader gives the pictures: one for each, none twice.
    void everyPictureHasANameOfItsOwn()
    {
        QSet<QString> names;
        for (int i = 0; i < Level::MostPictures; ++i)
            names.insert(GameTexts::pictureName(i));
        names.remove(QString());
        QCOMPARE(names.size(), Level::MostPictures);
        QVERIFY(GameTexts::pictureName(-1).isEmpty());
        QVERIFY(GameTexts::pictureName(Level::MostPictures).isEmpty());
    }
};

QTEST_MAIN(TestTexts)
#include "tst_texts.moc"
