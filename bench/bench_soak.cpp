// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
//
// A long run of the animations with the real pictures: the title screen and
// both problems pages, each for a fixed number of ticks (every tick reads,
// decodes, shows and paints one frame). Prints the CPU time per tick and the
// resident memory before and after, set against a bare Qt window of the title
// screen's size repainted as often; never fails.
#include "app/titlescreen.h"
#include "app/vertexaapp.h"
#include "common/randomsource.h"
#include "common/twips.h"
#include "controls/commandbutton.h"
#include "handtick.h"
#include "problems/problemspage.h"
#include "screens/screendefinition.h"

#include <QApplication>
#include <QFile>
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

// Runs `ticks` ticks of one window's animation, painting after each as the
// event loop would, and prints what they cost.
void soak(const char *what, QWidget *screen, const std::function<void()> &tick, int ticks)
{
    QCoreApplication::processEvents();
    const qint64 before = residentKilobytes();
    const double start = cpuSeconds();
    for (int i = 0; i < ticks; ++i) {
        tick();
        screen->repaint();
    }
    const double spent = cpuSeconds() - start;
    const qint64 after = residentKilobytes();
    std::printf("%-28s %7d ticks  %8.1f us CPU per tick  resident %6lld kB -> %6lld kB (%+lld kB)\n",
                what,
                ticks,
                spent / ticks * 1e6,
                before,
                after,
                after - before);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int ticks = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : DefaultTicks;

    // The floor: a window that only repaints, with nothing of ours loaded.
    QWidget bare;
    bare.resize(twipsToPixels(screenDefinition(ScreenNames::Title).clientSize));
    bare.show();
    soak(
        "bare Qt window",
        &bare,
        [] {},
        ticks);
    const qint64 bareResident = residentKilobytes();
    bare.hide();

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
    soak(
        "title animation (15 GIFs)",
        title,
        [titleTimer] { HandTick::tick(titleTimer); },
        ticks);

    screens.show(ScreenNames::TriangleProblems);
    auto *triangle = qobject_cast<ProblemsPage *>(screens.loaded(ScreenNames::TriangleProblems));
    screens.unload(ScreenNames::Title);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto *triangleTimer = triangle->control<QTimer>(QStringLiteral("Timer1"));
    HandTick::holdBack(triangleTimer);
    // The whole page's repaint, which every tick below includes.
    soak(
        "triangle page, repaint alone",
        triangle,
        [] {},
        ticks);
    soak(
        "triangle page (15 JPEGs)",
        triangle,
        [triangleTimer] { HandTick::tick(triangleTimer); },
        ticks);

    screens.show(ScreenNames::StellatedProblems);
    auto *stellated = qobject_cast<ProblemsPage *>(screens.loaded(ScreenNames::StellatedProblems));
    screens.unload(ScreenNames::TriangleProblems);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto *stellatedTimer = stellated->control<QTimer>(QStringLiteral("Timer1"));
    HandTick::holdBack(stellatedTimer);
    auto *next = stellated->control<CommandButton>(QStringLiteral("cmdgo"));
    // A new question every 400 ticks, so every sequence gets its turn.
    int count = 0;
    soak(
        "stellated page (all three)",
        stellated,
        [stellatedTimer, next, &count] {
            if (++count % 400 == 0)
                next->click();
            HandTick::tick(stellatedTimer);
        },
        ticks);
    std::printf("resident at the end: %.2fx the bare window's\n", double(residentKilobytes()) / double(bareResident));
    return 0;
}
