// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordCheck.h"

#include "RecordLine.h"

RecordCheck::RecordCheck(Settled settled) : settled_(std::move(settled)) {}

void RecordCheck::add(QByteArrayView line)
{
    Line current;
    current.number = ++number_;
    if (current.number > 1) {
        const std::optional<RecordLine::Read> read = RecordLine::read(line);
        if (read) {
            current.game = read->game;
            if (read->game.sealed()) {
                sealedSeen_ = true;
                for (int n = 1; n <= GameSize::Attempts && current.attempt == 0; ++n)
                    if (read->game.seal(n) != read->seals[std::size_t(n - 1)])
                        current.attempt = n;
                if (current.attempt > 0)
                    current.failure = Failure::Seal;
                // Either this line is not where it was written, or the one before it changed:
                // neither is trusted.
                if (read->hashBefore != hash_) {
                    if (pending_ && pending_->game && pending_->failure == Failure::None)
                        pending_->failure = Failure::Changed;
                    if (current.failure == Failure::None)
                        current.failure = Failure::Moved;
                }
            } else if (sealedSeen_) {
                current.failure = Failure::Unsealed;
            }
        } else {
            current.blank = line.trimmed().isEmpty();
        }
        settle();
    }
    hash_ = RecordLine::hashOf(line);
    pending_ = current;
}

void RecordCheck::finish()
{
    settle();
}

void RecordCheck::settle()
{
    if (pending_ && pending_->number > 1)
        settled_(*pending_);
    pending_.reset();
}
