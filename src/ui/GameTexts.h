// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Level.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

class Game;

// The game in words, as the main window shows and says them: the title, the levels, the
// pictures, the prompts, the verdict and what it means, the board. Whole sentences through Qt's
// translations; numbers in the player's language.
class GameTexts
{
    Q_DECLARE_TR_FUNCTIONS(GameTexts)

public:
    // "Чуйкомер"
    static QString title();
    // The window's caption: the title, and once a level is chosen, the level; the mode in
    // training.
    static QString caption(std::optional<Level> level, bool training = false);
    // What the mode is, as said when it is chosen and at start.
    static QString mode(bool training);
    // A training guess's answer: "Верно: красный круг", "Мимо: загадан синий ромб".
    static QString answer(int hidden, int guessed);
    // "Первый уровень" … "Третий уровень": the level buttons and the statistics alike.
    static QString levelName(Level level);
    // What picture `picture` (0..14) shows: "Красный круг".
    static QString pictureName(int picture);

    // "Угадайте 3-ю картинку"
    // "Тренировка: угадайте 3-ю картинку" in training.
    static QString attemptRequest(int attempt, bool training = false);
    // "Ваша интуиция работает на 30%"
    // "Тренировка: интуиция на 30%" in training.
    static QString verdict(int hits, bool training = false);
    // What a score of `hits` at `level` means against pure guessing, in two sentences.
    static QString explanation(int hits, Level level);
    // The board in words, for screen readers: never names a hidden picture before the reveal.
    static QString boardDescription(const Game &game);
};
