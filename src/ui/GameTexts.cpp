// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameTexts.h"

#include "Game.h"
#include "Odds.h"
#include "Pictures.h"

#include <QLocale>
#include <QStringList>
#include <cmath>

namespace
{

// Rarer than this, a chance is said as "less than one in a billion".
constexpr double OneInABillion = 1e-9;
// Down to this, a chance reads better as a percentage.
constexpr double PercentFrom = 0.1;

// How pure guessing's chance of an outcome is said: a whole per cent, never 100 for what merely
// comes close, which would read as "always"; one case in so many; or rarer than a billion.
enum class Often { Rarely, Percent, OneIn };

Often often(double probability)
{
    if (probability < OneInABillion)
        return Often::Rarely;
    return probability >= PercentFrom ? Often::Percent : Often::OneIn;
}

QString oftenNumber(double probability)
{
    if (often(probability) == Often::Percent)
        return QLocale().toString(
            std::min(std::round(probability * 100), probability < 1 ? 99.0 : 100.0), 'f', 0);
    return QLocale().toString(std::llround(1 / probability));
}

// The sentence that says how often an outcome of `probability` comes by chance; the last two
// still take the number as their last argument.
QString howOften(double probability, const QString &rarely, const QString &inPercent,
                 const QString &oneIn)
{
    switch (often(probability)) {
    case Often::Rarely:
        return rarely;
    case Often::Percent:
        return inPercent.arg(oftenNumber(probability));
    case Often::OneIn:
        return oneIn.arg(oftenNumber(probability));
    }
    return {};
}

} // namespace

QString GameTexts::title()
{
    return tr("Чуйкомер");
}

QString GameTexts::caption(std::optional<Level> level, bool training)
{
    const QString plain =
        level ? tr("%1: %2", "the title, then the level").arg(title(), levelName(*level)) : title();
    return training ? tr("%1 — тренировка", "the caption in training").arg(plain) : plain;
}

QString GameTexts::mode(bool training)
{
    return training ? tr("Режим тренировки: после каждой попытки видно, что было загадано. Эти "
                         "игры идут в отдельную запись. F5 выключает тренировку.")
                    : tr("Обычная игра: загаданное видно после десятой попытки. F5 включает "
                         "тренировку.");
}

QString GameTexts::answer(int hidden, int guessed)
{
    if (hidden == guessed)
        return tr("Верно: %1").arg(QLocale().toLower(pictureName(hidden)));
    const QString name = QLocale().toLower(pictureName(hidden));
    // Russian agrees the word with the picture's gender and number.
    switch (Pictures::Guess(hidden)) {
    case Pictures::Guess::PinkTrapezoid:
    case Pictures::Guess::BlockPyramid:
    case Pictures::Guess::RingPyramid:
    case Pictures::Guess::Pear:
        return tr("Мимо: загадана %1", "the picture hidden instead, feminine").arg(name);
    case Pictures::Guess::ThreePawns:
    case Pictures::Guess::Cherries:
        return tr("Мимо: загаданы %1", "the picture hidden instead, plural").arg(name);
    default:
        return tr("Мимо: загадан %1", "the picture hidden instead").arg(name);
    }
}

QString GameTexts::levelName(Level level)
{
    switch (level.number()) {
    case 1:
        return tr("Первый уровень");
    case 2:
        return tr("Второй уровень");
    }
    return tr("Третий уровень");
}

QString GameTexts::pictureName(int picture)
{
    // Any other number is no picture, and falls through.
    switch (Pictures::Guess(picture)) {
    case Pictures::Guess::RedCircle:
        return tr("Красный круг");
    case Pictures::Guess::YellowSquare:
        return tr("Жёлтый квадрат");
    case Pictures::Guess::GreenTriangle:
        return tr("Зелёный треугольник");
    case Pictures::Guess::BlueRhombus:
        return tr("Синий ромб");
    case Pictures::Guess::PinkTrapezoid:
        return tr("Розовая трапеция");
    case Pictures::Guess::BlockPyramid:
        return tr("Пирамида из кубиков");
    case Pictures::Guess::Ball:
        return tr("Мяч");
    case Pictures::Guess::RingPyramid:
        return tr("Пирамидка с кольцами");
    case Pictures::Guess::ThreePawns:
        return tr("Три фишки");
    case Pictures::Guess::Drum:
        return tr("Барабан");
    case Pictures::Guess::Banana:
        return tr("Банан");
    case Pictures::Guess::Cherries:
        return tr("Вишни");
    case Pictures::Guess::Mushroom:
        return tr("Гриб");
    case Pictures::Guess::Cheese:
        return tr("Сыр");
    case Pictures::Guess::Pear:
        return tr("Груша");
    }
    return {};
}

