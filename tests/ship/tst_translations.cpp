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
    struct Message
    {
        QString context, source, comment;
    };
    QList<Message> m_messages;

    // What a translation must keep of its source, in any order.
    static QStringList kept(const QString &text)
    {
        static const QRegularExpression marks(QStringLiteral("%L?\\d|<[^<>]+>|&(?!&)"));
        QStringList found;
        for (const QRegularExpressionMatch &match : marks.globalMatch(text))
            found += match.captured();
        found.sort();
        return found;
    }

private Q_SLOTS:
    void initTestCase()
    {
        // The test translation lupdate made from the sources as they stand:
        // each message a source, then its comment if it has one.
        QFile file(QStringLiteral(VERTEXA_MARKED_TS));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QXmlStreamReader xml(&file);
        QString context;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"name")
                context = xml.readElementText();
            else if (xml.name() == u"source")
                m_messages += {context, xml.readElementText(), {}};
            else if (xml.name() == u"comment")
                m_messages.last().comment = xml.readElementText();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(m_messages.size() > 100);
    }

    void complete_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : Language::translated())
            QTest::newRow(qPrintable(language)) << language;
    }
    void complete()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/vertexa_%1.qm").arg(language)));
        // A text that quotes another of its screen, such as the proof's opening
        // text the caption of its step button, quotes that one's translation.
        static const QRegularExpression quoted(QStringLiteral("\"([^\"]+)\""));
        QStringList faults;
        for (const Message &message : std::as_const(m_messages)) {
            const QString translation = translator.translate(qPrintable(message.context),
                                                             qPrintable(message.source),
                                                             message.comment.toUtf8().data());
            if (translation.isEmpty())
                faults += QStringLiteral("untranslated: ") + message.context + u'/' + message.source;
            else if (kept(translation) != kept(message.source))
                faults += QStringLiteral("placeholders, tags or mnemonic differ: ") + translation;
            for (const QRegularExpressionMatch &quote : quoted.globalMatch(message.source)) {
                const QString words = translator.translate(qPrintable(message.context), qPrintable(quote.captured(1)));
                if (!translation.contains(words))
                    faults += QStringLiteral("does not quote \"%1\": %2").arg(words, translation);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(QString::number(faults.size()) + u'\n' + faults.mid(0, 5).join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
