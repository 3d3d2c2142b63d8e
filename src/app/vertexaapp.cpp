// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/vertexaapp.h"

#include "app/readaloud.h"
#include "app/screenset.h"
#include "desktop/systemspeaker.h"
#include "screens/fonts.h"
#include "screens/screendefinition.h"

#include <QApplication>

VertexaApp::VertexaApp(RandomSource &random, PictureFolder pictures)
    : m_context(random, std::move(pictures))
{
    QApplication::setApplicationName(QStringLiteral("Vertexa"));
    // The desktop takes the program's name and icon from the installed
    // desktop file. No display name: window systems would append it to every
    // caption.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Vertexa"));
    // Before any screen is built, so that Tahoma resolves to the Tahoma-metric face.
    registerBundledFonts();
    // The program ends when it has no screen left, not when a window closes:
    // between hiding one screen and showing the next there may be none.
    QApplication::setQuitOnLastWindowClosed(false);

    registerProgramScreens(m_context.screens());
    connect(&m_context.screens(), &ScreenRegistry::endRequested, this, &VertexaApp::finish);
    connect(&m_context.screens(), &ScreenRegistry::lastScreenUnloaded, this, &VertexaApp::finish);
}

VertexaApp::~VertexaApp()
{
    // Screens unloaded last are still waiting for their deferred deletion.
    disconnect(&m_context.screens(), nullptr, this, nullptr);
    m_context.screens().end();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void VertexaApp::start()
{
    m_context.screens().show(ScreenNames::Title);
}

void VertexaApp::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    Q_EMIT finished();
}

int runVertexa(QApplication &app, RandomSource &random, const StartOptions &options)
{
    VertexaApp vertexa(random);
    vertexa.context().setClassCode(options.classCode.value_or(QString()));
    SystemSpeaker speaker;
    ReadAloud reading(speaker);
    QObject::connect(&vertexa, &VertexaApp::finished, &app, &QApplication::quit, Qt::QueuedConnection);
    vertexa.start();
    reading.setOn(options.readAloud.value_or(false));
    return app.exec();
}
