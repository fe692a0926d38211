// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace
{

// One message of a translation file.
struct Message {
    QString source;
    bool numerus = false;
    // Empty once finished; else "unfinished", "vanished" or "obsolete".
    QString state;
    // The translation, or its plural forms.
    QStringList texts;
};

struct TranslationFile {
    // The language it translates into is the one the sources are written in.
    bool sourceLanguage = false;
    QList<Message> messages;
};

TranslationFile read(const QString &path)
{
    TranslationFile file;
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return file;
    QXmlStreamReader xml(&in);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        const QXmlStreamAttributes attributes = xml.attributes();
        if (name == u"TS") {
            const auto language = [&](const QString &attribute) {
                return attributes.value(attribute).toString().section(u'_', 0, 0);
            };
            file.sourceLanguage = language(u"language"_s) == language(u"sourcelanguage"_s);
        } else if (name == u"message") {
            file.messages.append(Message{});
            file.messages.last().numerus = attributes.value(u"numerus"_s) == u"yes";
        } else if (name == u"source") {
            file.messages.last().source = xml.readElementText();
        } else if (name == u"translation") {
            Message &m = file.messages.last();
            m.state = attributes.value(u"type"_s).toString();
            if (!m.numerus)
                m.texts << xml.readElementText();
        } else if (name == u"numerusform") {
            file.messages.last().texts << xml.readElementText();
        }
    }
    if (xml.hasError())
        qWarning() << path << xml.errorString();
    return file;
}

// What a translation carries over from its source, in any order: the arguments (%1, %n, %Ln,
// a progress bar's %p) and the line breaks.
QStringList marks(const QString &text)
{
    static const QRegularExpression mark(u"%L?(?:\\d{1,2}|n)|%p|\\n"_s);
    QStringList found;
    for (auto it = mark.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

} // namespace

Q_DECLARE_METATYPE(Message)

// The translations against the texts of the sources as they are now. lupdate updates copies of
// the committed files, keeping what vanished from the sources; the committed ones stay as they
// are. A translation into another language translates every text; the one into the sources'
// own language needs only the plural forms that a source text cannot give.
class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(work_.isValid());
        const QDir committed(QStringLiteral(CHUIKOMER_TRANSLATIONS));
        QStringList copies;
        for (const QString &name : committed.entryList({u"*.ts"_s})) {
            copies << work_.filePath(name);
            QVERIFY(QFile::copy(committed.filePath(name), copies.last()));
        }
        QVERIFY(!copies.isEmpty());
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(CHUIKOMER_LUPDATE),
                      QStringList{u"-source-language"_s, u"ru_RU"_s, u"-locations"_s, u"none"_s,
                                  QStringLiteral(CHUIKOMER_SOURCES), u"-ts"_s} +
                          copies);
        QVERIFY(lupdate.waitForFinished(60000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
    }

    void everyTextTranslated_data()
    {
        QTest::addColumn<Message>("message");
        QTest::addColumn<bool>("sourceLanguage");
        for (const QString &name : QDir(work_.path()).entryList({u"*.ts"_s})) {
            const TranslationFile file = read(work_.filePath(name));
            QVERIFY2(!file.messages.isEmpty(), qPrintable(name));
            for (const Message &m : file.messages) {
                // Left to the source text, which says it already.
                if (file.sourceLanguage && !m.numerus && m.state == u"unfinished")
                    continue;
                QTest::addRow("%s: %s", qPrintable(name),
                              qPrintable(QString(m.source).replace(u'\n', u"\\n"_s)))
                    << m << file.sourceLanguage;
            }
        }
    }

    void everyTextTranslated()
    {
        QFETCH(Message, message);
        QFETCH(bool, sourceLanguage);
        QVERIFY2(message.state != u"vanished" && message.state != u"obsolete",
                 "no longer in the sources: run `cmake --build build --target "
                 "update_translations`");
        QVERIFY2(message.state.isEmpty(),
                 "not translated: translate it, or if the text is not in translations/*.ts, run "
                 "`cmake --build build --target update_translations` (texts belong in src/ui)");
        QVERIFY(!message.texts.isEmpty());
        static const QRegularExpression russian(u"\\p{Cyrillic}"_s);
        for (const QString &text : message.texts) {
            QVERIFY2(!text.isEmpty(), "an empty translation or plural form");
            QCOMPARE(marks(text), marks(message.source));
            if (!sourceLanguage)
                QVERIFY2(!text.contains(russian), qPrintable(u"still Russian: "_s + text));
        }
        // The sources say a count in the form of 5 to 20 ("%n игр"), which Russian puts third,
        // after those of 1 and of 2 to 4.
        if (sourceLanguage && message.numerus) {
            QCOMPARE(message.texts.size(), 3);
            QCOMPARE(message.texts[2], message.source);
        }
    }

private:
    QTemporaryDir work_;
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
