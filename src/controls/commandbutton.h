// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "controls/keyboardfocuscue.h"

#include <QImage>
#include <QPushButton>

// A command button: a caption on the system face, or graphical, with a
// picture and caption on its own back colour.
class CommandButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CommandButton(QWidget *parent = nullptr);

    void setGraphical(bool graphical);
    void setFaceColour(const QColor &colour);

    // A null picture changes nothing and returns false.
    bool setPicture(const QImage &picture);
    QImage picture() const { return m_picture; }
    bool showsFocusRing() const { return m_focusCue.isShown(this); }

    // Where the caption is drawn and how it is laid out there; it is drawn a
    // little smaller when it does not fit at the button's size, as labels are.
    QRect captionArea() const;
    int captionFlags() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool m_graphical = false;
    QImage m_picture;
    KeyboardFocusCue m_focusCue;
};
