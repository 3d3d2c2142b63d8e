// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/screen.h"

#include <QApplication>
#include <QDirIterator>
#include <QTest>
#include <QWindow>
#include <functional>

// Drives the program as a pupil does: input enters through the window system
// at a point of a window and the application routes it, so a covered, hidden
// or disabled control does not get it. Keys go to the active window's focus.
namespace Pupil {

// The pictures the build generates beside the executable.
inline QString pictureRoot() { return QStringLiteral(VERTEXA_PROGRAM_DIR); }
inline QStringList pictureFiles()
{
    QStringList files;
    QDirIterator it(pictureRoot(), {QStringLiteral("*.jpg"), QStringLiteral("*.gif")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(pictureRoot()).relativeFilePath(it.next()));
    files.sort();
    return files;
}

// Presses `button` at the first point, moves through the others with `held`
// and releases at the last; one point is a click. With no button it only
// moves, `held` held since before the pointer came in. An inactive window is
// activated first, as the window manager does on a click.
inline void drag(QWidget *window, const QList<QPoint> &pixels, Qt::MouseButton button, Qt::MouseButtons held = {})
{
    QWidget *top = window->window();
    if (QApplication::activeWindow() != top && button != Qt::NoButton) {
        top->activateWindow();
        QApplication::processEvents();
    }
    static int timestamp = 0; // far apart, so that two clicks never make a double click
    top->winId();
    QWindow *handle = top->windowHandle();
    const auto send = [&](QPoint at, Qt::MouseButtons state, Qt::MouseButton changed, QEvent::Type type) {
        qt_handleMouseEvent(handle, QPointF(at), handle->mapToGlobal(at), state, changed, type, Qt::NoModifier, timestamp += 1000);
    };
    const bool pressed = button != Qt::NoButton;
    if (pressed)
        send(pixels.first(), held | button, button, QEvent::MouseButtonPress);
    for (qsizetype i = pressed; i < pixels.size(); ++i)
        send(pixels.at(i), held | button, Qt::NoButton, QEvent::MouseMove);
    if (pressed)
        send(pixels.last(), held & ~Qt::MouseButtons(button), button, QEvent::MouseButtonRelease);
}

inline void click(QWidget *control, Qt::MouseButton button = Qt::LeftButton)
{
    drag(control->window(), {control->mapTo(control->window(), control->rect().center())}, button);
}

// A press and a release with the modifiers held, each to whichever window is
// active at that moment: a press may close the window it went to.
inline void key(Qt::Key key, const QString &text, Qt::KeyboardModifiers modifiers = {})
{
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        if (QWidget *active = QApplication::activeWindow())
            qt_handleKeyEvent(active->windowHandle(), type, key, modifiers, text);
    }
}

// A key with the text a keyboard gives it: the keys of printable characters
// have those characters' codes.
inline void press(Qt::Key k, Qt::KeyboardModifiers modifiers = {})
{
    static const QHash<Qt::Key, QString> others{{Qt::Key_Return, QStringLiteral("\r")}, {Qt::Key_Enter, QStringLiteral("\r")},
        {Qt::Key_Backspace, QStringLiteral("\b")}, {Qt::Key_Tab, QStringLiteral("\t")}, {Qt::Key_Escape, QStringLiteral("\x1b")},
        {Qt::Key_Delete, QStringLiteral("\x7f")}};
    const QString printed = k >= Qt::Key_Space && k <= Qt::Key_AsciiTilde ? QString(QChar(k)) : others.value(k);
    key(k, modifiers & Qt::ShiftModifier ? printed : printed.toLower(), modifiers);
}

// Drops the offscreen window system's notes that it cannot raise a window
// or pass on size hints, which thousands of visits would bury the output
// in, and checks that the generated pictures are there to visit with.
inline void prepare()
{
    static const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (previous && (type != QtWarningMsg || !message.startsWith(QLatin1String("This plugin does not support"))))
            previous(type, context, message);
    });
    QVERIFY2(pictureFiles().size() > 100, qPrintable(QStringLiteral("no generated pictures in %1").arg(pictureRoot())));
}

