// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Xpm.h"

#include <array>
#include <cstring>
#include <optional>

namespace
{

constexpr int MaxSide = 4096;

// A whole decimal number at `text`, advancing it; nothing else but spaces before it.
std::optional<int> number(const char *&text)
{
    while (*text == ' ' || *text == '\t')
        ++text;
    if (*text < '0' || *text > '9')
        return std::nullopt;
    long value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + (*text - '0');
        if (value > MaxSide)
            return std::nullopt;
    }
    return int(value);
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "#RRGGBB" or "None" (transparent); anything else is not one of ours.
std::optional<QRgb> colour(const char *value)
{
    if (std::strcmp(value, "None") == 0)
        return QRgb(0);
    if (value[0] != '#' || std::strlen(value) != 7)
        return std::nullopt;
    QRgb rgb = 0;
    for (int i = 1; i < 7; ++i) {
        const int digit = hexDigit(value[i]);
        if (digit < 0)
            return std::nullopt;
        rgb = rgb << 4 | QRgb(digit);
    }
    return 0xff000000u | rgb;
}

struct Header {
    int width = 0;
    int height = 0;
    int colours = 0;
};

// "W H COLOURS 1": one character a pixel is all our pictures use.
std::optional<Header> header(const char *text)
{
    if (!text)
        return std::nullopt;
    const auto width = number(text);
    const auto height = number(text);
    const auto colours = number(text);
    const auto charsPerPixel = number(text);
    if (!width || !height || !colours || !charsPerPixel || *width < 1 || *height < 1 ||
        *colours < 1 || *colours > 256 || *charsPerPixel != 1)
        return std::nullopt;
    return Header{*width, *height, *colours};
}

using Palette = std::array<std::optional<QRgb>, 256>;

// Lines "K c #RRGGBB", one per colour; whether any of them is transparent.
std::optional<Palette> palette(std::span<const char *const> entries, bool &transparent)
{
    Palette p{};
    for (const char *entry : entries) {
        if (!entry || !entry[0])
            return std::nullopt;
        const char *kind = std::strstr(entry + 1, " c ");
        const auto value = kind ? colour(kind + 3) : std::nullopt;
        if (!value)
            return std::nullopt;
        p[static_cast<unsigned char>(entry[0])] = value;
        transparent = transparent || qAlpha(*value) == 0;
    }
    return p;
}

// False on a row of the wrong length or a pixel of no colour.
bool fillRow(QImage &image, int y, const char *row, const Palette &p)
{
    if (!row || std::strlen(row) != std::size_t(image.width()))
        return false;
    auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
        const auto &pixel = p[static_cast<unsigned char>(row[x])];
        if (!pixel)
            return false;
        out[x] = *pixel;
    }
    return true;
}

} // namespace

QImage readXpm(std::span<const char *const> lines)
{
    const auto h = lines.empty() ? std::nullopt : header(lines[0]);
    if (!h || lines.size() < std::size_t(1 + h->colours + h->height))
        return {};
    bool transparent = false;
    const auto p = palette(lines.subspan(1, std::size_t(h->colours)), transparent);
    if (!p)
        return {};
    QImage image(h->width, h->height, transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < h->height; ++y)
        if (!fillRow(image, y, lines[std::size_t(1 + h->colours + y)], *p))
            return {};
    return image;
}
