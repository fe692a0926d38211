// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "IcoFile.h"
#include "Pictures.h"

#include <QBuffer>
#include <QImageReader>
#include <QTest>

class TestIcoFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // What the generator writes reads back, through Qt's own ICO reader, as the picture it
    // was made from, transparent pixels included.
    void readsBackAsThePicture_data()
    {
        QTest::addColumn<QImage>("picture");
        QTest::newRow("window icon") << Pictures::windowIcon();
        QTest::newRow("link pointer, with transparency") << Pictures::linkPointer();
        QImage odd(20, 7, QImage::Format_ARGB32);
        for (int y = 0; y < odd.height(); ++y)
            for (int x = 0; x < odd.width(); ++x)
                odd.setPixel(x, y, qRgba(x * 12, y * 30, 200, (x + y) % 3 ? 255 : 0));
        QTest::newRow("odd size") << odd;
    }
    void readsBackAsThePicture()
    {
        QFETCH(QImage, picture);
        if (!QImageReader::supportedImageFormats().contains("ico"))
            QSKIP("Qt's ICO reader is not installed");
        QByteArray data = encodeIco(picture);
        QBuffer buffer(&data);
        QImageReader reader(&buffer, "ico");
        const QImage read = reader.read();
        QVERIFY2(!read.isNull(), qPrintable(reader.errorString()));
        const QImage expected = picture.convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(read.size(), expected.size());
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x) {
                const QRgb want = expected.pixel(x, y);
                const QRgb got = read.pixel(x, y);
                if (qAlpha(want) == 0)
                    QCOMPARE(qAlpha(got), 0);
                else
                    QCOMPARE(got, want);
            }
    }
};

QTEST_MAIN(TestIcoFile)
#include "tst_icofile.moc"
