// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordLine.h"

#include "Sha256.h"

#include <QDateTime>

using namespace Qt::StringLiterals;

namespace RecordLine
{

namespace
{

constexpr char Tag[] = "#chuikomer-games";
// Version 1's fields, and this version's.
constexpr int FirstFields = 4;
constexpr int Fields = 8;
constexpr char TimeFormat[] = "yyyy-MM-dd'T'HH:mm:ss'Z'";

QByteArray pictures(const std::array<int, GameSize::Attempts> &list)
{
    QByteArray text;
    for (int p : list) {
        if (!text.isEmpty())
            text += ' ';
        text += QByteArray::number(p + 1);
    }
    return text;
}

// A run of small decimal numbers separated by single spaces, from 1 to `offered`.
bool readPictures(QByteArrayView field, int offered, std::array<int, GameSize::Attempts> &list)
{
    qsizetype at = 0;
    for (int i = 0; i < GameSize::Attempts; ++i) {
        if (i > 0 && (at >= field.size() || field[at++] != ' '))
            return false;
        int number = 0;
        const qsizetype first = at;
        while (at < field.size() && field[at] >= '0' && field[at] <= '9' && at - first < 3)
            number = number * 10 + (field[at++] - '0');
        if (at == first || number < 1 || number > offered)
            return false;
        list[i] = number - 1;
    }
    return at == field.size();
}

// Ten items of `size` characters separated by single spaces.
bool split(QByteArrayView field, qsizetype size,
           std::array<QByteArrayView, GameSize::Attempts> &items)
{
    if (field.size() != GameSize::Attempts * (size + 1) - 1)
        return false;
    for (int i = 0; i < GameSize::Attempts; ++i) {
        items[i] = field.sliced(i * (size + 1), size);
        if (i > 0 && field[i * (size + 1) - 1] != ' ')
            return false;
    }
    return true;
}

// Lower-case hex only, as written.
bool readSecret(QByteArrayView hex, Seal::Secret &secret)
{
    auto digit = [](char c) {
        return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    };
    if (hex.size() != 2 * Seal::SecretBytes)
        return false;
    for (std::size_t i = 0; i < secret.size(); ++i) {
        const int high = digit(hex[2 * i]);
        const int low = digit(hex[2 * i + 1]);
        if (high < 0 || low < 0)
            return false;
        secret[i] = std::uint8_t(high << 4 | low);
    }
    return true;
}

// "2026-12-07T09:22:20Z", read by hand: the record is read whole whenever the window opens.
QDateTime readTime(QByteArrayView field)
{
    static constexpr char Shape[] = "0000-00-00T00:00:00Z";
    if (field.size() != qsizetype(sizeof Shape - 1))
        return {};
    for (qsizetype i = 0; i < field.size(); ++i) {
        const bool digit = field[i] >= '0' && field[i] <= '9';
        if (Shape[i] == '0' ? !digit : field[i] != Shape[i])
            return {};
    }
    auto number = [&](int from, int length) {
        int n = 0;
        for (int i = from; i < from + length; ++i)
            n = n * 10 + (field[i] - '0');
        return n;
    };
    const QDate date(number(0, 4), number(5, 2), number(8, 2));
    const QTime time(number(11, 2), number(14, 2), number(17, 2));
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time, Qt::UTC);
}

} // namespace

QByteArray header()
{
    return QByteArray(Tag) + '\t' + QByteArray::number(Version) + '\n';
}

std::optional<int> headerVersion(QByteArrayView line)
{
    constexpr qsizetype Number = sizeof Tag;
    if (!line.startsWith(Tag) || line.size() <= Number || line[Number - 1] != '\t')
        return std::nullopt;
    int version = 0;
    qsizetype at = Number;
    for (; at < line.size() && line[at] >= '0' && line[at] <= '9'; ++at) {
        if (at - Number >= 9)
            return std::nullopt;
        version = version * 10 + (line[at] - '0');
    }
    // A later version may add fields after its number.
    if (at == Number || (at < line.size() && !QByteArrayView("\t\r\n").contains(line[at])))
        return std::nullopt;
    return version;
}

RecordProblem headerProblem(QByteArrayView line)
{
    // A header left unended, which an earlier version took for a game cut off and marked so.
    if (line.endsWith(CutOffMark))
        line.chop(qsizetype(sizeof CutOffMark) - 1);
    const std::optional<int> version = headerVersion(line);
    if (!version)
        return RecordProblem::ForeignFile;
    return *version > Version ? RecordProblem::NewerVersion : RecordProblem::None;
}

QByteArray serialise(const FinishedGame &game)
{
    const QString time = game.playedAt.toUTC().toString(QLatin1StringView(TimeFormat));
    QByteArray line = time.toLatin1() + '\t' + QByteArray::number(game.level.number()) + '\t' +
                      pictures(game.hidden) + '\t' + pictures(game.guessed) + '\t' + game.game;
    for (int i = 0; i < GameSize::Attempts; ++i)
        line += (i == 0 ? '\t' : ' ') + Seal::hex(game.secrets[i]);
    for (int n = 1; n <= GameSize::Attempts; ++n)
        line += (n == 1 ? '\t' : ' ') + game.seal(n);
    return line + '\n';
}

QByteArray hashOf(QByteArrayView line)
{
    return Sha256::hex(line);
}

QByteArray chained(QByteArrayView previous, QByteArrayView lines)
{
    QByteArray out;
    QByteArray hash = hashOf(previous);
    for (qsizetype from = 0, end; (end = lines.indexOf('\n', from)) >= 0; from = end + 1) {
        const qsizetype start = out.size();
        out += lines.sliced(from, end - from);
        out += '\t' + hash;
        hash = hashOf(QByteArrayView(out).sliced(start));
        out += '\n';
    }
    return out;
}

std::optional<Read> read(QByteArrayView line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    std::array<QByteArrayView, Fields> fields;
    int count = 0;
    qsizetype from = 0;
    while (true) {
        const qsizetype tab = line.indexOf('\t', from);
        // More fields: a newer version's line, which this one cannot read whole.
        if (count == Fields)
            return std::nullopt;
        fields[count++] = line.sliced(from, (tab < 0 ? line.size() : tab) - from);
        if (tab < 0)
            break;
        from = tab + 1;
    }
    if (count != Fields && count != FirstFields)
        return std::nullopt;
    Read read;
    FinishedGame &game = read.game;
    game.playedAt = readTime(fields[0]);
    if (!game.playedAt.isValid() || fields[1].size() != 1)
        return std::nullopt;
    const std::optional<Level> level = Level::numbered(fields[1][0] - '0');
    if (!level)
        return std::nullopt;
    game.level = *level;
    if (!readPictures(fields[2], game.offeredPictures(), game.hidden) ||
        !readPictures(fields[3], game.offeredPictures(), game.guessed))
        return std::nullopt;
    if (count == FirstFields)
        return read;
    std::array<QByteArrayView, GameSize::Attempts> &secrets = read.secrets;
    if (!Seal::isGame(fields[4]) || !split(fields[5], 2 * Seal::SecretBytes, secrets) ||
        !split(fields[6], 64, read.seals) || !Seal::isSeal(fields[7]))
        return std::nullopt;
    for (int i = 0; i < GameSize::Attempts; ++i)
        if (!readSecret(secrets[i], game.secrets[i]))
            return std::nullopt;
    game.game = fields[4].toByteArray();
    read.hashBefore = fields[7];
    return read;
}

} // namespace RecordLine
