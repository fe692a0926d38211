// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordCheck.h"

#include "RecordLine.h"
#include "Sha256.h"

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
                for (int n = 1; n <= GameSize::Attempts && current.attempt == 0; ++n) {
                    const auto i = std::size_t(n - 1);
                    if (!Seal::holds(read->game.game, n, read->game.hidden[i] + 1, read->secrets[i],
                                     read->seals[i]))
                        current.attempt = n;
                }
                if (current.attempt > 0)
                    current.failure = Failure::Seal;
                // Either this line is not where it was written, or the one before it changed:
                // neither is trusted.
                if (!Sha256::matches(previous_, read->hashBefore)) {
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
    previous_ = line.toByteArray();
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
