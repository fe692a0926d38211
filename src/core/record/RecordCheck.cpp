// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordCheck.h"

#include "RecordLine.h"

RecordCheck::RecordCheck(Settled settled) : settled_(std::move(settled)) {}

void RecordCheck::add(QByteArrayView line)
{
    if (++number_ == 1) {
        headerVersion_ = RecordLine::headerVersion(line).value_or(0);
        previous_ = RecordLine::linkDigest(line, false);
        return;
    }
    Line current;
    current.number = number_;
    const std::optional<RecordLine::Read> read = RecordLine::read(line);
    int version = 0;
    if (read) {
        version = read->version;
        current.game = read->game;
        if (version >= 2) {
            for (int n = 1; version == 2 && n <= GameSize::Attempts && !current.attempt; ++n) {
                const auto i = std::size_t(n - 1);
                if (!Seal::attemptSealHolds(read->game.game, n, read->game.hidden[i] + 1,
                                            read->secrets[i], read->seals[i]))
                    current.attempt = n;
            }
            if (current.attempt > 0)
                current.failure = Failure::Seal;
            // The first game links to the header as it stands, or as its own version wrote it
            // before a later one raised it in place.
            const bool linked =
                RecordLine::linksTo(*read, previous_) ||
                (number_ == 2 &&
                 RecordLine::linksTo(*read, RecordLine::header(version).chopped(1)));
            // Either this line is not where it was written, or the one before it changed:
            // neither is trusted.
            if (!linked) {
                if (pending_ && pending_->game && pending_->failure == Failure::None)
                    pending_->failure = Failure::Changed;
                if (current.failure == Failure::None)
                    current.failure = Failure::Moved;
            }
            release(true);
            sealedSeen_ = true;
        } else if (sealedSeen_) {
            current.failure = Failure::Unsealed;
        }
        headLine_ = number_;
    } else {
        current.blank = line.trimmed().isEmpty();
        current.cutOff = line.endsWith(RecordLine::CutOffMark);
    }
    if (pending_)
        settle(*pending_);
    previous_ = RecordLine::linkDigest(line, read.has_value());
    if (read)
        lastGame_ = previous_;
    pending_ = current;
    pendingVersion_ = version;
}

void RecordCheck::finish(bool unended)
{
    // Cut off between the digits of a picture, a game of version 1 still reads as one.
    if (unended && pending_ && pending_->game && pendingVersion_ < 2) {
        pending_->game.reset();
        if (headLine_ == pending_->number) {
            lastGame_.reset();
            headLine_ = 0;
        }
    }
    if (pending_)
        settle(*pending_);
    pending_.reset();
    release(false);
}

QByteArray RecordCheck::head() const
{
    return lastGame_ ? RecordLine::head(*lastGame_) : QByteArray();
}

void RecordCheck::settle(const Line &line)
{
    const bool unsealed = line.game && !line.game->sealed();
    if (!held_.empty() || (unsealed && !sealedSeen_ && headerVersion_ >= 2))
        held_.push_back(line);
    else
        settled_(line);
}

void RecordCheck::release(bool sealedAfter)
{
    for (Line &line : held_) {
        if (!sealedAfter && line.game && !line.game->sealed())
            line.failure = Failure::Unsealed;
        settled_(line);
    }
    held_.clear();
}
