// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// The problems pages' wiring and their player, driven through the page's own
// bar: the answer check's rules are tested without widgets in tst_problemrules,
// the questions in their own folders.
#include "common/language.h"
#include "controls/commandbutton.h"
#include "controls/label.h"
#include "controls/pictureview.h"
#include "controls/playerbar.h"
#include "controls/textbox.h"
#include "problems/answercheck.h"
#include "problems/problemspage.h"
#include "support/datarow.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

using namespace ScreenNames;
using Button = PlayerControl;

// Counts the mouse presses that reach a widget itself.
struct PressCounter : QObject
{
    int presses = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        presses += event->type() == QEvent::MouseButtonPress;
        return false;
    }
};

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

    // A German pupil types a decimal comma: 180,5 is not the 180 asked for
    // (type 0, a draw of 0.0625). The feedback line shows once an answer is
    // checked; a new question blanks it and the typing and gives the focus
    // back. How each page shows its verdicts and solutions is pinned by the
    // golden pictures.
    void answering()
    {
        QVERIFY(Language::install(QStringLiteral("de")));
        m_t->random().setValues({0.0625, 0.5, 0.5});
        QVERIFY((m_page = m_t->open<ProblemsPage>(TriangleProblems)));
        auto *box = m_page->control<TextBox>("Text1");
        auto *feedback = m_page->control<Label>("Label4");
        QVERIFY(!feedback->isVisible());
        QTest::keyClicks(box, QStringLiteral("180,5"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(feedback->text(), AnswerCheck::feedback(AnswerCheck::Verdict::Wrong));
        QVERIFY(feedback->isVisible());
        click("cmdgo");
        QCOMPARE(feedback->text(), QString());
        QCOMPARE(box->text(), QString());
        QCOMPARE(QApplication::focusWidget(), box);
    }

    // The type drawn last counts on either page and across visits: type 3 on
    // the triangle page turns a draw of 3 on the stellated page into 4 (a Star
    // of David, 60), and on the next visit a draw of 4 into 5 (45). The Jotter
    // opened from a page goes with the page's exit.
    void noRepeatAcrossPagesAndVisits()
    {
        QStringList solutions;
        for (const auto &[name, draw] :
             {std::pair{TriangleProblems, 0.4375}, {StellatedProblems, 0.4375}, {StellatedProblems, 0.5625}}) {
            m_t->random().setValues({draw, 0.5, 0.5});
            QVERIFY((m_page = m_t->open<ProblemsPage>(name)));
            click("cmdsoln");
            solutions << m_page->control<Label>("Label4")->text();
            click("cmdjotter");
            click("cmdexit");
            TestProgram::settle();
            QVERIFY(m_t->screen(Menu) && !m_t->screen(Jotter));
        }
        QCOMPARE(solutions, (QStringList{"45", "60", "45"}));
    }

    // The "Full Screen" label is greyed: a click on it reaches nothing, not
    // even the page beneath, and the pointer over it shows four arrows.
    void fullScreenLabelSwallowsClicks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("label");
        addDataRow("triangle", TriangleProblems, "Label2");
        addDataRow("stellated", StellatedProblems, "Label3");
    }
    void fullScreenLabelSwallowsClicks()
    {
        QFETCH(QString, name);
        QFETCH(QString, label);
        QVERIFY((m_page = m_t->open<ProblemsPage>(name)));
        const QPoint centre = m_page->control<Label>(label)->geometry().center();
        QWidget *over = m_page->childAt(centre);
        QVERIFY(over && over->cursor().shape() == Qt::BitmapCursor && over->cursor().hotSpot() == QPoint(16, 16));
        PressCounter page;
        m_page->installEventFilter(&page);
        QTest::mouseClick(m_page->windowHandle(), Qt::LeftButton, {}, centre);
        QCOMPARE(page.presses, 0);
        QVERIFY(m_page->isVisible() && !m_t->screen(Jotter));
    }

    // The frames have ticked once and are paused before the row's actions:
    // play (P), step back (b) and on (f), a new question (q), the pentagram's
    // first frame changed on disk (x). The triangle page plays its own
    // animation whatever the question; on the stellated page the type draws
    // are 2 (the pentagram), 0 (the octagon), then 2 again.
    void playerDrivesThePicture_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("running");
        const auto pentagram = [](int frame) { return FrameSequences::Pentagram.fileName(frame); };
        const QString triangle = FrameSequences::Triangle.fileName(1),
                      octagon = FrameSequences::StellatedOctagon.fileName(0);
        addDataRow("play", StellatedProblems, "P", pentagram(1), true);
        addDataRow("step back", StellatedProblems, "b", pentagram(0), false);
        addDataRow("step forward", StellatedProblems, "f", pentagram(2), false);
        // Back from the first frame wraps round to the last of the twenty.
        addDataRow("step back past the first", StellatedProblems, "bb", pentagram(19), false);
        // A new question leaves the page's own animation as it was, paused or playing.
        addDataRow("triangle: new question while paused", TriangleProblems, "q", triangle, false);
        addDataRow("triangle: new question while playing", TriangleProblems, "Pq", triangle, true);
        // Each question plays its own animation from the first frame, after a pause too.
        addDataRow("stellated: new question after a pause", StellatedProblems, "q", octagon, true);
        // The frames of an animation are kept for its next question: a file changed meanwhile does not show.
        addDataRow("stellated: frames kept for the next question", StellatedProblems, "qxq", pentagram(0), true);
    }
    void playerDrivesThePicture()
    {
        QFETCH(QString, name);
        QFETCH(QString, actions);
        QFETCH(QString, shown);
        m_t->random().setValues(name == TriangleProblems ? QList<double>{0.4375, 0.5, 0.5}
                                                         : QList<double>{0.3125, 0.0625, 0.3125});
        QVERIFY((m_page = m_t->open<ProblemsPage>(name)));
        auto *timer = m_page->control<QTimer>("Timer1");
        QVERIFY(TestProgram::tick(timer));
        click(Button::Pause);
        for (const QChar action : actions) {
            if (action == u'x')
                m_t->pictures().write(FrameSequences::Pentagram.fileName(0), Qt::black);
            else if (action == u'q')
                click("cmdgo");
            else
                click(action == u'P' ? Button::Play : action == u'b' ? Button::StepBack : Button::StepForward);
        }
        const QImage picture = m_page->control<ImageBox>("Image2")->picture();
        QVERIFY2(!picture.isNull() && sameColour(picture.pixelColor(picture.width() / 2, picture.height() / 2),
                                                 TestPictures::colourFor(shown)),
                 qPrintable(shown));
        QTEST(timer->isActive(), "running");
        // Play is offered together with the step buttons: while paused, and after a pause until Play.
        QCOMPARE(button(Button::Play)->isEnabled(), button(Button::StepBack)->isEnabled());
    }

private:
    void click(const char *button) { QTest::mouseClick(m_page->control<CommandButton>(button), Qt::LeftButton); }
    QToolButton *button(Button which) const { return m_page->control<PlayerBar>("MMControl1")->button(which); }
    void click(Button which) { QTest::mouseClick(button(which), Qt::LeftButton); }

    std::unique_ptr<TestProgram> m_t;
    ProblemsPage *m_page = nullptr;
};

QTEST_MAIN(TestProblemsPage)
#include "tst_problemspage.moc"
