// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "desktop/systemspeaker.h"

#include <QLocale>
#include <QTextToSpeech>
#include <optional>

namespace {

// The engine's voice nearest `language`: its own territory first ("pt_BR"),
// else any of the language.
std::optional<QLocale> localeFor(const QTextToSpeech &engine, const QString &language)
{
    const QLocale wanted(language);
    std::optional<QLocale> found;
    for (const QLocale &locale : engine.availableLocales()) {
        if (locale.language() != wanted.language())
            continue;
        if (locale.territory() == wanted.territory())
            return locale;
        if (!found)
            found = locale;
    }
    return found;
}

} // namespace

SystemSpeaker::SystemSpeaker() = default;
SystemSpeaker::~SystemSpeaker() = default;

QTextToSpeech *SystemSpeaker::engineFor(const QString &language)
{
    if (m_engine && language == m_language)
        return m_engine.get();
    if (m_engine) {
        if (const std::optional<QLocale> locale = localeFor(*m_engine, language)) {
            m_engine->setLocale(*locale);
            m_language = language;
            return m_engine.get();
        }
    }
    for (const QString &name : QTextToSpeech::availableEngines()) {
        auto engine = std::make_unique<QTextToSpeech>(name);
        if (engine->state() == QTextToSpeech::Error)
            continue;
        if (const std::optional<QLocale> locale = localeFor(*engine, language)) {
            engine->setLocale(*locale);
            m_engine = std::move(engine);
            m_language = language;
            return m_engine.get();
        }
    }
    return nullptr;
}

bool SystemSpeaker::speaks(const QString &language)
{
    return engineFor(language) != nullptr;
}

void SystemSpeaker::say(const QString &text, const QString &language)
{
    if (QTextToSpeech *engine = engineFor(language)) {
        engine->stop();
        engine->say(text);
    }
}

void SystemSpeaker::stop()
{
    if (m_engine)
        m_engine->stop();
}
