// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/language.h"
#include "problems/answercheck.h"

#include <QTest>

Q_DECLARE_METATYPE(QProcessEnvironment)

class TestLanguage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fromEnvironment_data()
    {
        QTest::addColumn<QProcessEnvironment>("environment");
        QTest::addColumn<QString>("spoken"); // "" for English
        const auto row = [](const char *tag,
                            const char *language,
                            const char *all,
                            const char *messages,
                            const char *lang,
                            const char *spoken) {
            QProcessEnvironment environment;
            environment.insert(QStringLiteral("LANGUAGE"), language);
            environment.insert(QStringLiteral("LC_ALL"), all);
            environment.insert(QStringLiteral("LC_MESSAGES"), messages);
            environment.insert(QStringLiteral("LANG"), lang);
            QTest::newRow(tag) << environment << QString(spoken);
        };
        // LANGUAGE, LC_ALL, LC_MESSAGES, LANG, and what the program speaks.
        row("region and modifier", "", "", "", "de_AT@euro", "de");
        row("LC_MESSAGES over LANG", "", "", "es_ES.UTF-8", "de_DE.UTF-8", "es");
        row("LC_ALL over the rest", "", "fr_FR.UTF-8", "es_ES.UTF-8", "de_DE.UTF-8", "fr");
        row("LANGUAGE list, first known", "it:fr:de", "", "", "de_DE.UTF-8", "fr");
        row("LANGUAGE none known", "it:pt_BR", "", "", "es_ES.UTF-8", "es");
        row("LANGUAGE English before a translated one", "it:en:de", "", "", "fr_FR.UTF-8", "");
        row("LANGUAGE English with its region", "en_GB:de", "", "", "de_DE.UTF-8", "");
        row("LANGUAGE over LC_ALL", "de", "fr_FR.UTF-8", "", "", "de");
        row("LANGUAGE under C.UTF-8", "fr", "", "", "C.UTF-8", "");
        row("LANGUAGE without a locale", "de", "", "", "", "");
    }
    void fromEnvironment()
    {
        QFETCH(QProcessEnvironment, environment);
        QTEST(Language::fromEnvironment(environment), "spoken");
    }

    // The compiled translation takes over the program's words, and English
    // comes back whole, also when a language has no translation.
    void install()
    {
        const QString english = AnswerCheck::feedback(AnswerCheck::Verdict::Correct);
        QVERIFY(Language::install(QStringLiteral("de")));
        QVERIFY(AnswerCheck::feedback(AnswerCheck::Verdict::Correct) != english);
        QVERIFY(!Language::install(QStringLiteral("it")));
        QCOMPARE(Language::current(), QString());
        QCOMPARE(AnswerCheck::feedback(AnswerCheck::Verdict::Correct), english);
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
