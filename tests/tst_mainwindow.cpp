// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardView.h"
#include "HtmlView.h"
#include "MainWindow.h"
#include "Pictures.h"
#include "ResultBoard.h"
#include "TestSupport.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QHash>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolTip>
#include <deque>
#include <utility>

using namespace Qt::StringLiterals;

namespace
{

using TestSupport::control;
using TestSupport::ink;
using TestSupport::rgb;

// A shown window over a game whose hidden pictures the test chooses, told of the game's news
// as the program tells it.
struct Window {
    TestSupport::ScriptedRandom random;
    ResultBoard cells;
    Game game{cells, random};
    MainWindow form{game, cells};

    explicit Window(bool training = false)
    {
        QObject::connect(&game, &Game::changed, &form, &MainWindow::showGame);
        QObject::connect(&cells, &ResultBoard::changed, &form, &MainWindow::showBoard);
        game.setTraining(training);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }

    QPushButton *level(int i) const { return control<QPushButton>(&form, u"kLevel_%1"_s.arg(i)); }
    QPushButton *picture(int i) const
    {
        return control<QPushButton>(&form, u"Command1_%1"_s.arg(i));
    }
    QLabel *status() const { return control<QLabel>(&form, u"Label1"_s); }
    QLabel *rules() const { return control<QLabel>(&form, u"Label2"_s); }
    QWidget *board() const { return control(&form, u"picRezultat"_s); }
    QWidget *banner() const { return control(&form, u"usrReklamaX1"_s); }
    QAction *action(const QString &name) const { return control<QAction>(&form, name); }
    QImage boardImage() const { return rgb(board()->grab().toImage()); }
    void click(QWidget *button) { QTest::mouseClick(button, Qt::LeftButton); }
};

QStringList texts(const QList<QAction *> &actions)
{
    QStringList all;
    for (const QAction *a : actions)
        all << a->text();
    return all;
}

// The test and training, for what is the same in both.
void modes()
{
    QTest::addColumn<bool>("training");
    QTest::newRow("test") << false;
    QTest::newRow("training") << true;
}

QString accessible(QWidget *widget, QAccessible::Text what)
{
    return QAccessible::queryAccessibleInterface(widget)->text(what);
}

// A control's description as a screen reader hears it, with the focus come to it.
QString heard(QWidget *widget)
{
    if (!QTest::qWaitForWindowActive(widget->window()))
        return u"the window never came to the front"_s;
    widget->setFocus(Qt::TabFocusReason);
    return accessible(widget, QAccessible::Description);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The same in training but for the words that say so.
    void layoutAsPlayersKnowIt_data() { modes(); }
    void layoutAsPlayersKnowIt()
    {
        QFETCH(bool, training);
        const QString title = training ? u"Чуйкомер — тренировка"_s : u"Чуйкомер"_s;
        const QString status = training ? u"Тренировка"_s : QString(15, u' ');
        Window w(training);
        MainWindow &f = w.form;
        QCOMPARE(f.objectName(), u"frmForma"_s);
        QCOMPARE(f.windowTitle(), title);
        QCOMPARE(f.centralWidget()->size(), QSize(650, 308));
        QCOMPARE(f.minimumSize(), f.maximumSize());
        QVERIFY(!(f.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(f.windowFlags() & Qt::WindowTitleHint);
        QCOMPARE(f.centralWidget()->palette().color(QPalette::Window), QColor(224, 224, 224));

        QCOMPARE(w.banner()->geometry(), QRect(0, 0, 649, 77));
        QCOMPARE(control(w.banner(), u"WebBrowser1"_s)->geometry(), QRect(0, 0, 649, 77));
        const QStringList levels{u"Первый уровень"_s, u"Второй уровень"_s, u"Третий уровень"_s};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(w.level(i)->geometry(), QRect(8 + 216 * i, 80, 202, 33));
            QCOMPARE(w.level(i)->text(), levels[i]);
            QVERIFY(w.level(i)->isEnabled());
        }
        for (int i = 0; i < 15; ++i) {
            QCOMPARE(w.picture(i)->geometry(), QRect(8 + 58 * (i % 5), 128 + 58 * (i / 5), 55, 55));
            QVERIFY(w.picture(i)->isVisible());
            QVERIFY(w.picture(i)->text().isEmpty());
            QCOMPARE(w.picture(i)->iconSize(), QSize(40, 40));
        }
        QCOMPARE(w.status()->geometry(),
                 QRect(304, 120, std::max(91, w.status()->sizeHint().width()), 24));
        QCOMPARE(w.status()->text(), status);
        QCOMPARE(w.board()->geometry(), QRect(304, 144, 335, 130));
        QCOMPARE(w.rules()->geometry(), QRect(304, 272, 324, 32));
        QCOMPARE(
            w.rules()->text(),
            u"Компьютер загадывает картинку, а вам её нужно угадать. Один сеанс 10 попыток."_s);
        // The board shows the empty grid and lies above the rules label's top rows.
        QCOMPARE(w.boardImage(), Pictures::boardBackground());
        QCOMPARE(f.centralWidget()->childAt(400, 273), w.board());
    }

    void fonts()
    {
        Window w;
        const QStringList sans{u"MS Sans Serif"_s, u"Liberation Sans"_s};
        const auto check = [&](QWidget *widget, int pixels) {
            const QFontInfo info(widget->font());
            QVERIFY2(sans.contains(info.family()), qPrintable(info.family()));
            QCOMPARE(info.pixelSize(), pixels);
            QVERIFY(info.bold());
        };
        check(w.level(0), 16);
        check(w.status(), 18);
        check(w.rules(), 13);

        // The rules take two lines within their box.
        const QFontMetrics rules(w.rules()->font());
        const QRect wrapped =
            rules.boundingRect(QRect(0, 0, 324, 1000), Qt::TextWordWrap, w.rules()->text());
        QVERIFY(wrapped.height() <= 32);
        QVERIFY(wrapped.height() >= 2 * rules.height());
    }

    void menus()
    {
        Window w;
        const QList<QAction *> top = w.form.menuBar()->actions();
        QCOMPARE(texts(top), (QStringList{u"Меню"_s, u"Справка"_s}));
        QCOMPARE(texts(top[0]->menu()->actions()),
                 (QStringList{u"Статистика"_s, u"Проверка"_s, u"Тренировка"_s, u"Выход"_s}));
        QCOMPARE(w.action(u"MenuTraining"_s)->shortcut(), QKeySequence(Qt::Key_F5));
        QCOMPARE(texts(top[1]->menu()->actions()),
                 (QStringList{u"Вызов справки"_s, u"О программе"_s}));
        QCOMPARE(w.action(u"HelpCalHelp"_s)->shortcut(), QKeySequence(Qt::Key_F1));
        // A held F1 asks once; the menu stays in the window on every desktop.
        QVERIFY(!w.action(u"HelpCalHelp"_s)->autoRepeat());
        QVERIFY(!w.form.menuBar()->isNativeMenuBar());

        QSignalSpy exit(&w.form, &MainWindow::exitRequested);
        QSignalSpy help(&w.form, &MainWindow::helpRequested);
        QSignalSpy about(&w.form, &MainWindow::aboutRequested);
        QSignalSpy seals(&w.form, &MainWindow::sealsRequested);
        // F1 works at any time, also before a level is chosen and from any control.
        w.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        QTest::keyClick(w.picture(3), Qt::Key_F1);
        QCOMPARE(help.count(), 1);
        w.click(w.level(1));
        QTest::keyClick(&w.form, Qt::Key_F1);
        QCOMPARE(help.count(), 2);
        w.action(u"HelpAbout"_s)->trigger();
        w.action(u"MenuExit"_s)->trigger();
        w.action(u"MenuSeals"_s)->trigger();
        QCOMPARE(seals.count(), 1);
        QCOMPARE(about.count(), 1);
        QCOMPARE(exit.count(), 1);
    }

    void focusOrder_data() { modes(); }
    void focusOrder()
    {
        QFETCH(bool, training);
        Window w(training);
        MainWindow &f = w.form;
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QCOMPARE(QApplication::focusWidget(), w.picture(0));
        QList<QWidget *> expected;
        for (int i = 1; i < 15; ++i)
            expected << w.picture(i);
        expected << w.board() << w.banner() << w.level(2) << w.level(1) << w.level(0)
                 << w.picture(0);
        for (QWidget *next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }

        // Hidden picture buttons are skipped. Space on the buttons the Orca test presses.
        w.click(w.level(0));
        w.picture(4)->setFocus();
        QTest::keyClick(w.picture(4), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.board());
    }

    // A whole game through real mouse clicks: 4 hits at the second level; in training, each
    // answer on the board at once, and the mode in the caption and the status.
    void wholeGameByMouse_data() { modes(); }
    void wholeGameByMouse()
    {
        QFETCH(bool, training);
        const QString mode = training ? u" — тренировка"_s : QString();
        const QString request =
            training ? u"Тренировка: угадайте %1-ю картинку"_s : u"Угадайте %1-ю картинку"_s;
        const QString verdict =
            training ? u"Тренировка: интуиция на 40%"_s : u"Ваша интуиция работает на 40%"_s;
        Window w(training);
        MainWindow &f = w.form;
        const std::array<int, 10> hidden{9, 0, 5, 7, 2, 2, 8, 1, 6, 3};
        const std::array<int, 10> guessed{9, 1, 5, 6, 2, 3, 8, 4, 4, 4};
        w.random.hideAll(hidden, 10);
        w.click(w.level(1));
        const int requestWidth = w.status()->width();
        QCOMPARE(f.windowTitle(), u"Чуйкомер: Второй уровень"_s + mode);
        for (int k = 0; k < 15; ++k)
            QCOMPARE(w.picture(k)->isVisible(), k < 10);
        for (int i = 0; i < 3; ++i)
            QVERIFY(!w.level(i)->isEnabled());

        ResultBoard expected;
        expected.startAttempt(1, hidden[0]);
        for (int n = 1; n <= 10; ++n) {
            QCOMPARE(w.status()->text(), request.arg(n));
            // Nothing on the board names a hidden picture before its reveal.
            const QString description = heard(w.board());
            QVERIFY(description.contains(u"Попытка %1: ждёт"_s.arg(n)));
            // The answered attempts and the waiting one, no more.
            QCOMPARE(description.count(u"Попытка"_s), n);
            QCOMPARE(description.count(u"загадано"_s), training ? n - 1 : 0);
            w.click(w.picture(guessed[n - 1]));
            expected.setGuess(n, guessed[n - 1]);
            if (n < 10)
                expected.startAttempt(n + 1, hidden[n]);
            for (int i = 0; i < 3; ++i)
                QVERIFY(w.level(i)->isEnabled());
        }
        for (int n = 1; n <= 10; ++n) {
            expected.reveal(n);
            if (hidden[n - 1] != guessed[n - 1])
                expected.strike(n);
        }
        QCOMPARE(w.status()->text(), verdict);
        // The longest verdict widens the label, on one line inside the window.
        const QFontMetrics status(w.status()->font());
        QCOMPARE(w.status()->pos(), QPoint(304, 120));
        QVERIFY(w.status()->geometry().right() < 650);
        if (!training)
            QVERIFY(w.status()->width() > requestWidth);
        QVERIFY(w.status()->height() < 2 * status.height());
        QVERIFY(w.status()->width() >= status.horizontalAdvance(w.status()->text()));
        QCOMPARE(w.boardImage(), expected.image());
        QCOMPARE(w.game.attempt(), Game::NoGame);

        const QString description = heard(w.board());
        QVERIFY(
            description.contains(u"Попытка 1: загадано — Барабан, ваш ответ — Барабан, верно"_s));
        QVERIFY(description.contains(
            u"Попытка 2: загадано — Красный круг, ваш ответ — Жёлтый квадрат, неверно"_s));
        QVERIFY(w.status()->toolTip().contains(u"в среднем 1 из 10"_s));
        QVERIFY(w.status()->toolTip().contains(u"4 или больше"_s));
        QCOMPARE(accessible(w.status(), QAccessible::Description), w.status()->toolTip());

        // Clicks after the end change nothing; a level choice starts again.
        w.click(w.picture(0));
        QCOMPARE(w.boardImage(), expected.image());
        w.random.hide({4, 4, 4, 4, 4, 4, 4, 4, 4, 4}, 5);
        w.click(w.level(0));
        QCOMPARE(f.windowTitle(), u"Чуйкомер: Первый уровень"_s + mode);
        QVERIFY(w.status()->toolTip().isEmpty());
        QCOMPARE(w.status()->width(), requestWidth);
        for (int k = 0; k < 15; ++k)
            QCOMPARE(w.picture(k)->isVisible(), k < 5);
        ResultBoard fresh;
        fresh.startAttempt(1, 4);
        QCOMPARE(w.boardImage(), fresh.image());
    }

    void picturesAreNamedAsScreenReaderUsersKnowThem()
    {
        Window w;
        QCOMPARE(accessible(w.picture(0), QAccessible::Name), u"Красный круг"_s);
        QCOMPARE(accessible(w.picture(6), QAccessible::Name), u"Мяч"_s);
        QCOMPARE(accessible(w.picture(14), QAccessible::Name), u"Груша"_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(w.picture(0))->role(), QAccessible::Button);
    }

    // Orca speaks a notification when it shows, reading its words only when it comes to it, and
    // it falls behind on a busy machine: every announcement is a notification of its own whose
    // words never change. Once at the start what the game is, its rules and keys; then each
    // move confirmed with what comes next, the verdict with its explanation and where the
    // details are; on demand the rules and the board. Few events per guess, or Orca drops some.
    void announcements()
    {
        Window w;
        QWidget *announcer = control(&w.form, u"Announcer"_s);
        const auto said = [announcer] {
            QStringList all;
            for (QWidget *n : announcer->findChildren<QWidget *>(u"Announcement"_s,
                                                                 Qt::FindDirectChildrenOnly)) {
                QAccessibleInterface *a = QAccessible::queryAccessibleInterface(n);
                all << (a->role() == QAccessible::Notification && n->isVisible()
                            ? a->text(QAccessible::Name) + u" | "_s +
                                  a->text(QAccessible::Description)
                            : u"not shown"_s);
            }
            return all;
        };
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        QTRY_COMPARE(said().size(), 1);
        const QString intro = said()[0];
        QVERIFY(intro.startsWith(u"Чуйкомер — игра, которая проверяет интуицию. | "_s));
        QVERIFY(intro.contains(u"10 попыток"_s));
        QVERIFY(intro.endsWith(u"F2 повторяет правила, F3 читает табло, F4 — первые цифры печати "
                               u"игры. Сначала выберите уровень: Shift+Tab ведёт к кнопкам "
                               u"уровней. Обычная игра: загаданное видно после десятой попытки. F5 "
                               u"включает тренировку."_s));
        QVERIFY(accessible(w.picture(4), QAccessible::Description).contains(u"F2"_s));
        // The banner, a stop of the keyboard's round, is the window's heading and tells the game.
        QCOMPARE(QAccessible::queryAccessibleInterface(w.banner())->role(), QAccessible::Heading);
        QVERIFY(accessible(w.banner(), QAccessible::Description).contains(u"F3 читает табло"_s));

        w.click(w.picture(4));
        // Orca drops the notifications waiting once some fifty events wait, and on a busy
        // machine a fast game may be over before it reads any: the random source hides the
        // first picture every time, ten misses, each told once, and the descriptions told as
        // seldom as it takes.
        int changes = 0;
        QHash<QWidget *, QString> told;
        const auto tell = [&] {
            for (QWidget *c : w.form.findChildren<QWidget *>())
                changes += std::exchange(told[c], c->accessibleDescription()) !=
                           c->accessibleDescription();
        };
        tell();
        changes = 0;
        w.click(w.level(0));
        QCOMPARE(heard(w.picture(4)), QString());
        QTRY_COMPARE(said().size(), 3);
        for (int n = 1; n <= 10; ++n) {
            tell();
            w.click(w.picture(1));
            QTRY_COMPARE(said().size(), n + 3);
        }
        tell();
        QVERIFY2(changes <= 6, qPrintable(QString::number(changes)));
        const QString verdict = w.status()->toolTip();
        QVERIFY(!verdict.isEmpty());
        const QStringList game = said().mid(1);
        QCOMPARE(game.mid(0, 4), (QStringList{u"Сначала выберите уровень. | "_s,
                                              u"Первый уровень. Угадайте 1-ю картинку | "_s,
                                              u"Жёлтый квадрат. Угадайте 2-ю картинку | "_s,
                                              u"Жёлтый квадрат. Угадайте 3-ю картинку | "_s}));
        QCOMPARE(game.last(), u"Жёлтый квадрат. Ваша интуиция не работает. | "_s + verdict +
                                  u"\nПодробности — на табло: клавиша F3."_s);
        QVERIFY(heard(w.picture(4)).startsWith(u"Сначала"_s));

        // On demand, in the window's own keys: the board, then the rules with what comes first.
        QTest::keyClick(&w.form, Qt::Key_F3);
        QTest::keyClick(&w.form, Qt::Key_F2);
        QTRY_COMPARE(said().size(), 15);
        QVERIFY(said()[13].startsWith(u"Ваша интуиция не работает. | "_s + verdict +
                                      u"\nПопытка 1: загадано — Красный круг, ваш ответ — "
                                      u"Жёлтый квадрат, неверно."_s));
        QCOMPARE(said()[14], intro);
        // Heard again on the board, seen there by a keyboard player too.
        QVERIFY(heard(w.board()).startsWith(u"Ваша интуиция не работает.\n"_s + verdict +
                                            u"\nПопытка 1: загадано"_s));
        w.board()->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), verdict);
        w.picture(0)->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(!QToolTip::isVisible());

        // The rules are not told again when the window comes back to the front, but when a
        // screen reader appears after the window, once it has settled; every announcement
        // already made still says what it said.
        QApplication::setActiveWindow(nullptr);
        QApplication::setActiveWindow(&w.form);
        w.click(w.level(0));
        QTRY_COMPARE(said().size(), 16);
        QVERIFY(said()[15].startsWith(u"Первый уровень. Угадайте 1-ю"_s));
        QAccessible::setActive(false);
        QAccessible::setActive(true);
        QTest::qWait(MainWindow::ScreenReaderSettlesMs / 2);
        QCOMPARE(said().size(), 16);
        QTRY_COMPARE(said().size(), 17);
        QVERIFY(said()[16].startsWith(u"Чуйкомер — игра"_s));
        QVERIFY(!said()[16].contains(u"Сначала выберите уровень"_s));
        QCOMPARE(said().mid(1, 14), QStringList(game) << said()[13] << intro);
        QVERIFY(!heard(w.board()).contains(u"интуиция"_s));

        // On demand, the game's seal: its first sixteen digits.
        QTest::keyClick(&w.form, Qt::Key_F4);
        QTRY_COMPARE(said().size(), 18);
        const QByteArray seal = w.game.seal();
        QCOMPARE(said()[17],
                 u"Печать игры начинается с %1 %2 %3 %4. | Вся печать — в "
                 "окне «Проверка» из меню."_s.arg(
                     QString::fromLatin1(seal.mid(0, 4)), QString::fromLatin1(seal.mid(4, 4)),
                     QString::fromLatin1(seal.mid(8, 4)), QString::fromLatin1(seal.mid(12, 4))));

        // F5: the mode said first, then the new game; in training each answer at once.
        QTest::keyClick(&w.form, Qt::Key_F5);
        w.click(w.picture(1));
        w.click(w.picture(0));
        QTRY_COMPARE(said().size(), 21);
        QCOMPARE(said().mid(18),
                 (QStringList{u"Режим тренировки: после каждой попытки видно, что было загадано. "
                              u"Эти игры идут в отдельную запись. F5 выключает тренировку. Первый "
                              u"уровень. Тренировка: угадайте 1-ю картинку | "_s,
                              u"Мимо: загадан красный круг. Тренировка: угадайте 2-ю картинку | "_s,
                              u"Верно: красный круг. Тренировка: угадайте 3-ю картинку | "_s}));
        QVERIFY(w.action(u"MenuTraining"_s)->isChecked());
    }

