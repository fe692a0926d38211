#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

// The file that keeps every finished game, one line each. It is only ever appended to, one
// whole line in one write, so that a crash costs at most the line being written and two
// running copies of the program never interleave; starting anew renames it, never deletes.
// What a line says is not its business.
class RecordFile
{
public:
    static constexpr char16_t FileName[] = u"games.tsv";

    explicit RecordFile(QString path);

    // In the user's data folder, named after the application: on Linux
    // $XDG_DATA_HOME/org.example.Chuikomer/games.tsv.
    static QString defaultPath();

    const QString &path() const { return path_; }

    // Appends `line` (newline included) in one write, preceded by `header` when the file is
    // new or empty. False when it cannot be written: no folder, no permission, a full disk.
    bool append(const QByteArray &line, const QByteArray &header) const;

    // Hands over each line without its newline, a block at a time, holding no more of the file
    // than one block and one line. False when the file exists but cannot be read; a missing
    // file is an empty record.
    bool read(const std::function<void(QByteArrayView line)> &take) const;

    // Renames the record after `date` ("games-2026-12-07.tsv", numbered if taken), so that the
    // next game starts a new one. True also when there was nothing to rename.
    bool startAnew(const QString &date) const;

private:
    QString path_;
};
