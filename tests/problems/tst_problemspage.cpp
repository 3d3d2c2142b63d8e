// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// The problems pages' wiring: the rules themselves are tested without
// widgets in tst_problemrules, and the question sets in their own folders.
#include "common/programvalues.h"
#include "problems/problemspage.h"
#include "screens/controls.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

using namespace ScreenNames;
using Button = PlayerBar::Button;

namespace {

double typeDraw(int t) { return (t + 0.5) / 8; }

const QList<bool> Playing{false, true, false, false};
const QList<bool> Paused{true, true, true, true};

} // namespace

class TestProblemsPage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_t = std::make_unique<TestProgram>(); }
    void cleanup() { m_page = nullptr; m_t.reset(); }

    void triangleAnimationAndPlayerBar();
    void answering_data();
    void answering();
    void stellatedPlaysEachQuestionsAnimation();

private:
    // Loads a page without showing it; open() shows it and waits for the keyboard.
    ProblemsPage *load(const QString &name) { return m_page = qobject_cast<ProblemsPage *>(m_t->screens().screen(name)); }
    ProblemsPage *open(const QString &name)
    {
        m_t->screens().show(name);
        m_page = m_t->screen<ProblemsPage>(name);
        return m_page && QTest::qWaitForWindowActive(m_page) ? m_page : nullptr;
    }
    template<class T>
    T *control(const char *name) const { return m_page->control<T>(QString::fromLatin1(name)); }
    ProgramValues &values() { return m_t->program().values(); }
    QTimer *timer() const { return control<QTimer>("Timer1"); }
    QString feedback() const { return control<Label>("Label4")->text(); }

    bool shows(const FrameSequence &sequence, int frame) const
    {
        const QImage picture = control<ImageBox>("Image2")->picture();
        return !picture.isNull()
               && sameColour(picture.pixelColor(picture.width() / 2, picture.height() / 2), TestPictures::colourFor(sequence.fileName(frame)));
    }
    QList<bool> availability() const
    {
        const auto *bar = control<PlayerBar>("MMControl1");
        return {bar->isAvailable(Button::Play), bar->isAvailable(Button::Pause), bar->isAvailable(Button::StepBack),
                bar->isAvailable(Button::StepForward)};
    }
    void click(const char *button) { QTest::mouseClick(control<CommandButton>(button), Qt::LeftButton); }
    void click(Button button) { QTest::mouseClick(control<PlayerBar>("MMControl1")->button(button), Qt::LeftButton); }

    std::unique_ptr<TestProgram> m_t;
    ProblemsPage *m_page = nullptr;
};

void TestProblemsPage::triangleAnimationAndPlayerBar()
{
    values().frameno = 11;
    m_t->pictures().remove(FrameSequences::Triangle.fileName(3));
    m_t->random().setValues({typeDraw(3), 0.5, 0.5});
    // Loaded but not yet shown: nothing has had a chance to tick or paint.
    QVERIFY(load(TriangleProblems));
    QCOMPARE(values().frameno, qint16(0));
    QVERIFY(shows(FrameSequences::Triangle, 0));
    QVERIFY(timer()->isActive());
    QCOMPARE(availability(), Playing);
    QCOMPARE(control<Label>("Label1")->text(),
             QStringLiteral("In degrees, what is the size of each of the smaller angles of a right-angled isosceles triangle?"));
    QCOMPARE(values().answer, 45.0);
    QCOMPARE(control<TextBox>("Text1")->text(), QString());
    QCOMPARE(feedback(), QString());

    // The timer steps the frames; the steps are unavailable while it does.
    QVERIFY(open(TriangleProblems));
    QTRY_VERIFY(values().frameno != 0);
    const qint16 before = values().frameno;
    click(Button::StepForward);
    QCOMPARE(values().frameno, before);
    click(Button::Pause);
    QVERIFY(!timer()->isActive());
    QCOMPARE(availability(), Paused);

    // A frame that cannot be read leaves the one before on show.
    values().frameno = 1;
    for (int shown : {2, 2, 4}) {
        click(Button::StepForward);
        QVERIFY(shows(FrameSequences::Triangle, shown));
    }
    click(Button::StepBack);
    QVERIFY(shows(FrameSequences::Triangle, 4));
    click(Button::StepBack);
    QVERIFY(shows(FrameSequences::Triangle, 2));

    // A new question leaves the page's own animation as it was, paused or playing.
    m_t->random().setValues({typeDraw(5), 0.5, 0.5});
    click("cmdgo");
    QCOMPARE(values().answer, 60.0);
    QCOMPARE(values().frameno, qint16(2));
    QVERIFY(!timer()->isActive());
    QCOMPARE(availability(), Paused);
    click(Button::Play);
    QVERIFY(timer()->isActive());
    QCOMPARE(availability(), Playing);
    click("cmdgo");
    QVERIFY(timer()->isActive());
    QCOMPARE(availability(), Playing);
}

