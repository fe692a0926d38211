// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VerifyCommand.h"

#include "RecordCheck.h"
#include "RecordFile.h"
#include "VerifyTexts.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>

namespace VerifyCommand
{

bool asked(int argc, char *argv[])
{
    return argc >= 2 && std::strcmp(argv[1], "--verify") == 0;
}

int run(const QList<QByteArray> &arguments, QTextStream &out, QTextStream &errors)
{
    if (arguments.size() != 3) {
        errors << VerifyTexts::usage(QFileInfo(QFile::decodeName(arguments.value(0))).fileName())
               << Qt::endl;
        return 2;
    }
    const QString path = QFile::decodeName(arguments[2]);
    RecordReader reader = RecordFile::openToVerify(arguments[2]);
    if (reader.fault().failed()) {
        errors << VerifyTexts::notChecked(path, VerifyTexts::cause(reader.fault())) << Qt::endl;
        return 2;
    }
    VerifyTexts::Tally tally;
    RecordCheck check([&](const RecordCheck::Line &line) {
        const QString said = tally.add(line);
        if (!said.isEmpty())
            out << said << Qt::endl;
    });
    const RecordFault fault = reader.check(check);
    if (fault.failed() && fault.problem != RecordProblem::NewerVersion) {
        errors << VerifyTexts::notChecked(path, VerifyTexts::cause(fault)) << Qt::endl;
        return 2;
    }
    out << VerifyTexts::summary(tally) << Qt::endl;
    if (!check.head().isEmpty())
        out << VerifyTexts::head(check.head(), check.headLine()) << Qt::endl;
    return tally.holds() ? 0 : 1;
}

} // namespace VerifyCommand
