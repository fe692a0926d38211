#include "Credits.h"
#include "MainM.h"
#include "PictureBox.h"
#include "Pictures.h"
#include "RecordingLauncher.h"
#include "frmForma.h"
#include "frmOprog.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace Qt::StringLiterals;

namespace
{

const QRgb White = qRgb(255, 255, 255);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Red = qRgb(255, 0, 0);

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
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Runs `inside` on the About window once it is up modally, then closes it.
void whileAboutIsShown(const std::function<void(frmOprog &)> &inside)
{
    QTimer::singleShot(0, [inside] {
        auto *about = qobject_cast<frmOprog *>(QApplication::activeModalWidget());
        QVERIFY(about);
        inside(*about);
        about->close();
    });
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layoutAndTexts()
    {
        frmOprog about;
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QCOMPARE(about.windowTitle(), u"О программе"_s);
        QCOMPARE(about.size(), QSize(362, 211));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        const Qt::WindowFlags flags = about.windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(about.palette().color(QPalette::Window), QColor(224, 224, 224));

        QCOMPARE(about.OK->text(), u"OK"_s);
        QCOMPARE(about.OK->geometry(), QRect(264, 164, 89, 33));
        QVERIFY(about.OK->isDefault());
        QCOMPARE(QApplication::focusWidget(), about.OK);
        // Only the button and the picture box take the focus, the button first.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), about.Picture1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), about.OK);
        QCOMPARE(about.Image1->geometry(), QRect(16, 8, 71, 126));
        QCOMPARE(about.Image1->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 Pictures::aboutEmblem().convertToFormat(QImage::Format_RGB32));
        QCOMPARE(about.Picture1->geometry(), QRect(8, 160, 80, 45));
        QCOMPARE(about.Line1->geometry(), QRect(8, 152, 345, 1));
        QCOMPARE(about.Line2->geometry(), QRect(8, 153, 345, 1));
        QVERIFY(qGray(about.Line1->palette().color(QPalette::Window).rgb()) <
                qGray(about.Line2->palette().color(QPalette::Window).rgb()));

        struct Caption {
            QLabel *label;
            QString text;
            QPoint position;
        };
        const Caption captions[] = {
            {about.Label1, u"Программы для всех!"_s, {156, 56}},
            {about.Label2[3], u"Автор: "_s + QString::fromUtf16(Credits::Author), {104, 8}},
            {about.Label2[4], u"E-mail: "_s + QString::fromUtf16(Credits::Email), {104, 32}},
            {about.Label2[5], u"Сайт:"_s, {104, 56}},
            {about.Label2[6], u"Версия: v4.0"_s, {104, 80}},
            {about.Label2[7], u"Дата: 21 января 2005 год -"_s, {104, 104}},
            {about.Label2[0], u"13 августа 2015 год"_s, {156, 128}},
        };
        for (const Caption &c : captions) {
            QVERIFY(c.label);
            QCOMPARE(c.label->text(), c.text);
            QCOMPARE(c.label->pos(), c.position);
            // The whole caption shows, inside the window.
            const QSize needed = c.label->fontMetrics().size(0, c.text);
            QVERIFY2(c.label->width() >= needed.width() && c.label->height() >= needed.height(),
                     qPrintable(c.text));
            QVERIFY2(QRect(0, 0, 362, 211).contains(c.label->geometry()), qPrintable(c.text));
            // Caption backgrounds are the window's grey, not the desktop's.
            QCOMPARE(QColor(shown(c.label).pixel(c.label->width() - 1, 0)), QColor(224, 224, 224));
            QVERIFY(c.label->font().bold());
            QCOMPARE(c.label->font().pixelSize(), 16);
        }
        QVERIFY(about.Label2[5]->geometry().right() < about.Label1->geometry().left());

        QVERIFY(about.Label1->font().underline());
        QCOMPARE(about.Label1->palette().color(QPalette::WindowText), QColor(0, 0, 192));
        const QCursor pointer = about.Label1->cursor();
        QCOMPARE(pointer.shape(), Qt::BitmapCursor);
        QCOMPARE(pointer.hotSpot(), QPoint(0, 0));
        QCOMPARE(pointer.pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                 Pictures::linkPointer().convertToFormat(QImage::Format_ARGB32));
    }

    // Each opening draws the flag anew, and the box keeps showing it when repainted.
    void flagOnEveryOpening()
    {
        QWidget owner;
        std::vector<QImage> flags;
        for (int opening = 0; opening < 2; ++opening) {
            whileAboutIsShown([&](frmOprog &about) {
                QVERIFY(about.isModal());
                QCOMPARE(about.parentWidget(), &owner);
                flags.push_back(shown(about.Picture1));
                about.Picture1->update();
                QCoreApplication::processEvents();
                flags.push_back(shown(about.Picture1));
            });
            ShowAbout(&owner);
            QVERIFY(owner.findChildren<frmOprog *>().isEmpty());
        }
        QCOMPARE(flags.size(), 4u);
        for (const QImage &flag : flags)
            QCOMPARE(flag, expectedFlag());
    }

    // The link leaves a redirect page to the maker's site and asks the shell for it, under
    // the hourglass, and the pointers are as before afterwards.
    void linkOpensTheSiteUnderTheHourglass()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString saved = MainM::AppFolder;
        MainM::AppFolder = dir.path() + u'/';

        frmOprog about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QCursor linkPointer = about.Label1->cursor();
        Qt::CursorShape windowDuring = Qt::ArrowCursor;
        Qt::CursorShape linkDuring = Qt::ArrowCursor;
        RecordingLauncher launcher([&] {
            windowDuring = about.cursor().shape();
            linkDuring = about.Label1->cursor().shape();
        });
        QTest::mouseClick(about.Label1, Qt::LeftButton, {}, QPoint(10, 8));
        MainM::AppFolder = saved;

        QCOMPARE(launcher.calls.size(), 1u);
        QCOMPARE(launcher.calls[0].target, dir.path() + u"/0.html"_s);
        QFile page(dir.filePath(u"0.html"_s));
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.readAll().contains("url=" + frmOprog::SiteUrl().toUtf8() + "'>"));
        QCOMPARE(frmOprog::SiteUrl(),
                 u"http://"_s + QString::fromUtf16(Credits::SiteHost) + u"/site/"_s);

