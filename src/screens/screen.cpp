// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/screen.h"

#include "common/colourtable.h"

#include "common/twips.h"
#include "screens/accessibility.h"
#include "screens/commandbutton.h"
#include "screens/fonts.h"
#include "screens/framebox.h"
#include "screens/label.h"
#include "screens/linecontrol.h"
#include "screens/pictureview.h"
#include "screens/playerbar.h"
#include "screens/screencontext.h"
#include "screens/screenregistry.h"
#include "screens/textbox.h"
#include "screens/twipsgeometry.h"
#include "screens/windowframe.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>

namespace {

Qt::WindowFlags flagsFor(WindowBorder border)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint;
    if (border == WindowBorder::FixedSingle)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

QString objectNameFor(const QString &name, int index)
{
    return index == NoIndex ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

} // namespace

Screen::Screen(const ScreenDefinition &definition, ScreenContext &context)
    : QWidget(nullptr, flagsFor(definition.border))
    , m_definition(definition)
    , m_context(context)
    , m_background(definition.background)
{
    setObjectName(definition.name);
    setWindowTitle(shownText(definition.caption));
    setMouseTracking(true);
    setFixedSize(twipsToPixels(definition.clientSize));

    if (definition.position) {
        setLeftTwips(definition.position->x());
        setTopTwips(definition.position->y());
    } else {
        centreOnDisplay();
    }
    // A window manager may tell the frame only once the window is on screen.
    connect(&WindowFrame::instance(), &WindowFrame::changed, this, [this](QWidget *window) {
        if (window == this)
            refitFrame();
    });

    for (const ControlDefinition &c : definition.controls)
        createControl(c);
    applyTabOrder();
    Accessibility::describeWindow(*this, definition);
}

Screen::~Screen() = default;

QSize Screen::displaySizeTwips()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize pixels = screen ? screen->size() : QSize(800, 600);
    return pixels * TwipsPerPixel;
}

QObject *Screen::createControl(const ControlDefinition &d)
{
    QWidget *parent = this;
    if (!d.parent.isEmpty()) {
        if (auto *frame = control<FrameBox>(d.parent))
            parent = frame;
    }

    QObject *made = nullptr;
    QWidget *widget = nullptr;
    switch (d.kind) {
    case ControlKind::Label: {
        auto *label = new Label(parent);
        label->setText(shownText(d.text, d.textDisambiguation));
        label->setForeColour(d.foreColour.value_or(Colours::Black));
        label->setBackColour(d.backColour.value_or(palette().color(QPalette::Window)));
        label->setTransparent(d.transparent);
        label->setAlignment(d.alignment);
        label->setBordered(d.bordered);
        label->setRole(d.role);
        widget = label;
        break;
    }
    case ControlKind::CommandButton: {
        auto *button = new CommandButton(parent);
        button->setText(shownText(d.text, d.textDisambiguation));
        button->setGraphical(d.graphical);
        if (d.backColour)
            button->setFaceColour(*d.backColour);
        widget = button;
        break;
    }
    case ControlKind::TextBox: {
        auto *box = new TextBox(parent);
        box->setText(shownText(d.text, d.textDisambiguation));
        box->setAlignment(d.alignment | Qt::AlignVCenter);
        if (d.maxLength > 0)
            box->setMaxLength(d.maxLength);
        if (d.foreColour)
            box->setForeColour(*d.foreColour);
        widget = box;
        break;
    }
    case ControlKind::ImageBox:
    case ControlKind::PictureBox: {
        auto *view =
            d.kind == ControlKind::ImageBox ? static_cast<PictureView *>(new ImageBox(parent)) : new PictureBox(parent);
        if (d.backColour)
            view->setBackColour(*d.backColour);
        widget = view;
        break;
    }
    case ControlKind::Frame: {
        auto *frame = new FrameBox(parent);
        frame->setBackColour(
            d.backColour.value_or(m_background.isValid() ? m_background : palette().color(QPalette::Window)));
        widget = frame;
        break;
    }
    case ControlKind::Line: {
        auto *line = new LineControl(parent);
        line->setColour(d.foreColour.value_or(Colours::Black));
        line->setLineWidth(d.lineWidth);
        line->setEnds(d.lineFrom, d.lineTo);
        widget = line;
        break;
    }
    case ControlKind::PlayerBar:
        widget = new PlayerBar(parent);
        break;
    case ControlKind::Timer: {
        auto *timer = new QTimer(this);
        timer->setInterval(d.interval);
        if (!d.disabled)
            timer->start();
        made = timer;
        break;
    }
    }

    if (widget) {
        made = widget;
        if (d.kind != ControlKind::Line)
            TwipsGeometry::setRect(widget, d.rect);
        if (!d.font.face.isEmpty())
            widget->setFont(fontFor(d.font, widget->font()));
        widget->setEnabled(!d.disabled);
        widget->setVisible(!d.hidden);
        Accessibility::describeControl(*widget, d);
    }
    made->setObjectName(objectNameFor(d.name, d.index));

    const ControlKey key{d.name, d.index};
    m_controls.insert(key, made);
    m_controlDefinitions.insert(key, d);
    m_creationOrder.append(key);
    return made;
}

