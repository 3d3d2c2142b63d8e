// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "pupil.h"

#include "screens/screen.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace Pupil {
namespace {

// Far apart, so that two clicks never make a double click.
int nextTimestamp()
{
    static int timestamp = 0;
    timestamp += 1000;
    return timestamp;
}

QWindow *handleOf(QWidget *window)
{
    QWidget *top = window->window();
    if (!top->windowHandle())
        top->winId();
    return top->windowHandle();
}

void sendMouse(QWidget *window, QPoint pixels, Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type)
{
    QWindow *handle = handleOf(window);
    qt_handleMouseEvent(handle, QPointF(pixels), handle->mapToGlobal(pixels), state, button, type, Qt::NoModifier, nextTimestamp());
}

void bringToFront(QWidget *window)
{
    QWidget *top = window->window();
    if (QApplication::activeWindow() != top) {
        top->activateWindow();
        QApplication::processEvents();
    }
}

QPoint middleOf(QWidget *control)
{
    return control->mapTo(control->window(), control->rect().center());
}

QWindow *keyWindow()
{
    QWidget *active = QApplication::activeWindow();
    return active ? handleOf(active) : nullptr;
}

// The text a key types, as a keyboard gives it.
QString textOf(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return QString(QChar(key));
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return QString(QChar(modifiers & Qt::ShiftModifier ? key : key + 32));
    switch (key) {
    case Qt::Key_Space: return QStringLiteral(" ");
    case Qt::Key_Minus: return QStringLiteral("-");
    case Qt::Key_Period: return QStringLiteral(".");
    case Qt::Key_Return:
    case Qt::Key_Enter: return QStringLiteral("\r");
    case Qt::Key_Backspace: return QStringLiteral("\b");
    case Qt::Key_Tab: return QStringLiteral("\t");
    case Qt::Key_Escape: return QStringLiteral("\x1b");
    case Qt::Key_Delete: return QStringLiteral("\x7f");
    default: return {};
    }
}

// One press and one release, the modifiers held throughout, each going to
// whichever window is active at that moment: a press may close the window
// it went to.
void sendKey(Qt::Key key, const QString &text, Qt::KeyboardModifiers modifiers)
{
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        if (QWindow *window = keyWindow())
            qt_handleKeyEvent(window, type, key, modifiers, text);
    }
}

} // namespace

void click(QWidget *control, Qt::MouseButton button)
{
    clickAt(control->window(), middleOf(control), button);
}

void clickAt(QWidget *window, QPoint pixels, Qt::MouseButton button)
{
    bringToFront(window);
    sendMouse(window, pixels, button, button, QEvent::MouseButtonPress);
    sendMouse(window, pixels, Qt::NoButton, button, QEvent::MouseButtonRelease);
}

void hover(QWidget *control)
{
    hoverAt(control->window(), middleOf(control));
}

void hoverAt(QWidget *window, QPoint pixels)
{
    sendMouse(window, pixels, Qt::NoButton, Qt::NoButton, QEvent::MouseMove);
}

void drag(QWidget *window, const QList<QPoint> &pixels, Qt::MouseButton button, Qt::MouseButtons held)
{
    if (pixels.isEmpty())
        return;
    bringToFront(window);
    sendMouse(window, pixels.first(), held | button, button, QEvent::MouseButtonPress);
    for (qsizetype i = 1; i < pixels.size(); ++i)
        sendMouse(window, pixels.at(i), held | button, Qt::NoButton, QEvent::MouseMove);
    sendMouse(window, pixels.last(), held & ~Qt::MouseButtons(button), button, QEvent::MouseButtonRelease);
}

void moveHolding(QWidget *window, QPoint pixels, Qt::MouseButtons held)
{
    sendMouse(window, pixels, held, Qt::NoButton, QEvent::MouseMove);
}

void type(const QString &text)
{
    for (const QChar c : text) {
        Qt::Key key = Qt::Key_unknown;
        if (c.isLetterOrNumber() && c.unicode() < 128)
            key = Qt::Key(c.toUpper().unicode());
        else if (c == u' ')
            key = Qt::Key_Space;
        else if (c == u'-')
            key = Qt::Key_Minus;
        else if (c == u'.')
            key = Qt::Key_Period;
        sendKey(key, QString(c), Qt::NoModifier);
    }
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    sendKey(key, textOf(key, modifiers), modifiers);
}

void pressCharacter(QChar character, Qt::KeyboardModifiers modifiers)
{
    sendKey(Qt::Key_unknown, QString(character), modifiers);
}

namespace {
QtMessageHandler previousHandler = nullptr;

void dropWindowSystemNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}
} // namespace

void quietWindowSystem()
{
    if (!previousHandler)
        previousHandler = qInstallMessageHandler(dropWindowSystemNotes);
}

QList<Screen *> visibleScreens()
{
    QList<Screen *> screens;
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (auto *screen = qobject_cast<Screen *>(window); screen && screen->isVisible())
            screens.append(screen);
    }
    return screens;
}

Screen *visibleScreen(const QString &name)
{
    const QList<Screen *> screens = visibleScreens();
    for (Screen *screen : screens) {
        if (screen->screenName() == name)
            return screen;
    }
    return nullptr;
}

QWidget *focus()
{
    return QApplication::focusWidget();
}

} // namespace Pupil
