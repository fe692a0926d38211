// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What several tests share: the palette, scans over an image's pixels, a control by its name,
// a random source that hides the pictures a test chooses, and records of games.

#include "Game.h"
#include "RecordLine.h"
#include "Statistics.h"

#include <QFile>
#include <QImage>
#include <QRegion>
#include <QSet>
#include <QTest>
#include <deque>
#include <memory>

class QWidget;

namespace TestSupport
{

inline const QRgb Grey = qRgb(224, 224, 224);
inline const QRgb Black = qRgb(0, 0, 0);
inline const QRgb White = qRgb(255, 255, 255);
inline const QRgb Red = qRgb(255, 0, 0);
inline const QRgb Blue = qRgb(0, 0, 255);

inline QSet<QRgb> colours(const QImage &image)
{
    QSet<QRgb> all;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            all.insert(image.pixel(x, y));
    return all;
}

// Smallest rectangle holding every pixel for which `wanted` is true.
template <typename Predicate> QRect boundingBox(const QImage &image, Predicate wanted)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (wanted(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

// Where the text or drawing is: pixels darker than mid grey.
inline QRect ink(const QImage &image)
{
    return boundingBox(image, [](QRgb p) { return qGray(p) < 128; });
}

// Every pixel where two images of one size differ.
inline QRegion changed(const QImage &a, const QImage &b)
{
    QRegion all;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                all += QRect(x, y, 1, 1);
    return all;
}

// A control by its object name; a missing one ends the test run at once.
template <typename T = QWidget> T *control(const QObject *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

inline QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// A file with exactly these bytes, as something else would have left it.
inline void writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

// A draw that hides the queued pictures, then the first, each game under a secret of its own.
// Copies share the queue, so a test can queue more after handing the draw to a game.
struct ScriptedRandom {
    std::shared_ptr<std::deque<int>> pictures = std::make_shared<std::deque<int>>();
    std::shared_ptr<int> drawn = std::make_shared<int>(0);

    operator Game::Random() const
    {
        return [*this](int) {
            Game::Drawn d;
            d.game = "0123456789abcdef";
            for (int &p : d.pictures) {
                if (!pictures->empty()) {
                    p = pictures->front();
                    pictures->pop_front();
                }
            }
            d.secret = secret(++*drawn);
            return d;
        };
    }
    // The secret of the n-th game drawn, from 1.
    static Seal::Secret secret(int n)
    {
        Seal::Secret s;
        for (std::size_t i = 0; i < s.size(); ++i)
            s[i] = std::uint8_t(n * 37 + int(i) * 11 + 5);
        return s;
    }
    // Hides these pictures at the next attempts.
    template <typename Range> void hideAll(const Range &hidden, int /*offered*/) const
    {
        for (int p : hidden)
            pictures->push_back(p);
    }
    void hide(std::initializer_list<int> hidden, int offered) const { hideAll(hidden, offered); }
};

// `g` sealed as a game of the program would be, under ScriptedRandom's secrets.
inline FinishedGame sealed(FinishedGame g)
{
    g.game = "0123456789abcdef";
    g.secret = ScriptedRandom::secret(1);
    return g;
}

// A record as the program writes it: the header, then `lines`, each with the hash of the line
// before it.
inline QByteArray recordOf(const QByteArray &lines)
{
    const QByteArray header = RecordLine::header();
    return header + RecordLine::chained(header.chopped(1), lines);
}

// The level numbered `number`, 1..3, as the tests name them.
inline Level level(int number)
{
    return Level::numbered(number).value();
}

// `games` games at level `number` with `hits` right in all, as evenly spread as whole games
// allow.
inline void addGames(Statistics &s, int number, int games, int hits)
{
    for (int n = 0; n < games; ++n) {
        FinishedGame g;
        g.level = level(number);
        const int right = hits / games + (n < hits % games ? 1 : 0);
        for (int i = 0; i < GameSize::Attempts; ++i)
            g.guessed[i] = i < right ? g.hidden[i] : g.hidden[i] + 1;
        s.add(g);
    }
}

} // namespace TestSupport