void Screen::applyTabOrder()
{
    QList<ControlKey> order;
    for (const ControlKey &key : std::as_const(m_creationOrder)) {
        const QObject *object = m_controls.value(key);
        if (qobject_cast<const TextBox *>(object) || qobject_cast<const CommandButton *>(object) ||
            qobject_cast<const PlayerBar *>(object))
            order.append(key);
    }
    // Numbered places first, then the rest in the order they were defined.
    std::stable_sort(order.begin(), order.end(), [this](const ControlKey &a, const ControlKey &b) {
        const int ta = m_controlDefinitions.value(a).tabIndex;
        const int tb = m_controlDefinitions.value(b).tabIndex;
        return (ta < 0 ? INT_MAX : ta) < (tb < 0 ? INT_MAX : tb);
    });

    QList<QWidget *> chain;
    for (const ControlKey &key : std::as_const(order)) {
        QObject *object = m_controls.value(key);
        if (auto *bar = qobject_cast<PlayerBar *>(object)) {
            for (PlayerControl b : PlayerControls)
                chain.append(bar->button(b));
        } else {
            chain.append(static_cast<QWidget *>(object));
        }
    }
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
}

QObject *Screen::controlObject(const QString &name, int index) const
{
    return m_controls.value(ControlKey{name, index}).data();
}

QList<int> Screen::indexesOf(const QString &name) const
{
    QList<int> indexes;
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it) {
        if (it.key().name == name && it.key().index != NoIndex && it.value())
            indexes.append(it.key().index);
    }
    std::sort(indexes.begin(), indexes.end());
    return indexes;
}

QWidget *Screen::loadControl(const QString &name, int newIndex)
{
    const ControlKey first{name, 0};
    auto *original = qobject_cast<QWidget *>(controlObject(name, 0));
    if (!original || newIndex == NoIndex || hasControl(name, newIndex))
        return nullptr;

    ControlDefinition copy = m_controlDefinitions.value(first);
    copy.index = newIndex;
    copy.hidden = true;
    copy.rect = TwipsGeometry::rect(original);
    copy.disabled = !original->isEnabled();
    auto *widget = static_cast<QWidget *>(createControl(copy));
    widget->setFont(original->font());
    if (auto *label = qobject_cast<Label *>(original)) {
        auto *made = static_cast<Label *>(widget);
        made->setText(label->text());
        made->setForeColour(label->foreColour());
        made->setBackColour(label->backColour());
        made->setTransparent(label->isTransparent());
    } else if (auto *button = qobject_cast<QAbstractButton *>(original)) {
        static_cast<QAbstractButton *>(widget)->setText(button->text());
    } else if (auto *box = qobject_cast<QLineEdit *>(original)) {
        static_cast<QLineEdit *>(widget)->setText(box->text());
    }
    return widget;
}

void Screen::setLeftTwips(double twips)
{
    m_centred = false;
    m_leftTwips = twips;
    applyGeometry();
}

void Screen::setTopTwips(double twips)
{
    m_centred = false;
    m_topTwips = twips;
    applyGeometry();
}

