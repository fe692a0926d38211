// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Pictures.h"
#include "TestSupport.h"
#include "Xpm.h"

#include "pictures/board_background.xpm"
#include "pictures/link_pointer.xpm"
#include "pictures/pear.xpm"
#include "pictures/question_mark.xpm"
#include "pictures/window_icon.xpm"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace TestSupport;

class TestPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Flat colours with no transparency, as they are drawn on the board.
    void gamePicturesAreOpaqueAndFlat()
    {
        for (int i = 0; i < Pictures::GuessCount; ++i)
            QVERIFY(!Pictures::guess(i).hasAlphaChannel());
        QCOMPARE(colours(Pictures::boardBackground()), (QSet<QRgb>{Grey, Black}));
        QCOMPARE(colours(Pictures::aboutEmblem()), (QSet<QRgb>{Grey, Black}));
        QCOMPARE(colours(Pictures::xMark()), (QSet<QRgb>{Grey, Blue}));
        QCOMPARE(colours(Pictures::questionMark()), (QSet<QRgb>{Grey, Red}));
    }

    // The grey around every motif but the square's cannot be told from the board it lands on.
    void motifsStandOnTheBoardsGrey()
    {
        QVERIFY(!colours(Pictures::guess(1)).contains(Grey));
        for (int i = 0; i < Pictures::GuessCount; ++i) {
            if (i == 1)
                continue;
            QVERIFY2(colours(Pictures::guess(i)).contains(Grey), qPrintable(QString::number(i)));
            QVERIFY(colours(Pictures::guess(i)).contains(Black));
            QVERIFY(colours(Pictures::guess(i)).size() >= 3);
        }
    }

    void everyGuessPictureIsDistinct()
    {
        for (int i = 0; i < Pictures::GuessCount; ++i)
            for (int j = 0; j < i; ++j)
                QVERIFY(Pictures::guess(i) != Pictures::guess(j));
    }

    void boardBackgroundIsTheGridAsPlayersKnowIt()
    {
        const QImage board = Pictures::boardBackground();
        auto onLine = [](int v, int origin) {
            const int o = v - origin;
            return o == 0 || o == 31 || o == 62;
        };
        for (int y = 0; y < 130; ++y)
            for (int x = 0; x < 335; ++x) {
                bool black = false;
                for (int j = 0; j < 5; ++j)
                    for (int y0 : {0, 67}) {
                        const int x0 = 68 * j;
                        const bool inside = x >= x0 && x <= x0 + 62 && y >= y0 && y <= y0 + 62;
                        black = black || (inside && (onLine(x, x0) || onLine(y, y0)));
                    }
                QCOMPARE(board.pixel(x, y), black ? Black : Grey);
            }
    }

    void windowIcon()
    {
        const QImage icon = Pictures::windowIcon();
        QVERIFY(!icon.hasAlphaChannel());
        QCOMPARE(colours(icon), (QSet<QRgb>{White, Blue, Red}));
        // A 16-colour palette, of which three are used.
        QCOMPARE(QImage(window_icon_xpm).colorCount(), 16);
    }

    // The program's own reader agrees with Qt's on what the pictures use: palettes of one to
    // sixteen colours, and transparency.
    void readerAgreesWithQt()
    {
        for (const std::span<const char *const> xpm :
             {std::span<const char *const>(window_icon_xpm),
              std::span<const char *const>(link_pointer_xpm),
              std::span<const char *const>(board_background_xpm),
              std::span<const char *const>(pear_xpm),
              std::span<const char *const>(question_mark_xpm)}) {
            const QImage qt(xpm.data());
            const QImage own = readXpm(xpm);
            QCOMPARE(own.size(), qt.size());
            QCOMPARE(own.hasAlphaChannel(), qt.hasAlphaChannel());
            QCOMPARE(own, qt.convertToFormat(own.format()));
        }
    }

    // A malformed picture reads as nothing rather than past its lines.
    void malformedPicturesReadAsNull_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("good") << QStringList{u"2 1 2 1"_s, u"a c #FF0000"_s, u"b c None"_s,
                                             u"ab"_s};
        QTest::newRow("no header") << QStringList{};
        QTest::newRow("two characters a pixel")
            << QStringList{u"1 1 1 2"_s, u"aa c #FF0000"_s, u"aa"_s};
        QTest::newRow("colour without c") << QStringList{u"1 1 1 1"_s, u"a #FF0000"_s, u"a"_s};
        QTest::newRow("bad colour") << QStringList{u"1 1 1 1"_s, u"a c red"_s, u"a"_s};
        QTest::newRow("short row") << QStringList{u"3 1 1 1"_s, u"a c #FF0000"_s, u"aa"_s};
        QTest::newRow("long row") << QStringList{u"1 1 1 1"_s, u"a c #FF0000"_s, u"aa"_s};
        QTest::newRow("missing row") << QStringList{u"1 2 1 1"_s, u"a c #FF0000"_s, u"a"_s};
        QTest::newRow("unknown pixel") << QStringList{u"1 1 1 1"_s, u"a c #FF0000"_s, u"b"_s};
        QTest::newRow("huge") << QStringList{u"99999 1 1 1"_s, u"a c #FF0000"_s, u"a"_s};
    }
    void malformedPicturesReadAsNull()
    {
        QFETCH(QStringList, lines);
        std::vector<QByteArray> bytes;
        for (const QString &line : lines)
            bytes.push_back(line.toLatin1());
        std::vector<const char *> pointers;
        for (const QByteArray &b : bytes)
            pointers.push_back(b.constData());
        const QImage image = readXpm(pointers);
        QCOMPARE(image.isNull(), QByteArray(QTest::currentDataTag()) != "good");
        if (!image.isNull()) {
            QCOMPARE(image.pixel(0, 0), Red);
            QCOMPARE(qAlpha(image.pixel(1, 0)), 0);
        }
    }

    // Each pixel wholly drawn or wholly clear, black and white; the finger tip at the top,
    // where the hot spot (0, 0) points.
    void linkPointerIsAWhiteHandWithAMask()
    {
        const QImage hand = Pictures::linkPointer();
        QVERIFY(hand.hasAlphaChannel());
        QSet<QRgb> drawn;
        for (QRgb p : colours(hand)) {
            QVERIFY(qAlpha(p) == 0 || qAlpha(p) == 255);
            if (qAlpha(p) == 255)
                drawn.insert(p);
        }
        QCOMPARE(drawn, (QSet<QRgb>{Black, White}));
        const QRect opaque = boundingBox(hand, [](QRgb p) { return qAlpha(p) == 255; });
        QVERIFY(QRect(0, 0, 17, 22).contains(opaque));
        QCOMPARE(opaque.top(), 0);
    }
};

QTEST_GUILESS_MAIN(TestPictures)
#include "tst_pictures.moc"
