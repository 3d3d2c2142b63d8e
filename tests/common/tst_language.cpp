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
        row("LANGUAGE list, first known", "kl:fr:de", "", "", "de_DE.UTF-8", "fr");
        row("LANGUAGE none known", "kl:pt_PT", "", "", "es_ES.UTF-8", "es");
        row("LANGUAGE English before a translated one", "kl:en:de", "", "", "fr_FR.UTF-8", "");
        row("LANGUAGE English with its region", "en_GB:de", "", "", "de_DE.UTF-8", "");
        row("LANGUAGE over LC_ALL", "de", "fr_FR.UTF-8", "", "", "de");
        row("LANGUAGE under C.UTF-8", "fr", "", "", "C.UTF-8", "");
        row("LANGUAGE without a locale", "de", "", "", "", "");
        row("Italian from LANGUAGE", "it", "", "", "en_GB.UTF-8", "it");
        row("Brazilian Portuguese from LC_ALL", "", "pt_BR.UTF-8", "", "de_DE.UTF-8", "pt_BR");
        row("Portuguese without a territory", "pt:de", "", "", "de_DE.UTF-8", "pt_BR");
        row("Portugal's Portuguese is not Brazil's", "pt_PT:nl", "", "", "de_DE.UTF-8", "nl");
        row("Dutch of Belgium from LANG", "", "", "", "nl_BE.UTF-8", "nl");
        row("Polish from LC_ALL", "", "pl_PL.UTF-8", "", "en_US.UTF-8", "pl");
        row("Ukrainian from LANGUAGE list", "uk:de", "", "", "uk_UA.UTF-8", "uk");
        row("Simplified Chinese from LC_ALL", "", "zh_CN.UTF-8", "", "", "zh_CN");
        row("Traditional Chinese is not Simplified", "zh_TW:zh", "", "", "zh_TW.UTF-8", "zh_CN");
    }
    void fromEnvironment()
    {
        QFETCH(QProcessEnvironment, environment);
        QTEST(Language::fromEnvironment(environment), "spoken");
    }

    // Every translation compiled in, a new one too, is reached from the
    // desktop by the locale its file is named after.
    void everyTranslationChosen_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : Language::translated())
            QTest::newRow(qPrintable(language)) << language;
    }
    void everyTranslationChosen()
    {
        QFETCH(QString, language);
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("LANG"), language + QStringLiteral(".UTF-8"));
        QCOMPARE(Language::fromEnvironment(environment), language);
    }

    // The compiled translation takes over the program's words, and English
    // comes back whole, also when a language has no translation.
    void install()
    {
        const QString english = AnswerCheck::feedback(AnswerCheck::Verdict::Correct);
        QVERIFY(Language::install(QStringLiteral("de")));
        QVERIFY(AnswerCheck::feedback(AnswerCheck::Verdict::Correct) != english);
        QVERIFY(!Language::install(QStringLiteral("kl")));
        QCOMPARE(Language::current(), QString());
        QCOMPARE(AnswerCheck::feedback(AnswerCheck::Verdict::Correct), english);
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
