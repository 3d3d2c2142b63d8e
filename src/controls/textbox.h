// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QLineEdit>
#include <functional>

// A single-line text box whose typed characters pass a hook first. The hook
// sees the character code (13 for Enter, 8 for Backspace) and returns the code
// to go on with; 0 discards the key.
class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    using KeyPressHook = std::function<int(int code)>;

    explicit TextBox(QWidget *parent = nullptr);

    void setKeyPressHook(KeyPressHook hook) { m_hook = std::move(hook); }
    void setForeColour(const QColor &colour);

    // The character code a key event would hand the hook, or 0 for keys that
    // type no character (arrows, Home, Delete, Tab...).
    static int characterCode(const QKeyEvent *event);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    KeyPressHook m_hook;
};
