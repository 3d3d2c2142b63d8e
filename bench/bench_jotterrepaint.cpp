// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
//
// How long the Jotter takes to repaint while holding 1,000 and then 100,000
// stroke segments. The drawing is kept in an image, so both should take
// about the same time. Prints figures; never fails.
#include "app/screenset.h"
#include "common/randomsource.h"
#include "jotter/jotterpad.h"
#include "screens/screencontext.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTest>
#include <cstdio>

namespace {

// A scribble across the canvas, always the same: a walk that stays above the
// button strip.
class Scribble
{
public:
    QPoint next()
    {
        m_state = m_state * 1103515245u + 12345u;
        const int dx = int((m_state >> 16) % 41) - 20;
        m_state = m_state * 1103515245u + 12345u;
        const int dy = int((m_state >> 16) % 41) - 20;
        m_at = QPoint(qBound(0, m_at.x() + dx, 650), qBound(0, m_at.y() + dy, 185));
        return m_at;
    }

private:
    quint32 m_state = 1;
    QPoint m_at{300, 90};
};

void drawSegments(JotterPad &pad, Scribble &scribble, int count)
{
    for (int i = 0; i < count; ++i) {
        const QPointF at(scribble.next());
        QMouseEvent move(QEvent::MouseMove, at, pad.mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&pad, &move);
        if (i % 1000 == 999)
            QApplication::processEvents();
    }
    QApplication::processEvents();
}

void measure(JotterPad &pad, int segments)
{
    constexpr int Repaints = 200;
    constexpr int Grabs = 50;

    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < Repaints; ++i)
        pad.repaint();
    const double repaintMs = clock.nsecsElapsed() / 1e6 / Repaints;

    clock.restart();
    for (int i = 0; i < Grabs; ++i)
        pad.grab();
    const double grabMs = clock.nsecsElapsed() / 1e6 / Grabs;

    // Proof that the strokes landed: the share of the surface they cover.
    const QImage &image = pad.drawing().image();
    qint64 inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            inked += qAlpha(image.pixel(x, y)) != 0;
    }
    std::printf("%7d segments (%.0f%% of the surface inked): whole-window repaint %.3f ms, grab %.3f ms\n",
                segments,
                100.0 * inked / (qint64(image.width()) * image.height()),
                repaintMs,
                grabMs);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    ClockSeededRandom random;
    ScreenContext context(random);
    registerProgramScreens(context.screens());
    context.screens().show(ScreenNames::Jotter);
    auto *pad = qobject_cast<JotterPad *>(context.screens().loaded(ScreenNames::Jotter));
    if (!pad || !QTest::qWaitForWindowExposed(pad)) {
        std::printf("the Jotter could not be shown\n");
        return 0;
    }

    Scribble scribble;
    QMouseEvent press(QEvent::MouseButtonPress,
                      QPointF(300, 90),
                      pad->mapToGlobal(QPointF(300, 90)),
                      Qt::LeftButton,
                      Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(pad, &press);

    QElapsedTimer drawing;
    drawing.start();
    drawSegments(*pad, scribble, 1000);
    measure(*pad, 1000);
    drawSegments(*pad, scribble, 99000);
    std::printf("(drawing 100,000 segments took %.0f ms)\n", drawing.nsecsElapsed() / 1e6);
    measure(*pad, 100000);
    return 0;
}
