// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/programvalues.h"
#include "problems/problemspage.h"
#include "problems/questionset.h"
#include "screens/controls.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace ScreenNames;
using Button = PlayerBar::Button;

namespace {

double typeDraw(int t) { return (t + 0.5) / 8; }

// Questions with their own animations, standing in for the stellated set:
// each draw takes the next of three sequences.
class AnimatedQuestions : public QuestionSet
{
public:
    Question draw(RandomSource &random, ProgramValues &values) override
    {
        random.reseedFromClock();
        Question q;
        q.type = takeQuestionType(int(random.next() * 8), values);
        q.text = QStringLiteral("Question %1").arg(m_draws);
        q.answer = 20 + m_draws;
        static const std::array<FrameSequence, 3> sequences{FrameSequences::Pentagram, FrameSequences::StellatedOctagon,
                                                            FrameSequences::StellatedNonagon};
        q.animation = sequences[m_draws % sequences.size()];
        ++m_draws;
        return q;
    }

private:
    int m_draws = 0;
};

void useAnimatedQuestions(TestProgram &t)
{
    t.screens().registerScreen(StellatedProblems, [](Program &p) {
        return new ProblemsPage(StellatedProblems, p, std::make_unique<AnimatedQuestions>());
    });
}

QColor shown(const ProblemsPage *page)
{
    const QImage picture = page->control<ImageBox>(QStringLiteral("Image2"))->picture();
    return picture.isNull() ? QColor() : picture.pixelColor(picture.width() / 2, picture.height() / 2);
}

bool showsFrame(const ProblemsPage *page, const FrameSequence &sequence, int frame)
{
    return sameColour(shown(page), TestPictures::colourFor(sequence.fileName(frame)));
}

QList<bool> availability(const ProblemsPage *page)
{
    const auto *bar = page->control<PlayerBar>(QStringLiteral("MMControl1"));
    return {bar->isAvailable(Button::Play), bar->isAvailable(Button::Pause), bar->isAvailable(Button::StepBack),
            bar->isAvailable(Button::StepForward)};
}
const QList<bool> Playing{false, true, false, false};
const QList<bool> Paused{true, true, true, true};

void click(ProblemsPage *page, const char *button)
{
    QTest::mouseClick(page->control<CommandButton>(QString::fromLatin1(button)), Qt::LeftButton);
}

void click(ProblemsPage *page, Button button)
{
    QTest::mouseClick(page->control<PlayerBar>(QStringLiteral("MMControl1"))->button(button), Qt::LeftButton);
}

// Shows a page and waits until it has the keyboard.
ProblemsPage *open(TestProgram &t, const QString &name)
{
    t.screens().show(name);
    auto *page = t.screen<ProblemsPage>(name);
    if (page && !QTest::qWaitForWindowActive(page))
        return nullptr;
    return page;
}

} // namespace

class TestProblemsPage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { TestProgram::settle(); }

    void triangleLoad();
    void triangleFramesOnTicks();
    void unreadableFrameKeepsThePreviousPicture_data();
    void unreadableFrameKeepsThePreviousPicture();
    void playerBarButtons();
    void nextQuestionLeavesTheTriangleAnimation();

    void answerCheck_data();
    void answerCheck();
    void solutionShowsThePlainAnswer_data();
    void solutionShowsThePlainAnswer();
    void feedbackLife();
    void focusInTheAnswerBox_data();
    void focusInTheAnswerBox();
    void fullScreenLabelIsInert_data();
    void fullScreenLabelIsInert();
    void jotterAndExit();

    void stellatedPagePlaysEachQuestionsAnimation();
    void stellatedPauseThenNextQuestion();
};

void TestProblemsPage::triangleLoad()
{
    TestProgram t;
    t.program().values().frameno = 11;
    t.random().setValues({typeDraw(3), 0.5, 0.5});
    // Loaded but not yet shown: nothing has had a chance to tick or paint.
    auto *page = qobject_cast<ProblemsPage *>(t.screens().screen(TriangleProblems));
    QVERIFY(page);
    QCOMPARE(t.program().values().frameno, qint16(0));
    QVERIFY(showsFrame(page, FrameSequences::Triangle, 0));
    auto *timer = page->control<QTimer>(QStringLiteral("Timer1"));
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 50);
    QCOMPARE(availability(page), Playing);

    QCOMPARE(page->control<Label>(QStringLiteral("Label1"))->text(),
             QStringLiteral("In degrees, what is the size of each of the smaller angles of a right-angled isosceles triangle?"));
    QCOMPARE(t.program().values().answer, 45.0);
    QCOMPARE(t.program().values().lastquestion, std::optional<int>(3));
    QCOMPARE(t.random().reseeds(), 1);
    QCOMPARE(page->control<TextBox>(QStringLiteral("Text1"))->text(), QString());
    auto *feedback = page->control<Label>(QStringLiteral("Label4"));
    QCOMPARE(feedback->text(), QString());
    QVERIFY(feedback->isHidden());
}

