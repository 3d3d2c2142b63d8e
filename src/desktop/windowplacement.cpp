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

std::optional<QRect> givenWorkArea;

} // namespace

WindowPlacement::WindowPlacement(QWidget &window)
    : m_window(window)
{
    // A window manager may tell the frame only once the window is on screen.
    QObject::connect(&WindowFrame::instance(), &WindowFrame::changed, &window, [this](QWidget *changed) {
        if (changed == &m_window)
            refit();
    });
    // A panel that comes or goes changes where the window fits.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        QObject::connect(screen, &QScreen::availableGeometryChanged, &window, [this] { refit(); });
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

QRect WindowPlacement::workArea()
{
    if (givenWorkArea)
        return *givenWorkArea;
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(QPoint(), FallbackDisplayPixels);
}

void WindowPlacement::setWorkArea(std::optional<QRect> pixels)
{
    givenWorkArea = pixels;
}

QRect WindowPlacement::fitInto(const QRect &outer, const QRect &area, int shortestHeight)
{
    if (area.isEmpty() || area.contains(outer))
        return outer;
    QRect fitted = outer;
    if (fitted.height() > area.height())
        fitted.setHeight(area.height());
    if (fitted.height() < shortestHeight || fitted.width() > area.width())
        return outer;
    fitted.moveTop(qBound(area.top(), fitted.top(), area.bottom() + 1 - fitted.height()));
    fitted.moveLeft(qBound(area.left(), fitted.left(), area.right() + 1 - fitted.width()));
    return fitted;
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

void WindowPlacement::setShortestClientHeight(std::optional<int> twips)
{
    m_shortestClient = twips;
}

void WindowPlacement::apply()
{
    const QMargins m = frameMargins();
    if (!m_wanted)
        m_wanted = m_window.size();
    QSize client = *m_wanted;
    if (m_outer)
        client = (twipsToPixels(*m_outer) - QSize(m.left() + m.right(), m.top() + m.bottom())).expandedTo(QSize(1, 1));
    m_wanted = client;
    // The place and size the program asks for stay as asked; the window
    // system is given them fitted to the work area.
    const QRect outer(displayOrigin() + QPoint(twipsToPixels(m_left), twipsToPixels(m_top)), client.grownBy(m));
    const int shortest = m_shortestClient ? twipsToPixels(*m_shortestClient) + m.top() + m.bottom() : outer.height();
    const QRect shown = fitInto(outer, workArea(), shortest).marginsRemoved(m);
    if (shown.size() != m_window.size() || m_outer)
        m_window.setFixedSize(shown.size());
    m_window.setGeometry(shown);
}

void WindowPlacement::refit()
{
    if (m_centred)
        centreOnDisplay();
    else
        apply();
}
