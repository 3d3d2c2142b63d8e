// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/colourtable.h"
#include "screens/accessibility.h"
#include "screens/controls.h"
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
    void init();
    void cleanup();
    void everyVisibleControlIsNamed_data();
    void everyVisibleControlIsNamed();
    void pictureButtonsAnswerTheirShortcuts_data();
    void pictureButtonsAnswerTheirShortcuts();
    void linksTakeTheKeyboard_data();
    void linksTakeTheKeyboard();
    void textIsNoTabStop();
    void aClickGivesALinkNoFocus();
    void swatchesAreNamedByTheirColour();
    void keyboardOnlyTour();

private:
    Screen *open(const QString &name);
    std::unique_ptr<TestProgram> m_program;
};

namespace {

QString nameOf(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
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

void TestAccessibility::init()
{
    m_program = std::make_unique<TestProgram>();
}

void TestAccessibility::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    m_program.reset();
}

Screen *TestAccessibility::open(const QString &name)
{
    m_program->screens().show(name);
    Screen *screen = m_program->screens().loaded(name);
    if (screen && !QTest::qWaitForWindowActive(screen))
        qWarning("%s not active", qPrintable(name));
    return screen;
}

void TestAccessibility::everyVisibleControlIsNamed_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<bool>("flipped");
    for (const QString &name : screenNames())
        QTest::addRow("%s", qPrintable(name)) << name << false;
    QTest::addRow("notepad, tall layout") << ScreenNames::Jotter << true;
}

void TestAccessibility::everyVisibleControlIsNamed()
{
    QFETCH(QString, screen);
    QFETCH(bool, flipped);
    Screen *shown = open(screen);
    QVERIFY(shown);
    if (flipped)
        shown->control<CommandButton>(QStringLiteral("Command3"))->click();

    QVERIFY2(!nameOf(shown).isEmpty(), "the window");
    QVERIFY(!shown->accessibleDescription().isEmpty());
    QStringList unnamed;
    int checked = 0;
    for (QWidget *widget : shown->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(shown) || !widget->isEnabled())
            continue;
        ++checked;
        if (nameOf(widget).trimmed().isEmpty())
            unnamed += QStringLiteral("%1 (%2)").arg(widget->objectName(), QString::fromLatin1(widget->metaObject()->className()));
    }
    QVERIFY(checked > 0);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", ")));
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
    Screen *shown = open(screen);
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

void TestAccessibility::linksTakeTheKeyboard_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("leadsTo"); // the screen shown after; empty: stays
    // Return on the other links is part of the keyboard-only tour.
    QTest::newRow("menu: stellated topic, Space") << ScreenNames::Menu << "Label5" << 0 << int(Qt::Key_Space) << ScreenNames::Explorer;
    QTest::newRow("menu: web link, keypad Enter") << ScreenNames::Menu << "Label6" << NoIndex << int(Qt::Key_Enter) << QString();
}

void TestAccessibility::linksTakeTheKeyboard()
{
    QFETCH(QString, screen);
    QFETCH(QString, label);
    QFETCH(int, index);
    QFETCH(int, key);
    QFETCH(QString, leadsTo);
    Screen *shown = open(screen);
    auto *link = shown->control<Label>(label, index);
    QVERIFY(link);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(link);
    QCOMPARE(face->role(), QAccessible::Button);
    QVERIFY(face->actionInterface() && face->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));

    QVERIFY(tabTo(link));
    QSignalSpy clicks(link, &Label::clicked);
    QTest::keyClick(link, Qt::Key(key));
    QCOMPARE(clicks.size(), 1);
    if (!leadsTo.isEmpty())
        QVERIFY(m_program->screens().loaded(leadsTo) && m_program->screens().loaded(leadsTo)->isVisible());
    else
        QCOMPARE(m_program->openedUrls().size(), 1);
}

void TestAccessibility::textIsNoTabStop()
{
    // Labels that only show words stay out of the way of Tab and read as text.
    Screen *proof = open(ScreenNames::Proof);
    for (const auto &[name, index] : {std::pair{QStringLiteral("Label1"), NoIndex}, {QStringLiteral("Label3"), NoIndex},
                                      {QStringLiteral("Label4"), 0}}) {
        auto *text = proof->control<Label>(name, index);
        QVERIFY(text);
        QCOMPARE(text->focusPolicy(), Qt::NoFocus);
        QCOMPARE(QAccessible::queryAccessibleInterface(text)->role(), QAccessible::StaticText);
    }
    // The greyed topics of the menu cannot be reached.
    Screen *menu = open(ScreenNames::Menu);
    for (int i = 1; i <= 4; ++i) {
        auto *later = menu->control<Label>(QStringLiteral("Label2"), i);
        QVERIFY(later && !later->isEnabled());
        later->setFocus(Qt::TabFocusReason);
        QVERIFY(!later->hasFocus());
    }
}