void TestProblemsPage::triangleFramesOnTicks()
{
    TestProgram t;
    auto *page = qobject_cast<ProblemsPage *>(t.screens().screen(TriangleProblems));
    for (int tick = 1; tick <= 31; ++tick) {
        page->Timer1_Timer();
        const int frame = tick % 15;
        QCOMPARE(t.program().values().frameno, qint16(frame));
        QVERIFY2(showsFrame(page, FrameSequences::Triangle, frame), qPrintable(QString::number(tick)));
    }
}

void TestProblemsPage::unreadableFrameKeepsThePreviousPicture_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("garbage") << QByteArray("not a picture at all");
    QTest::newRow("cut short") << TestPictures::jpegBytes(Qt::red, QSize(64, 48)).left(200);
}

void TestProblemsPage::unreadableFrameKeepsThePreviousPicture()
{
    QFETCH(QByteArray, bytes);
    TestProgram t;
    const QString broken = FrameSequences::Triangle.fileName(3);
    if (bytes.isEmpty())
        t.pictures().remove(broken);
    else
        t.pictures().writeBytes(broken, bytes);
    auto *page = qobject_cast<ProblemsPage *>(t.screens().screen(TriangleProblems));
    const QList<int> expected{1, 2, 2, 4};
    for (int frame : expected) {
        page->Timer1_Timer();
        QVERIFY(showsFrame(page, FrameSequences::Triangle, frame));
    }
    QCOMPARE(t.program().values().frameno, qint16(4));
    // Stepping back onto it keeps frame 4.
    page->MMControl1_BackClick();
    QVERIFY(showsFrame(page, FrameSequences::Triangle, 4));
}

void TestProblemsPage::playerBarButtons()
{
    TestProgram t;
    ProblemsPage *page = open(t, TriangleProblems);
    QVERIFY(page);
    auto *timer = page->control<QTimer>(QStringLiteral("Timer1"));
    qint16 &frameno = t.program().values().frameno;
    QCOMPARE(availability(page), Playing);

    // Unavailable while playing: a click on step forward does nothing.
    const qint16 before = frameno;
    click(page, Button::StepForward);
    QCOMPARE(frameno, before);

    click(page, Button::Pause);
    QVERIFY(!timer->isActive());
    QCOMPARE(availability(page), Paused);

    // Back down to frame 0, then round to the last frame.
    for (int frame = frameno - 1; frame >= 0; --frame) {
        click(page, Button::StepBack);
        QCOMPARE(frameno, qint16(frame));
        QVERIFY(showsFrame(page, FrameSequences::Triangle, frame));
    }
    click(page, Button::StepBack);
    QCOMPARE(frameno, qint16(14));
    QVERIFY(showsFrame(page, FrameSequences::Triangle, 14));
    click(page, Button::StepForward);
    QCOMPARE(frameno, qint16(0));
    QVERIFY(showsFrame(page, FrameSequences::Triangle, 0));
    click(page, Button::StepForward);
    QVERIFY(showsFrame(page, FrameSequences::Triangle, 1));

    click(page, Button::Pause);
    QCOMPARE(availability(page), Paused);
    QVERIFY(!timer->isActive());

    click(page, Button::Play);
    QVERIFY(timer->isActive());
    QCOMPARE(availability(page), Playing);
    // A step while playing adds to the timer's steps.
    const qint16 playing = frameno;
    page->MMControl1_StepClick();
    page->Timer1_Timer();
    QCOMPARE(frameno, qint16((playing + 2) % 15));
}

void TestProblemsPage::nextQuestionLeavesTheTriangleAnimation()
{
    TestProgram t;
    auto *page = qobject_cast<ProblemsPage *>(t.screens().screen(TriangleProblems));
    auto *timer = page->control<QTimer>(QStringLiteral("Timer1"));
    page->Timer1_Timer();
    page->Timer1_Timer();
    t.random().setValues({typeDraw(5), 0.5, 0.5});
    page->cmdgo_Click();
    QCOMPARE(t.program().values().answer, 60.0);
    QCOMPARE(t.program().values().frameno, qint16(2));
    QVERIFY(showsFrame(page, FrameSequences::Triangle, 2));
    QVERIFY(timer->isActive());
    QCOMPARE(availability(page), Playing);

    page->MMControl1_PauseClick();
    page->cmdgo_Click();
    QVERIFY(!timer->isActive());
    QCOMPARE(availability(page), Paused);
    QCOMPARE(t.program().values().frameno, qint16(2));
}

