// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/language.h"
#include "problems/answercheck.h"

#include <QTest>

class TestLanguage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fromEnvironment_data()
    {
        QTest::addColumn<QString>("language"); // LANGUAGE
        QTest::addColumn<QString>("all");      // LC_ALL
        QTest::addColumn<QString>("messages"); // LC_MESSAGES
        QTest::addColumn<QString>("lang");     // LANG
        QTest::addColumn<QString>("spoken");

        QTest::newRow("nothing set") << ""
                                     << ""
                                     << ""
                                     << ""
                                     << "";
        QTest::newRow("German desktop") << ""
                                        << ""
                                        << ""
                                        << "de_DE.UTF-8"
                                        << "de";
        QTest::newRow("French desktop") << ""
                                        << ""
                                        << ""
                                        << "fr_FR.UTF-8"
                                        << "fr";
        QTest::newRow("Spanish of Mexico") << ""
                                           << ""
                                           << ""
                                           << "es_MX.UTF-8"
                                           << "es";
        QTest::newRow("with a modifier") << ""
                                         << ""
                                         << ""
                                         << "de_AT@euro"
                                         << "de";
        QTest::newRow("English desktop") << ""
                                         << ""
                                         << ""
                                         << "en_GB.UTF-8"
                                         << "";
        QTest::newRow("untranslated language") << ""
                                               << ""
                                               << ""
                                               << "it_IT.UTF-8"
                                               << "";
        QTest::newRow("LC_MESSAGES over LANG") << ""
                                               << ""
                                               << "es_ES.UTF-8"
                                               << "de_DE.UTF-8"
                                               << "es";
        QTest::newRow("LC_ALL over the rest") << ""
                                              << "fr_FR.UTF-8"
                                              << "es_ES.UTF-8"
                                              << "de_DE.UTF-8"
                                              << "fr";
        QTest::newRow("LC_ALL English wins") << ""
                                             << "en_US.UTF-8"
                                             << ""
                                             << "de_DE.UTF-8"
                                             << "";
        QTest::newRow("LANGUAGE list, first known") << "it:fr:de"
                                                    << ""
                                                    << ""
                                                    << "de_DE.UTF-8"
                                                    << "fr";
        QTest::newRow("LANGUAGE English first") << "en_GB:de"
                                                << ""
                                                << ""
                                                << "de_DE.UTF-8"
                                                << "";
        QTest::newRow("LANGUAGE none known") << "it:pt_BR"
                                             << ""
                                             << ""
                                             << "es_ES.UTF-8"
                                             << "es";
        QTest::newRow("LANGUAGE over LC_ALL") << "de"
                                              << "fr_FR.UTF-8"
                                              << ""
                                              << ""
                                              << "de";
        QTest::newRow("LANGUAGE under C") << "de"
                                          << ""
                                          << ""
                                          << "C"
                                          << "";
        QTest::newRow("LANGUAGE under C.UTF-8") << "fr"
                                                << ""
                                                << ""
                                                << "C.UTF-8"
                                                << "";
        QTest::newRow("LANGUAGE under POSIX") << "es"
                                              << "POSIX"
                                              << ""
                                              << "de_DE.UTF-8"
                                              << "";
        QTest::newRow("LANGUAGE without a locale") << "de"
                                                   << ""
                                                   << ""
                                                   << ""
                                                   << "";
    }
    void fromEnvironment()
    {
        QFETCH(QString, language);
        QFETCH(QString, all);
        QFETCH(QString, messages);
        QFETCH(QString, lang);
        QFETCH(QString, spoken);
        QProcessEnvironment env;
        env.insert(QStringLiteral("LANGUAGE"), language);
        env.insert(QStringLiteral("LC_ALL"), all);
        env.insert(QStringLiteral("LC_MESSAGES"), messages);
        env.insert(QStringLiteral("LANG"), lang);
        QCOMPARE(Language::fromEnvironment(env), spoken);
    }

    // The compiled translation takes over the program's words, and English
    // comes back whole.
    void install()
    {
        const QString english = AnswerCheck::feedback(AnswerCheck::Verdict::Correct);
        QVERIFY(Language::install(QStringLiteral("de")));
        QCOMPARE(Language::current(), QStringLiteral("de"));
        const QString german = AnswerCheck::feedback(AnswerCheck::Verdict::Correct);
        QVERIFY(!german.isEmpty());
        QVERIFY(german != english);

        QVERIFY(!Language::install(QStringLiteral("it")));
        QCOMPARE(Language::current(), QString());
        QCOMPARE(AnswerCheck::feedback(AnswerCheck::Verdict::Correct), english);

        QVERIFY(Language::install(QStringLiteral("de")));
        QVERIFY(Language::install(QString()));
        QCOMPARE(Language::current(), QString());
        QCOMPARE(AnswerCheck::feedback(AnswerCheck::Verdict::Correct), QStringLiteral("Correct, Well Done!"));
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
