// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "common/colourtable.h"
#include "controls/keyboardfocuscue.h"
#include "controls/labelrole.h"

#include <QFrame>

// Static text that can serve as a button or link. A transparent label draws
// only its text; an opaque one fills its rectangle with its back colour. A
// disabled label draws greyed text and takes no clicks. A label whose
// definition says it acts as a button or link is on the Tab path, Enter or
// Space clicks it, and assistive technology sees a button or link.
class Label : public QFrame
{
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);

    LabelRole role() const { return m_role; }
    void setRole(LabelRole role);
    bool isActivatable() const { return m_role != LabelRole::Text; }
    bool showsFocusRing() const { return m_focusCue.isShown(this); }
    // Clicks it as the mouse would, when enabled.
    void activate();

    QString text() const { return m_text; }
    void setText(const QString &text);

    QColor foreColour() const { return m_fore; }
    void setForeColour(const QColor &colour);
    QColor backColour() const { return m_back; }
    void setBackColour(const QColor &colour);
    bool isTransparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    bool isBordered() const;
    void setBordered(bool bordered);

Q_SIGNALS:
    void clicked();
    // The pointer moved over the label, with the buttons held.
    void mouseMoved(Qt::MouseButtons buttons);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QString m_text;
    QColor m_fore = Colours::Black;
    QColor m_back = Colours::White;
    bool m_transparent = false;
    bool m_pressed = false;
    LabelRole m_role = LabelRole::Text;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    KeyboardFocusCue m_focusCue;
};
