// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RedirectPage.h"

#include "Platform.h"

#include <QUrl>

using namespace Qt::StringLiterals;

namespace RedirectPage
{

namespace
{

enum class Outcome {
    Written,
    // Something else has the name: leave it alone and try the next number.
    NameTaken,
    // The folder takes no page at all (read-only, missing, full): stop trying.
    Failed,
};

// Only a name that is free, or the program's own plain file, is written; whatever else stands
// there (a link, a folder, a FIFO, a second name of another file) is left alone.
Outcome writePage(const QString &folder, const QString &name, const QByteArray &page,
                  QString &whyNot)
{
    if (!Platform::replaceable(folder + name))
        return Outcome::NameTaken;
    switch (Platform::replaceWhole(folder, name, page, whyNot)) {
    case Platform::Write::Done:
        return Outcome::Written;
    case Platform::Write::NameTaken:
        return Outcome::NameTaken;
    case Platform::Write::Failed:
        break;
    }
    return Outcome::Failed;
}

// Non-ASCII as the browser would send it: the host in its ASCII (IDN) form, everything else
// percent-encoded as UTF-8. The page then is pure ASCII, whatever its declared charset.
QByteArray asciiUrl(QString url)
{
    const QString host = QUrl(url).host(QUrl::FullyDecoded);
    bool asciiHost = true;
    for (QChar c : host)
        asciiHost = asciiHost && c.unicode() < 0x80;
    if (!asciiHost) {
        const qsizetype at = url.indexOf(host, 0, Qt::CaseInsensitive);
        if (at >= 0)
            url.replace(at, host.size(), QString::fromLatin1(QUrl::toAce(host)));
    }
    QByteArray ascii;
    for (const char byte : url.toUtf8()) {
        if (static_cast<unsigned char>(byte) < 0x80)
            ascii += byte;
        else
            ascii += '%' + QByteArray::number(static_cast<unsigned char>(byte), 16).toUpper();
    }
    return ascii;
}

} // namespace

QByteArray document(const QString &url)
{
    // The URL sits inside an apostrophe-quoted attribute; %27 names the same address without
    // ending the attribute early.
    QByteArray quoted = asciiUrl(url);
    quoted.replace('\'', "%27");
    return "<html><head><meta http-equiv='refresh' content='0; url=" + quoted +
           "'><meta http-equiv='Content-Type' content='text/html; charset=windows-1251'>"
           "<title>WWW</title></head><body></body></html>";
}

std::optional<QString> write(const QString &folder, const QString &url, QString &whyNot)
{
    const QByteArray page = document(url) + Platform::LineEnd;
    for (int counter = 0; counter < MaxNames; ++counter) {
        const QString name = QString::number(counter) + u".html"_s;
        switch (writePage(folder, name, page, whyNot)) {
        case Outcome::Written:
            return folder + name;
        case Outcome::NameTaken:
            continue;
        case Outcome::Failed:
            return std::nullopt;
        }
    }
    whyNot = u"every name from 0.html to %1.html is taken"_s.arg(MaxNames - 1);
    return std::nullopt;
}

} // namespace RedirectPage
