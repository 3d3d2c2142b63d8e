// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "controls/textbox.h"

#include "common/keycodes.h"

#include <QKeyEvent>

TextBox::TextBox(QWidget *parent)
    : QLineEdit(parent)
{
}

void TextBox::setForeColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Text, colour);
    setPalette(p);
}

int TextBox::characterCode(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyCode::Enter;
    case Qt::Key_Backspace:
        return KeyCode::Backspace;
    case Qt::Key_Escape:
        return KeyCode::Escape;
    case Qt::Key_Delete:
        return DeleteCode;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0;
    default:
        break;
    }
    const QString text = event->text();
    return text.isEmpty() ? 0 : text.at(0).unicode();
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    const int code = characterCode(event);
    if (code != 0 && m_hook && m_hook(code) == 0) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
