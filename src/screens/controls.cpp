// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/controls.h"

#include "common/twips.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHash>
#include <QIcon>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <qdrawutil.h>

// Label ---------------------------------------------------------------------

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
        return label()->isActivatable() ? QAccessible::Button : QAccessible::StaticText;
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

void Label::connectNotify(const QMetaMethod &signal)
{
    // Mouse behaviour stays as it was: only Tab gives a label the focus.
    if (signal == QMetaMethod::fromSignal(&Label::clicked) && !m_activatable) {
        m_activatable = true;
        setFocusPolicy(Qt::TabFocus);
    }
    QFrame::connectNotify(signal);
}

void Label::keyPressEvent(QKeyEvent *event)
{
    const bool press = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
    if (m_activatable && press && event->modifiers() == Qt::NoModifier) {
        event->accept();
        activate();
        return;
    }
    QFrame::keyPressEvent(event);
}

void Label::focusInEvent(QFocusEvent *event)
{
    m_focusCue.focusIn(event);
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
    painter.setFont(fittedFont(area, flags));
    if (isEnabled()) {
        painter.setPen(m_fore);
        painter.drawText(area, flags, m_text);
    } else {
        // Greyed and embossed, the usual look of an entry that cannot be chosen.
        painter.setPen(QColor(255, 255, 255));
        painter.drawText(area.translated(1, 1), flags, m_text);
        painter.setPen(QColor(128, 128, 128));
        painter.drawText(area, flags, m_text);
    }
    if (isBordered()) {
        // One line of the window-frame colour, the same on all four sides.
        const QColor line(Qt::black);
        const QRect r = rect();
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), line);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), line);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), line);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), line);
    }
    if (m_focusCue.isShown(this)) {
        // A dotted ring in the text's colour: visible on every back colour the
        // screens use, and it moves nothing.
        painter.setPen(QPen(m_fore, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(1, 1, -2, -2));
    }
}

QFont Label::fittedFont(const QRect &area, int flags) const
{
    // A stand-in face may be wider than the one asked for (DejaVu Sans for
    // Tahoma); rather than lose words off the edge, the text is drawn a
    // little smaller until it fits, down to a floor.
    QFont fitted = font();
    const qreal asked = fitted.pointSizeF();
    if (asked <= 0 || m_text.isEmpty())
        return fitted;
    constexpr qreal Floor = 0.6;
    constexpr qreal Step = 0.95;
    for (qreal size = asked; size >= asked * Floor; size *= Step) {
        fitted.setPointSizeF(size);
        const QRect needed = QFontMetrics(fitted).boundingRect(area, flags, m_text);
        if (needed.width() <= area.width() && needed.height() <= area.height())
            break;
    }
    return fitted;
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

// TextBox -------------------------------------------------------------------

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
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
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

// CommandButton -------------------------------------------------------------

CommandButton::CommandButton(QWidget *parent)
    : QPushButton(parent)
{
}

void CommandButton::setGraphical(bool graphical)
{
    m_graphical = graphical;
    update();
}

void CommandButton::setFaceColour(const QColor &colour)
{
    m_face = colour;
    QPalette p = palette();
    p.setColor(QPalette::Button, colour);
    setPalette(p);
    update();
}

bool CommandButton::setPicture(const QImage &picture)
{
    if (picture.isNull())
        return false;
    m_picture = picture;
    update();
    return true;
}

void CommandButton::paintEvent(QPaintEvent *event)
{
    if (!m_graphical) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    // A plain raised panel in the face colour. The style's own bevel would
    // be cached under this button's palette, which is new for every button,
    // and the cache's keys outlive the buttons: every Jotter opened would
    // leave some memory behind for good.
    const QBrush face = palette().brush(QPalette::Button);
    qDrawWinButton(&painter, rect(), palette(), isDown(), &face);

    QRect inner = rect().adjusted(2, 2, -2, -2);
    if (isDown())
        inner.translate(1, 1);
    if (!m_picture.isNull()) {
        // The face fills the button, keeping its proportions.
        QSize size = (QSizeF(m_picture.size()) / m_picture.devicePixelRatio()).toSize();
        size.scale(inner.size(), Qt::KeepAspectRatio);
        QRect target(QPoint(0, 0), size);
        target.moveCenter(inner.center());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, m_picture);
    }
    if (!text().isEmpty()) {
        painter.setPen(isEnabled() ? QColor(Qt::black) : QColor(128, 128, 128));
        painter.drawText(inner, Qt::AlignCenter | Qt::TextWordWrap, text());
    }
    if (m_focusCue.isShown(this)) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void CommandButton::mousePressEvent(QMouseEvent *event)
{
    m_focusCue.mouseUsed();
    QPushButton::mousePressEvent(event);
}

void CommandButton::focusInEvent(QFocusEvent *event)
{
    m_focusCue.focusIn(event);
    QPushButton::focusInEvent(event);
}

void CommandButton::focusOutEvent(QFocusEvent *event)
{
    m_focusCue.focusOut(event);
    QPushButton::focusOutEvent(event);
}

// PictureView ---------------------------------------------------------------

PictureView::PictureView(Fit fit, QWidget *parent)
    : QWidget(parent)
    , m_fit(fit)
{
}

bool PictureView::setPicture(const QImage &picture)
{
    if (picture.isNull())
        return false;
    m_picture = picture;
    update();
    return true;
}

void PictureView::setBackColour(const QColor &colour)
{
    m_back = colour;
    update();
}

void PictureView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_back.isValid())
        painter.fillRect(rect(), m_back);
    if (m_picture.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_fit == Fit::Stretch)
        painter.drawImage(rect(), m_picture);
    else
        painter.drawImage(QPoint(0, 0), m_picture); // at its own size, which a fine picture gives in its ratio
}

