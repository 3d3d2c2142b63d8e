// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

class QWidget;

// Where a top-level window stands and how large it is, in twips. The place
// and the outer size are the whole window's, the window manager's frame
// included, as the program counts them; the window system is given the
// client area inside the frame. The window is kept right when the frame
// becomes known late.
class WindowPlacement
{
public:
    explicit WindowPlacement(QWidget &window);
    WindowPlacement(const WindowPlacement &) = delete;
    WindowPlacement &operator=(const WindowPlacement &) = delete;

    double left() const { return m_left; }
    double top() const { return m_top; }
    void setLeft(double twips);
    void setTop(double twips);
    // Sets the top, then the left, so that the outer window is centred on the
    // display; it stays centred when the frame becomes known.
    void centreOnDisplay();
    // Asking for the frame may create the native window.
    int outerWidth();
    int outerHeight();
    void setOuterSize(int width, int height);
    // How short the window may be made, client area, in twips, when it does
    // not fit the display's work area even moved: the part below is drawing
    // area only. Unset, the window is never shortened. Counts from the next
    // change of place or size.
    void setShortestClientHeight(std::optional<int> twips);

    // Places the window again for the frame as it is known now.
    void refit();

    // The size of the primary display, in twips.
    static QSize displaySize();
    // Where places are counted from: the primary display's top-left corner,
    // wherever it lies on the desktop (a projector made primary to the right
    // of a laptop's panel), in pixels.
    static QPoint displayOrigin();
    // The primary display's work area (its panels left out), in pixels of
    // the desktop. A desktop whose panels the platform cannot tell (the
    // offscreen one) is given it here; nullopt goes back to the platform's.
    static QRect workArea();
    static void setWorkArea(std::optional<QRect> pixels);

    // Where a window whose outer rectangle is `outer` is shown so that all of
    // it lies in `area`: unchanged where it fits; else moved in as little as
    // will do, made no taller than the area first when it may be as short
    // as `shortestHeight`; unchanged when even that does not fit (a window
    // larger than the whole display stays where the program puts it).
    static QRect fitInto(const QRect &outer, const QRect &area, int shortestHeight);

private:
    void apply();
    QMargins frameMargins();

    QWidget &m_window;
    double m_left = 0;
    double m_top = 0;
    std::optional<QSize> m_outer;
    std::optional<QSize> m_wanted; // the client size asked for, before fitting
    bool m_centred = false;
    std::optional<int> m_shortestClient;
};