void TestAccessibility::aClickGivesALinkNoFocus()
{
    Screen *menu = open(ScreenNames::Menu);
    auto *web = menu->control<Label>(QStringLiteral("Label6"));
    QWidget *before = QApplication::focusWidget();
    QTest::mouseClick(web, Qt::LeftButton);
    QCOMPARE(m_program->openedUrls().size(), 1);
    QCOMPARE(QApplication::focusWidget(), before);
    QVERIFY(!web->hasFocus());
}

void TestAccessibility::swatchesAreNamedByTheirColour()
{
    Screen *jotter = open(ScreenNames::Jotter);
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

// The way through every screen that the README gives, without a mouse.
void TestAccessibility::keyboardOnlyTour()
{
    ScreenRegistry &screens = m_program->screens();
    const auto active = [&](const QString &name) {
        Screen *s = screens.loaded(name);
        return s && s->isVisible() && QTest::qWaitForWindowActive(s);
    };
    const auto control = [&](const QString &screen, const QString &name, int index = NoIndex) {
        return screens.loaded(screen)->control<QWidget>(name, index);
    };

    screens.show(ScreenNames::Title);
    QVERIFY(active(ScreenNames::Title));
    QVERIFY(tabTo(control(ScreenNames::Title, "Command1")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // OK
    TestProgram::settle();
    QVERIFY(active(ScreenNames::Menu));

    QVERIFY(tabTo(control(ScreenNames::Menu, "Label2", 0)));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    TestProgram::settle();
    QVERIFY(active(ScreenNames::Proof));
    QVERIFY(tabTo(control(ScreenNames::Proof, "Label5")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(control(ScreenNames::Proof, "Line1", 3)->isVisible());
    QVERIFY(tabTo(control(ScreenNames::Proof, "Label2")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    TestProgram::settle();

    QVERIFY(active(ScreenNames::TriangleProblems));
    QVERIFY(tabTo(control(ScreenNames::TriangleProblems, "Text1")));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(control(ScreenNames::TriangleProblems, "Label4")->isVisible());
    QTest::keySequence(screens.loaded(ScreenNames::TriangleProblems), QKeySequence(Qt::ALT | Qt::Key_J));
    QTRY_VERIFY(active(ScreenNames::Jotter));
    QVERIFY(tabTo(control(ScreenNames::Jotter, "Command1"))); // Exit
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    TestProgram::settle();
    QVERIFY(!screens.isLoaded(ScreenNames::Jotter));
    screens.loaded(ScreenNames::TriangleProblems)->activateWindow();
    QVERIFY(active(ScreenNames::TriangleProblems));
    QTest::keySequence(screens.loaded(ScreenNames::TriangleProblems), QKeySequence(Qt::ALT | Qt::Key_X));
    QTRY_VERIFY(active(ScreenNames::Menu));
    TestProgram::settle();
    QVERIFY(tabTo(control(ScreenNames::Menu, "Label5", 0)));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    TestProgram::settle();
    QVERIFY(active(ScreenNames::Explorer));
    QVERIFY(tabTo(control(ScreenNames::Explorer, "Label2", 0)));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    TestProgram::settle();
    QVERIFY(active(ScreenNames::StellatedProblems));
    QCOMPARE(QApplication::focusWidget(), control(ScreenNames::StellatedProblems, "Text1"));
    QTest::keySequence(screens.loaded(ScreenNames::StellatedProblems), QKeySequence(Qt::ALT | Qt::Key_X));
    QTRY_VERIFY(active(ScreenNames::Menu));
    TestProgram::settle();
    QTest::keySequence(screens.loaded(ScreenNames::Menu), QKeySequence(Qt::ALT | Qt::Key_X));
    QTRY_VERIFY(active(ScreenNames::Title));
    TestProgram::settle();
    QSignalSpy ended(&screens, &ScreenRegistry::endRequested);
    QVERIFY(tabTo(control(ScreenNames::Title, "Command2"))); // Exit
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(ended.size() == 1 || screens.hasEnded());
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
