// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/keyboardfocuscue.h"

#include <QFrame>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>
#include <array>
#include <functional>

// The kinds of control a screen is built from. Each keeps its own look
// (colours, transparency, picture) so that screens only set values.

// Static text that can serve as a button or link. A transparent label draws
// only its text; an opaque one fills its rectangle with its back colour. A
// disabled label draws greyed text and takes no clicks. A label that anyone
// listens to for clicks acts as a button: Tab reaches it and Enter or Space
// clicks it, and assistive technology sees a button.
class Label : public QFrame
{
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);

    bool isActivatable() const { return m_activatable; }
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
    void connectNotify(const QMetaMethod &signal) override;

private:
    QFont fittedFont(const QRect &area, int flags) const;

    QString m_text;
    QColor m_fore = Qt::black;
    QColor m_back = Qt::white;
    bool m_transparent = false;
    bool m_pressed = false;
    bool m_activatable = false;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    KeyboardFocusCue m_focusCue;
};

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

// A command button: a caption on the system face, or graphical, with a
// picture and caption on its own back colour.
class CommandButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CommandButton(QWidget *parent = nullptr);

    bool isGraphical() const { return m_graphical; }
    void setGraphical(bool graphical);
    QColor faceColour() const { return m_face; }
    void setFaceColour(const QColor &colour);

    // A null picture changes nothing and returns false.
    bool setPicture(const QImage &picture);
    QImage picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool m_graphical = false;
    QColor m_face;
    QImage m_picture;
    KeyboardFocusCue m_focusCue;
};

// Shows a picture: stretched to the box (image box), or unscaled from the
// top-left corner on a back colour (picture box).
class PictureView : public QWidget
{
    Q_OBJECT
public:
    enum class Fit { Stretch, TopLeft };

    explicit PictureView(Fit fit, QWidget *parent = nullptr);

    // A null picture changes nothing and returns false, so a missing or
    // damaged file keeps what the box showed.
    bool setPicture(const QImage &picture);
    QImage picture() const { return m_picture; }
    QColor backColour() const { return m_back; }
    void setBackColour(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Fit m_fit;
    QImage m_picture;
    QColor m_back;
};

class ImageBox : public PictureView
{
    Q_OBJECT
public:
    explicit ImageBox(QWidget *parent = nullptr)
        : PictureView(Fit::Stretch, parent)
    {
    }
};

class PictureBox : public PictureView
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr)
        : PictureView(Fit::TopLeft, parent)
    {
    }
};

// A borderless container with a back colour; its controls move and hide with it.
class FrameBox : public QWidget
{
    Q_OBJECT
public:
    explicit FrameBox(QWidget *parent = nullptr);
    QColor backColour() const;
    void setBackColour(const QColor &colour);
};

// A straight line between two points in twips of its parent. It takes no
// mouse input, so whatever lies beneath still gets the clicks.
class LineControl : public QWidget
{
    Q_OBJECT
public:
    explicit LineControl(QWidget *parent = nullptr);

    QPoint from() const { return m_from; }
    QPoint to() const { return m_to; }
    void setEnds(const QPoint &fromTwips, const QPoint &toTwips);
    QColor colour() const { return m_colour; }
    void setColour(const QColor &colour);
    int lineWidth() const { return m_width; }
    void setLineWidth(int pixels);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void place();

    QPoint m_from, m_to;
    QColor m_colour = Qt::black;
    int m_width = 1;
};

// The animation's player bar: play, pause, step back and step forward, each
// available or not on its own.
class PlayerBar : public QWidget
{
    Q_OBJECT
public:
    enum class Button { Play, Pause, StepBack, StepForward };
    static constexpr std::array<Button, 4> Buttons{Button::Play, Button::Pause, Button::StepBack, Button::StepForward};

    explicit PlayerBar(QWidget *parent = nullptr);

    void setAvailable(Button button, bool available);
    bool isAvailable(Button button) const;
    QToolButton *button(Button button) const;

Q_SIGNALS:
    void clicked(PlayerBar::Button button);

private:
    std::array<QToolButton *, 4> m_buttons{};
};
