// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "controls/commandbutton.h"
#include "controls/label.h"
#include "screens/screen.h"
#include "screens/screendefinition.h"
#include "stellated/starquestions.h"
#include "support/testprogram.h"
#include "triangle/trianglequestions.h"

#include <QtTest>

namespace {

using Visits = QList<QPair<QString, int>>; // a page and how many questions it shows there
constexpr int Count = 20;
const QString Code = QStringLiteral("Klasse-5\u00E4");
const QString &Triangle = ScreenNames::TriangleProblems, &Stellated = ScreenNames::StellatedProblems;

// The questions each page showed, in order, to a pupil who went `visits`.
QMap<QString, QStringList> questionsAsked(const QString &code, const Visits &visits)
{
    TestProgram program;
    program.context().setClassCode(code);
    QMap<QString, QStringList> asked;
    for (const auto &[page, count] : visits) {
        Screen *shown = program.open(page);
        // Every question shown counts, the one the page opens with too.
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                shown->control<CommandButton>(QStringLiteral("cmdgo"))->click();
            asked[page] << shown->control<Label>(QStringLiteral("Label1"))->text();
        }
        program.screens().unload(page);
        TestProgram::settle();
    }
    return asked;
}

const Visits OnePageThenTheOther{{Triangle, Count}, {Stellated, Count}};

} // namespace

// A class code gives every pupil the same questions on each problems page,
// in the same order, whatever order the pages are visited in.
class TestClassCode : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sameCodeSameQuestions_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<Visits>("visits");
        QTest::addColumn<bool>("same");
        QTest::newRow("same code, pages in turn")
            << Code << Visits{{Stellated, 7}, {Triangle, 12}, {Stellated, 13}, {Triangle, 8}} << true;
        QTest::newRow("accent typed as a separate mark")
            << QStringLiteral("Klasse-5a\u0308") << OnePageThenTheOther << true;
        QTest::newRow("another code") << QStringLiteral("Klasse-5b") << OnePageThenTheOther << false;
    }
    void sameCodeSameQuestions()
    {
        QFETCH(QString, code);
        QFETCH(Visits, visits);
        QFETCH(bool, same);
        const QMap<QString, QStringList> first = questionsAsked(Code, OnePageThenTheOther);
        const QMap<QString, QStringList> second = questionsAsked(code, visits);
        for (const QString &page : {Triangle, Stellated}) {
            QCOMPARE(second[page].size(), Count);
            QCOMPARE(second[page] == first[page], same);
        }
    }
    // Each page keeps the rule that no question has the type of the one before,
    // its draws interleaved with the other page's.
    void typeNeverRepeats()
    {
        TestProgram program;
        program.context().setClassCode(Code);
        TriangleQuestions triangle;
        StarQuestions star;
        QMap<QString, int> last;
        for (int i = 0; i < 2 * Count; ++i) {
            const QString page = i % 3 ? Triangle : Stellated;
            const ScreenContext::QuestionDraws draws = program.context().questionDraws(page);
            const int type =
                (i % 3 ? static_cast<QuestionSet &>(triangle) : star).draw(draws.random, draws.history).type;
            QVERIFY2(type != last.value(page, -1), qPrintable(page));
            last[page] = type;
        }
        QCOMPARE(program.random().draws(), 0); // the pupil's own source is left alone
    }
};

QTEST_MAIN(TestClassCode)
#include "tst_classcode.moc"
