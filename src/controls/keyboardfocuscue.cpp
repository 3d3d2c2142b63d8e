// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "controls/keyboardfocuscue.h"

#include <QApplication>
#include <QFocusEvent>

namespace {

// The window went away and came back (another window, a menu): the focus
// returns to where it was and keeps the way it got there.
bool windowSwitch(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

QList<QWidget *> shownWindows()
{
    QList<QWidget *> shown;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            shown.append(window);
    }
    return shown;
}

} // namespace

KeyboardFocusCue::KeyAction::KeyAction()
    : m_outer(s_keyAction)
    , m_shownBefore(shownWindows())
{
    s_keyAction = this;
}

KeyboardFocusCue::KeyAction::~KeyAction()
{
    s_keyAction = m_outer;
    // Windows that came up and have not had the focus yet get it later,
    // from the window system.
    s_openedByKey.removeAll(nullptr);
    for (QWidget *window : shownWindows()) {
        if (!m_shownBefore.contains(window) && !m_focused.contains(window))
            s_openedByKey.append(window);
    }
}

void KeyboardFocusCue::focusIn(const QWidget *control, const QFocusEvent *event)
{
    // The first focus in a window a key opened came by the keyboard, however
    // the window system hands it over: while the key acts, or afterwards.
    const QWidget *window = control->window();
    const bool openingNow =
        s_keyAction && !s_keyAction->m_shownBefore.contains(window) && !s_keyAction->m_focused.contains(window);
    if (openingNow)
        s_keyAction->m_focused.append(window);
    if (openingNow || s_openedByKey.removeAll(window) > 0) {
        m_byKeyboard = true;
        return;
    }
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        m_byKeyboard = true;
        break;
    default:
        if (!windowSwitch(event->reason()))
            m_byKeyboard = false;
        break;
    }
}

void KeyboardFocusCue::focusOut(const QFocusEvent *event)
{
    if (!windowSwitch(event->reason()))
        m_byKeyboard = false;
}

bool KeyboardFocusCue::isShown(const QWidget *control) const
{
    return m_byKeyboard && control->hasFocus();
}
