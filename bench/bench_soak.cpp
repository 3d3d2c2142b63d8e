// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
//
// A long run of the animations with the real pictures: the title screen and
// both problems pages, each for a fixed number of ticks (every tick shows and
// paints one frame, read and decoded on its first showing). Prints the CPU
// time per tick beside a bare Qt window repainting a picture of the same size
// as often, in turns of 400 ticks, and the resident memory; never fails. Run it at each display
// ratio (QT_SCALE_FACTOR=1.5, 2: `make soak` does).
#include "app/titlescreen.h"
#include "app/vertexaapp.h"
#include "common/framesequence.h"
#include "common/randomsource.h"
#include "controls/commandbutton.h"
#include "handtick.h"
#include "problems/problemspage.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <unistd.h>

namespace {

constexpr int DefaultTicks = 20000;

double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

qint64 residentKilobytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

// A bare Qt window that repaints one picture, as large as an animation's box.
class BareWindow : public QWidget
{
public:
    explicit BareWindow(QSize size)
        : m_picture(size * devicePixelRatioF(), QImage::Format_RGB32)
    {
        m_picture.fill(Qt::darkCyan);
        m_picture.setDevicePixelRatio(devicePixelRatioF());
        resize(size);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).drawImage(0, 0, m_picture); }

private:
    QImage m_picture;
};

struct Cost
{
    double microsecondsPerTick;
    qint64 residentGrowth; // kB
};

// The ticks of one turn: as many as the stellated page shows of a question.
constexpr int TurnTicks = 400;

// Runs `ticks` ticks, repainting what a tick changes after each as the event
// loop would.
Cost soak(QWidget *painted, const std::function<void()> &tick, int ticks)
{
    QCoreApplication::processEvents();
    const qint64 before = residentKilobytes();
    const double start = cpuSeconds();
    for (int i = 0; i < ticks; ++i) {
        tick();
        painted->repaint();
    }
    return {(cpuSeconds() - start) / ticks * 1e6, residentKilobytes() - before};
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// An animation's ticks beside a bare window repainting a picture of the same
// size at the same rate: the warm-up, which reads and decodes each frame
// once, apart from the rest. The two take turns, so that both meet the
// machine's other work alike, and the median turn of each counts.
void compare(const char *what, QWidget *box, int warmUpTicks, const std::function<void()> &tick, int ticks)
{
    BareWindow bare(box->size());
    const qint64 before = residentKilobytes();
    const Cost first = soak(box, tick, warmUpTicks);
    QList<double> animation, floor;
    for (int done = 0; done < ticks; done += TurnTicks) {
        bare.show();
        floor << soak(
                     &bare,
                     [] {},
                     TurnTicks)
                     .microsecondsPerTick;
        bare.hide();
        animation << soak(box, tick, TurnTicks).microsecondsPerTick;
    }
    std::printf("%-28s %4dx%-4d warm-up %7.1f us, then %7.1f us CPU per tick, bare window %6.1f us: %5.2fx   "
                "resident %+6lld kB\n",
                what,
                box->width(),
                box->height(),
                first.microsecondsPerTick,
                median(animation),
                median(floor),
                median(animation) / median(floor),
                residentKilobytes() - before);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int ticks = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : DefaultTicks;

    const qint64 startResident = residentKilobytes();
    std::printf("Display ratio %.2f, %d ticks each\n", qApp->devicePixelRatio(), ticks);

    // A clock that moves on a fixed step at each reading: every run draws the
    // same questions, and every question gets its turn.
    ClockSeededRandom random([reading = 0.0]() mutable { return reading += 0.37; });
    VertexaApp vertexa(random, PictureFolder(QStringLiteral(VERTEXA_PROGRAM_DIR)));
    ScreenRegistry &screens = vertexa.screens();
    std::printf("Soak with the pictures in %s\n", VERTEXA_PROGRAM_DIR);

    vertexa.start();
    auto *title = qobject_cast<TitleScreen *>(screens.loaded(ScreenNames::Title));
    auto *titleTimer = title->control<QTimer>(QStringLiteral("Timer1"));
    HandTick::holdBack(titleTimer);
    compare(
        "title animation (15 GIFs)",
        title->control<QWidget>(QStringLiteral("Picture1")),
        FrameSequences::Title.count,
        [titleTimer] { HandTick::tick(titleTimer); },
        ticks);

    screens.show(ScreenNames::TriangleProblems);
    auto *triangle = qobject_cast<ProblemsPage *>(screens.loaded(ScreenNames::TriangleProblems));
    screens.unload(ScreenNames::Title);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto *triangleTimer = triangle->control<QTimer>(QStringLiteral("Timer1"));
    HandTick::holdBack(triangleTimer);
    compare(
        "triangle page (15 JPEGs)",
        triangle->control<QWidget>(QStringLiteral("Image2")),
        FrameSequences::Triangle.count,
        [triangleTimer] { HandTick::tick(triangleTimer); },
        ticks);

    screens.show(ScreenNames::StellatedProblems);
    auto *stellated = qobject_cast<ProblemsPage *>(screens.loaded(ScreenNames::StellatedProblems));
    screens.unload(ScreenNames::TriangleProblems);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto *stellatedTimer = stellated->control<QTimer>(QStringLiteral("Timer1"));
    HandTick::holdBack(stellatedTimer);
    auto *next = stellated->control<CommandButton>(QStringLiteral("cmdgo"));
    // A new question every turn, so every sequence gets its turn; the warm-up
    // is six questions, which bring all three.
    int count = 0;
    compare(
        "stellated page (all three)",
        stellated->control<QWidget>(QStringLiteral("Image2")),
        6 * TurnTicks,
        [stellatedTimer, next, &count] {
            if (++count % TurnTicks == 0)
                next->click();
            HandTick::tick(stellatedTimer);
        },
        ticks);
    std::printf("resident: %lld kB at the start, %lld kB at the end\n", startResident, residentKilobytes());
    return 0;
}
