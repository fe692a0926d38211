// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FinishedGame.h"
#include "Sha256.h"

#include <QByteArray>
#include <QByteArrayView>
#include <functional>
#include <optional>
#include <vector>

// Checks a record line by line, in order: whether each line carries the link to the line
// before it (RecordLine), and for games of version 2 whether their seals hold. An edit of a line
// breaks the next line's link, so a game is only settled once the line after it is read, or the
// record ends; where a link breaks, both lines are suspect. The last line has nothing after it:
// an edit of it, or lines cut off the end, show only against a head noted earlier.
class RecordCheck
{
public:
    enum class Failure {
        None,
        // A version-2 seal is not the hash of the game, the attempt, the picture and the secret.
        Seal,
        // The next line does not link to this one: this line was changed, or lines after it
        // were removed or put in.
        Changed,
        // This line does not link to the line before it: it was moved or put in, or that line
        // was changed or lines before it removed.
        Moved,
        // A game without a seal where this version writes none: after sealed games, or in a
        // record whose header says seals are kept with none after it.
        Unsealed,
    };
    struct Line {
        // From 1, the header being line 1, as an editor numbers them.
        qint64 number = 0;
        // Nothing when no game is read from it; `blank` when it holds nothing but spaces,
        // `cutOff` when a copy of the program stopped while writing it and marked it so.
        std::optional<FinishedGame> game;
        bool blank = false;
        bool cutOff = false;
        Failure failure = Failure::None;
        // With Seal: the first attempt, 1..10, whose seal does not hold.
        int attempt = 0;
    };
    using Settled = std::function<void(const Line &line)>;

    explicit RecordCheck(Settled settled);

    // The header line, then each following line without its newline.
    void add(QByteArrayView line);
    // The record is over, its last line `unended` when it had no newline: the last game is
    // settled. An unended line is a game only where its last field shows it whole.
    void finish(bool unended = false);

    // The record's head (RecordLine::head) and the line it is of; empty before any game.
    QByteArray head() const;
    qint64 headLine() const { return headLine_; }

private:
    void settle(const Line &line);
    void release(bool sealedAfter);

    Settled settled_;
    qint64 number_ = 0;
    int headerVersion_ = 0;
    // The digest the line before is known by in the chain, and its game while not settled.
    Sha256::Digest previous_{};
    std::optional<Line> pending_;
    int pendingVersion_ = 0;
    bool sealedSeen_ = false;
    // Games without seals in a record that keeps seals, and what follows them, until a sealed
    // game shows them to be of an earlier version, or the record ends without one.
    std::vector<Line> held_;
    // The digest of the last game's line, which the head is the start of.
    std::optional<Sha256::Digest> lastGame_;
    qint64 headLine_ = 0;
};
