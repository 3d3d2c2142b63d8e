// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/displayprobes.h"
#include "app/startchoice.h"
#include "app/vertexaapp.h"
#include "common/language.h"
#include "common/platformchoice.h"
#include "common/randomsource.h"

#include <QApplication>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

// What each application is made with. Qt takes its own options out of the
// list in place, so every application gets a fresh copy.
class Arguments
{
public:
    Arguments(int argc, char *argv[], const QByteArray &platform)
        : m_words(argv, argv + argc)
    {
        // The platform is passed as an argument, not through the environment,
        // so that programs started from here (the browser) choose their own.
        if (!platform.isEmpty())
            m_words.insert(m_words.end(), {QByteArrayLiteral("-platform"), platform});
    }

    void makeApplication(std::optional<QApplication> &app)
    {
        m_pointers.clear();
        for (QByteArray &word : m_words)
            m_pointers.push_back(word.data());
        m_count = int(m_words.size());
        m_pointers.push_back(nullptr);
        app.emplace(m_count, m_pointers.data());
    }

private:
    std::vector<QByteArray> m_words;
    std::vector<char *> m_pointers;
    int m_count = 0;
};

// Qt reads its scale factor from the environment once, as the application is
// made: the first application measures the primary monitor, and when the
// chosen factor differs, the program's own is made afresh at that factor.
// The variable is put back, so programs started from here keep the desktop's.
void applyScale(std::optional<QApplication> &app, Arguments &arguments, const ProgramScale &scale)
{
    const QByteArray before = qgetenv("QT_SCALE_FACTOR");
    const double current = before.toDouble() > 0 ? before.toDouble() : 1.0;
    const QScreen *primary = QGuiApplication::primaryScreen();
    const QSizeF available = primary ? QSizeF(primary->availableGeometry().size()) * current : QSizeF();
    const double factor = scale.factorFor(available);
    if (factor == current)
        return;
    app.reset();
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
    arguments.makeApplication(app);
    if (before.isNull())
        qunsetenv("QT_SCALE_FACTOR");
    else
        qputenv("QT_SCALE_FACTOR", before);
}

} // namespace

int main(int argc, char *argv[])
{
    // Qt reads the platform once, when the application is made.
    const PlatformChoice choice =
        choosePlatform(SessionEnvironment::fromProcess(argc, argv), connectingDisplayProbes());
    // With no display to open, the options are still read without one: help,
    // the version and a bad option need no window.
    const bool noDisplay = !choice.failure.isEmpty();
    if (noDisplay) // what Qt says of a stand-in platform is no news to anyone
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    Arguments arguments(argc, argv, noDisplay ? QByteArrayLiteral("offscreen") : choice.platforms.toLocal8Bit());
    std::optional<QApplication> app;
    arguments.makeApplication(app);

    const StartChoice start =
        StartChoice::decide(QCoreApplication::arguments(), QProcessEnvironment::systemEnvironment());
    for (const QString &line : start.warnings)
        std::fprintf(stderr, "%s: %s\n", argv[0], qPrintable(line));
    if (start.exitCode) {
        std::fputs(qPrintable(start.output), stdout);
        return *start.exitCode;
    }
    if (noDisplay) {
        // Qt would abort with a core dump; a plain line says more.
        std::fprintf(stderr, "%s: %s\n", argv[0], qPrintable(choice.failure));
        return EXIT_FAILURE;
    }
    if (start.options.scale)
        applyScale(app, arguments, *start.options.scale);
    // Before any screen is made: the screens take their words as they are built.
    Language::install(start.options.language.value_or(QString()));
    ClockSeededRandom random;
    return runVertexa(*app, random, start.options);
}
