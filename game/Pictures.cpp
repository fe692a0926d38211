#include "Pictures.h"

#include <array>
#include <cstdlib>
#include <cstring>

#include "pictures/about_emblem.xpm"
#include "pictures/ball.xpm"
#include "pictures/banana.xpm"
#include "pictures/block_pyramid.xpm"
#include "pictures/board_background.xpm"
#include "pictures/cheese.xpm"
#include "pictures/cherries.xpm"
#include "pictures/disc.xpm"
#include "pictures/drum.xpm"
#include "pictures/link_pointer.xpm"
#include "pictures/mushroom.xpm"
#include "pictures/pawns.xpm"
#include "pictures/pear.xpm"
#include "pictures/question_mark.xpm"
#include "pictures/rhombus.xpm"
#include "pictures/ring_pyramid.xpm"
#include "pictures/square.xpm"
#include "pictures/trapezoid.xpm"
#include "pictures/triangle.xpm"
#include "pictures/window_icon.xpm"
#include "pictures/x_mark.xpm"

using namespace Qt::StringLiterals;

namespace Pictures
{

// Qt's general reader takes several times as long: a noticeable share of the start-up.
QImage fromXpm(const char *const *xpm)
{
    char *end = nullptr;
    const int width = int(std::strtol(xpm[0], &end, 10));
    const int height = int(std::strtol(end, &end, 10));
    const int colours = int(std::strtol(end, &end, 10));
    std::array<QRgb, 256> palette{};
    bool transparent = false;
    for (int i = 0; i < colours; ++i) {
        const char *entry = xpm[1 + i];
        const char *value = std::strstr(entry + 1, "c ") + 2;
        const auto key = static_cast<unsigned char>(entry[0]);
        if (*value == '#') {
            palette[key] = 0xff000000u | QRgb(std::strtoul(value + 1, nullptr, 16));
        } else {
            palette[key] = 0;
            transparent = true;
        }
    }
    QImage image(width, height, transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const char *row = xpm[1 + colours + y];
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            out[x] = palette[static_cast<unsigned char>(row[x])];
    }
    return image;
}

namespace
{

// Opaque 32-bit images, so that drawing them is a plain source copy.
QImage opaque(const char *const *xpm)
{
    return fromXpm(xpm).convertToFormat(QImage::Format_RGB32);
}

struct Guess {
    const char *const *xpm;
    const char16_t *name;
};

// Index order matters: each level adds the next row of five.
constexpr std::array<Guess, GuessCount> guesses{{
    {disc_xpm, u"Красный круг"},
    {square_xpm, u"Жёлтый квадрат"},
    {triangle_xpm, u"Зелёный треугольник"},
    {rhombus_xpm, u"Синий ромб"},
    {trapezoid_xpm, u"Розовая трапеция"},
    {block_pyramid_xpm, u"Пирамида из кубиков"},
    {ball_xpm, u"Мяч"},
    {ring_pyramid_xpm, u"Пирамидка с кольцами"},
    {pawns_xpm, u"Три фишки"},
    {drum_xpm, u"Барабан"},
    {banana_xpm, u"Банан"},
    {cherries_xpm, u"Вишни"},
    {mushroom_xpm, u"Гриб"},
    {cheese_xpm, u"Сыр"},
    {pear_xpm, u"Груша"},
}};

} // namespace

const QImage &guess(int index)
{
    static const auto images = [] {
        std::array<QImage, GuessCount> all;
        for (int i = 0; i < GuessCount; ++i)
            all[i] = opaque(guesses[i].xpm);
        return all;
    }();
    return images.at(index);
}

QString guessName(int index)
{
    return QString::fromUtf16(guesses.at(index).name);
}

const QImage &xMark()
{
    static const QImage image = opaque(x_mark_xpm);
    return image;
}

const QImage &questionMark()
{
    static const QImage image = opaque(question_mark_xpm);
    return image;
}

const QImage &boardBackground()
{
    static const QImage image = opaque(board_background_xpm);
    return image;
}

const QImage &windowIcon()
{
    static const QImage image = fromXpm(window_icon_xpm);
    return image;
}

const QImage &aboutEmblem()
{
    static const QImage image = opaque(about_emblem_xpm);
    return image;
}

const QImage &linkPointer()
{
    static const QImage image = fromXpm(link_pointer_xpm);
    return image;
}

} // namespace Pictures
