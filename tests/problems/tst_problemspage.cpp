// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// The problems pages' wiring: the player's and the answer check's rules are
// tested without widgets in tst_problemrules, the questions in their own folders.
#include "common/programvalues.h"
#include "problems/problemspage.h"
#include "screens/commandbutton.h"
#include "screens/label.h"
#include "screens/pictureview.h"
#include "screens/playerbar.h"
#include "screens/textbox.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

using namespace ScreenNames;
using Button = FramePlayer::Control;

namespace {

double typeDraw(int t)
{
    return (t + 0.5) / 8;
}

} // namespace

class TestProblemsPage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_t = std::make_unique<TestProgram>(); }
    void cleanup() { m_t.reset(); }

    void triangleAnimation()
    {
        values().frameno = 11;
        m_t->pictures().remove(FrameSequences::Triangle.fileName(3));
        m_t->random().setValues({typeDraw(3), 0.5, 0.5});
        // Loaded but not yet shown: nothing has had a chance to tick or paint.
        QVERIFY((m_page = qobject_cast<ProblemsPage *>(m_t->screens().screen(TriangleProblems))));
        QVERIFY(shows(FrameSequences::Triangle, 0) && timerRuns());
        QVERIFY((m_page = m_t->open<ProblemsPage>(TriangleProblems)));
        QTRY_VERIFY(values().frameno != 0);
        click(Button::Pause);
        QVERIFY(!timerRuns() && bar()->isAvailable(Button::Play) && bar()->isAvailable(Button::StepBack));

        // A frame that cannot be read (3) leaves the one before on show.
        values().frameno = 1;
        const int shown[] = {2, 2, 4, 4, 2};
        for (int i = 0; i < 5; ++i) {
            click(i < 3 ? Button::StepForward : Button::StepBack);
            QVERIFY2(shows(FrameSequences::Triangle, shown[i]), qPrintable(QString::number(i)));
        }
        // A new question leaves the page's own animation as it was, paused or playing.
        m_t->random().setValues({typeDraw(5), 0.5, 0.5});
        click("cmdgo");
        QCOMPARE(values().frameno, qint16(2));
        QVERIFY(!timerRuns());
        click(Button::Play);
        click("cmdgo");
        QVERIFY(timerRuns() && !bar()->isAvailable(Button::Play));
    }

    void answering_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("fullScreenLabel");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QString>("solution");
        QTest::addColumn<bool>("checkButton");
        QTest::newRow("triangle") << TriangleProblems << "Label2" << QList<double>{typeDraw(3), 0.5, 0.5} << "45"
                                  << true;
        QTest::newRow("stellated") << StellatedProblems << "Label3" << QList<double>{typeDraw(2)} << "5" << false;
    }
    void answering()
    {
        QFETCH(QString, name);
        QFETCH(QString, fullScreenLabel);
        QFETCH(QList<double>, draws);
        QFETCH(QString, solution);
        QFETCH(bool, checkButton);
        m_t->random().setValues(draws);
        QVERIFY((m_page = m_t->open<ProblemsPage>(name)));
        auto *box = control<TextBox>("Text1");
        auto *feedback = control<Label>("Label4");
        QCOMPARE(QApplication::focusWidget(), box);
        QVERIFY(!feedback->isVisible());
        // The full-screen label shows disabled; what lies over it carries a
        // drawn pointer of our own and takes no focus.
        const QRect fullScreen = m_page->control<Label>(fullScreenLabel)->geometry();
        const QWidget *over = m_page->childAt(fullScreen.center());
        QVERIFY(over && over->focusPolicy() == Qt::NoFocus && !over->cursor().pixmap().isNull());
        const QString question = control<Label>("Label1")->text();

        // Enter checks the answer, and so does the button where the page has one.
        QTest::keyClicks(box, QStringLiteral("1"));
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(feedback->isVisible());
        QCOMPARE(feedback->text(), QStringLiteral("Wrong, Try Again"));
        QCOMPARE(control<CommandButton>("cmdcheckit")->isVisible(), checkButton);
        box->setText(solution);
        if (checkButton)
            click("cmdcheckit");
        else
            QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(feedback->text(), QStringLiteral("Correct, Well Done!"));
        // The solution leaves the typing be; the picture button takes the focus.
        box->setText(QStringLiteral("1"));
        click("cmdsoln");
        QCOMPARE(feedback->text() + u'|' + box->text(), solution + QStringLiteral("|1"));
        QVERIFY(QApplication::focusWidget() != box);
        // A new question blanks the feedback and the box, and gives the focus back.
        m_t->random().setValues({typeDraw(5), 0.5, 0.5});
        click("cmdgo");
        QVERIFY(control<Label>("Label1")->text() != question);
        QCOMPARE(feedback->text() + box->text(), QString());
        QCOMPARE(QApplication::focusWidget(), box);
    }

    void stellatedPlaysEachQuestionsAnimation()
    {
        // Each question plays its own animation from the first frame, after a pause too.
        m_t->random().setValues({typeDraw(2), typeDraw(0), typeDraw(1)}); // pentagram, octagram, nonagram
        QVERIFY((m_page = m_t->open<ProblemsPage>(StellatedProblems)));
        QVERIFY(TestProgram::tick(control<QTimer>("Timer1")) && shows(FrameSequences::Pentagram, 1));
        click("cmdgo");
        QVERIFY(shows(FrameSequences::StellatedOctagon, 0) && timerRuns());
        click(Button::Pause);
        click("cmdgo");
        QVERIFY(shows(FrameSequences::StellatedNonagon, 0) && timerRuns());
    }

private:
    template<class T>
    T *control(const char *name) const
    {
        return m_page->control<T>(QString::fromLatin1(name));
    }
    ProgramValues &values() { return m_t->context().values(); }
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
