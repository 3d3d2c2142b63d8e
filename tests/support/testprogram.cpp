// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "support/testprogram.h"

#include "app/screenset.h"
#include "screens/fonts.h"

#include <QTimer>

TestProgram::TestProgram()
{
    // The faces the program itself adds at start-up.
    registerBundledFonts();
    m_pictures.writeProgramSet();
    m_context = std::make_unique<ScreenContext>(m_random, PictureFolder(m_pictures.root()));
    m_context->setUrlOpener([this](const QUrl &url) {
        m_openedUrls.append(url);
        return true;
    });
    registerProgramScreens(m_context->screens());
}

TestProgram::~TestProgram()
{
    m_context.reset();
    settle();
}

void TestProgram::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

bool TestProgram::tick(QTimer *timer)
{
    // What the event loop delivers when the interval is up.
    QTimerEvent event(timer && timer->isActive() ? timer->timerId() : 0);
    return event.timerId() && QCoreApplication::sendEvent(timer, &event);
}
