// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// The problems pages' answer check without widgets, in every language that
// writes a decimal comma. The player's rules are driven through the page's own
// bar in tst_problemspage; the no-repeat rule for question types is pinned by
// each question set's own test.
#include "common/language.h"
#include "problems/answercheck.h"
#include "support/datarow.h"

#include <QTest>

// The languages whose pupils write a decimal comma.
const QStringList CommaLanguages{"de", "fr", "es", "it", "pt_BR", "nl", "pl", "uk"};

class TestProblemRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void answerCheck_data()
    {
        // Right to two places passes: 0.005 off squares to 2.5e-5, below 2.6e-5.
        // The typing is read by the leading-number rule (tst_numbertext), not as
        // a whole.
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("answer");
        QTest::addColumn<bool>("correct");
        addDataRow("just inside", "", "45.005", 45.0, true);
        addDataRow("just outside", "", "45.0051", 45.0, false);
        addDataRow("just outside, below", "", "44.9949", 45.0, false);
        addDataRow("another answer", "", "108", 108.0, true);
        addDataRow("the answer to another question", "", "45", 108.0, false);
        addDataRow("a half", "", "22.5", 22.5, true);
        addDataRow("the half left off", "", "22", 22.5, false);
        // Where pupils write a decimal comma it is the decimal point; English reads on to the comma only.
        addDataRow("English: a comma ends the number", "", "45,5", 45.0, true);
        for (const QString &language : CommaLanguages) {
            const auto tag = [language](const char *what) { return language.toLatin1() + ": " + what; };
            addDataRow(tag("decimal comma read"), language, "45,5", 45.5, true);
            addDataRow(tag("second comma ends"), language, "1,2,3", 1.2, true);
            addDataRow(tag("point still works"), language, "45.5", 45.5, true);
            addDataRow(tag("comma then point"), language, "1,2.3", 1.2, true);
            addDataRow(tag("comma at the end"), language, "45,", 45.0, true);
        }
        // Chinese pupils write a decimal point, as English ones do.
        addDataRow("zh_CN: a comma ends the number", "zh_CN", "45,5", 45.0, true);
    }
    void answerCheck()
    {
        QFETCH(QString, language);
        QFETCH(QString, typed);
        QFETCH(double, answer);
        QFETCH(bool, correct);
        QVERIFY(Language::install(language));
        QCOMPARE(AnswerCheck::judge(typed, answer) == AnswerCheck::Verdict::Correct, correct);
        // The solution is written as the language writes numbers.
        QCOMPARE(AnswerCheck::solution(22.5), QLatin1String(CommaLanguages.contains(language) ? "22,5" : "22.5"));
    }

    void cleanup() { Language::install({}); }
};

QTEST_GUILESS_MAIN(TestProblemRules)
#include "tst_problemrules.moc"
