// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/colourtable.h"
#include "screens/accessibility.h"
#include "screens/commandbutton.h"
#include "screens/label.h"
#include "screens/screen.h"
#include "support/testprogram.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

// Every screen can be read by a screen reader and worked from the keyboard.
class TestAccessibility : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_program = std::make_unique<TestProgram>(); }
    void cleanup();
    void everyVisibleControlIsNamed_data();
    void everyVisibleControlIsNamed();
    void pictureButtonsAnswerTheirShortcuts_data();
    void pictureButtonsAnswerTheirShortcuts();
    void swatchesAreNamedByTheirColour();
    void listeningDoesNotMakeAButton();
    void keyboardOnlyTour();

private:
    std::unique_ptr<TestProgram> m_program;
};

namespace {

QAccessibleInterface *faceOf(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

QString nameOf(QWidget *widget)
{
    QAccessibleInterface *face = faceOf(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// Presses Tab until `target` has the focus; false if it never comes round.
bool tabTo(QWidget *target)
{
    for (int press = 0; press < 40; ++press) {
        if (QApplication::focusWidget() == target)
            return true;
        QWidget *from = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
        if (!from)
            return false;
        QTest::keyClick(from, Qt::Key_Tab);
    }
    return QApplication::focusWidget() == target;
}

} // namespace

void TestAccessibility::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    m_program.reset();
}

void TestAccessibility::everyVisibleControlIsNamed_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<bool>("flipped");
    for (const QString &name : screenNames())
        QTest::addRow("%s", qPrintable(name)) << name << false;
    QTest::addRow("notepad, tall layout") << ScreenNames::Jotter << true;
}

// Named, and words that act read as buttons while words that only show read as text.
void TestAccessibility::everyVisibleControlIsNamed()
{
    QFETCH(QString, screen);
    QFETCH(bool, flipped);
    Screen *shown = m_program->open(screen);
    QVERIFY(shown);
    if (flipped)
        shown->control<CommandButton>(QStringLiteral("Command3"))->click();
    QVERIFY2(!nameOf(shown).isEmpty(), "the window");
    QVERIFY(!shown->accessibleDescription().isEmpty());
    QStringList faults;
    for (QWidget *widget : shown->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(shown) || !widget->isEnabled())
            continue;
        const QString what =
            QStringLiteral("%1 (%2)").arg(widget->objectName(), QString::fromLatin1(widget->metaObject()->className()));
        if (nameOf(widget).trimmed().isEmpty())
            faults += what + QStringLiteral(" unnamed");
        if (auto *label = qobject_cast<Label *>(widget)) {
            const bool acts = label->focusPolicy() & Qt::TabFocus;
            QAccessibleInterface *face = faceOf(label);
            if (acts && !(face->actionInterface() &&
                          face->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction())))
                faults += what + QStringLiteral(" takes Tab but cannot be pressed");
            if (!acts && label->text().size() > 0 && face->role() != QAccessible::StaticText &&
                face->role() != QAccessible::Button)
                faults += what + QStringLiteral(" neither text nor button");
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u", ")));
}

void TestAccessibility::pictureButtonsAnswerTheirShortcuts_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QKeySequence>("shortcut");
    const auto add = [](const QString &screen, const QString &button, const QString &name, QKeyCombination key) {
        QTest::addRow("%s %s", qPrintable(screen), qPrintable(button)) << screen << button << name << QKeySequence(key);
    };
    for (const QString &page : {ScreenNames::TriangleProblems, ScreenNames::StellatedProblems}) {
        add(page, "cmdgo", "Next question", Qt::ALT | Qt::Key_N);
        add(page, "cmdsoln", "Show the answer", Qt::ALT | Qt::Key_A);
        add(page, "cmdjotter", "Open the Jotter", Qt::ALT | Qt::Key_J);
        add(page, "cmdexit", "Exit", Qt::ALT | Qt::Key_X);
    }
    add(ScreenNames::TriangleProblems, "cmdcheckit", "Check my answer", Qt::ALT | Qt::Key_C);
    add(ScreenNames::Proof, "cmdexit", "Exit", Qt::ALT | Qt::Key_X);
    add(ScreenNames::Explorer, "cmdexit", "Exit", Qt::ALT | Qt::Key_X);
    add(ScreenNames::Menu, "Command1", "Exit", Qt::ALT | Qt::Key_X);
}

