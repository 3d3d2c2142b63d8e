// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// The problems pages' wiring: the player's and the answer check's rules are
// tested without widgets in tst_problemrules, the questions in their own folders.
#include "common/language.h"
#include "controls/commandbutton.h"
#include "controls/label.h"
#include "controls/pictureview.h"
#include "controls/playerbar.h"
#include "controls/textbox.h"
#include "problems/answercheck.h"
#include "problems/problemspage.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

using namespace ScreenNames;
using Button = PlayerControl;

class TestProblemsPage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_t = std::make_unique<TestProgram>(); }
    void cleanup()
    {
        m_t.reset();
        Language::install({});
    }

    // Random draws for a question type t are (t + 0.5) / 8: 0.4375 is type 3.
    void triangleAnimation()
    {
        m_t->random().setValues({0.4375, 0.5, 0.5});
        QVERIFY((m_page = m_t->open<ProblemsPage>(TriangleProblems)));
        QVERIFY(TestProgram::tick(control<QTimer>("Timer1")));
        click(Button::Pause);
        QVERIFY(!timerRuns() && bar()->isAvailable(Button::Play) && bar()->isAvailable(Button::StepBack));
        // A new question leaves the page's own animation as it was, paused or playing.
        const QImage paused = control<ImageBox>("Image2")->picture();
        m_t->random().setValues({0.6875, 0.5, 0.5});
        click("cmdgo");
        QVERIFY(control<ImageBox>("Image2")->picture() == paused && !timerRuns());
        click(Button::Play);
        click("cmdgo");
        QVERIFY(timerRuns() && !bar()->isAvailable(Button::Play));
    }

    void answering_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QString>("solution");
        QTest::newRow("triangle") << TriangleProblems << QList<double>{0.4375, 0.5, 0.5} << "45";
        QTest::newRow("stellated") << StellatedProblems << QList<double>{0.3125} << "5";
    }
    void answering()
    {
        QFETCH(QString, name);
        QFETCH(QList<double>, draws);
        QFETCH(QString, solution);
        m_t->random().setValues(draws);
        QVERIFY((m_page = m_t->open<ProblemsPage>(name)));
        auto *box = control<TextBox>("Text1");
        auto *feedback = control<Label>("Label4");
        QVERIFY(!feedback->isVisible());
        const QString question = control<Label>("Label1")->text();

        // Enter checks the answer, and so does the button where the page has one.
        QTest::keyClicks(box, QStringLiteral("1"));
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(feedback->isVisible());
        QCOMPARE(feedback->text(), QStringLiteral("Wrong, Try Again"));
        QCOMPARE(control<CommandButton>("cmdcheckit")->isVisible(), name == TriangleProblems);
        box->setText(solution);
        if (name == TriangleProblems)
            click("cmdcheckit");
        else
            QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(feedback->text(), QStringLiteral("Correct, Well Done!"));
        // The solution leaves the typing be.
        box->setText(QStringLiteral("1"));
        click("cmdsoln");
        QCOMPARE(feedback->text() + u'|' + box->text(), solution + QStringLiteral("|1"));
        // A new question blanks the feedback and the box, and gives the focus back.
        m_t->random().setValues({0.6875, 0.5, 0.5});
        click("cmdgo");
        QVERIFY(control<Label>("Label1")->text() != question);
        QCOMPARE(feedback->text() + box->text(), QString());
        QCOMPARE(QApplication::focusWidget(), box);
    }

    // The type drawn last counts on either page and across visits: type 3 on
    // the triangle page turns a draw of 3 on the stellated page into 4 (a Star
    // of David, 60), and on the next visit a draw of 4 into 5 (45).
    void noRepeatAcrossPagesAndVisits()
    {
        QStringList solutions;
        for (const auto &[name, draw] :
             {std::pair{TriangleProblems, 0.4375}, {StellatedProblems, 0.4375}, {StellatedProblems, 0.5625}}) {
            m_t->random().setValues({draw, 0.5, 0.5});
            QVERIFY((m_page = m_t->open<ProblemsPage>(name)));
            click("cmdsoln");
            solutions << control<Label>("Label4")->text();
            click("cmdexit");
            TestProgram::settle();
        }
        QCOMPARE(solutions, (QStringList{"45", "60", "45"}));
    }

    // A German pupil types a decimal comma: 180,5 is not the 180 asked for.
    void decimalCommaAsTyped()
    {
        QVERIFY(Language::install(QStringLiteral("de")));
        m_t->random().setValues({0.0625, 0.5, 0.5});
        QVERIFY((m_page = m_t->open<ProblemsPage>(TriangleProblems)));
        auto *box = control<TextBox>("Text1");
        const auto verdictOn = [&](const char *typed) {
            box->clear();
            QTest::keyClicks(box, QString::fromLatin1(typed));
            QTest::keyClick(box, Qt::Key_Return);
            return control<Label>("Label4")->text();
        };
        QCOMPARE(verdictOn("180,5"), AnswerCheck::feedback(AnswerCheck::Verdict::Wrong));
        QCOMPARE(verdictOn("180,0"), AnswerCheck::feedback(AnswerCheck::Verdict::Correct));
    }

    void stellatedPlaysEachQuestionsAnimation()
    {
        // Each question plays its own animation from the first frame, after a
        // pause too. Type draws: 2, 0, then 2 again.
        m_t->random().setValues({0.3125, 0.0625, 0.3125});
        QVERIFY((m_page = m_t->open<ProblemsPage>(StellatedProblems)));
        QVERIFY(TestProgram::tick(control<QTimer>("Timer1")) && shows(FrameSequences::Pentagram, 1));
        click(Button::Pause);
        click("cmdgo");
        QVERIFY(shows(FrameSequences::StellatedOctagon, 0) && timerRuns());
        // The frames of an animation are kept for its next question: a file
        // changed meanwhile does not show.
        m_t->pictures().write(FrameSequences::Pentagram.fileName(0), Qt::black);
        click("cmdgo");
        QVERIFY(shows(FrameSequences::Pentagram, 0));
    }

    // The "Full Screen" label is greyed: a click on it reaches nothing, not
    // even the page beneath, and the pointer over it shows four arrows.
    void fullScreenLabelSwallowsClicks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("label");
        QTest::newRow("triangle") << TriangleProblems << "Label2";
        QTest::newRow("stellated") << StellatedProblems << "Label3";
    }
    void fullScreenLabelSwallowsClicks()
    {
        QFETCH(QString, name);
        QFETCH(QString, label);
        QVERIFY((m_page = m_t->open<ProblemsPage>(name)));
        const QRect area = m_page->control<Label>(label)->geometry();
        QWidget *over = m_page->childAt(area.center());
        QVERIFY(over && over->cursor().shape() == Qt::BitmapCursor && over->cursor().hotSpot() == QPoint(16, 16));
        int pagePresses = 0;
        EventSpy spy(m_page, QEvent::MouseButtonPress, &pagePresses);
        QTest::mouseClick(m_page->windowHandle(), Qt::LeftButton, {}, area.center());
        QCOMPARE(pagePresses, 0);
        QVERIFY(m_page->isVisible() && !m_t->screen(Jotter));
    }

    // Each button of the bar reaches the page's picture and timer. Type draw
    // 2: the pentagram, paused on frame 1 before the click.
    void playerBarDrivesThePicture_data()
    {
        QTest::addColumn<Button>("button");
        QTest::addColumn<int>("frame");
        QTest::addColumn<bool>("running");
        QTest::newRow("play") << Button::Play << 1 << true;
        QTest::newRow("step back") << Button::StepBack << 0 << false;
        QTest::newRow("step forward") << Button::StepForward << 2 << false;
    }
    void playerBarDrivesThePicture()
    {
        QFETCH(Button, button);
        QFETCH(int, frame);
        QFETCH(bool, running);
        m_t->random().setValues({0.3125});
        QVERIFY((m_page = m_t->open<ProblemsPage>(StellatedProblems)));
        QVERIFY(TestProgram::tick(control<QTimer>("Timer1")));
        click(Button::Pause);
        click(button);
        QVERIFY(shows(FrameSequences::Pentagram, frame));
        QCOMPARE(timerRuns(), running);
    }

