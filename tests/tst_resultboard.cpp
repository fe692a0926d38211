// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Pictures.h"
#include "ResultBoard.h"
#include "TestSupport.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace
{

using TestSupport::Black;

// Whether the board differs from its background only inside `allowed`.
bool changedOnlyIn(const ResultBoard &board, const QRegion &allowed)
{
    return (TestSupport::changed(board.image(), Pictures::boardBackground()) - allowed).isEmpty();
}

QRect upperLeft(int n)
{
    return {ResultBoard::cellOrigin(n) + QPoint(1, 1), QSize(30, 30)};
}

QRect lowerRight(int n)
{
    return {ResultBoard::cellOrigin(n) + QPoint(32, 32), QSize(30, 30)};
}

// Mean difference of the colour channels of two images of one size, over `area`.
double meanDifference(const QImage &a, const QImage &b, const QRect &area)
{
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * area.width() * area.height());
}

} // namespace

class TestResultBoard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cellsFollowTheGridAsPlayersKnowIt()
    {
        QCOMPARE(ResultBoard::cellOrigin(1), QPoint(0, 0));
        QCOMPARE(ResultBoard::cellOrigin(5), QPoint(272, 0));
        QCOMPARE(ResultBoard::cellOrigin(6), QPoint(0, 67));
        QCOMPARE(ResultBoard::cellOrigin(10), QPoint(272, 67));
    }

    // An attempt shows its X and question marks, a picture fills exactly its quadrant's
    // interior, and the grid around them stays as it was.
    void picturesLandInsideTheirQuadrants()
    {
        QCOMPARE(ResultBoard().image(), Pictures::boardBackground());
        for (int n = 1; n <= 10; ++n)
            for (int p = 0; p < Pictures::GuessCount; ++p) {
                ResultBoard board;
                board.startAttempt(n, p);
                QCOMPARE(board.image().copy(lowerRight(n)), Pictures::questionMark());
                board.setGuess(n, p);
                QCOMPARE(board.image().copy(upperLeft(n)), Pictures::xMark());
                const QImage guess = board.image().copy(lowerRight(n));
                QVERIFY(guess != Pictures::questionMark());
                board.reveal(n);
                QVERIFY(changedOnlyIn(board, QRegion(upperLeft(n)) + lowerRight(n)));
                QCOMPARE(board.image().copy(upperLeft(n)), guess);
                QCOMPARE(board.image().copy(lowerRight(n)), guess);
            }
    }

    void aGuessIsShrunkWholeIntoItsQuadrant()
    {
        ResultBoard board;
        board.startAttempt(7, 1);
        board.setGuess(7, 1);
        board.reveal(7);
        const QPoint o = ResultBoard::cellOrigin(7);
        // The square's frame is black at every edge of both quadrants: no mark shows through.
        for (const QPoint &q : {o + QPoint(1, 1), o + QPoint(32, 32)}) {
            const QImage quadrant = board.image().copy(QRect(q, QSize(30, 30)));
            for (int i = 0; i < 30; ++i) {
                QCOMPARE(quadrant.pixel(i, 0), Black);
                QCOMPARE(quadrant.pixel(i, 29), Black);
                QCOMPARE(quadrant.pixel(0, i), Black);
                QCOMPARE(quadrant.pixel(29, i), Black);
            }
            // Shrunk whole, not cropped: the yellow inside is framed on all sides.
            QCOMPARE(quadrant.pixel(15, 15), qRgb(255, 255, 0));
        }
    }

    void strikeIsASolidDiagonalInsideItsCell()
    {
        for (int n : {1, 5, 6, 10}) {
            ResultBoard board;
            board.strike(n);
            const QPoint o = ResultBoard::cellOrigin(n);
            const QImage &image = board.image();
            QVERIFY(changedOnlyIn(board,
                                  QRect(QPoint(o.x() + 1, o.y()), QPoint(o.x() + 62, o.y() + 61))));
            for (int y = 0; y < 130; ++y)
                for (int x = 0; x < 335; ++x) {
                    const int d = (x - o.x()) + (y - o.y());
                    if (image.pixel(x, y) != Pictures::boardBackground().pixel(x, y))
                        QVERIFY2(d >= 56 && d <= 68, qPrintable(u"%1,%2"_s.arg(x).arg(y)));
                }
            // Solid: every diagonal of the band black from end to end.
            for (int d = 56; d <= 68; ++d)
                for (int x = (d - 53) / 2; x <= (d + 54) / 2; ++x)
                    QCOMPARE(image.pixel(o + QPoint(x, d - x)), Black);
        }
    }

    // At every scale each quadrant shows what it shows at 1x: the board drawn for the device
    // looks like the 1x board enlarged, quadrant by quadrant.
    void quadrantsKeepTheirPicturesAtEveryScale_data()
    {
        QTest::addColumn<qreal>("scale");
        QTest::newRow("1.25") << 1.25;
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2") << 2.0;
    }
    void quadrantsKeepTheirPicturesAtEveryScale()
    {
        QFETCH(qreal, scale);
        // Revealed misses, struck; guesses under an X; a last attempt still open.
        ResultBoard board;
        for (int n = 1; n <= 10; ++n) {
            board.startAttempt(n, n + 4);
            if (n < 10)
                board.setGuess(n, n - 1);
            if (n <= 6) {
                board.reveal(n);
                board.strike(n);
            }
        }
        const QImage device = board.imageAt(scale);
        const QImage expected =
            board.image().scaled(device.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        for (int n = 1; n <= 10; ++n)
            for (const QRect &quadrant : {upperLeft(n), lowerRight(n)}) {
                // Inside the quadrant, clear of the grid lines' smoothed edges.
                const QRect area =
                    QRectF(QPointF(quadrant.topLeft()) * scale, QSizeF(quadrant.size()) * scale)
                        .toAlignedRect()
                        .adjusted(2, 2, -2, -2);
                // About 20 at most where it matches, 50 and more for another quadrant's picture.
                const double difference = meanDifference(device, expected, area);
                QVERIFY2(difference < 32, qPrintable(u"attempt %1, quadrant at %2: %3"_s.arg(n)
                                                         .arg(quadrant.x())
                                                         .arg(difference)));
            }
    }

    // Whoever shows the board hears of every change, without being told by the caller.
    void clearRestoresTheBackground()
    {
        ResultBoard board;
        QSignalSpy changes(&board, &ResultBoard::changed);
        const auto told = [&](auto operation) {
            const qsizetype before = changes.count();
            operation();
            return changes.count() > before;
        };
        for (int n = 1; n <= 10; ++n) {
            QVERIFY(told([&] { board.startAttempt(n, 14 - n); }));
            QVERIFY(told([&] { board.setGuess(n, n); }));
            QVERIFY(told([&] { board.reveal(n); }));
            QVERIFY(told([&] { board.strike(n); }));
        }
        QVERIFY(board.image() != Pictures::boardBackground());
        QVERIFY(told([&] { board.clear(); }));
        QCOMPARE(board.image(), Pictures::boardBackground());
    }
};

QTEST_GUILESS_MAIN(TestResultBoard)
#include "tst_resultboard.moc"
