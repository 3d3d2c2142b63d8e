// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "xsession.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

XSession::XSession(QSize screen)
{
    for (const char *tool : {"Xvfb", "xdotool", "xprop", "xwininfo"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            m_fault += QStringLiteral("%1 is missing: make deps. ").arg(tool);
    }
    if (!m_fault.isEmpty())
        return;
    // Xvfb picks a free display and tells us which.
    m_server.start(QStringLiteral("Xvfb"),
                   QStringList{"-displayfd",
                               "1",
                               "-nolisten",
                               "tcp",
                               "-screen",
                               "0",
                               QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height())});
    while (!m_server.canReadLine() && m_server.waitForReadyRead(20000)) { }
    if (!m_server.canReadLine()) {
        m_fault = QStringLiteral("Xvfb did not start");
        return;
    }
    // What this process starts goes to that display, not to the offscreen one.
    qputenv("DISPLAY", ':' + m_server.readLine().trimmed());
    qunsetenv("QT_QPA_PLATFORM");
}

XSession::~XSession()
{
    for (QProcess *process : {&m_program, &m_manager, &m_server}) {
        if (process->state() == QProcess::NotRunning)
            continue;
        process->terminate();
        if (!process->waitForFinished(5000)) {
            process->kill();
            process->waitForFinished();
        }
    }
}

bool XSession::startWindowManager(const QString &program)
{
    if (QStandardPaths::findExecutable(program).isEmpty())
        return false;
    // A window manager announces itself on the root window. On a machine
    // loaded to the full it may miss its start: it gets a second one.
    for (int attempt = 0; attempt < 2; ++attempt) {
        m_manager.start(program, {});
        const QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired()) {
            if (run(QStringLiteral("xprop"), {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains(u'#'))
                return true;
            QThread::msleep(50);
        }
        m_manager.kill();
        m_manager.waitForFinished();
    }
    return false;
}

QProcess &XSession::startProgram()
{
    startProgram(m_program);
    return m_program;
}

void XSession::startProgram(QProcess &program)
{
    const QString executable = QStringLiteral(VERTEXA_EXECUTABLE);
    program.setWorkingDirectory(QFileInfo(executable).absolutePath());
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(executable, {});
    program.waitForStarted();
}

QString XSession::run(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    return process.waitForFinished(20000) && process.exitCode() == 0
               ? QString::fromLocal8Bit(process.readAllStandardOutput())
               : QString();
}

QString XSession::window(const QString &titlePattern) const
{
    return xdotool({"search",
                    "--sync",
                    "--all",
                    "--onlyvisible",
                    "--pid",
                    QString::number(m_program.processId()),
                    "--name",
                    titlePattern})
        .section(u'\n', 0, 0);
}

QRect XSession::outerRect(const QString &window)
{
    const QString info = run(QStringLiteral("xwininfo"), {"-id", window});
    const auto field = [&info](const QString &name) {
        return QRegularExpression(name + QStringLiteral(":\\s*(-?\\d+)")).match(info).captured(1).toInt();
    };
    const QRect client(field(QStringLiteral("Absolute upper-left X")),
                       field(QStringLiteral("Absolute upper-left Y")),
                       field(QStringLiteral("Width")),
                       field(QStringLiteral("Height")));
    // left, right, top, bottom
    const QRegularExpressionMatch extents =
        QRegularExpression(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)"))
            .match(run(QStringLiteral("xprop"), {"-id", window, "_NET_FRAME_EXTENTS"}));
    if (!extents.hasMatch())
        return client;
    return client.adjusted(-extents.captured(1).toInt(),
                           -extents.captured(3).toInt(),
                           extents.captured(2).toInt(),
                           extents.captured(4).toInt());
}

QStringList XSession::stacking()
{
    QStringList windows;
    const QString list = run(QStringLiteral("xprop"), {"-root", "_NET_CLIENT_LIST_STACKING"});
    for (const QString &id : list.section(u'#', 1).split(u',', Qt::SkipEmptyParts))
        windows.append(QString::number(id.trimmed().toUInt(nullptr, 16)));
    return windows;
}

void XSession::click(const QString &window, QPoint at)
{
    xdotool({"mousemove", "--window", window, QString::number(at.x()), QString::number(at.y()), "click", "1"});
}
