// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// The problems pages' wiring: the rules themselves are tested without
// widgets in tst_problemrules, and the question sets in their own folders.
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

// Whether the timer runs, then which of play, pause, step back and step forward the bar offers.
const QString Playing = QStringLiteral("1 0100");
const QString Paused = QStringLiteral("0 1111");

} // namespace

class TestProblemsPage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_t = std::make_unique<TestProgram>(); }
    void cleanup() { m_t.reset(); }

    void triangleAnimationAndPlayerBar()
    {
        values().frameno = 11;
        m_t->pictures().remove(FrameSequences::Triangle.fileName(3));
        m_t->random().setValues({typeDraw(3), 0.5, 0.5});
        // Loaded but not yet shown: nothing has had a chance to tick or paint.
        QVERIFY(load(TriangleProblems));
        QCOMPARE(values().frameno, qint16(0));
        QVERIFY(shows(FrameSequences::Triangle, 0));
        QCOMPARE(player(), Playing);
        QVERIFY(control<Label>("Label1")->text().endsWith(u"smaller angles of a right-angled isosceles triangle?"));

        // The timer steps the frames; the steps are unavailable while it does.
        QVERIFY(open(TriangleProblems));
        QTRY_VERIFY(values().frameno != 0);
        const qint16 before = values().frameno;
        click(Button::StepForward);
        QCOMPARE(values().frameno, before);
        click(Button::Pause);
        QCOMPARE(player(), Paused);

        // A frame that cannot be read leaves the one before on show.
        values().frameno = 1;
        const std::pair<Button, int> steps[] = {{Button::StepForward, 2},
                                                {Button::StepForward, 2},
                                                {Button::StepForward, 4},
                                                {Button::StepBack, 4},
                                                {Button::StepBack, 2}};
        for (const auto &[button, shown] : steps) {
            click(button);
            QVERIFY(shows(FrameSequences::Triangle, shown));
        }

        // A new question leaves the page's own animation as it was, paused or playing.
        m_t->random().setValues({typeDraw(5), 0.5, 0.5});
        click("cmdgo");
        QCOMPARE(values().frameno, qint16(2));
        QCOMPARE(player(), Paused);
        click(Button::Play);
        QCOMPARE(player(), Playing);
        click("cmdgo");
        QCOMPARE(player(), Playing);
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
        QVERIFY(open(name));
        auto *box = control<TextBox>("Text1");
        QCOMPARE(QApplication::focusWidget(), box);
        QVERIFY(!control<Label>("Label4")->isVisible());
        // The full-screen label shows disabled; what lies over it carries a
        // drawn pointer of our own and takes no focus.
        const auto *fullScreen = m_page->control<Label>(fullScreenLabel);
        QVERIFY(fullScreen->isVisible() && !fullScreen->isEnabled());
        const QWidget *over = m_page->childAt(fullScreen->geometry().center());
        QVERIFY(over && over->isEnabled() && over->focusPolicy() == Qt::NoFocus);
        QVERIFY(over->cursor().shape() == Qt::BitmapCursor && !over->cursor().pixmap().isNull());
        const QString question = control<Label>("Label1")->text();

        // Enter checks the answer, and so does the button where the page has one.
        QTest::keyClicks(box, QStringLiteral("1"));
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(control<Label>("Label4")->isVisible());
        QCOMPARE(feedback(), QStringLiteral("Wrong, Try Again"));
        QCOMPARE(control<CommandButton>("cmdcheckit")->isVisible(), checkButton);
        box->setText(solution);
        if (checkButton)
            click("cmdcheckit");
        else
            QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(feedback(), QStringLiteral("Correct, Well Done!"));
        // The solution leaves the typing be; the picture button takes the focus.
        box->setText(QStringLiteral("1"));
        click("cmdsoln");
        QCOMPARE(feedback() + u'|' + box->text(), solution + QStringLiteral("|1"));
        QVERIFY(QApplication::focusWidget() != box);
        // A new question blanks the feedback and the box, and gives the focus back.
        m_t->random().setValues({typeDraw(5), 0.5, 0.5});
        click("cmdgo");
        QVERIFY(control<Label>("Label1")->text() != question);
        QCOMPARE(feedback() + box->text(), QString());
        QCOMPARE(QApplication::focusWidget(), box);
    }

    void stellatedPlaysEachQuestionsAnimation()
    {
        values().frameno = 9;
        m_t->random().setValues({typeDraw(2)}); // the pentagram's edges
        QVERIFY(load(StellatedProblems));
        QVERIFY(shows(FrameSequences::Pentagram, 0));
        QCOMPARE(player(), Playing);
        QVERIFY(TestProgram::tick(control<QTimer>("Timer1")));
        QVERIFY(shows(FrameSequences::Pentagram, 1));
        // The next question plays its own animation from the first frame,
        m_t->random().setValues({typeDraw(0)}); // the octagram's edges
        click("cmdgo");
        QVERIFY(shows(FrameSequences::StellatedOctagon, 0));
        QCOMPARE(player(), Playing);
        // after a pause too, while the bar still offers play and both steps.
        click(Button::Pause);
        QCOMPARE(player(), Paused);
        m_t->random().setValues({typeDraw(1)}); // the nonagram's edges
        click("cmdgo");
        QVERIFY(shows(FrameSequences::StellatedNonagon, 0));
        QCOMPARE(player(), QStringLiteral("1 1111"));
    }

private:
    // Loads a page without showing it; open() shows it and waits for the keyboard.
    ProblemsPage *load(const QString &name)
    {
        return m_page = qobject_cast<ProblemsPage *>(m_t->screens().screen(name));
    }
    ProblemsPage *open(const QString &name)
    {
        m_t->screens().show(name);
        m_page = m_t->screen<ProblemsPage>(name);
        return m_page && QTest::qWaitForWindowActive(m_page) ? m_page : nullptr;
    }
    template<class T>
    T *control(const char *name) const
    {
        return m_page->control<T>(QString::fromLatin1(name));
    }
    ProgramValues &values() { return m_t->context().values(); }
    QString feedback() const { return control<Label>("Label4")->text(); }
    bool shows(const FrameSequence &sequence, int frame) const
    {
        const QImage picture = control<ImageBox>("Image2")->picture();
        return !picture.isNull() && sameColour(picture.pixelColor(picture.width() / 2, picture.height() / 2),
                                               TestPictures::colourFor(sequence.fileName(frame)));
    }
    QString player() const
    {
        QString state = QString::number(control<QTimer>("Timer1")->isActive()) + u' ';
        for (Button button : PlayerBar::Buttons)
            state += QString::number(control<PlayerBar>("MMControl1")->isAvailable(button));
        return state;
    }
    void click(const char *button) { QTest::mouseClick(control<CommandButton>(button), Qt::LeftButton); }
    void click(Button button) { QTest::mouseClick(control<PlayerBar>("MMControl1")->button(button), Qt::LeftButton); }

    std::unique_ptr<TestProgram> m_t;
    ProblemsPage *m_page = nullptr;
};

QTEST_MAIN(TestProblemsPage)
#include "tst_problemspage.moc"
