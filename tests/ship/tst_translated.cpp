// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/programvalues.h"
#include "problems/answercheck.h"
#include "screens/commandbutton.h"
#include "screens/label.h"
#include "screens/screen.h"
#include "screens/textbox.h"
#include "support/testprogram.h"
#include "triangle/proofsteps.h"

#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <algorithm>

// Under a translation that puts every text of the program between marks,
// a pupil's way through every screen shows no words without them: each word
// on screen, in a caption, a tooltip or for a screen reader went through
// Qt's translation.
class TestTranslated : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyScreenShowsOnlyTranslatedWords();

private:
    QTranslator m_marked;
};

namespace {

// True when no letter is left once the marked spans, innermost first, and
// the key names of a button's shortcut (Qt's own words) are taken out: texts
// of numbers or blanks only are nobody's to translate.
bool isMarked(QString text, const QWidget *control)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(control); button && !button->shortcut().isEmpty())
        text.remove(button->shortcut().toString(QKeySequence::NativeText));
    static const QRegularExpression span(QStringLiteral("⟦[^⟦⟧]*⟧"));
    for (qsizetype before = -1; before != text.size();) {
        before = text.size();
        text.remove(span);
    }
    return std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); });
}

// Every text the window and its visible controls give the pupil now,
// each unmarked one as "<control> <what>: "<text>"".
QStringList unmarkedTexts(const QWidget *window)
{
    QStringList faults;
    const auto check = [&](const QWidget *control, const char *what, const QString &text) {
        if (!isMarked(text, control))
            faults += QStringLiteral("%1 %2: \"%3\"").arg(control->objectName(), QLatin1String(what), text);
    };
    QList<const QWidget *> controls{window};
    for (const QWidget *child : window->findChildren<QWidget *>()) {
        if (child->isVisibleTo(window))
            controls += child;
    }
    for (const QWidget *control : std::as_const(controls)) {
        if (control == window)
            check(control, "caption", window->windowTitle());
        else if (const auto *label = qobject_cast<const Label *>(control))
            check(control, "text", label->text());
        else if (const auto *button = qobject_cast<const QAbstractButton *>(control))
            check(control, "caption", button->text());
        else if (const auto *box = qobject_cast<const QLineEdit *>(control))
            check(control, "text", box->text());
        check(control, "tooltip", control->toolTip());
        check(control, "accessible name", control->accessibleName());
        check(control, "accessible description", control->accessibleDescription());
    }
    return faults;
}

// A click on a label or button of the screen, as the pupil's mouse gives it.
void press(Screen *screen, const QString &control, int index = NoIndex)
{
    QWidget *target = screen ? screen->control<QWidget>(control, index) : nullptr;
    QVERIFY2(target, qPrintable(control));
    if (auto *label = qobject_cast<Label *>(target))
        label->activate();
    else
        qobject_cast<QAbstractButton *>(target)->click();
    TestProgram::settle();
}

} // namespace

void TestTranslated::initTestCase()
{
    QVERIFY2(m_marked.load(QStringLiteral(VERTEXA_MARKED_QM)), VERTEXA_MARKED_QM);
    QCoreApplication::installTranslator(&m_marked);
}

void TestTranslated::everyScreenShowsOnlyTranslatedWords()
{
    using namespace ScreenNames;
    TestProgram program;
    // Each question twice over: the eight types in turn, never one type
    // twice running, first with low numbers and then with high ones. The
    // triangle draws a type and two numbers, the stellated page a type.
    QList<double> triangle, star;
    for (const double number : {0.05, 0.95}) {
        for (int type = 7; type >= 0; --type) {
            triangle += {(type + 0.5) / 8, number, number};
            star += (type + 0.5) / 8;
        }
    }
    // Each escaped text once, with the first place it showed.
    QStringList faults, escaped;
    const auto see = [&](const QString &name, const QString &where) {
        Screen *screen = program.screen(name);
        QVERIFY2(screen && screen->isVisible(), qPrintable(where));
        for (const QString &fault : unmarkedTexts(screen)) {
            if (!escaped.contains(fault))
                faults += where + QStringLiteral(": ") + (escaped += fault).constLast();
        }
    };

    program.screens().show(Title);
    see(Title, QStringLiteral("title"));
    press(program.screen(Title), QStringLiteral("Command1"));
    see(Menu, QStringLiteral("menu"));
    press(program.screen(Menu), QStringLiteral("Command1"));
    see(Title, QStringLiteral("title, back from the menu"));
    press(program.screen(Title), QStringLiteral("Command1"));
    press(program.screen(Menu), QStringLiteral("Label2"), 0);
    for (int view = ProofSteps::FirstView; view <= ProofSteps::LastView; ++view) {
        see(Proof, QStringLiteral("proof, view %1").arg(view));
        press(program.screen(Proof), QStringLiteral("Label5"));
    }

    for (const auto &[page, script] : {std::pair{TriangleProblems, triangle}, std::pair{StellatedProblems, star}}) {
        program.random().setValues(script);
        if (page == StellatedProblems) {
            press(program.screen(Menu), QStringLiteral("Label5"), 0);
            see(Explorer, QStringLiteral("explorer"));
            press(program.screen(Explorer), QStringLiteral("Label2"), 0);
        } else {
            press(program.screen(Proof), QStringLiteral("Label2"));
        }
        Screen *screen = program.screen(page);
        QVERIFY2(screen, qPrintable(page));
        auto *answerBox = screen->control<TextBox>(QStringLiteral("Text1"));
        auto *feedback = screen->control<Label>(QStringLiteral("Label4"));
        QVERIFY(answerBox && feedback);
        QSet<int> types;
        for (int question = 0; question < script.size() / (page == TriangleProblems ? 3 : 1); ++question) {
            const ProgramValues &values = program.context().values();
            const int type = values.lastquestion.value_or(-1);
            const QString where = QStringLiteral("%1, question type %2").arg(page).arg(type);
            types += type;
            see(page, where);
            // A wrong answer, the right one, each checked by Enter as the
            // stellated page has no check button, then the solution.
            for (const auto verdict : {AnswerCheck::Verdict::Wrong, AnswerCheck::Verdict::Correct}) {
                answerBox->clear();
                const double answer = values.answer + (verdict == AnswerCheck::Verdict::Wrong);
                QTest::keyClicks(answerBox, QString::number(answer));
                QTest::keyClick(answerBox, Qt::Key_Return);
                QCOMPARE(feedback->text(), AnswerCheck::feedback(verdict));
                see(page, where + QStringLiteral(", feedback"));
            }
            press(screen, QStringLiteral("cmdsoln"));
            see(page, where + QStringLiteral(", solution"));
            press(screen, QStringLiteral("cmdgo"));
        }
        QCOMPARE(types.size(), 8);

        press(screen, QStringLiteral("cmdjotter"));
        see(Jotter, QStringLiteral("Jotter, wide"));
        press(program.screen(Jotter), QStringLiteral("Command3"));
        see(Jotter, QStringLiteral("Jotter, tall"));
        press(program.screen(Jotter), QStringLiteral("Command9"));
        press(screen, QStringLiteral("cmdexit"));
    }
    // One line each: a failure message is cut short.
    for (const QString &fault : std::as_const(faults))
        qInfo("escaped translation: %s", qPrintable(fault));
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 texts escaped translation").arg(faults.size())));
}

QTEST_MAIN(TestTranslated)
#include "tst_translated.moc"
