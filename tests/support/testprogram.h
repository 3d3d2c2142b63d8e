// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/screencontext.h"
#include "support/scriptedrandom.h"
#include "support/testpictures.h"

#include <QList>
#include <QTest>
#include <QUrl>
#include <memory>

class QTimer;
class Screen;

// The whole program, with every screen registered, a scripted random source,
// a picture folder of the test's own and a web opener that only records.
class TestProgram
{
public:
    TestProgram();
    ~TestProgram();

    ScreenContext &context() { return *m_context; }
    ScreenRegistry &screens() { return m_context->screens(); }
    ScriptedRandom &random() { return m_random; }
    TestPictures &pictures() { return m_pictures; }
    const QList<QUrl> &openedUrls() const { return m_openedUrls; }

    template<class T = Screen>
    T *screen(const QString &name)
    {
        return qobject_cast<T *>(screens().loaded(name));
    }

    // Shows the screen and waits until its window is up and active, as a
    // pupil would find it; null when it does not come.
    template<class T = Screen>
    T *open(const QString &name)
    {
        screens().show(name);
        T *shown = screen<T>(name);
        return shown && QTest::qWaitForWindowActive(shown) ? shown : nullptr;
    }

    // Runs the deletions that unloading left for later.
    static void settle();

    // One tick of a running timer, now rather than when the clock says:
    // tests count frames, not milliseconds. False, and nothing happens, when
    // the timer is stopped.
    static bool tick(QTimer *timer);

private:
    ScriptedRandom m_random;
    TestPictures m_pictures;
    QList<QUrl> m_openedUrls;
    std::unique_ptr<ScreenContext> m_context;
};