void TestAccessibility::pictureButtonsAnswerTheirShortcuts()
{
    QFETCH(QString, screen);
    QFETCH(QString, button);
    QFETCH(QString, name);
    QFETCH(QKeySequence, shortcut);
    Screen *shown = m_program->open(screen);
    auto *target = shown->control<CommandButton>(button);
    QVERIFY(target);
    QCOMPARE(nameOf(target), name);
    QVERIFY2(target->toolTip().startsWith(name), qPrintable(target->toolTip()));
    QVERIFY2(target->toolTip().contains(shortcut.toString(QKeySequence::NativeText)), qPrintable(target->toolTip()));
    // The lesson screens' picture buttons stay out of the Tab order.
    if (button.startsWith(u"cmd"))
        QVERIFY(!(target->focusPolicy() & Qt::TabFocus));
    QSignalSpy clicks(target, &CommandButton::clicked);
    QTest::keySequence(shown, shortcut);
    // A shortcut shows the button going down and up before it clicks.
    QTRY_COMPARE(clicks.size(), 1);
}

void TestAccessibility::swatchesAreNamedByTheirColour()
{
    Screen *jotter = m_program->open(ScreenNames::Jotter);
    for (const QString &block : {QStringLiteral("Label1"), QStringLiteral("Label11")}) {
        for (int i = 0; i < 16; ++i) {
            auto *swatch = jotter->control<Label>(block, i);
            QVERIFY(swatch);
            int colour = 0;
            while (colour < 16 && qbColor(colour) != swatch->backColour())
                ++colour;
            QVERIFY(colour < 16);
            QCOMPARE(nameOf(swatch), Accessibility::colourName(colour));
        }
    }
}

// Whether words act is their definition's to say, not whoever listens for clicks.
void TestAccessibility::listeningDoesNotMakeAButton()
{
    Screen *proof = m_program->open(ScreenNames::Proof);
    auto *text = proof->control<Label>(QStringLiteral("Label3"));
    connect(text, &Label::clicked, this, [] {});
    QVERIFY(!(text->focusPolicy() & Qt::TabFocus));
    QCOMPARE(faceOf(text)->role(), QAccessible::StaticText);
    QCOMPARE(faceOf(proof->control<Label>(QStringLiteral("Label2")))->role(), QAccessible::Link);
}

// The way through every screen that the README gives, without a mouse: each
// step reaches a control by Tab (or names a shortcut), presses a key and
// says which screen is active after.
void TestAccessibility::keyboardOnlyTour()
{
    using namespace ScreenNames;
    struct Step
    {
        QString screen;
        const char *control; // reached by Tab; nullptr: the key goes to the window
        int index;
        QKeySequence key;
        QString after;
    };
    const QKeySequence space(Qt::Key_Space), enter(Qt::Key_Return);
    const QList<Step> tour{
        {Title, "Command1", NoIndex, space, Menu},
        {Menu, "Label2", 0, enter, Proof},
        {Proof, "Label5", NoIndex, space, Proof},
        {Proof, "Label2", NoIndex, enter, TriangleProblems},
        {TriangleProblems, "Text1", NoIndex, QKeySequence(Qt::Key_7), TriangleProblems},
        {TriangleProblems, "Text1", NoIndex, enter, TriangleProblems},
        {TriangleProblems, nullptr, NoIndex, QKeySequence(Qt::ALT | Qt::Key_J), Jotter},
        {Jotter, "Command1", NoIndex, space, TriangleProblems},
        {TriangleProblems, nullptr, NoIndex, QKeySequence(Qt::ALT | Qt::Key_X), Menu},
        {Menu, "Label5", 0, space, Explorer},
        {Explorer, "Label2", 0, enter, StellatedProblems},
        {StellatedProblems, nullptr, NoIndex, QKeySequence(Qt::ALT | Qt::Key_X), Menu},
        {Menu, "Label6", NoIndex, QKeySequence(Qt::Key_Enter), Menu},
        {Menu, nullptr, NoIndex, QKeySequence(Qt::ALT | Qt::Key_X), Title},
        {Title, "Command2", NoIndex, space, QString()},
    };
    ScreenRegistry &screens = m_program->screens();
    screens.show(Title);
    for (const Step &step : tour) {
        Screen *screen = screens.loaded(step.screen);
        if (!screen->isActiveWindow())
            screen->activateWindow(); // the window system would give it back when the Jotter closes
        QVERIFY2(QTest::qWaitForWindowActive(screen), qPrintable(step.screen));
        if (step.control)
            QVERIFY2(tabTo(screen->control<QWidget>(QLatin1String(step.control), step.index)), step.control);
        QTest::keySequence(step.control ? QApplication::focusWidget() : screen, step.key);
        TestProgram::settle();
        if (step.after.isEmpty())
            QVERIFY(screens.hasEnded());
        else
            QTRY_VERIFY2(screens.loaded(step.after) && screens.loaded(step.after)->isVisible(), qPrintable(step.after));
    }
    // The web address, too, was opened from the keyboard.
    QCOMPARE(m_program->openedUrls().size(), 1);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