    // The banner as a browser lays it out: title centred, 32 px serif, 14 px from the top.
    void bannerAsPlayersKnowIt()
    {
        Window w;
        auto *view = control<HtmlView>(w.banner(), u"WebBrowser1"_s);
        const QImage image = view->grab().toImage();
        QCOMPARE(image.pixel(2, 2), qRgb(255, 255, 255));
        const QRect title = ink(image);
        QVERIFY(!title.isEmpty());
        QVERIFY2(qAbs((title.left() + title.right() + 1) - 649) <= 4,
                 qPrintable(u"%1..%2"_s.arg(title.left()).arg(title.right())));

        // The title's ink is a 32-pixel serif's, set 14 pixels from the top.
        QFont font(u"Times New Roman"_s);
        font.setPixelSize(32);
        font.setBold(true);
        const QFontMetrics metrics(font);
        const QRect glyphs = metrics.tightBoundingRect(u"Чуйкомер"_s);
        const int baseline = 14 + metrics.ascent();
        QVERIFY2(
            qAbs(title.top() - (baseline + glyphs.top())) <= 2,
            qPrintable(u"ink top %1, expected %2"_s.arg(title.top()).arg(baseline + glyphs.top())));
        QVERIFY(qAbs(title.height() - glyphs.height()) <= 2);
        // A screen reader reads the page's words and nothing else.
        QCOMPARE(accessible(view, QAccessible::Name), u"Чуйкомер"_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(view)->textInterface(), nullptr);
        // Nothing scrolls, however long the title.
        QVERIFY(view->findChildren<QWidget *>().isEmpty());
    }

    // The board view repaints once the window hears its board changed, and survives the
    // board going first.
    void boardViewFollowsItsBoard()
    {
        struct PaintCounter : QObject {
            int paints = 0;
            bool eventFilter(QObject *, QEvent *event) override
            {
                paints += event->type() == QEvent::Paint;
                return false;
            }
        } counter;
        Window w;
        QTest::qWait(50);
        w.board()->installEventFilter(&counter);
        w.cells.startAttempt(3, 0);
        QTRY_VERIFY(counter.paints > 0);
        QCOMPARE(w.boardImage(), w.cells.image());

        auto board = std::make_unique<ResultBoard>();
        BoardView view(*board, nullptr);
        view.resize(ResultBoard::Width, ResultBoard::Height);
        board.reset();
        QCOMPARE(TestSupport::colours(rgb(view.grab().toImage())),
                 QSet<QRgb>{view.palette().window().color().rgb()});
    }

    void bannerFailureLeavesTheAreaEmpty()
    {
        HtmlView view;
        view.resize(649, 77);
        view.navigate(u"http://example.org/"_s);
        QVERIFY(ink(view.grab().toImage()).isEmpty());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
