// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AboutWindow.h"
#include "Application.h"
#include "MainWindow.h"
#include "Pictures.h"
#include "RecordingLauncher.h"
#include "TestSupport.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace
{

QImage expectedFlag()
{
    QImage flag(80, 45, QImage::Format_RGB32);
    for (int y = 0; y < 45; ++y)
        for (int x = 0; x < 80; ++x)
            flag.setPixel(x, y, y < 15 ? White : y < 31 ? Blue : Red);
    return flag;
}

QImage shown(QWidget *widget)
{
    return rgb(widget->grab().toImage());
}

// Runs `inside` on the About window once it is up modally, then closes it whatever happened,
// so that a failed check fails the test instead of leaving the dialog open. `seen` tells
// whether it came up; while `guard` lives, nothing waits on a dialog for ever.
void whileAboutIsShown(const std::function<void(AboutWindow &)> &inside, bool *seen, QObject *guard)
{
    *seen = false;
    QTimer::singleShot(0, guard, [inside, seen] {
        auto *about = qobject_cast<AboutWindow *>(QApplication::activeModalWidget());
        if (!about)
            return;
        *seen = true;
        inside(*about);
        about->close();
    });
    QTimer::singleShot(10000, guard, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layoutAndTextsAsPlayersKnowThem()
    {
        AboutWindow about;
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QCOMPARE(about.objectName(), u"frmOprog"_s);
        QCOMPARE(about.windowTitle(), u"О программе"_s);
        QCOMPARE(about.size(), QSize(362, 211));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        const Qt::WindowFlags flags = about.windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

        auto *ok = control<QPushButton>(&about, u"OK"_s);
        auto *flag = control(&about, u"Picture1"_s);
        QCOMPARE(ok->text(), u"OK"_s);
        QCOMPARE(ok->geometry(), QRect(264, 164, 89, 33));
        QVERIFY(ok->isDefault());
        QCOMPARE(QApplication::focusWidget(), ok);
        // The button first, then the link and the picture box.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control(&about, u"Label1"_s));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), flag);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), ok);
        auto *emblem = control<QLabel>(&about, u"Image1"_s);
        QCOMPARE(emblem->geometry(), QRect(16, 8, 71, 126));
        QCOMPARE(rgb(emblem->pixmap().toImage()), rgb(Pictures::aboutEmblem()));
        // Screen readers take the pictures as named images; the link the Orca test hears.
        for (QWidget *picture : {static_cast<QWidget *>(emblem), flag}) {
            QAccessibleInterface *image = QAccessible::queryAccessibleInterface(picture);
            QCOMPARE(image->role(), QAccessible::Graphic);
            QVERIFY(!image->text(QAccessible::Name).isEmpty());
        }
        QCOMPARE(flag->geometry(), QRect(8, 160, 80, 45));
        QWidget *dark = control(&about, u"Line1"_s);
        QWidget *light = control(&about, u"Line2"_s);
        QCOMPARE(dark->geometry(), QRect(8, 152, 345, 1));
        QCOMPARE(light->geometry(), QRect(8, 153, 345, 1));
        QVERIFY(qGray(dark->palette().color(QPalette::Window).rgb()) <
                qGray(light->palette().color(QPalette::Window).rgb()));

        struct Caption {
            QString name;
            QString text;
            QPoint position;
        };
        const Caption captions[] = {
            {u"Label1"_s, u"Программы для всех!"_s, {156, 56}},
            {u"Label2_3"_s, u"Автор: "_s + QStringLiteral(CHUIKOMER_AUTHOR), {104, 8}},
            {u"Label2_4"_s, u"E-mail: "_s + QStringLiteral(CHUIKOMER_EMAIL), {104, 32}},
            {u"Label2_5"_s, u"Сайт:"_s, {104, 56}},
            {u"Label2_6"_s, u"Версия: v4.0"_s, {104, 80}},
            {u"Label2_7"_s, u"Дата: 21 января 2005 год -"_s, {104, 104}},
            {u"Label2_0"_s, u"13 августа 2015 год"_s, {156, 128}},
        };
        for (const Caption &c : captions) {
            auto *label = control<QLabel>(&about, c.name);
            QCOMPARE(label->text(), c.text);
            QCOMPARE(label->pos(), c.position);
            // The whole caption shows, inside the window.
            const QSize needed = label->fontMetrics().size(0, c.text);
            QVERIFY2(label->width() >= needed.width() && label->height() >= needed.height(),
                     qPrintable(c.text));
            QVERIFY2(QRect(0, 0, 362, 211).contains(label->geometry()), qPrintable(c.text));
            // Caption backgrounds are the window's grey, not the desktop's.
            QCOMPARE(QColor(shown(label).pixel(label->width() - 1, 0)), QColor(224, 224, 224));
            QVERIFY(label->font().bold());
            QCOMPARE(label->font().pixelSize(), 16);
        }
        auto *link = control<QLabel>(&about, u"Label1"_s);
        QVERIFY(control(&about, u"Label2_5"_s)->geometry().right() < link->geometry().left());

        QVERIFY(link->font().underline());
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 192));
        const QCursor pointer = link->cursor();
        QCOMPARE(pointer.shape(), Qt::BitmapCursor);
        QCOMPARE(pointer.hotSpot(), QPoint(0, 0));
        QCOMPARE(pointer.pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                 Pictures::linkPointer().convertToFormat(QImage::Format_ARGB32));
    }

    // The maker's site: plain http, the configured host, the path "/site/".
    void siteAddress()
    {
        const QUrl url(AboutWindow::siteUrl(), QUrl::StrictMode);
        QVERIFY(url.isValid());
        QCOMPARE(url.scheme(), u"http"_s);
        QCOMPARE(url.host(), QStringLiteral(CHUIKOMER_SITE_HOST).toLower());
        QCOMPARE(url.path(), u"/site/"_s);
        QVERIFY(!url.hasQuery() && !url.hasFragment() && url.port() == -1);
    }

    // The link asks for the site under the hourglass, and the pointers are as before
    // afterwards.
    void linkAsksForTheSiteUnderTheHourglass()
    {
        AboutWindow about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        auto *link = control<QLabel>(&about, u"Label1"_s);
        const QCursor linkPointer = link->cursor();
        QStringList asked;
        Qt::CursorShape windowDuring = Qt::ArrowCursor;
        Qt::CursorShape linkDuring = Qt::ArrowCursor;
        connect(&about, &AboutWindow::siteLinkActivated, this, [&](const QString &url) {
            asked << url;
            windowDuring = about.cursor().shape();
            linkDuring = link->cursor().shape();
        });
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(10, 8));
        // A release outside the label is no click.
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(-5, 8));
        QCOMPARE(asked, QStringList{AboutWindow::siteUrl()});

        // From the keyboard: Enter and Space on the focused link open it, and the focus
        // shows; Enter does not press the default button then.
        QVERIFY(QTest::qWaitForWindowActive(&about));
        control(&about, u"OK"_s)->setFocus();
        const QImage unfocused = shown(link);
        link->setFocus();
        QVERIFY(link->hasFocus());
        QVERIFY(shown(link) != unfocused);
        QTest::keyClick(link, Qt::Key_Return);
        QTest::keyClick(link, Qt::Key_Space);
        QCOMPARE(asked.size(), 3);
        QVERIFY(about.isVisible());
        QCOMPARE(windowDuring, Qt::WaitCursor);
        QCOMPARE(linkDuring, Qt::WaitCursor);
        QCOMPARE(about.cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(link->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(link->cursor().pixmap().toImage(), linkPointer.pixmap().toImage());
    }

    // Enter presses OK wherever the focus is. Escape the Orca test presses.
    void enterPressesOkFromAnyControl()
    {
        AboutWindow about;
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        control(&about, u"Picture1"_s)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    // The main window's About command opens the window modally over it, anew each time with
    // its flag, and its link leaves a redirect page in the program's folder for the desktop.
    void aboutCommandOfTheMainWindow()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        RecordingLauncher launcher;
        Application program(launcher.desktop(dir.path() + u'/'), TestSupport::ScriptedRandom{});
        program.start();
        MainWindow &window = program.mainWindow();
        std::vector<QImage> flags;
        for (int i = 0; i < 2; ++i) {
            bool seen = false;
            QObject guard;
            whileAboutIsShown(
                [&](AboutWindow &about) {
                    QCOMPARE(about.parentWidget(), &window);
                    QVERIFY(about.isModal());
                    flags.push_back(shown(control(&about, u"Picture1"_s)));
                    if (i == 1)
                        QTest::mouseClick(control(&about, u"Label1"_s), Qt::LeftButton);
                },
                &seen, &guard);
            control<QAction>(&window, u"HelpAbout"_s)->trigger();
            QVERIFY(seen);
            QVERIFY(window.findChildren<AboutWindow *>().isEmpty());
        }
        for (const QImage &flag : flags)
            QCOMPARE(flag, expectedFlag());

        QCOMPARE(launcher.calls.size(), 1u);
        QCOMPARE(launcher.calls[0].target, dir.path() + u"/0.html"_s);
        QFile page(dir.filePath(u"0.html"_s));
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.readAll().contains("url=" + AboutWindow::siteUrl().toUtf8() + "'>"));
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
