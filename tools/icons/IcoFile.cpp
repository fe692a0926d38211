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

} // namespace

QByteArray encodeIco(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    // The AND mask has one bit per pixel, each row padded to 32 bits.
    const int maskStride = (width + 31) / 32 * 4;
    const quint32 pixelBytes = static_cast<quint32>(width * height * 4);
    const quint32 maskBytes = static_cast<quint32>(maskStride * height);
    const quint32 headerBytes = 40;
    const quint32 offset = 6 + 16;

    QByteArray out;
    // Icon directory with a single entry; sizes of 256 are written as 0.
    put16(out, 0);
    put16(out, 1);
    put16(out, 1);
    out.append(static_cast<char>(width >= 256 ? 0 : width));
    out.append(static_cast<char>(height >= 256 ? 0 : height));
    out.append('\0'); // no palette
    out.append('\0');
    put16(out, 1);  // planes
    put16(out, 32); // bits per pixel
    put32(out, headerBytes + pixelBytes + maskBytes);
    put32(out, offset);

    // The bitmap header counts the colour image and the mask together, hence twice the height.
    put32(out, headerBytes);
    put32(out, static_cast<quint32>(width));
    put32(out, static_cast<quint32>(height * 2));
    put16(out, 1);
    put16(out, 32);
    put32(out, 0); // uncompressed
    put32(out, pixelBytes + maskBytes);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);

    // Rows bottom up, pixels as blue, green, red, alpha.
    for (int y = height - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            out.append(static_cast<char>(qBlue(row[x])));
            out.append(static_cast<char>(qGreen(row[x])));
            out.append(static_cast<char>(qRed(row[x])));
            out.append(static_cast<char>(qAlpha(row[x])));
        }
    }
    // The mask marks transparent pixels, for readers that ignore the alpha channel.
    for (int y = height - 1; y >= 0; --y) {
        QByteArray maskRow(maskStride, '\0');
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            if (qAlpha(row[x]) == 0)
                maskRow[x / 8] = static_cast<char>(maskRow[x / 8] | (0x80 >> (x % 8)));
        out.append(maskRow);
    }
    return out;
}
