// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FinishedGame.h"

#include <QByteArray>
#include <QByteArrayView>
#include <functional>
#include <optional>

// Checks a record line by line, in order: whether each game's seals hold, and whether each line
// carries the hash of the line before it. An edit of a game that keeps its seals (a new secret,
// a new seal) breaks the next line's hash instead, so a game is only settled once the line after
// it is read, or the record ends; where the hashes break, both lines are suspect. The last line
// has nothing after it: an edit of it that keeps its seals does not show.
class RecordCheck
{
public:
    enum class Failure {
        None,
        // A seal is not the hash of the game, the attempt, the picture and the secret.
        Seal,
        // The next line does not carry this one's hash: this line was changed, or lines after
        // it were removed or put in.
        Changed,
        // This line does not carry the hash of the line before it: it was moved or put in, or
        // that line was changed or lines before it removed.
        Moved,
        // A game without seals after games with them: no version writes that.
        Unsealed,
    };
    struct Line {
        // From 1, the header being line 1, as an editor numbers them.
        qint64 number = 0;
        // Nothing when no game is read from it; `blank` when it holds nothing but spaces.
        std::optional<FinishedGame> game;
        bool blank = false;
        Failure failure = Failure::None;
        // With Seal: the first attempt, 1..10, whose seal does not hold.
        int attempt = 0;
    };
    using Settled = std::function<void(const Line &line)>;

    explicit RecordCheck(Settled settled);

    // The header line, then each following line without its newline.
    void add(QByteArrayView line);
    // The record is over: the last game is settled.
    void finish();

private:
    void settle();

    Settled settled_;
    qint64 number_ = 0;
    // The line before, whose hash the next one carries, and its game while not settled.
    QByteArray previous_;
    std::optional<Line> pending_;
    bool sealedSeen_ = false;
};
