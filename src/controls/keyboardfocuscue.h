// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

class QFocusEvent;
class QWidget;

// Whether a control should show its focus ring: only when the keyboard
// brought the focus there (Tab, Shift+Tab, a shortcut). A window opened or
// used with the mouse shows none, although Qt hands the first control the
// focus when the window comes up.
class KeyboardFocusCue
{
public:
    void focusIn(const QFocusEvent *event);
    void focusOut(const QFocusEvent *event);
    // The mouse was used on the control: the ring goes.
    void mouseUsed() { m_byKeyboard = false; }
    bool isShown(const QWidget *control) const;

private:
    bool m_byKeyboard = false;
};
