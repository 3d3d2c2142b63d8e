// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/screen.h"

#include "common/twips.h"
#include "controls/commandbutton.h"
#include "controls/framebox.h"
#include "controls/pictureview.h"
#include "controls/playerbar.h"
#include "controls/textbox.h"
#include "controls/twipsgeometry.h"
#include "screens/accessibility.h"
#include "screens/controlfactory.h"
#include "screens/screencontext.h"
#include "screens/screenregistry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace {

Qt::WindowFlags flagsFor(WindowBorder border)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint;
    if (border == WindowBorder::FixedSingle)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

} // namespace

Screen::Screen(const ScreenDefinition &definition, ScreenContext &context)
    : QWidget(nullptr, flagsFor(definition.border))
    , m_definition(definition)
    , m_context(context)
    , m_placement(*this)
    , m_background(definition.background)
{
    m_ratio = devicePixelRatioF();
    setObjectName(definition.name);
    setWindowTitle(shownText(definition.caption));
    setMouseTracking(true);
    setFixedSize(twipsToPixels(definition.clientSize));

    if (definition.position) {
        m_placement.setLeft(definition.position->x());
        m_placement.setTop(definition.position->y());
    } else {
        m_placement.centreOnDisplay();
    }

    for (const ControlDefinition &c : definition.controls)
        createControl(c);
    applyTabOrder();
    Accessibility::describeWindow(*this, definition);
}

Screen::~Screen() = default;

QObject *Screen::createControl(const ControlDefinition &d)
{
    QWidget *parent = this;
    if (!d.parent.isEmpty()) {
        if (auto *frame = control<FrameBox>(d.parent))
            parent = frame;
    }
    QObject *made = ControlFactory::make(
        d,
        *parent,
        *this,
        {palette().color(QPalette::Window), m_background.isValid() ? m_background : palette().color(QPalette::Window)});
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

QObject *Screen::takeObject(const QString &name, int index, const QMetaObject &kind) const
{
    QObject *found = controlObject(name, index);
    if (found && kind.cast(found))
        return found;
    const QString row = ControlFactory::objectName(name, index);
    const QString problem =
        found ? QStringLiteral("%1 is a %2, not a %3")
                    .arg(row, QLatin1String(found->metaObject()->className()), QLatin1String(kind.className()))
              : QStringLiteral("no row %1 (a %2 was expected)").arg(row, QLatin1String(kind.className()));
    throw MissingControl(QStringLiteral("screen %1: %2").arg(screenName(), problem).toStdString());
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
    ControlFactory::copyShownState(*original, *widget);
    return widget;
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
    const QImage picture = m_context.pictures().load(name, devicePixelRatioF());
    if (!picture.isNull())
        m_pictureNames.insert(picture.cacheKey(), name);
    return picture;
}

void Screen::resolutionChanged()
{
    const QHash<qint64, QString> names = std::exchange(m_pictureNames, {});
    const auto again = [this, &names](const QImage &shown) {
        const QString name = names.value(shown.cacheKey());
        return name.isEmpty() ? QImage() : loadPicture(name);
    };
    setBackgroundPicture(again(m_backgroundPicture));
    for (PictureView *view : findChildren<PictureView *>())
        view->setPicture(again(view->picture()));
    for (CommandButton *button : findChildren<CommandButton *>())
        button->setPicture(again(button->picture()));
}

void Screen::followResolution()
{
    if (devicePixelRatioF() == m_ratio)
        return;
    m_ratio = devicePixelRatioF();
    resolutionChanged();
}

bool Screen::event(QEvent *event)
{
    if (event->type() == QEvent::ScreenChangeInternal)
        followResolution();
    return QWidget::event(event);
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

void Screen::pointerPressed(Qt::MouseButton, Qt::MouseButtons, QPoint) { }

void Screen::pointerMoved(Qt::MouseButtons, QPoint) { }

void Screen::paintEvent(QPaintEvent *event)
{
    // A platform that changes the scale without telling the window (no
    // screen change) shows it at the first paint; pictures are not changed
    // in the middle of one.
    if (devicePixelRatioF() != m_ratio)
        QMetaObject::invokeMethod(this, &Screen::followResolution, Qt::QueuedConnection);
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
        m_placement.refit();
    QWidget::setVisible(visible);
}

void Screen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Some platforms know the frame only once the window exists.
    m_placement.refit();
}

void Screen::closeEvent(QCloseEvent *event)
{
    event->accept();
    m_context.screens().unload(this);
}

void Screen::mousePressEvent(QMouseEvent *event)
{
    pointerPressed(event->button(), event->buttons(), pixelsToTwips(event->position().toPoint()));
}

void Screen::mouseMoveEvent(QMouseEvent *event)
{
    pointerMoved(event->buttons(), pixelsToTwips(event->position().toPoint()));
}
