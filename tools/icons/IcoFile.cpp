// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "IcoFile.h"

#include <QtEndian>

namespace
{

void put16(QByteArray &out, quint16 value)
{
    const quint16 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&le), sizeof le);
}

void put32(QByteArray &out, quint32 value)
{
    const quint32 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&le), sizeof le);
}

constexpr quint32 DirectoryBytes = 6 + 16;
constexpr quint32 BitmapHeaderBytes = 40;

// The AND mask has one bit per pixel, each row padded to 32 bits.
int maskStride(const QImage &image)
{
    return (image.width() + 31) / 32 * 4;
}

// An icon directory with a single entry; sizes of 256 are written as 0.
void putDirectory(QByteArray &out, const QImage &image, quint32 imageBytes)
{
    put16(out, 0);
    put16(out, 1);
    put16(out, 1);
    out.append(static_cast<char>(image.width() >= 256 ? 0 : image.width()));
    out.append(static_cast<char>(image.height() >= 256 ? 0 : image.height()));
    out.append('\0'); // no palette
    out.append('\0');
    put16(out, 1);  // planes
    put16(out, 32); // bits per pixel
    put32(out, BitmapHeaderBytes + imageBytes);
    put32(out, DirectoryBytes);
}

// The bitmap header counts the colour image and the mask together, hence twice the height.
void putBitmapHeader(QByteArray &out, const QImage &image, quint32 imageBytes)
{
    put32(out, BitmapHeaderBytes);
    put32(out, static_cast<quint32>(image.width()));
    put32(out, static_cast<quint32>(image.height() * 2));
    put16(out, 1);
    put16(out, 32);
    put32(out, 0); // uncompressed
    put32(out, imageBytes);
    for (int i = 0; i < 4; ++i)
        put32(out, 0); // resolution and colours used: none given
}

// Rows bottom up, pixels as blue, green, red, alpha.
void putPixels(QByteArray &out, const QImage &image)
{
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            out.append(static_cast<char>(qBlue(row[x])));
            out.append(static_cast<char>(qGreen(row[x])));
            out.append(static_cast<char>(qRed(row[x])));
            out.append(static_cast<char>(qAlpha(row[x])));
        }
    }
}

// The mask marks transparent pixels, for readers that ignore the alpha channel.
void putMask(QByteArray &out, const QImage &image)
{
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray maskRow(maskStride(image), '\0');
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(row[x]) == 0)
                maskRow[x / 8] = static_cast<char>(maskRow[x / 8] | (0x80 >> (x % 8)));
        out.append(maskRow);
    }
}

} // namespace

QByteArray encodeIco(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const auto imageBytes = static_cast<quint32>(image.width() * image.height() * 4 +
                                                 maskStride(image) * image.height());
    QByteArray out;
    putDirectory(out, image, imageBytes);
    putBitmapHeader(out, image, imageBytes);
    putPixels(out, image);
    putMask(out, image);
    return out;
}
