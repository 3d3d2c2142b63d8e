// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/drawingscreen.h"

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
inline QString pictureRoot()
{
    return QStringLiteral(VERTEXA_PROGRAM_DIR);
}
inline QStringList pictureFiles()
{
    QStringList files;
    for (QDirIterator it(pictureRoot(),
                         {QStringLiteral("*.jpg"), QStringLiteral("*.gif")},
                         QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();)
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
    const bool pressed = button != Qt::NoButton;
    if (QApplication::activeWindow() != top && pressed) {
        top->activateWindow();
        QApplication::processEvents();
    }
    static int timestamp = 0; // far apart, so that two clicks never make a double click
    top->winId();
    const auto send =
        [handle = top->windowHandle()](QPoint at, Qt::MouseButtons state, Qt::MouseButton changed, QEvent::Type type) {
            qt_handleMouseEvent(handle,
                                QPointF(at),
                                handle->mapToGlobal(at),
                                state,
                                changed,
                                type,
                                Qt::NoModifier,
                                timestamp += 1000);
        };
    if (pressed)
        send(pixels.first(), held | button, button, QEvent::MouseButtonPress);
    for (qsizetype i = pressed; i < pixels.size(); ++i)
        send(pixels.at(i), held | button, Qt::NoButton, QEvent::MouseMove);
    if (pressed)
        send(pixels.last(), held & ~Qt::MouseButtons(button), button, QEvent::MouseButtonRelease);
}

inline void click(QWidget *control)
{
    drag(control->window(), {control->mapTo(control->window(), control->rect().center())}, Qt::LeftButton);
}

// A press and a release with the text a keyboard gives them, each to whichever
// window is active at that moment (a press may close the window it went to).
inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    static const QHash<Qt::Key, QString> others{{Qt::Key_Return, "\r"},
                                                {Qt::Key_Enter, "\r"},
                                                {Qt::Key_Backspace, "\b"},
                                                {Qt::Key_Tab, "\t"},
                                                {Qt::Key_Escape, "\x1b"},
                                                {Qt::Key_Delete, "\x7f"}};
    QString text = key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde ? QString(QChar(key)) : others.value(key);
    if (modifiers & Qt::ControlModifier && key >= Qt::Key_A && key <= Qt::Key_Z)
        text = QChar(key - Qt::Key_A + 1); // the control characters
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        if (QWidget *active = QApplication::activeWindow())
            qt_handleKeyEvent(active->windowHandle(),
                              type,
                              key,
                              modifiers,
                              modifiers & Qt::ShiftModifier ? text : text.toLower());
    }
}

// Drops the offscreen window system's notes that it cannot raise a window
// or pass on size hints, which thousands of visits would bury the output
// in, and checks that the generated pictures are there to visit with.
inline void prepare()
{
    static const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (previous &&
                (type != QtWarningMsg || !message.startsWith(QLatin1String("This plugin does not support"))))
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

// One click of a pupil's way: the control (with its index in a control
// array), the screen it is on, and the screen it leads to (none for "Exit").
struct Step
{
    QString from, control, to;
    int index = NoIndex;
};

// From the menu into every lesson screen and out again, the Jotter opened on
// both problems pages: closed by its own button, then left with its page.
inline const QList<Step> &lessonRoute()
{
    using namespace ScreenNames;
    static const QList<Step> route{
        {Menu, "Label2", Proof, 0},
        {Proof, "cmdexit", Menu},
        {Menu, "Label2", Proof, 0},
        {Proof, "Label2", TriangleProblems},
        {TriangleProblems, "cmdjotter", Jotter},
        {Jotter, "Command1", TriangleProblems},
        {TriangleProblems, "cmdexit", Menu},
        {Menu, "Label5", Explorer, 0},
        {Explorer, "cmdexit", Menu},
        {Menu, "Label5", Explorer, 0},
        {Explorer, "Label2", StellatedProblems, 0},
        {StellatedProblems, "cmdjotter", Jotter},
        {StellatedProblems, "cmdexit", Menu},
    };
    return route;
}

// Takes the steps in turn, checking that each leads to its screen alone (the
// Jotter beside its page, nothing after "Exit") and drawing on every Jotter
// reached; `reached` sees every other screen.
inline void walk(const QList<Step> &steps, const std::function<void(Screen *)> &reached = {})
{
    for (const Step &step : steps) {
        QWidget *control = nullptr;
        for (Screen *screen : visibleScreens())
            control = screen->screenName() == step.from ? screen->control<QWidget>(step.control, step.index) : control;
        QVERIFY2(control, qPrintable(step.from + u':' + step.control));
        click(control);
        // What the event loop does between two clicks.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Screen *screen = nullptr;
        QStringList names;
        for (Screen *shown : visibleScreens()) {
            names.append(shown->screenName());
            screen = shown->screenName() == step.to ? shown : screen;
        }
        names.removeAll(step.to == ScreenNames::Jotter ? step.from : QString());
        QVERIFY2(names.join(u' ') == step.to,
                 qPrintable(step.from + u':' + step.control + QStringLiteral(" led to: ") + names.join(u' ')));
        if (step.to == ScreenNames::Jotter) {
            drag(screen, {QPoint(40, 40), QPoint(300, 120), QPoint(600, 30)}, Qt::LeftButton);
            QVERIFY(!qobject_cast<DrawingScreen *>(screen)->drawing().isBlank());
        } else if (screen && reached) {
            reached(screen);
            if (QTest::currentTestFailed())
                return;
        }
    }
}

} // namespace Pupil
