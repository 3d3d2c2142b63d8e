// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QLineEdit>
#include <functional>

// A single-line text box whose typed characters pass a hook first. The hook
// sees the character code (13 for Enter, 8 for Backspace, 127 for Delete) and
// returns the code to go on with; 0 discards the key.
class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    using KeyPressHook = std::function<int(int code)>;

    // Delete types no character, but it edits the text as Backspace does, so
    // the hook sees it too, as the DEL character a keyboard sends with it.
    static constexpr int DeleteCode = 127;

    explicit TextBox(QWidget *parent = nullptr);

    void setKeyPressHook(KeyPressHook hook) { m_hook = std::move(hook); }
    void setForeColour(const QColor &colour);

    // The character code a key event would hand the hook, or 0 for keys that
    // neither type nor delete a character (arrows, Home, Tab...).
    static int characterCode(const QKeyEvent *event);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    KeyPressHook m_hook;
};