void TestProblemsPage::answerCheck_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("correct");
    QTest::addColumn<bool>("byEnter");

    const QList<std::pair<const char *, bool>> cases{
        {"45", true},       {" 45", true},   {"45.00", true},      {"4 5", true}, {"45°", true},     {"45.005", true},
        {"45.01", false},   {"44", false},   {"forty-five", false}, {"", false},   {"45.0051", false}, {"1E200", false},
        {"-1E200", false},  {"1E400", false},
    };
    for (const auto &[typed, correct] : cases) {
        const QString text = QString::fromUtf8(typed);
        QTest::addRow("button \"%s\"", typed) << text << correct << false;
        QTest::addRow("Enter \"%s\"", typed) << text << correct << true;
    }
}

void TestProblemsPage::answerCheck()
{
    QFETCH(QString, typed);
    QFETCH(bool, correct);
    QFETCH(bool, byEnter);
    TestProgram t;
    t.random().setValues({typeDraw(3), 0.5, 0.5}); // answer 45
    ProblemsPage *page = open(t, TriangleProblems);
    QVERIFY(page);
    auto *box = page->control<TextBox>(QStringLiteral("Text1"));
    QTest::keyClicks(box, typed);
    QCOMPARE(box->text(), typed);
    if (byEnter)
        QTest::keyClick(box, Qt::Key_Return);
    else
        click(page, "cmdcheckit");

    auto *feedback = page->control<Label>(QStringLiteral("Label4"));
    QVERIFY(feedback->isVisible());
    QCOMPARE(feedback->text(), correct ? QStringLiteral("Correct, Well Done!") : QStringLiteral("Wrong, Try Again"));
    // The check leaves the typed text and the question alone.
    QCOMPARE(box->text(), typed);
    QCOMPARE(t.program().values().answer, 45.0);
    QCOMPARE(t.random().draws(), 3);
}

void TestProblemsPage::solutionShowsThePlainAnswer_data()
{
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("solution");
    QTest::newRow("third angle 11") << QList<double>{typeDraw(7), 0.99, 0.999} << QStringLiteral("11");
    QTest::newRow("base angles 5") << QList<double>{typeDraw(2), 0.99, 0.5} << QStringLiteral("5");
    QTest::newRow("sum 180") << QList<double>{typeDraw(1), 0.5, 0.5} << QStringLiteral("180");
}

void TestProblemsPage::solutionShowsThePlainAnswer()
{
    QFETCH(QList<double>, draws);
    QFETCH(QString, solution);
    TestProgram t;
    t.random().setValues(draws);
    ProblemsPage *page = open(t, TriangleProblems);
    QVERIFY(page);
    auto *question = page->control<Label>(QStringLiteral("Label1"));
    const QString asked = question->text();
    click(page, "cmdsoln");
    auto *feedback = page->control<Label>(QStringLiteral("Label4"));
    QVERIFY(feedback->isVisible());
    QCOMPARE(feedback->text(), solution);
    QCOMPARE(question->text(), asked);
    QCOMPARE(page->control<TextBox>(QStringLiteral("Text1"))->text(), QString());
    // The pupil may still answer after seeing the solution.
    QTest::keyClicks(page->control<TextBox>(QStringLiteral("Text1")), solution);
    QTest::keyClick(page->control<TextBox>(QStringLiteral("Text1")), Qt::Key_Enter);
    QCOMPARE(feedback->text(), QStringLiteral("Correct, Well Done!"));
}

