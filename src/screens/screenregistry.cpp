// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/screenregistry.h"

#include "screens/screen.h"

ScreenRegistry::ScreenRegistry(ScreenContext &context)
    : m_context(context)
{
}

ScreenRegistry::~ScreenRegistry()
{
    for (const QPointer<Screen> &screen : std::as_const(m_loaded))
        delete screen.data();
}

void ScreenRegistry::registerScreen(const QString &name, Factory factory)
{
    m_factories.insert(name, std::move(factory));
}

Screen *ScreenRegistry::screen(const QString &name)
{
    if (Screen *existing = loaded(name))
        return existing;
    if (m_ended)
        return nullptr;
    const auto factory = m_factories.constFind(name);
    if (factory == m_factories.constEnd())
        return nullptr;
    // A screen whose handles do not match its rows cannot run; the exception
    // must not cross Qt's event loop, where screens are built from handlers.
    try {
        Screen *created = (*factory)(m_context);
        // Known before its load handler runs, so the handler can refer to it.
        m_loaded.insert(name, created);
        created->Form_Load();
    } catch (const MissingControl &missing) {
        qFatal("%s", missing.what());
    }
    // The load handler may have unloaded the screen again.
    return loaded(name);
}

Screen *ScreenRegistry::loaded(const QString &name) const
{
    return m_loaded.value(name).data();
}

QStringList ScreenRegistry::loadedNames() const
{
    QStringList names;
    for (auto it = m_loaded.cbegin(); it != m_loaded.cend(); ++it) {
        if (it.value())
            names.append(it.key());
    }
    names.sort();
    return names;
}

void ScreenRegistry::show(const QString &name)
{
    Screen *target = screen(name);
    if (!target)
        return;
    target->show();
    target->raise();
    target->activateWindow();
}

void ScreenRegistry::unload(const QString &name)
{
    Screen *target = loaded(name);
    if (!target)
        return;
    m_loaded.remove(name);
    dispose(target);
    if (loadedNames().isEmpty() && !m_ended)
        Q_EMIT lastScreenUnloaded();
}

void ScreenRegistry::unload(Screen *screen)
{
    if (screen && loaded(screen->screenName()) == screen)
        unload(screen->screenName());
}

void ScreenRegistry::dispose(Screen *screen)
{
    // Timers stop at once; the window goes later, never under the feet of
    // the handler that is still running inside it.
    screen->stopTimers();
    screen->hide();
    screen->deleteLater();
}

void ScreenRegistry::end()
{
    if (m_ended)
        return;
    m_ended = true;
    const auto screens = m_loaded;
    m_loaded.clear();
    for (const QPointer<Screen> &screen : screens) {
        if (screen)
            dispose(screen.data());
    }
    Q_EMIT endRequested();
}
