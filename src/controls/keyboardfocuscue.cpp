// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "controls/keyboardfocuscue.h"

#include <QFocusEvent>
#include <QWidget>

namespace {

// The window went away and came back (another window, a menu): the focus
// returns to where it was and keeps the way it got there.
bool windowSwitch(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

} // namespace

void KeyboardFocusCue::focusIn(const QFocusEvent *event)
{
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
