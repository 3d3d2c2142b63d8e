// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
//
// A long run of the animations with the real pictures: the title screen and
// both problems pages, each for a fixed number of ticks (every tick shows and
// paints one frame, read and decoded on its first showing). Prints the CPU
// time per tick beside a bare Qt window repainting pictures of the same size
// as often, in turns of 400 ticks, and the resident memory; never fails. Run
// it at each display ratio (QT_SCALE_FACTOR=1.5, 2: `make soak` does).
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

// A bare Qt window that repaints pictures as large as an animation's box,
// showing the next of as many different ones as the animation loops through
// at every tick: one picture only would stay in the processor's cache, which
// the frames of an animation cannot.
class BareWindow : public QWidget
{
public:
    BareWindow(QSize size, int frames)
    {
        for (int i = 0; i < frames; ++i) {
            QImage picture(size * devicePixelRatioF(), QImage::Format_RGB32);
            picture.fill(QColor::fromHsv(i * 359 / frames, 160, 200));
            picture.setDevicePixelRatio(devicePixelRatioF());
            m_pictures.append(picture);
        }
        resize(size);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void next() { m_shown = (m_shown + 1) % m_pictures.size(); }

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).drawImage(0, 0, m_pictures.at(m_shown)); }

private:
    QList<QImage> m_pictures;
    qsizetype m_shown = 0;
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

// An animation's ticks beside a bare window repainting as many pictures of
// the same size at the same rate: the warm-up, which reads and decodes each
// frame once, apart from the rest. The two take turns, so that both meet the
// machine's other work alike, and the median turn of each counts. What
// happens between two turns (a new question) is no part of the animation and
// is not counted.
void compare(
    const char *what,
    QWidget *box,
    int frames,
    int warmUpTurns,
    const std::function<void()> &tick,
    int ticks,
    const std::function<void()> &betweenTurns = [] {})
{
    BareWindow bare(box->size(), frames);
    const qint64 before = residentKilobytes();
    double warmUp = 0;
    for (int turn = 0; turn < warmUpTurns; ++turn) {
        betweenTurns();
        warmUp += soak(box, tick, frames).microsecondsPerTick / warmUpTurns;
    }
    QList<double> animation, floor;
    for (int done = 0; done < ticks; done += TurnTicks) {
        bare.show();
        floor << soak(
                     &bare,
                     [&bare] { bare.next(); },
                     TurnTicks)
                     .microsecondsPerTick;
        bare.hide();
        betweenTurns();
        animation << soak(box, tick, TurnTicks).microsecondsPerTick;
    }
    std::printf("%-28s %4dx%-4d warm-up %7.1f us, then %7.1f us CPU per tick, bare window %6.1f us: %5.2fx   "
                "resident %+6lld kB\n",
                what,
                box->width(),
                box->height(),
                warmUp,
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
        1,
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
        1,
        [triangleTimer] { HandTick::tick(triangleTimer); },
        ticks);

    screens.show(ScreenNames::StellatedProblems);
    auto *stellated = qobject_cast<ProblemsPage *>(screens.loaded(ScreenNames::StellatedProblems));
    screens.unload(ScreenNames::TriangleProblems);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto *stellatedTimer = stellated->control<QTimer>(QStringLiteral("Timer1"));
    HandTick::holdBack(stellatedTimer);
    auto *next = stellated->control<CommandButton>(QStringLiteral("cmdgo"));
    // A new question before every turn, so every sequence gets its turn; the
    // warm-up is six questions, which bring all three.
    compare(
        "stellated page (all three)",
        stellated->control<QWidget>(QStringLiteral("Image2")),
        FrameSequences::StellatedOctagon.count, // the middle of its three loops: 20, 30 and 40 frames
        6,
        [stellatedTimer] { HandTick::tick(stellatedTimer); },
        ticks,
        [next] { next->click(); });
    std::printf("resident: %lld kB at the start, %lld kB at the end\n", startResident, residentKilobytes());
    return 0;
}
