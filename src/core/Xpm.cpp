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

} // namespace

QImage readXpm(std::span<const char *const> lines)
{
    if (lines.empty() || !lines[0])
        return {};
    const char *header = lines[0];
    const auto width = number(header);
    const auto height = number(header);
    const auto colours = number(header);
    const auto charsPerPixel = number(header);
    if (!width || !height || !colours || !charsPerPixel || *width < 1 || *height < 1 ||
        *colours < 1 || *colours > 256 || *charsPerPixel != 1)
        return {};
    if (lines.size() < std::size_t(1 + *colours + *height))
        return {};

    std::array<std::optional<QRgb>, 256> palette{};
    bool transparent = false;
    for (int i = 0; i < *colours; ++i) {
        const char *entry = lines[std::size_t(1 + i)];
        if (!entry || !entry[0])
            return {};
        const char *kind = std::strstr(entry + 1, " c ");
        const auto value = kind ? colour(kind + 3) : std::nullopt;
        if (!value)
            return {};
        palette[static_cast<unsigned char>(entry[0])] = value;
        transparent = transparent || qAlpha(*value) == 0;
    }

    QImage image(*width, *height, transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < *height; ++y) {
        const char *row = lines[std::size_t(1 + *colours + y)];
        if (!row || std::strlen(row) != std::size_t(*width))
            return {};
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < *width; ++x) {
            const auto &pixel = palette[static_cast<unsigned char>(row[x])];
            if (!pixel)
                return {};
            out[x] = *pixel;
        }
    }
    return image;
}
