// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "common/speaker.h"

#include <memory>

class QTextToSpeech;

// The desktop's speech engine through Qt TextToSpeech: the first engine that
// works and has a voice for the language (speech-dispatcher with eSpeak NG
// reads every language of the program). Nothing is loaded until the first
// question whether a language is spoken.
class SystemSpeaker : public Speaker
{
public:
    SystemSpeaker();
    ~SystemSpeaker() override;

    bool speaks(const QString &language) override;
    void say(const QString &text, const QString &language) override;
    void stop() override;

private:
    // An engine set to a voice of `language`; null when none has one.
    QTextToSpeech *engineFor(const QString &language);

    std::unique_ptr<QTextToSpeech> m_engine;
    QString m_language; // the one m_engine's voice reads
};
