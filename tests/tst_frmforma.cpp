#include "BoardView.h"
#include "HtmlView.h"
#include "Pictures.h"
#include "ResultBoard.h"
#include "frmForma.h"
#include "usrReklamaX.h"

#include <QAccessible>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <deque>

using namespace Qt::StringLiterals;

namespace
{

// A window whose hidden pictures come from `draws`, one per attempt.
struct Window {
    std::deque<double> draws;
    frmForma form{[this] {
        const double v = draws.empty() ? 0.0 : draws.front();
        if (!draws.empty())
            draws.pop_front();
        return v;
    }};

    Window()
    {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }

    void hide(const std::array<int, 10> &hidden, int offered)
    {
        for (int h : hidden)
            draws.push_back((h + 0.5) / offered);
    }
    void click(QWidget *button) { QTest::mouseClick(button, Qt::LeftButton); }
};

QStringList texts(const QList<QAction *> &actions)
{
    QStringList all;
    for (const QAction *a : actions)
        all << a->text();
    return all;
}

// Bounding box of the pixels darker than mid grey.
QRect ink(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}

QString accessible(QWidget *widget, QAccessible::Text what)
{
    return QAccessible::queryAccessibleInterface(widget)->text(what);
}

} // namespace

class TestFrmForma : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layoutAtStart()
    {
        Window w;
        frmForma &f = w.form;
        QCOMPARE(f.windowTitle(), u"Чуйкомер"_s);
        QCOMPARE(f.centralWidget()->size(), QSize(650, 308));
        QCOMPARE(f.minimumSize(), f.maximumSize());
        QVERIFY(!(f.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(f.windowFlags() & Qt::WindowTitleHint);
        QCOMPARE(f.centralWidget()->palette().color(QPalette::Window), QColor(224, 224, 224));

        QCOMPARE(f.usrReklamaX1->geometry(), QRect(0, 0, 649, 77));
        QCOMPARE(f.usrReklamaX1->WebBrowser1->geometry(), QRect(0, 0, 649, 77));
        const QStringList levels{u"Первый уровень"_s, u"Второй уровень"_s, u"Третий уровень"_s};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(f.kLevel[i]->geometry(), QRect(8 + 216 * i, 80, 202, 33));
            QCOMPARE(f.kLevel[i]->text(), levels[i]);
            QVERIFY(f.kLevel[i]->isEnabled());
        }
        for (int i = 0; i < 15; ++i) {
            QCOMPARE(f.Command1[i]->geometry(),
                     QRect(8 + 58 * (i % 5), 128 + 58 * (i / 5), 55, 55));
            QVERIFY(f.Command1[i]->isVisible());
            QVERIFY(f.Command1[i]->text().isEmpty());
            QCOMPARE(f.Command1[i]->iconSize(), QSize(40, 40));
        }
        QCOMPARE(f.Label1->geometry(), QRect(304, 120, 91, 24));
        QCOMPARE(f.Label1->text(), QString(15, u' '));
        QCOMPARE(f.picRezultat->geometry(), QRect(304, 144, 335, 130));
        QCOMPARE(f.Label2->geometry(), QRect(304, 272, 324, 32));
        QCOMPARE(
            f.Label2->text(),
            u"Компьютер загадывает картинку, а вам её нужно угадать. Один сеанс 10 попыток."_s);
        QVERIFY(!f.picX->isVisible());
        QVERIFY(!f.picVopros->isVisible());
        QCOMPARE(f.picX->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 Pictures::xMark());
        QCOMPARE(f.picVopros->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 Pictures::questionMark());
        // The board shows the empty grid and lies above the rules label's top rows.
        QCOMPARE(f.picRezultat->grab().toImage().convertToFormat(QImage::Format_RGB32),
                 Pictures::boardBackground());
        QCOMPARE(f.centralWidget()->childAt(400, 273), f.picRezultat);
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
        check(w.form.kLevel[0], 16);
        check(w.form.Label1, 18);
        check(w.form.Label2, 13);

        // The rules take two lines within their box.
        const QFontMetrics rules(w.form.Label2->font());
        const QRect wrapped =
            rules.boundingRect(QRect(0, 0, 324, 1000), Qt::TextWordWrap, w.form.Label2->text());
        QVERIFY(wrapped.height() <= 32);
        QVERIFY(wrapped.height() >= 2 * rules.height());
    }

    void menus()
    {
        Window w;
        const QList<QAction *> top = w.form.menuBar()->actions();
        QCOMPARE(texts(top), (QStringList{u"Меню"_s, u"Справка"_s}));
        QCOMPARE(texts(top[0]->menu()->actions()), (QStringList{u"Выход"_s}));
        QCOMPARE(texts(top[1]->menu()->actions()),
                 (QStringList{u"Вызов справки"_s, u"О программе"_s}));
        QCOMPARE(w.form.HelpCalHelp->shortcut(), QKeySequence(Qt::Key_F1));

        QSignalSpy exit(&w.form, &frmForma::exitCommand);
        QSignalSpy help(&w.form, &frmForma::helpCommand);
        QSignalSpy about(&w.form, &frmForma::aboutCommand);
        // F1 works at any time, also before a level is chosen and from any control.
        w.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        QTest::keyClick(w.form.Command1[3], Qt::Key_F1);
        QCOMPARE(help.count(), 1);
        w.click(w.form.kLevel[1]);
        QTest::keyClick(&w.form, Qt::Key_F1);
        QCOMPARE(help.count(), 2);
        w.form.HelpAbout->trigger();
        w.form.MenuExit->trigger();
        QCOMPARE(about.count(), 1);
        QCOMPARE(exit.count(), 1);
    }

    void focusOrder()
    {
        Window w;
        frmForma &f = w.form;
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QCOMPARE(QApplication::focusWidget(), f.Command1[0]);
        QList<QWidget *> expected;
        for (int i = 1; i < 15; ++i)
            expected << f.Command1[i];
        expected << f.picRezultat << f.usrReklamaX1 << f.kLevel[2] << f.kLevel[1] << f.kLevel[0]
                 << f.Command1[0];
        for (QWidget *next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }

        // Space on a focused picture button guesses; hidden and disabled ones are skipped.
        f.kLevel[0]->setFocus();
        QTest::keyClick(f.kLevel[0], Qt::Key_Space);
        QCOMPARE(f.game().attempt(), 1);
        f.Command1[4]->setFocus();
        QTest::keyClick(f.Command1[4], Qt::Key_Space);
        QCOMPARE(f.game().attempt(), 2);
        QTest::keyClick(f.Command1[4], Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.picRezultat);
    }

    // A whole game through real mouse clicks: 4 hits at the second level.
    void wholeGameByMouse()
    {
        Window w;
        frmForma &f = w.form;
        const std::array<int, 10> hidden{9, 0, 5, 7, 2, 2, 8, 1, 6, 3};
        const std::array<int, 10> guessed{9, 1, 5, 6, 2, 3, 8, 4, 4, 4};
        w.hide(hidden, 10);
        w.click(f.kLevel[1]);
        QCOMPARE(f.windowTitle(), u"Чуйкомер: Второй уровень"_s);
        for (int k = 0; k < 15; ++k)
            QCOMPARE(f.Command1[k]->isVisible(), k < 10);
        for (QPushButton *level : f.kLevel)
            QVERIFY(!level->isEnabled());
        QCOMPARE(f.Label1->text(), u"Угадайте 1-ю картинку"_s);

        ResultBoard expected;
        expected.DrawAttemptStart(1);
        for (int n = 1; n <= 10; ++n) {
            QCOMPARE(f.Label1->text(), u"Угадайте %1-ю картинку"_s.arg(n));
            // Nothing on the board names a hidden picture before the reveal.
            const QString description = accessible(f.picRezultat, QAccessible::Description);
            QVERIFY(description.contains(u"Попытка %1: ждёт"_s.arg(n)));
            QVERIFY(!description.contains(u"загадано"_s));
            w.click(f.Command1[guessed[n - 1]]);
            expected.DrawGuess(n, guessed[n - 1]);
            if (n < 10)
                expected.DrawAttemptStart(n + 1);
            for (QPushButton *level : f.kLevel)
                QVERIFY(level->isEnabled());
        }
        for (int n = 1; n <= 10; ++n) {
            expected.DrawReveal(n, hidden[n - 1]);
            if (hidden[n - 1] != guessed[n - 1])
                expected.DrawStrike(n);
        }
        QCOMPARE(f.Label1->text(), u"Ваша интуиция работает на 40%"_s);
        QCOMPARE(f.Label1->pos(), QPoint(304, 120));
        QCOMPARE(f.picRezultat->grab().toImage().convertToFormat(QImage::Format_RGB32),
                 expected.image());
        QCOMPARE(f.game().attempt(), Game::NoGame);

        const QString description = accessible(f.picRezultat, QAccessible::Description);
        QVERIFY(
            description.contains(u"Попытка 1: загадано — Барабан, ваш ответ — Барабан, верно"_s));
        QVERIFY(description.contains(
            u"Попытка 2: загадано — Красный круг, ваш ответ — Жёлтый квадрат, неверно"_s));
        QVERIFY(f.Label1->toolTip().contains(u"в среднем 1 из 10"_s));
        QVERIFY(f.Label1->toolTip().contains(u"4 или больше"_s));
        QCOMPARE(accessible(f.Label1, QAccessible::Description), f.Label1->toolTip());

        // Clicks after the end change nothing; a level choice starts again.
        w.click(f.Command1[0]);
        QCOMPARE(f.picRezultat->grab().toImage().convertToFormat(QImage::Format_RGB32),
                 expected.image());
        w.hide({4, 4, 4, 4, 4, 4, 4, 4, 4, 4}, 5);
        w.click(f.kLevel[0]);
        QCOMPARE(f.windowTitle(), u"Чуйкомер: Первый уровень"_s);
        QVERIFY(f.Label1->toolTip().isEmpty());
        for (int k = 0; k < 15; ++k)
            QCOMPARE(f.Command1[k]->isVisible(), k < 5);
        ResultBoard fresh;
        fresh.DrawAttemptStart(1);
        QCOMPARE(f.picRezultat->grab().toImage().convertToFormat(QImage::Format_RGB32),
                 fresh.image());
    }

    void statusLabelFollowsItsCaption()
    {
        Window w;
        frmForma &f = w.form;
        // Nine hits: the longest verdict stays on one line inside the window.
        w.hide({0, 1, 2, 3, 4, 0, 1, 2, 3, 4}, 5);
        w.click(f.kLevel[0]);
        const int requestWidth = f.Label1->width();
        for (int g : {0, 1, 2, 3, 4, 0, 1, 2, 3, 0})
            w.click(f.Command1[g]);
        QCOMPARE(f.Label1->text(), u"Ваша интуиция работает на 90%"_s);
        QCOMPARE(f.Label1->pos(), QPoint(304, 120));
        QVERIFY(f.Label1->geometry().right() < 650);
        QVERIFY(f.Label1->width() > requestWidth);
        QVERIFY(f.Label1->height() < 2 * QFontMetrics(f.Label1->font()).height());
        QVERIFY(f.Label1->width() >=
                QFontMetrics(f.Label1->font()).horizontalAdvance(f.Label1->text()));
        // ... and a shorter text narrows it again.
        w.click(f.kLevel[0]);
        QCOMPARE(f.Label1->width(), requestWidth);
    }

    void picturesAreNamedForScreenReaders()
    {
        Window w;
        QCOMPARE(accessible(w.form.Command1[0], QAccessible::Name), u"Красный круг"_s);
        QCOMPARE(accessible(w.form.Command1[6], QAccessible::Name), u"Мяч"_s);
        QCOMPARE(accessible(w.form.Command1[14], QAccessible::Name), u"Груша"_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(w.form.Command1[0])->role(),
                 QAccessible::Button);
        QVERIFY(!accessible(w.form.picRezultat, QAccessible::Description).isEmpty());
    }

    // The banner as a browser lays it out: title centred, 32 px serif, 14 px from the top.
    void banner()
    {
        Window w;
        HtmlView *view = w.form.usrReklamaX1->WebBrowser1;
        const QImage image = view->grab().toImage();
        QCOMPARE(image.pixel(2, 2), qRgb(255, 255, 255));
        const QRect title = ink(image);
        QVERIFY(!title.isEmpty());
        QVERIFY2(qAbs((title.left() + title.right() + 1) - 649) <= 4,
                 qPrintable(u"%1..%2"_s.arg(title.left()).arg(title.right())));

        const QTextBlock block =
            view->document()->findBlock(view->document()->find(u"Чуйкомер"_s).position());
        const QFont font = block.begin().fragment().charFormat().font();
        QCOMPARE(font.pixelSize(), 32);
        const QString family = QFontInfo(font).family();
        QVERIFY2(family == u"Times New Roman"_s || family == u"Liberation Serif"_s,
                 qPrintable(family));
        const QFontMetrics metrics(font);
        const QRect glyphs = metrics.tightBoundingRect(u"Чуйкомер"_s);
        const int baseline = 14 + metrics.ascent();
        QVERIFY2(
            qAbs(title.top() - (baseline + glyphs.top())) <= 2,
            qPrintable(u"ink top %1, expected %2"_s.arg(title.top()).arg(baseline + glyphs.top())));
        QVERIFY(qAbs(title.height() - glyphs.height()) <= 2);
        QCOMPARE(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    void bannerFailureLeavesTheAreaEmpty()
    {
        HtmlView view;
        view.resize(649, 77);
        view.Navigate(u"http://example.org/"_s);
        QVERIFY(view.document()->isEmpty());
        QVERIFY(ink(view.grab().toImage()).isEmpty());
    }
};

QTEST_MAIN(TestFrmForma)
#include "tst_frmforma.moc"
