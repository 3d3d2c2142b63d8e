// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "desktop/windowplacement.h"

#include "common/twips.h"
#include "desktop/windowframe.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

// The display assumed when Qt knows none: the smallest the screens are made for.
constexpr QSize FallbackDisplayPixels(800, 600);

} // namespace

WindowPlacement::WindowPlacement(QWidget &window)
    : m_window(window)
{
    // A window manager may tell the frame only once the window is on screen.
    QObject::connect(&WindowFrame::instance(), &WindowFrame::changed, &window, [this](QWidget *changed) {
        if (changed == &m_window)
            refit();
    });
}

QSize WindowPlacement::displaySize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize pixels = screen ? screen->size() : FallbackDisplayPixels;
    return pixels * TwipsPerPixel;
}

QPoint WindowPlacement::displayOrigin()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().topLeft() : QPoint();
}

void WindowPlacement::setLeft(double twips)
{
    m_centred = false;
    m_left = twips;
    apply();
}

void WindowPlacement::setTop(double twips)
{
    m_centred = false;
    m_top = twips;
    apply();
}

void WindowPlacement::centreOnDisplay()
{
    const QSize display = displaySize();
    setTop(display.height() / 2.0 - outerHeight() / 2.0);
    setLeft(display.width() / 2.0 - outerWidth() / 2.0);
    m_centred = true;
}

QMargins WindowPlacement::frameMargins()
{
    // A window created after a move() has its frame, not its client area,
    // put at that place, and keeps that rule; the client rectangle given
    // here instead keeps the rule that apply() counts on.
    if (!m_window.testAttribute(Qt::WA_WState_Created))
        m_window.setGeometry(m_window.geometry());
    return WindowFrame::instance().margins(&m_window);
}

int WindowPlacement::outerWidth()
{
    if (m_outer)
        return m_outer->width();
    const QMargins m = frameMargins();
    return (m_window.width() + m.left() + m.right()) * TwipsPerPixel;
}

int WindowPlacement::outerHeight()
{
    if (m_outer)
        return m_outer->height();
    const QMargins m = frameMargins();
    return (m_window.height() + m.top() + m.bottom()) * TwipsPerPixel;
}

void WindowPlacement::setOuterSize(int width, int height)
{
    m_outer = QSize(width, height);
    apply();
}

void WindowPlacement::apply()
{
    const QMargins m = frameMargins();
    QSize client = m_window.size();
    if (m_outer) {
        client = (twipsToPixels(*m_outer) - QSize(m.left() + m.right(), m.top() + m.bottom())).expandedTo(QSize(1, 1));
        m_window.setFixedSize(client);
    }
    m_window.setGeometry(
        QRect(displayOrigin() + QPoint(twipsToPixels(m_left) + m.left(), twipsToPixels(m_top) + m.top()), client));
}

void WindowPlacement::refit()
{
    if (m_centred)
        centreOnDisplay();
    else
        apply();
}