        QCOMPARE(windowDuring, Qt::WaitCursor);
        QCOMPARE(linkDuring, Qt::WaitCursor);
        QCOMPARE(about.cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(about.Label1->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(about.Label1->cursor().pixmap().toImage(), linkPointer.pixmap().toImage());
        QVERIFY(about.isVisible());
    }

    void keysAndCloseEndTheWindow()
    {
        {
            frmOprog about;
            about.show();
            QVERIFY(QTest::qWaitForWindowActive(&about));
            QTest::keyClick(&about, Qt::Key_Escape);
            QVERIFY(!about.isVisible());
            QCOMPARE(about.result(), int(QDialog::Rejected));
        }
        {
            frmOprog about;
            about.show();
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            QVERIFY(about.close());
            QVERIFY(!about.isVisible());
        }
        {
            // Enter presses OK wherever the focus is.
            frmOprog about;
            about.show();
            QVERIFY(QTest::qWaitForWindowActive(&about));
            about.Picture1->setFocus();
            QSignalSpy pressed(about.OK, &QPushButton::clicked);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(pressed.count(), 1);
            QVERIFY(!about.isVisible());
            QCOMPARE(about.result(), int(QDialog::Accepted));
        }
    }

    // The main window's About command opens the window modally over it, anew each time.
    void aboutCommandOfTheMainWindow()
    {
        MainM::Main();
        frmForma *forma = MainM::Forma();
        QVERIFY(forma);
        int openings = 0;
        for (int i = 0; i < 2; ++i) {
            whileAboutIsShown([&](frmOprog &about) {
                ++openings;
                QCOMPARE(about.parentWidget(), forma);
                QVERIFY(about.isModal());
                QCOMPARE(shown(about.Picture1), expectedFlag());
            });
            forma->HelpAbout->trigger();
            QVERIFY(forma->findChildren<frmOprog *>().isEmpty());
        }
        QCOMPARE(openings, 2);
        forma->hide();
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
