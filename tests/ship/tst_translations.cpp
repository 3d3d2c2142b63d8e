// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/language.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

// Every translation compiled into the program speaks every text the sources
// have today, and keeps what the program fills in or acts on: the "%1"
// placeholders, the HTML tags and the "&" of a mnemonic, and the words of
// another text it quotes. A text left untranslated shows English in the
// middle of the pupil's language; a lost placeholder drops a number from a
// question; a quote that differs from its button sends the pupil looking.
class TestTranslations : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void complete_data();
    void complete();

private:
    struct Message
    {
        QString context;
        QString source;
        QString comment;
    };
    QList<Message> m_messages;
};

namespace {

// What a translation must keep of its source, in any order.
QStringList kept(const QString &text)
{
    static const QRegularExpression marks(QStringLiteral("%L?\\d|<[^<>]+>|&(?!&)"));
    QStringList found;
    for (auto match = marks.globalMatch(text); match.hasNext();)
        found += match.next().captured();
    found.sort();
    return found;
}

} // namespace

void TestTranslations::initTestCase()
{
    // The test translation lupdate made from the sources as they stand.
    QFile file(QStringLiteral(VERTEXA_MARKED_TS));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            message = {context, {}, {}};
        } else if (xml.name() == u"source") {
            message.source = xml.readElementText();
        } else if (xml.name() == u"comment") {
            message.comment = xml.readElementText();
        } else if (xml.name() == u"translation") {
            m_messages += message;
            xml.skipCurrentElement();
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(m_messages.size() > 100);
}

void TestTranslations::complete_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : Language::translated())
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslations::complete()
{
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/vertexa_%1.qm").arg(language)));
    const auto translated = [&translator](const Message &message) {
        return translator.translate(qPrintable(message.context),
                                    qPrintable(message.source),
                                    message.comment.isEmpty() ? nullptr : qPrintable(message.comment));
    };
    // A text that quotes another of its screen, such as the proof's opening
    // text the caption of its step button, quotes that one's translation.
    static const QRegularExpression quoted(QStringLiteral("\"([^\"]+)\""));
    QStringList faults;
    for (const Message &message : std::as_const(m_messages)) {
        const QString translation = translated(message);
        if (translation.isEmpty())
            faults += QStringLiteral("untranslated: ") + message.context + u'/' + message.source;
        else if (kept(translation) != kept(message.source))
            faults += QStringLiteral("placeholders, tags or mnemonic differ: ") + translation;
        for (auto quote = quoted.globalMatch(message.source); quote.hasNext();) {
            const QString words = quote.next().captured(1);
            for (const Message &other : std::as_const(m_messages)) {
                if (other.context == message.context && other.source == words &&
                    !translation.contains(translated(other)))
                    faults += QStringLiteral("does not quote \"%1\": %2").arg(translated(other), translation);
            }
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(QString::number(faults.size()) + u'\n' + faults.mid(0, 5).join(u'\n')));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