QString GameTexts::attemptRequest(int attempt, bool training)
{
    if (training)
        return tr("Тренировка: угадайте %1-ю картинку").arg(attempt);
    return tr("Угадайте %1-ю картинку").arg(attempt);
}

QString GameTexts::verdict(int hits, bool training)
{
    if (training) {
        if (hits <= 0)
            return tr("Тренировка: интуиция не работает");
        if (hits >= Game::Attempts)
            return tr("Тренировка: вы гений!!!");
        return tr("Тренировка: интуиция на %1%").arg(hits * 100 / Game::Attempts);
    }
    if (hits <= 0)
        return tr("Ваша интуиция не работает.");
    if (hits >= Game::Attempts)
        return tr("Вы гений!!!");
    return tr("Ваша интуиция работает на %1%").arg(hits * 100 / Game::Attempts);
}

QString GameTexts::explanation(int hits, Level level)
{
    const int offered = level.pictures();
    const QString mean = tr("Наугад на этом уровне угадывают в среднем %1 из %2.")
                             .arg(QLocale().toString(Odds::meanHits(offered), 'g', 2))
                             .arg(Game::Attempts);
    QString luck;
    if (hits <= 0)
        luck = howOften(Odds::exactly(0, offered),
                        tr("Не угадать ни одной картинки просто по невезению можно меньше чем в 1 "
                           "случае из миллиарда."),
                        tr("Не угадать ни одной картинки просто по невезению можно в %1% случаев."),
                        tr("Не угадать ни одной картинки просто по невезению можно в 1 случае из "
                           "%1."));
    else if (hits >= Game::Attempts)
        luck = howOften(
            Odds::exactly(Game::Attempts, offered),
            tr("Угадать все %1 просто по везению можно меньше чем в 1 случае из "
               "миллиарда.")
                .arg(Game::Attempts),
            tr("Угадать все %1 просто по везению можно в %2% случаев.").arg(Game::Attempts),
            tr("Угадать все %1 просто по везению можно в 1 случае из %2.").arg(Game::Attempts));
    else
        luck = howOften(
            Odds::atLeast(hits, offered),
            tr("Угадать %1 или больше просто по везению можно меньше чем в 1 случае "
               "из миллиарда.")
                .arg(hits),
            tr("Угадать %1 или больше просто по везению можно в %2% случаев.").arg(hits),
            tr("Угадать %1 или больше просто по везению можно в 1 случае из %2.").arg(hits));
    return tr("%1\n%2", "the mean, then the chance of the score").arg(mean, luck);
}

QString GameTexts::boardDescription(const Game &game)
{
    if (!game.level())
        return tr("Табло пусто: выберите уровень.");
    const bool over = game.attempt() == Game::NoGame;
    QStringList lines;
    const int answered = over ? Game::Attempts : game.attempt() - 1;
    for (int n = 1; n <= answered; ++n) {
        const QString guess = pictureName(game.guessed(n));
        // In training each answer shows as soon as the guess is made.
        if (!over && !(game.training() && game.guessed(n) != Board::NoPicture))
            lines << tr("Попытка %1: ваш ответ — %2.").arg(n).arg(guess);
        else if (game.hidden(n) == game.guessed(n))
            lines << tr("Попытка %1: загадано — %2, ваш ответ — %3, верно.")
                         .arg(n)
                         .arg(pictureName(game.hidden(n)), guess);
        else
            lines << tr("Попытка %1: загадано — %2, ваш ответ — %3, неверно.")
                         .arg(n)
                         .arg(pictureName(game.hidden(n)), guess);
    }
    if (!over)
        lines << tr("Попытка %1: ждёт вашего ответа.").arg(game.attempt());
    return lines.join(u'\n');
}