private:
    // Counts the events of one type that reach a widget itself.
    class EventSpy : public QObject
    {
    public:
        EventSpy(QObject *target, QEvent::Type type, int *count)
            : m_type(type)
            , m_count(count)
        {
            target->installEventFilter(this);
        }
        bool eventFilter(QObject *, QEvent *event) override
        {
            *m_count += event->type() == m_type;
            return false;
        }

    private:
        QEvent::Type m_type;
        int *m_count;
    };

    template<class T>
    T *control(const char *name) const
    {
        return m_page->control<T>(QString::fromLatin1(name));
    }
    PlayerBar *bar() const { return control<PlayerBar>("MMControl1"); }
    bool timerRuns() const { return control<QTimer>("Timer1")->isActive(); }
    bool shows(const FrameSequence &sequence, int frame) const
    {
        const QImage picture = control<ImageBox>("Image2")->picture();
        return !picture.isNull() && sameColour(picture.pixelColor(picture.width() / 2, picture.height() / 2),
                                               TestPictures::colourFor(sequence.fileName(frame)));
    }
    void click(const char *button) { QTest::mouseClick(control<CommandButton>(button), Qt::LeftButton); }
    void click(Button button) { QTest::mouseClick(bar()->button(button), Qt::LeftButton); }

    std::unique_ptr<TestProgram> m_t;
    ProblemsPage *m_page = nullptr;
};

QTEST_MAIN(TestProblemsPage)
#include "tst_problemspage.moc"