// FrameBox ------------------------------------------------------------------

FrameBox::FrameBox(QWidget *parent)
    : QWidget(parent)
{
    // A press on the frame belongs to the frame: it must not reach the
    // window beneath, where it would start a stroke.
    setAttribute(Qt::WA_NoMousePropagation);
}

QColor FrameBox::backColour() const
{
    return palette().color(QPalette::Window);
}

void FrameBox::setBackColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    setAutoFillBackground(true);
}

// LineControl ---------------------------------------------------------------

LineControl::LineControl(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::setEnds(const QPoint &fromTwips, const QPoint &toTwips)
{
    m_from = fromTwips;
    m_to = toTwips;
    place();
}

void LineControl::setColour(const QColor &colour)
{
    m_colour = colour;
    update();
}

void LineControl::setLineWidth(int pixels)
{
    m_width = qMax(1, pixels);
    place();
}

void LineControl::place()
{
    const QPointF a = QPointF(m_from) / TwipsPerPixel;
    const QPointF b = QPointF(m_to) / TwipsPerPixel;
    const int margin = m_width / 2 + 2;
    setGeometry(QRectF(a, b).normalized().toAlignedRect().adjusted(-margin, -margin, margin, margin));
    update();
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(m_colour, m_width);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    const QPointF origin = geometry().topLeft();
    painter.drawLine(QPointF(m_from) / TwipsPerPixel - origin, QPointF(m_to) / TwipsPerPixel - origin);
}

// PlayerBar -----------------------------------------------------------------

namespace {

// The player bars' four pictures, made once for the whole program: a fresh
// icon for every bar leaves a little memory in the style's caches at every
// visit of a problems page, without end.
class PlayerIcons : public QObject
{
public:
    static QIcon icon(QStyle::StandardPixmap which, const QStyle *style)
    {
        static QPointer<PlayerIcons> icons;
        if (!icons)
            icons = new PlayerIcons(QCoreApplication::instance());
        auto found = icons->m_icons.find(which);
        if (found == icons->m_icons.end())
            found = icons->m_icons.insert(which, style->standardIcon(which));
        return *found;
    }

private:
    using QObject::QObject;
    QHash<int, QIcon> m_icons;
};

} // namespace

PlayerBar::PlayerBar(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    struct Look
    {
        QStyle::StandardPixmap icon;
        const char *name;
    };
    const std::array<Look, 4> looks{{
        {QStyle::SP_MediaPlay, QT_TR_NOOP("Play")},
        {QStyle::SP_MediaPause, QT_TR_NOOP("Pause")},
        {QStyle::SP_MediaSeekBackward, QT_TR_NOOP("Step back")},
        {QStyle::SP_MediaSeekForward, QT_TR_NOOP("Step forward")},
    }};
    for (std::size_t i = 0; i < Buttons.size(); ++i) {
        auto *b = new QToolButton(this);
        b->setIcon(PlayerIcons::icon(looks[i].icon, style()));
        b->setAccessibleName(tr(looks[i].name));
        b->setToolTip(tr(looks[i].name));
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(b);
        const Button which = Buttons[i];
        connect(b, &QToolButton::clicked, this, [this, which] { Q_EMIT clicked(which); });
        m_buttons[i] = b;
    }
}

QToolButton *PlayerBar::button(Button which) const
{
    return m_buttons[static_cast<std::size_t>(which)];
}

void PlayerBar::setAvailable(Button which, bool available)
{
    button(which)->setEnabled(available);
}

bool PlayerBar::isAvailable(Button which) const
{
    return button(which)->isEnabled();
}
