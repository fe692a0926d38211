// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VerifyCommand.h"

#include "RecordCheck.h"
#include "RecordFile.h"
#include "RecordNotes.h"
#include "VerifyTexts.h"

#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace VerifyCommand
{

bool asked(int argc, char *argv[])
{
    return argc >= 2 && std::strcmp(argv[1], "--verify") == 0;
}

int run(const QStringList &arguments, QTextStream &out, QTextStream &errors)
{
    if (arguments.size() != 3) {
        errors << VerifyTexts::usage(QFileInfo(arguments.value(0)).fileName()) << Qt::endl;
        return 2;
    }
    const QString &path = arguments[2];
    RecordReader reader = RecordFile(path).openForReading();
    RecordFault fault = reader.fault();
    // Nothing to check is no proof: a missing file fails, unlike the game's own record.
    if (!fault.failed() && !QFileInfo(path).isFile())
        fault = {RecordProblem::Failed, ENOENT};
    if (fault.failed() && fault.problem != RecordProblem::NewerVersion) {
        errors << VerifyTexts::notChecked(path, RecordNotes::cause(fault)) << Qt::endl;
        return 2;
    }
    int games = 0;
    int failed = 0;
    int unreadable = 0;
    RecordCheck check([&](const RecordCheck::Line &line) {
        games += line.game.has_value();
        if (line.failure != RecordCheck::Failure::None) {
            failed += line.game.has_value();
            out << VerifyTexts::failure(line) << Qt::endl;
        }
        unreadable += !line.game && !line.blank;
    });
    bool first = true;
    fault = reader.read([&](QByteArrayView line) {
        if (std::exchange(first, false))
            check.add(reader.header());
        check.add(line);
    });
    check.finish();
    if (fault.failed() && fault.problem != RecordProblem::NewerVersion) {
        errors << VerifyTexts::notChecked(path, RecordNotes::cause(fault)) << Qt::endl;
        return 2;
    }
    unreadable += reader.tornAtEnd();
    out << VerifyTexts::summary(games, failed, unreadable) << Qt::endl;
    return failed == 0 ? 0 : 1;
}

} // namespace VerifyCommand
