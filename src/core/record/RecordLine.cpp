// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordLine.h"

#include "Sha256.h"

#include <QDateTime>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace RecordLine
{

namespace
{

constexpr char Tag[] = "#chuikomer-games";
// Each version's fields.
constexpr int FieldsOf[] = {0, 4, 8, 7};
constexpr int MostFields = 8;
// Fields from this one on hold hex, which a spreadsheet may have put in upper case.
constexpr int FirstHexField = 4;
constexpr char TimeFormat[] = "yyyy-MM-dd'T'HH:mm:ss'Z'";

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
        if ((i > 0 && field[i * (size + 1) - 1] != ' ') || !Seal::isHex(items[i], size))
            return false;
    }
    return true;
}

// "2026-12-07T09:22:20Z", read by hand: a long record is read whole at its first reading.
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

// The line without its line end and the empty fields a spreadsheet adds after the last.
QByteArrayView trimmed(QByteArrayView line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    while (line.endsWith('\t'))
        line.chop(1);
    return line;
}

} // namespace

QByteArray header(int version)
{
    return QByteArray(Tag) + '\t' + QByteArray::number(version) + '\n';
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
    return time.toLatin1() + '\t' + QByteArray::number(game.level.number()) + '\t' +
           Seal::pictures(game.hidden) + '\t' + Seal::pictures(game.guessed) + '\t' + game.game +
           '\t' + Seal::hex(game.secret) + '\n';
}

QByteArray chained(QByteArrayView previous, QByteArrayView lines)
{
    QByteArray out;
    QByteArray link = linkTo(previous);
    for (qsizetype from = 0, end; (end = lines.indexOf('\n', from)) >= 0; from = end + 1) {
        const qsizetype start = out.size();
        out += lines.sliced(from, end - from);
        out += '\t' + link;
        link = linkTo(QByteArrayView(out).sliced(start));
        out += '\n';
    }
    return out;
}

std::optional<Read> read(QByteArrayView line)
{
    line = trimmed(line);
    std::array<QByteArrayView, MostFields> fields;
    int count = 0;
    qsizetype from = 0;
    while (true) {
        const qsizetype tab = line.indexOf('\t', from);
        // More fields: a newer version's line, which this one cannot read whole.
        if (count == MostFields)
            return std::nullopt;
        fields[count++] = line.sliced(from, (tab < 0 ? line.size() : tab) - from);
        if (tab < 0)
            break;
        from = tab + 1;
    }
    Read read;
    if (count == FieldsOf[1])
        read.version = 1;
    else if (count == FieldsOf[2])
        read.version = 2;
    else if (count == FieldsOf[3])
        read.version = 3;
    else
        return std::nullopt;
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
    if (read.version == 1)
        return read;
    if (!Seal::isGame(fields[4]))
        return std::nullopt;
    game.game = fields[4].toByteArray().toLower();
    if (read.version == 2) {
        read.link = fields[7];
        if (!split(fields[5], 2 * Seal::SecretBytes, read.secrets) ||
            !split(fields[6], 64, read.seals) || !Seal::isHex(read.link, 64))
            return std::nullopt;
        return read;
    }
    read.link = fields[6];
    if (!Seal::readSecret(fields[5], game.secret) || !Seal::isHex(read.link, LinkDigits))
        return std::nullopt;
    return read;
}

QByteArray linkText(QByteArrayView line)
{
    return linkText(line, read(line).has_value());
}

QByteArray linkText(QByteArrayView line, bool game)
{
    if (game) {
        QByteArray text = trimmed(line).toByteArray();
        // Only the hex fields have letters to put in lower case; the time's T and Z stay.
        qsizetype at = 0;
        for (int field = 0; field < FirstHexField; ++field)
            at = text.indexOf('\t', at) + 1;
        for (qsizetype i = at; at > 0 && i < text.size(); ++i)
            text[i] = Seal::lowerHex(text[i]);
        return text;
    }
    if (line.endsWith('\r'))
        line.chop(1);
    return line.last(std::min(line.size(), LongestLine)).toByteArray();
}

Sha256::Digest linkDigest(QByteArrayView line, bool game)
{
    if (!game ||
        std::any_of(line.begin(), line.end(), [](char c) { return Seal::lowerHex(c) != c; }))
        return Sha256::of(linkText(line, game));
    return Sha256::of(trimmed(line));
}

bool linksTo(const Read &read, QByteArrayView previous)
{
    return read.version >= 2 && Sha256::matches(previous, read.link);
}

bool linksTo(const Read &read, const Sha256::Digest &previous)
{
    return read.version >= 2 && Sha256::matches(previous, read.link);
}

QByteArray linkTo(QByteArrayView previous)
{
    return Sha256::hex(previous).first(LinkDigits);
}

QByteArray head(QByteArrayView line)
{
    return head(Sha256::of(linkText(line)));
}

QByteArray head(const Sha256::Digest &digest)
{
    return QByteArray(reinterpret_cast<const char *>(digest.data()), HeadDigits / 2).toHex();
}

} // namespace RecordLine
