// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
//
// How long each screen takes to open, from being asked for to being on the
// display, on an X server (Xvfb) with no window manager, with a real one
// (openbox), and with one that claims to frame windows and never answers.
// Each desktop gets an X server of its own and a run of this program on it;
// the figures are printed side by side. Never fails.
//
//   bench_screenopening [ROUNDS]
#include "app/vertexaapp.h"
#include "common/randomsource.h"
#include "screens/screen.h"
#include "support/claimedmanager.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int DefaultRounds = 15;
constexpr int WaitMs = 30000;
const char *const ChildFlag = "--desktop";

const QStringList &openedScreens()
{
    static const QStringList names{ScreenNames::Menu,
                                   ScreenNames::Proof,
                                   ScreenNames::TriangleProblems,
                                   ScreenNames::Explorer,
                                   ScreenNames::StellatedProblems,
                                   ScreenNames::Jotter};
    return names;
}

// On the X server in DISPLAY: opens every screen `rounds` times and prints
// "name first median" in milliseconds: the first opening of the run, which
// also meets the window manager for the first time, apart from the rest.
int measure(int argc, char **argv, bool silentManager, int rounds)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    if (silentManager)
        ClaimedManager::claim(ClaimedManager::makeCheckWindow());
    ClockSeededRandom random([reading = 0.0]() mutable { return reading += 0.37; });
    VertexaApp vertexa(random, PictureFolder(QStringLiteral(VERTEXA_PROGRAM_DIR)));
    ScreenRegistry &screens = vertexa.screens();
    QMap<QString, QList<double>> times;
    for (int round = 0; round < rounds; ++round) {
        for (const QString &name : openedScreens()) {
            QElapsedTimer clock;
            clock.start();
            screens.show(name);
            if (!QTest::qWaitForWindowExposed(screens.loaded(name), WaitMs))
                return 1;
            times[name] << clock.nsecsElapsed() / 1e6;
            screens.unload(name);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    for (const QString &name : openedScreens()) {
        QList<double> &t = times[name];
        const double first = t.takeFirst();
        std::sort(t.begin(), t.end());
        std::printf("%s %.2f %.2f\n", qPrintable(name), first, t.value(t.size() / 2, first));
    }
    return 0;
}

struct Desktop
{
    const char *name;
    QString manager; // the program to start, if any
    bool silent;     // a manager that claims the frame request and never answers
};

// Starts an X server, the desktop's manager and this program measuring on
// them; the first opening and the median of the others by screen, or an
// empty map when something did not start.
QMap<QString, QPair<double, double>> openingTimes(const QString &self, const Desktop &desktop, int rounds)
{
    QProcess server;
    server.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1280x1024x24"});
    while (!server.canReadLine() && server.waitForReadyRead(WaitMs)) { }
    if (!server.canReadLine())
        return {};
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), ':' + QString::fromLatin1(server.readLine().trimmed()));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    QProcess manager;
    if (!desktop.manager.isEmpty()) {
        manager.setProcessEnvironment(env);
        manager.start(desktop.manager, {});
        // Until it announces itself on the root window.
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < WaitMs) {
            QProcess look;
            look.setProcessEnvironment(env);
            look.start(QStringLiteral("xprop"), {"-root", "_NET_SUPPORTING_WM_CHECK"});
            look.waitForFinished(WaitMs);
            if (look.readAll().contains("window id"))
                break;
            QThread::msleep(50);
        }
    }
    QProcess measuring;
    measuring.setProcessEnvironment(env);
    measuring.start(self,
                    {QLatin1String(ChildFlag),
                     desktop.silent ? QStringLiteral("silent") : QStringLiteral("plain"),
                     QString::number(rounds)});
    measuring.waitForFinished(-1);
    QMap<QString, QPair<double, double>> times;
    for (const QByteArray &line : measuring.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() == 3)
            times.insert(QString::fromLatin1(fields.at(0)), {fields.at(1).toDouble(), fields.at(2).toDouble()});
    }
    for (QProcess *process : {&manager, &server}) {
        process->terminate();
        process->waitForFinished();
    }
    return times;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 3 && qstrcmp(argv[1], ChildFlag) == 0)
        return measure(argc, argv, qstrcmp(argv[2], "silent") == 0, std::max(1, atoi(argv[3])));

    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : DefaultRounds;
    const Desktop desktops[]{
        {"no manager", {}, false},
        {"openbox", QStringLiteral("openbox"), false},
        {"never answers", {}, true},
    };
    QList<QMap<QString, QPair<double, double>>> results;
    for (const Desktop &desktop : desktops)
        results << openingTimes(QCoreApplication::applicationFilePath(), desktop, rounds);

    std::printf(
        "Opening a screen until it is on the display over %d rounds: the first / the median of the others, ms\n",
        rounds);
    std::printf("%-10s", "screen");
    for (const Desktop &desktop : desktops)
        std::printf(" %17s", desktop.name);
    std::printf("   never answers - none\n");
    const QPair<double, double> missing(-1, -1);
    for (const QString &name : openedScreens()) {
        std::printf("%-10s", qPrintable(name));
        for (const auto &times : std::as_const(results))
            std::printf("  %7.2f / %6.2f", times.value(name, missing).first, times.value(name, missing).second);
        const auto none = results.at(0).value(name, missing), silent = results.at(2).value(name, missing);
        std::printf("   %+6.2f / %+6.2f\n", silent.first - none.first, silent.second - none.second);
    }
    return 0;
}