void TestProblemsPage::answering_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fullScreenLabel");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("solution");
    QTest::addColumn<bool>("checkButton");
    QTest::newRow("triangle") << TriangleProblems << "Label2" << QList<double>{typeDraw(3), 0.5, 0.5} << "45" << true;
    QTest::newRow("stellated") << StellatedProblems << "Label3" << QList<double>{typeDraw(2)} << "5" << false;
}

void TestProblemsPage::answering()
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

    auto *fullScreen = m_page->control<Label>(fullScreenLabel);
    QVERIFY(fullScreen->isVisible() && !fullScreen->isEnabled());
    QCOMPARE(fullScreen->text(), QStringLiteral("Full Screen"));
    // What lies under the pointer there carries a drawn pointer of our own
    // and takes no focus.
    const QPoint centre = fullScreen->geometry().center();
    QWidget *under = m_page->childAt(centre);
    QVERIFY(under && under->isEnabled());
    QCOMPARE(under->cursor().shape(), Qt::BitmapCursor);
    QVERIFY(!under->cursor().pixmap().isNull());
    QCOMPARE(under->focusPolicy(), Qt::NoFocus);
    const QString question = control<Label>("Label1")->text();

    // Enter checks the answer, and so does the button where the page has one.
    QTest::keyClicks(box, QStringLiteral("1"));
    QTest::keyClick(box, Qt::Key_Return);
    QVERIFY(control<Label>("Label4")->isVisible());
    QCOMPARE(feedback(), QStringLiteral("Wrong, Try Again"));
    QCOMPARE(control<CommandButton>("cmdcheckit")->isVisible(), checkButton);
    if (checkButton) {
        box->setText(solution);
        click("cmdcheckit");
        QCOMPARE(feedback(), QStringLiteral("Correct, Well Done!"));
    }
    // The solution leaves the typing be; the picture button takes the focus.
    box->setText(QStringLiteral("1"));
    click("cmdsoln");
    QCOMPARE(feedback(), solution);
    QCOMPARE(box->text(), QStringLiteral("1"));
    QVERIFY(QApplication::focusWidget() != box);
    // A new question blanks the feedback and the box, and gives the focus back.
    m_t->random().setValues({typeDraw(5), 0.5, 0.5});
    click("cmdgo");
    QVERIFY(control<Label>("Label1")->text() != question);
    QCOMPARE(feedback(), QString());
    QCOMPARE(box->text(), QString());
    QCOMPARE(QApplication::focusWidget(), box);

    // A later visit starts with the feedback hidden again.
    click("cmdexit");
    TestProgram::settle();
    QVERIFY(open(name));
    QVERIFY(!control<Label>("Label4")->isVisible());
}

void TestProblemsPage::stellatedPlaysEachQuestionsAnimation()
{
    values().frameno = 9;
    m_t->random().setValues({typeDraw(2)}); // the pentagram's edges
    QVERIFY(load(StellatedProblems));
    QVERIFY(shows(FrameSequences::Pentagram, 0));
    QVERIFY(timer()->isActive());
    QCOMPARE(availability(), Playing);
    QCOMPARE(values().answer, 5.0);
    m_page->Timer1_Timer();
    QVERIFY(shows(FrameSequences::Pentagram, 1));

    // The next question plays its own animation from the first frame.
    m_t->random().setValues({typeDraw(0)}); // the octagram's edges
    m_page->cmdgo_Click();
    QVERIFY(shows(FrameSequences::StellatedOctagon, 0));
    QVERIFY(timer()->isActive());

    // After a pause too, while the bar still offers play and both steps.
    m_page->MMControl1_PauseClick();
    QVERIFY(!timer()->isActive());
    m_t->random().setValues({typeDraw(1)}); // the nonagram's edges
    m_page->cmdgo_Click();
    QVERIFY(shows(FrameSequences::StellatedNonagon, 0));
    QVERIFY(timer()->isActive());
    QCOMPARE(availability(), Paused);
}

QTEST_MAIN(TestProblemsPage)
#include "tst_problemspage.moc"
