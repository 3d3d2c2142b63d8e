// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "controls/label.h"

#include "common/colourtable.h"

#include "controls/fittedfont.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// What a screen reader is told about a label: static text, or a button when
// the label serves as one.
class LabelAccessible : public QAccessibleWidget
{
public:
    explicit LabelAccessible(Label *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QAccessible::Role role() const override
    {
        switch (label()->role()) {
        case LabelRole::Button:
            return QAccessible::Button;
        case LabelRole::Link:
            return QAccessible::Link;
        case LabelRole::Text:
            break;
        }
        return QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override
    {
        QString value = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && value.isEmpty())
            value = label()->text();
        return value;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->isActivatable() && label()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            label()->activate();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    Label *label() const { return static_cast<Label *>(widget()); }
};

QAccessibleInterface *labelAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(Label::staticMetaObject.className()) && object && object->isWidgetType())
        return new LabelAccessible(static_cast<Label *>(object));
    return nullptr;
}

} // namespace

Label::Label(QWidget *parent)
    : QFrame(parent)
{
    setMouseTracking(true);
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(labelAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

void Label::activate()
{
    if (isEnabled())
        Q_EMIT clicked();
}

void Label::setRole(LabelRole role)
{
    m_role = role;
    // Mouse behaviour stays as it was: only Tab gives a label the focus.
    setFocusPolicy(isActivatable() ? Qt::TabFocus : Qt::NoFocus);
}

void Label::keyPressEvent(QKeyEvent *event)
{
    const bool press = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
    if (isActivatable() && press && event->modifiers() == Qt::NoModifier) {
        event->accept();
        // A key held down acts once, not at every repeat (a held Enter would
        // run through the whole proof).
        if (!event->isAutoRepeat()) {
            KeyboardFocusCue::KeyAction action;
            activate();
        }
        return;
    }
    QFrame::keyPressEvent(event);
}

void Label::focusInEvent(QFocusEvent *event)
{
    m_focusCue.focusIn(this, event);
    QFrame::focusInEvent(event);
    update();
}

void Label::focusOutEvent(QFocusEvent *event)
{
    m_focusCue.focusOut(event);
    QFrame::focusOutEvent(event);
    update();
}

void Label::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    setAccessibleName(text);
    update();
}

void Label::setForeColour(const QColor &colour)
{
    m_fore = colour;
    update();
}

void Label::setBackColour(const QColor &colour)
{
    m_back = colour;
    update();
}

void Label::setTransparent(bool transparent)
{
    if (transparent == m_transparent)
        return;
    m_transparent = transparent;
    update();
}

void Label::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

bool Label::isBordered() const
{
    return frameShape() != QFrame::NoFrame;
}

void Label::setBordered(bool bordered)
{
    // The frame only keeps the text off the border; paintEvent draws the line.
    setFrameStyle(bordered ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    setLineWidth(1);
}

void Label::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_transparent)
        painter.fillRect(rect(), m_back);
    const int flags = int(m_alignment & Qt::AlignHorizontal_Mask) | Qt::AlignTop | Qt::TextWordWrap;
    const QRect area = contentsRect();
    painter.setFont(fittedFont(font(), area, flags, m_text));
    if (isEnabled()) {
        painter.setPen(m_fore);
        painter.drawText(area, flags, m_text);
    } else {
        // Greyed and embossed, the usual look of an entry that cannot be chosen.
        painter.setPen(Colours::White);
        painter.drawText(area.translated(1, 1), flags, m_text);
        painter.setPen(Colours::Grey);
        painter.drawText(area, flags, m_text);
    }
    if (isBordered()) {
        // One line of the window-frame colour, the same on all four sides.
        const QColor line(Colours::Black);
        const QRect r = rect();
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), line);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), line);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), line);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), line);
    }
    if (showsFocusRing()) {
        // A dotted ring in the text's colour: visible on every back colour the
        // screens use, and it moves nothing.
        painter.setPen(QPen(m_fore, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(1, 1, -2, -2));
    }
}

void Label::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    m_focusCue.mouseUsed();
    update();
    event->accept();
}

void Label::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The first press of a double-click has already clicked; a label has no
    // double-click of its own, so the second press does nothing.
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}

void Label::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT mouseMoved(event->buttons());
}