// The program's windows now on screen.
inline QList<Screen *> visibleScreens()
{
    QList<Screen *> screens;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *screen = qobject_cast<Screen *>(window); screen && screen->isVisible())
            screens.append(screen);
    }
    return screens;
}

// What the event loop does between two clicks.
inline void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The screen named, if it is the only window on screen besides `beside`
// (the names of the windows there otherwise, as a warning).
inline Screen *only(const QString &name, const QString &beside = {})
{
    settle();
    Screen *found = nullptr;
    QStringList names;
    for (Screen *screen : visibleScreens()) {
        names.append(screen->screenName());
        found = screen->screenName() == name ? screen : found;
    }
    if (found && names.size() == 1 + int(!beside.isEmpty() && names.contains(beside)))
        return found;
    qWarning("expected %s on screen, saw: %s", qPrintable(name), qPrintable(names.join(u' ')));
    return nullptr;
}

// One click of a pupil's way through the program: the control clicked, on
// the screen it is on, and the screen it leads to (none for "Exit").
struct Step
{
    QString from, control;
    int index;
    QString to;
};

// From the menu into every lesson screen and out again, the Jotter opened on
// both problems pages: closed by its own button, then left with its page.
inline const QList<Step> &lessonRoute()
{
    using namespace ScreenNames;
    static const QList<Step> route{
        {Menu, QStringLiteral("Label2"), 0, Proof},
        {Proof, QStringLiteral("cmdexit"), NoIndex, Menu},
        {Menu, QStringLiteral("Label2"), 0, Proof},
        {Proof, QStringLiteral("Label2"), NoIndex, TriangleProblems},
        {TriangleProblems, QStringLiteral("cmdjotter"), NoIndex, Jotter},
        {Jotter, QStringLiteral("Command1"), NoIndex, TriangleProblems},
        {TriangleProblems, QStringLiteral("cmdexit"), NoIndex, Menu},
        {Menu, QStringLiteral("Label5"), 0, Explorer},
        {Explorer, QStringLiteral("cmdexit"), NoIndex, Menu},
        {Menu, QStringLiteral("Label5"), 0, Explorer},
        {Explorer, QStringLiteral("Label2"), 0, StellatedProblems},
        {StellatedProblems, QStringLiteral("cmdjotter"), NoIndex, Jotter},
        {StellatedProblems, QStringLiteral("cmdexit"), NoIndex, Menu},
    };
    return route;
}

// Takes the steps in turn, checking that each leads to its screen alone (the
// Jotter beside its page) and drawing on every Jotter reached; `reached` sees
// every other screen.
inline void walk(const QList<Step> &steps, const std::function<void(Screen *)> &reached = {})
{
    for (const Step &step : steps) {
        QWidget *control = nullptr;
        for (Screen *screen : visibleScreens())
            control = screen->screenName() == step.from ? screen->control<QWidget>(step.control, step.index) : control;
        QVERIFY2(control, qPrintable(step.from + u':' + step.control));
        click(control);
        if (step.to.isEmpty()) {
            settle();
            QVERIFY2(visibleScreens().isEmpty(), qPrintable(step.control + QStringLiteral(" left windows on screen")));
            continue;
        }
        Screen *screen = only(step.to, step.to == ScreenNames::Jotter ? step.from : QString());
        QVERIFY2(screen, qPrintable(step.to));
        if (step.to == ScreenNames::Jotter) {
            drag(screen, {QPoint(40, 40), QPoint(300, 120), QPoint(600, 30)}, Qt::LeftButton);
            QVERIFY(!screen->drawing().isBlank());
        } else if (reached) {
            reached(screen);
            if (QTest::currentTestFailed())
                return;
        }
    }
}

} // namespace Pupil
