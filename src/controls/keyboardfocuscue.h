// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class QFocusEvent;

// Whether a control should show its focus ring: only when the keyboard
// brought the focus there (Tab, Shift+Tab, a shortcut, or a key that opened
// its window). A window opened or used with the mouse shows none, although
// Qt hands the first control the focus when the window comes up.
class KeyboardFocusCue
{
public:
    // Around what a key (Enter, Space) makes a control do: a window that
    // comes up meanwhile shows the ring on the first control it focuses.
    class KeyAction
    {
    public:
        KeyAction();
        ~KeyAction();
        KeyAction(const KeyAction &) = delete;
        KeyAction &operator=(const KeyAction &) = delete;

    private:
        friend class KeyboardFocusCue;
        KeyAction *m_outer;
        QList<QWidget *> m_shownBefore;
        QList<const QWidget *> m_focused; // new windows whose first focus came meanwhile
    };

    void focusIn(const QWidget *control, const QFocusEvent *event);
    void focusOut(const QFocusEvent *event);
    // The mouse was used on the control: the ring goes.
    void mouseUsed() { m_byKeyboard = false; }
    bool isShown(const QWidget *control) const;

private:
    bool m_byKeyboard = false;
    // Windows a key opened whose first focus is still to come.
    static inline QList<QPointer<QWidget>> s_openedByKey;
    static inline KeyAction *s_keyAction = nullptr;
};