void TestProblemsPage::feedbackLife()
{
    TestProgram t;
    t.random().setValues({typeDraw(3), 0.5, 0.5});
    auto *page = qobject_cast<ProblemsPage *>(t.screens().screen(TriangleProblems));
    auto *feedback = page->control<Label>(QStringLiteral("Label4"));
    auto *box = page->control<TextBox>(QStringLiteral("Text1"));
    // Blank before the page is first shown.
    QCOMPARE(feedback->text(), QString());
    t.screens().show(TriangleProblems);
    QVERIFY(QTest::qWaitForWindowExposed(page));
    QVERIFY(!feedback->isVisible());

    QTest::keyClicks(box, QStringLiteral("44"));
    click(page, "cmdcheckit");
    QVERIFY(feedback->isVisible());
    QCOMPARE(feedback->text(), QStringLiteral("Wrong, Try Again"));

    click(page, "cmdsoln");
    QVERIFY(feedback->isVisible());
    QCOMPARE(feedback->text(), QStringLiteral("45"));
    QCOMPARE(box->text(), QStringLiteral("44"));

    t.random().setValues({typeDraw(5), 0.5, 0.5});
    click(page, "cmdgo");
    QVERIFY(feedback->isVisible());
    QCOMPARE(feedback->text(), QString());
    QCOMPARE(box->text(), QString());
    QCOMPARE(page->control<Label>(QStringLiteral("Label1"))->text(),
             QStringLiteral("In degrees, what is the size of each angle of an equilateral triangle?"));

    QTest::keyClicks(box, QStringLiteral("60"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(feedback->text(), QStringLiteral("Correct, Well Done!"));

    // A later visit starts afresh, with the label hidden again.
    page->cmdexit_Click();
    TestProgram::settle();
    t.screens().show(TriangleProblems);
    page = t.screen<ProblemsPage>(TriangleProblems);
    QVERIFY(QTest::qWaitForWindowExposed(page));
    QVERIFY(!page->control<Label>(QStringLiteral("Label4"))->isVisible());
    QCOMPARE(page->control<Label>(QStringLiteral("Label4"))->text(), QString());
}

void TestProblemsPage::focusInTheAnswerBox_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("triangle") << TriangleProblems;
    QTest::newRow("stellated") << StellatedProblems;
}

void TestProblemsPage::focusInTheAnswerBox()
{
    QFETCH(QString, name);
    TestProgram t;
    useAnimatedQuestions(t);
    ProblemsPage *page = open(t, name);
    QVERIFY(page);
    auto *box = page->control<TextBox>(QStringLiteral("Text1"));
    QCOMPARE(QApplication::focusWidget(), box);

    // A click on a picture button takes the focus; a new question gives it back.
    click(page, "cmdsoln");
    QVERIFY(QApplication::focusWidget() != box);
    click(page, "cmdgo");
    QCOMPARE(QApplication::focusWidget(), box);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12"));
    QCOMPARE(box->text(), QStringLiteral("12"));
}

void TestProblemsPage::fullScreenLabelIsInert_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("label");
    QTest::newRow("triangle") << TriangleProblems << QStringLiteral("Label2");
    QTest::newRow("stellated") << StellatedProblems << QStringLiteral("Label3");
}

