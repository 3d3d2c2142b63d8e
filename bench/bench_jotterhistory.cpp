// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
//
// The Jotter's history: how long undoing a Clear takes on a pad holding
// 10,000 strokes (it puts back one kept image, so it should not depend on
// the strokes; drawing them all again is shown beside it), and how much
// memory the history holds at its bound. Prints figures; never fails.
#include "common/retainedsurface.h"
#include "jotter/padhistory.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

// The wide pad's drawing area, in device-independent pixels.
const QSize PadPixels(661, 244);

// Short strokes scattered over the pad, always the same.
class Strokes
{
public:
    void draw(PadHistory &history, RetainedSurface &surface)
    {
        QPointF at(next() % 9900, next() % 2900);
        for (int i = 0; i < 5; ++i) {
            const QPointF to = at + QPointF(int(next() % 301) - 150, int(next() % 301) - 150);
            history.draw(surface, {QLineF(at, to), QColor::fromRgb(next()), 3});
            at = to;
        }
        history.endStroke();
    }

private:
    quint32 next() { return (m_state = m_state * 1103515245u + 12345u) >> 8; }
    quint32 m_state = 7;
};

double residentMb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * sysconf(_SC_PAGESIZE) / 1e6;
}

void undoClear(qreal ratio)
{
    RetainedSurface surface;
    surface.resize(PadPixels, ratio);
    PadHistory history;
    Strokes strokes;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 10000; ++i)
        strokes.draw(history, surface);
    const double drawMs = clock.nsecsElapsed() / 1e6;
    history.wipe(surface, PadHistory::Step::Clear);
    surface.clear();

    constexpr int Rounds = 200;
    QList<double> undoMs, redoMs;
    for (int i = 0; i < Rounds; ++i) {
        clock.restart();
        history.undo(surface);
        undoMs.append(clock.nsecsElapsed() / 1e3);
        clock.restart();
        history.redo(surface);
        redoMs.append(clock.nsecsElapsed() / 1e3);
    }
    std::sort(undoMs.begin(), undoMs.end());
    std::sort(redoMs.begin(), redoMs.end());
    // Undo hands the kept image back to the pad, which then repaints it as it
    // repaints any covered window (bench_jotterrepaint).
    std::printf("ratio %.0f: 10,000 strokes drawn in %.0f ms (%.3f ms a stroke, its pixels kept; drawing them "
                "again is what undo would cost without them); undo of Clear %.1f us, redo %.1f us (medians of %d)\n",
                ratio,
                drawMs,
                drawMs / 10000,
                undoMs[Rounds / 2],
                redoMs[Rounds / 2],
                Rounds);
}

void memoryAtBound(qreal ratio, bool wholePads)
{
    const double before = residentMb();
    RetainedSurface surface;
    surface.resize(PadPixels, ratio);
    PadHistory history;
    Strokes strokes;
    for (int i = 0; i < 3 * PadHistory::MaxSteps; ++i) {
        strokes.draw(history, surface);
        if (wholePads) {
            history.wipe(surface, PadHistory::Step::Clear);
            surface.clear();
        }
    }
    std::printf("ratio %.0f, %s: %d steps kept, %.1f MiB held by the history (bound %lld MiB), "
                "resident memory up %.1f MB\n",
                ratio,
                wholePads ? "a stroke and a Clear, over and over" : "strokes only",
                history.undoCount(),
                history.bytes() / 1048576.0,
                static_cast<long long>(PadHistory::MaxBytes / 1048576),
                residentMb() - before);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    for (qreal ratio : {1.0, 2.0})
        undoClear(ratio);
    for (qreal ratio : {1.0, 2.0}) {
        memoryAtBound(ratio, false);
        memoryAtBound(ratio, true);
    }
    return 0;
}
