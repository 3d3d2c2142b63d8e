// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/language.h"
#include "problems/answercheck.h"
#include "support/datarow.h"

#include <QTest>

class TestLanguage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The desktop's locale variables, LANGUAGE's list first, choose a
    // translation compiled in, by its name with or without a territory.
    void fromEnvironment_data()
    {
        QTest::addColumn<QStringList>("variables"); // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        QTest::addColumn<QString>("spoken");        // "" for English
        addDataRow("region and modifier", QStringList{"", "", "", "de_AT@euro"}, "de");
        addDataRow("LC_MESSAGES over LANG", QStringList{"", "", "es_ES.UTF-8", "de_DE.UTF-8"}, "es");
        addDataRow("LC_ALL over the rest", QStringList{"", "fr_FR.UTF-8", "es_ES.UTF-8", "de_DE.UTF-8"}, "fr");
        addDataRow("LANGUAGE list, first known", QStringList{"kl:fr:de", "", "", "de_DE.UTF-8"}, "fr");
        addDataRow("LANGUAGE none known", QStringList{"kl:pt_PT", "", "", "es_ES.UTF-8"}, "es");
        addDataRow("LANGUAGE English before a translated one", QStringList{"kl:en:de", "", "", "fr_FR.UTF-8"}, "");
        addDataRow("LANGUAGE over LC_ALL", QStringList{"de", "fr_FR.UTF-8", "", ""}, "de");
        addDataRow("LANGUAGE under C.UTF-8", QStringList{"fr", "", "", "C.UTF-8"}, "");
        addDataRow("Brazilian Portuguese from LC_ALL", QStringList{"", "pt_BR.UTF-8", "", "de_DE.UTF-8"}, "pt_BR");
        addDataRow("Portuguese without a territory", QStringList{"pt:de", "", "", "de_DE.UTF-8"}, "pt_BR");
        addDataRow("Traditional Chinese is not Simplified", QStringList{"zh_TW:zh", "", "", "zh_TW.UTF-8"}, "zh_CN");
    }
    void fromEnvironment()
    {
        QFETCH(QStringList, variables);
        QProcessEnvironment environment;
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            environment.insert(QLatin1String(name), variables.takeFirst());
        QTEST(Language::fromEnvironment(environment), "spoken");
    }

    // The compiled translation takes over the program's words, and English
    // comes back whole, also when a language has no translation.
    void install()
    {
        const QString english = AnswerCheck::feedback(AnswerCheck::Verdict::Correct);
        QVERIFY(Language::install(QStringLiteral("de")));
        QVERIFY(AnswerCheck::feedback(AnswerCheck::Verdict::Correct) != english);
        QVERIFY(!Language::install(QStringLiteral("kl")));
        QCOMPARE(AnswerCheck::feedback(AnswerCheck::Verdict::Correct), english);
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