void Screen::centreOnDisplay()
{
    const QSize display = displaySizeTwips();
    setTopTwips(display.height() / 2.0 - outerHeightTwips() / 2.0);
    setLeftTwips(display.width() / 2.0 - outerWidthTwips() / 2.0);
    m_centred = true;
}

QMargins Screen::frameMargins()
{
    // A window created after a move() has its frame, not its client area,
    // put at that place, and keeps that rule; the client rectangle given
    // here instead keeps the rule that applyGeometry() counts on.
    if (!testAttribute(Qt::WA_WState_Created))
        setGeometry(geometry());
    return WindowFrame::instance().margins(this);
}

int Screen::outerWidthTwips()
{
    if (m_outerTwips)
        return m_outerTwips->width();
    const QMargins m = frameMargins();
    return (width() + m.left() + m.right()) * TwipsPerPixel;
}

int Screen::outerHeightTwips()
{
    if (m_outerTwips)
        return m_outerTwips->height();
    const QMargins m = frameMargins();
    return (height() + m.top() + m.bottom()) * TwipsPerPixel;
}

void Screen::setOuterSizeTwips(int width, int height)
{
    m_outerTwips = QSize(width, height);
    applyGeometry();
}

// The program's place and outer size are those of the whole window, frame
// included; the window system is given the client area inside the frame.
void Screen::applyGeometry()
{
    const QMargins m = frameMargins();
    QSize client = size();
    if (m_outerTwips) {
        client =
            (twipsToPixels(*m_outerTwips) - QSize(m.left() + m.right(), m.top() + m.bottom())).expandedTo(QSize(1, 1));
        setFixedSize(client);
    }
    setGeometry(QRect(QPoint(twipsToPixels(m_leftTwips) + m.left(), twipsToPixels(m_topTwips) + m.top()), client));
}

void Screen::refitFrame()
{
    if (m_centred)
        centreOnDisplay();
    else
        applyGeometry();
}

QSize Screen::clientSizeTwips() const
{
    return size() * TwipsPerPixel;
}

QColor Screen::backgroundColour() const
{
    return m_background.isValid() ? m_background : palette().color(QPalette::Window);
}

void Screen::setBackgroundColour(const QColor &colour)
{
    m_background = colour;
    update();
}

bool Screen::setBackgroundPicture(const QImage &picture)
{
    if (picture.isNull())
        return false;
    m_backgroundPicture = picture;
    update();
    return true;
}

QImage Screen::loadPicture(const QString &name) const
{
    return m_context.pictures().load(name, devicePixelRatioF());
}

QColor Screen::foregroundColour() const
{
    return QApplication::palette().color(QPalette::WindowText);
}

void Screen::stopTimers()
{
    const QList<QTimer *> timers = findChildren<QTimer *>();
    for (QTimer *timer : timers)
        timer->stop();
}

void Screen::Form_MouseDown(Qt::MouseButton, Qt::MouseButtons, QPoint) { }

void Screen::Form_MouseMove(Qt::MouseButtons, QPoint) { }

void Screen::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    painter.fillRect(area, backgroundColour());
    if (!m_backgroundPicture.isNull()) {
        // A fine picture on a display between the two resolutions is scaled down.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QPoint(0, 0), m_backgroundPicture);
    }
}

void Screen::setVisible(bool visible)
{
    // Placed by its client rectangle before the window system first sees it.
    if (visible && !testAttribute(Qt::WA_WState_Created))
        refitFrame();
    QWidget::setVisible(visible);
}

void Screen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Some platforms know the frame only once the window exists.
    refitFrame();
}

void Screen::closeEvent(QCloseEvent *event)
{
    event->accept();
    m_context.screens().unload(this);
}

void Screen::mousePressEvent(QMouseEvent *event)
{
    Form_MouseDown(event->button(), event->buttons(), pixelsToTwips(event->position().toPoint()));
}

void Screen::mouseMoveEvent(QMouseEvent *event)
{
    Form_MouseMove(event->buttons(), pixelsToTwips(event->position().toPoint()));
}
