// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

class ScreenContext;
class Screen;

// Knows the program's screens by name and holds at most one live instance of
// each. Referring to a screen that is not loaded creates it (hidden) and runs
// its load handler first; unloading forgets it at once and deletes it later,
// so a screen may unload itself from inside its own handler.
class ScreenRegistry : public QObject
{
    Q_OBJECT
public:
    using Factory = std::function<Screen *(ScreenContext &)>;

    explicit ScreenRegistry(ScreenContext &context);
    ~ScreenRegistry() override;

    void registerScreen(const QString &name, Factory factory);

    // The loaded screen, created and loaded first if need be. Null only for
    // a name nobody registered, or once the program has ended.
    Screen *screen(const QString &name);
    template<class T>
    T *screenAs(const QString &name)
    {
        return qobject_cast<T *>(screen(name));
    }

    // The loaded screen, or null; never creates one.
    Screen *loaded(const QString &name) const;
    QStringList loadedNames() const;

    // Creates the screen if need be, makes it visible and brings it to the
    // front with the input focus. Does not wait.
    void show(const QString &name);
    // Destroys the screen; a screen that is not loaded stays unloaded.
    void unload(const QString &name);
    void unload(Screen *screen);
    // Ends the program at once: every screen goes and no handler runs after.
    void end();

Q_SIGNALS:
    // No screen is left: the program has nothing more to do.
    void lastScreenUnloaded();
    void endRequested();

private:
    void dispose(Screen *screen);

    ScreenContext &m_context;
    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<Screen>> m_loaded;
    bool m_ended = false;
};
