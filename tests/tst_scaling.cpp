// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardView.h"
#include "ButtonStyle.h"
#include "ResultBoard.h"

#include <QDebug>
#include <QPushButton>
#include <QTest>
#include <cmath>

using namespace Qt::StringLiterals;

namespace
{

bool dark(QRgb p)
{
    return qGray(p) < 128;
}

// Widths of the dark runs met along a line of pixels.
QList<int> darkRuns(const QImage &image, QPoint from, QPoint step, int count)
{
    QList<int> runs;
    int run = 0;
    for (int i = 0; i < count; ++i, from += step) {
        if (dark(image.pixel(from))) {
            ++run;
        } else if (run > 0) {
            runs << run;
            run = 0;
        }
    }
    if (run > 0)
        runs << run;
    return runs;
}

} // namespace

// On a screen scaled by a fraction (CTest runs this at 1.25 and at 1.5): every grid line of
// the board as wide as every other, strokes drawn smooth, and buttons with their whole bevel.
class TestScaling : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
        QVERIFY2(scale != std::round(scale), "run with a fractional QT_SCALE_FACTOR");
    }

    void boardLinesAreEvenAndStrokesSmooth()
    {
        ResultBoard board;
        board.strike(2);
        BoardView view(board, nullptr);
        // Without the focus frame, which would cross the lines.
        view.setFocusPolicy(Qt::NoFocus);
        view.resize(ResultBoard::Width, ResultBoard::Height);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QImage image = view.grab().toImage();
        const qreal scale = image.devicePixelRatio();
        QCOMPARE(image.width(), qRound(ResultBoard::Width * scale));
        const auto at = [scale](int v) { return qRound(v * scale); };

        // Across the empty lower row: three lines a cell, all alike; and down the last column.
        const QList<int> across = darkRuns(image, {0, at(67 + 15)}, {1, 0}, image.width());
        QCOMPARE(across.size(), 15);
        QVERIFY2(across.count(across.first()) == 15, qPrintable(QDebug::toString(across)));
        const QList<int> down = darkRuns(image, {at(272 + 15), 0}, {0, 1}, image.height());
        QCOMPARE(down.size(), 6);
        QVERIFY2(down.count(down.first()) == 6, qPrintable(QDebug::toString(down)));
        QCOMPARE(down.first(), across.first());

        // The stroke's edges are smoothed: grey between black and the board's grey.
        int smoothed = 0;
        for (int y = at(5); y < at(25); ++y)
            for (int x = at(68 + 32); x < at(68 + 61); ++x) {
                const int g = qGray(image.pixel(x, y));
                smoothed += g > 20 && g < 200;
            }
        QVERIFY2(smoothed > 0, "a jagged stroke");
    }

    void buttonBevelsAreWhole()
    {
        QWidget window;
        window.setPalette(ButtonStyle::greyPalette());
        ButtonStyle style(&window);
        for (int i = 0; i < 3; ++i) {
            auto *button = new QPushButton(&window);
            button->setStyle(&style);
            button->setGeometry(8 + 58 * i, 128, 55, 55);
        }
        window.resize(200, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage image = window.grab().toImage();
        const qreal scale = image.devicePixelRatio();
        for (auto *button : window.findChildren<QPushButton *>()) {
            // The last device row and column wholly inside the button.
            const QRect r = button->geometry();
            const int left = qCeil(r.x() * scale), top = qCeil(r.y() * scale);
            const int right = qFloor((r.right() + 1) * scale) - 1;
            const int bottom = qFloor((r.bottom() + 1) * scale) - 1;
            const int middleX = (left + right) / 2, middleY = (top + bottom) / 2;
            // The dark line along the bottom and the right, the light one along the top.
            QVERIFY(dark(image.pixel(middleX, bottom)));
            QVERIFY(dark(image.pixel(right, middleY)));
            QVERIFY(qGray(image.pixel(middleX, top)) > 230);
        }
    }
};

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
