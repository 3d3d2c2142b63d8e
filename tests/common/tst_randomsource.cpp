// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/randomsource.h"
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

// The sources questions are drawn from: the clock's, the same for every run
// until re-seeded, and a class code's, the same for every pupil of a class.
class TestRandomSource : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void opensTheSameUntilReseeded_data()
    {
        QTest::addColumn<double>("now"); // seconds since midnight
        QTest::newRow("just after midnight") << 0.05;
        QTest::newRow("mid-morning") << 36000.25;
        QTest::newRow("just before midnight") << 86399.85;
    }
    void opensTheSameUntilReseeded()
    {
        // Every run opens with the same figures until the clock re-seeds, whatever the time.
        QFETCH(double, now);
        ClockSeededRandom random([now] { return now; });
        for (double expected : {0.7055475115776062, 0.5334240198135376, 0.5795186161994934, 0.289562463760376})
            QCOMPARE(random.next(), expected);
        // A re-seed departs from that opening, and from then on the clock leads:
        // the same reading gives the same values, one a tenth of a second later others.
        const auto reseeded = [](double at) {
            ClockSeededRandom fresh([at] { return at; });
            fresh.reseedFromClock();
            return std::pair(fresh.next(), fresh.next());
        };
        QVERIFY(reseeded(now) != std::pair(0.7055475115776062, 0.5334240198135376));
        QCOMPARE(reseeded(now), reseeded(now));
        QVERIFY(reseeded(now + 0.1) != reseeded(now));
    }

    // A class code gives every pupil the same questions on each problems page,
    // in the same order, whatever order the pages are visited in.
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
        QMap<QString, int> last{{Triangle, -1}, {Stellated, -1}};
        for (int i = 0; i < 2 * Count; ++i) {
            const QString page = i % 3 ? Triangle : Stellated;
            const ScreenContext::QuestionDraws draws = program.context().questionDraws(page);
            const int type =
                (i % 3 ? static_cast<QuestionSet &>(triangle) : star).draw(draws.random, draws.history).type;
            QVERIFY2(type != std::exchange(last[page], type), qPrintable(page));
        }
        QCOMPARE(program.random().draws(), 0); // the pupil's own source is left alone
    }
};

QTEST_MAIN(TestRandomSource)
#include "tst_randomsource.moc"