void TestProblemsPage::fullScreenLabelIsInert()
{
    QFETCH(QString, name);
    QFETCH(QString, label);
    TestProgram t;
    useAnimatedQuestions(t);
    ProblemsPage *page = open(t, name);
    QVERIFY(page);
    auto *fullScreen = page->control<Label>(label);
    QVERIFY(fullScreen->isVisible());
    QVERIFY(!fullScreen->isEnabled());
    QCOMPARE(fullScreen->text(), QStringLiteral("Full Screen"));

    // What lies under the pointer there carries a drawn pointer of our own.
    const QPoint centre = fullScreen->geometry().center();
    QWidget *under = page->childAt(centre);
    QVERIFY(under);
    QVERIFY(under->isEnabled());
    QCOMPARE(under->cursor().shape(), Qt::BitmapCursor);
    QVERIFY(!under->cursor().pixmap().isNull());
    QCOMPARE(fullScreen->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(under->focusPolicy(), Qt::NoFocus);

    const QString question = page->control<Label>(QStringLiteral("Label1"))->text();
    const double answer = t.program().values().answer;
    const QStringList screens = t.screens().loadedNames();
    QTest::mouseClick(page, Qt::LeftButton, {}, centre);
    QTest::mouseDClick(page, Qt::LeftButton, {}, centre);
    QCOMPARE(t.screens().loadedNames(), screens);
    QCOMPARE(page->control<Label>(QStringLiteral("Label1"))->text(), question);
    QCOMPARE(t.program().values().answer, answer);
    QVERIFY(!page->control<Label>(QStringLiteral("Label4"))->isVisible());
    QCOMPARE(QApplication::focusWidget(), page->control<TextBox>(QStringLiteral("Text1")));
}

void TestProblemsPage::jotterAndExit()
{
    TestProgram t;
    ProblemsPage *page = open(t, TriangleProblems);
    QVERIFY(page);
    click(page, "cmdjotter");
    Screen *jotter = t.screens().loaded(Jotter);
    QVERIFY(jotter && jotter->isVisible());
    QVERIFY(page->isVisible());
    click(page, "cmdjotter");
    QCOMPARE(t.screens().loaded(Jotter), jotter);

    QPointer<QTimer> timer = page->control<QTimer>(QStringLiteral("Timer1"));
    click(page, "cmdexit");
    QVERIFY(!timer->isActive());
    QCOMPARE(t.screens().loadedNames(), QStringList{Menu});
    QVERIFY(t.screens().loaded(Menu)->isVisible());
    TestProgram::settle();
    QVERIFY(!timer);

    // Without the Jotter ever opened.
    t.screens().show(TriangleProblems);
    t.screen<ProblemsPage>(TriangleProblems)->cmdexit_Click();
    QCOMPARE(t.screens().loadedNames(), QStringList{Menu});
}

void TestProblemsPage::stellatedPagePlaysEachQuestionsAnimation()
{
    TestProgram t;
    useAnimatedQuestions(t);
    t.program().values().frameno = 9;
    t.random().setValues({typeDraw(0)});
    auto *page = qobject_cast<ProblemsPage *>(t.screens().screen(StellatedProblems));
    QVERIFY(page);
    const ProgramValues &values = t.program().values();
    QCOMPARE(values.smallprefix, FrameSequences::Pentagram.base);
    QCOMPARE(values.picext, FrameSequences::Pentagram.extension);
    QCOMPARE(values.framecount, qint16(20));
    QCOMPARE(values.frameno, qint16(0));
    QCOMPARE(values.lastquestion, std::optional<int>(1));
    QVERIFY(showsFrame(page, FrameSequences::Pentagram, 0));
    QVERIFY(page->control<QTimer>(QStringLiteral("Timer1"))->isActive());
    QCOMPARE(availability(page), Playing);
    QCOMPARE(page->control<Label>(QStringLiteral("Label1"))->text(), QStringLiteral("Question 0"));
    QCOMPARE(page->control<Label>(QStringLiteral("Label4"))->text(), QString());
    QVERIFY(page->control<CommandButton>(QStringLiteral("cmdcheckit"))->isHidden());

    for (int frame : {1, 2, 3}) {
        page->Timer1_Timer();
        QVERIFY(showsFrame(page, FrameSequences::Pentagram, frame));
    }
    page->cmdgo_Click();
    QVERIFY(showsFrame(page, FrameSequences::StellatedOctagon, 0));
    page->MMControl1_BackClick();
    QVERIFY(showsFrame(page, FrameSequences::StellatedOctagon, 29));

    // Enter is the only way to check here.
    auto *box = page->control<TextBox>(QStringLiteral("Text1"));
    QTest::keyClicks(box, QStringLiteral("21"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(page->control<Label>(QStringLiteral("Label4"))->text(), QStringLiteral("Correct, Well Done!"));
}

void TestProblemsPage::stellatedPauseThenNextQuestion()
{
    TestProgram t;
    useAnimatedQuestions(t);
    ProblemsPage *page = open(t, StellatedProblems);
    QVERIFY(page);
    auto *timer = page->control<QTimer>(QStringLiteral("Timer1"));
    qint16 &frameno = t.program().values().frameno;

    click(page, Button::Pause);
    QVERIFY(!timer->isActive());
    click(page, Button::StepForward);
    click(page, Button::StepForward);
    QVERIFY(frameno > 0);

    click(page, "cmdgo");
    // The new question's animation from its first frame, playing, while the
    // bar still offers play and both steps.
    QCOMPARE(frameno, qint16(0));
    QVERIFY(showsFrame(page, FrameSequences::StellatedOctagon, 0));
    QVERIFY(timer->isActive());
    QCOMPARE(availability(page), Paused);

    // Steps while it plays add to the ticks.
    click(page, Button::StepForward);
    QVERIFY(showsFrame(page, FrameSequences::StellatedOctagon, 1));
    page->Timer1_Timer();
    QVERIFY(showsFrame(page, FrameSequences::StellatedOctagon, 2));
    click(page, Button::StepBack);
    QVERIFY(showsFrame(page, FrameSequences::StellatedOctagon, 1));

    // Play then brings the bar into line.
    click(page, Button::Play);
    QVERIFY(timer->isActive());
    QCOMPARE(availability(page), Playing);
}

QTEST_MAIN(TestProblemsPage)
#include "tst_problemspage.moc"
