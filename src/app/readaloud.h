// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QObject>
#include <QPointer>

class Label;
class Screen;
class Speaker;

// Reading aloud for a pupil who reads slowly. F8 turns it on anywhere in the
// program: the active screen's words are read in the program's language, and
// read again whenever they change (a new question, a verdict, the next step
// of the proof, another screen); F8 again stops. Where no voice reads the
// language, a short note on the screen says so and nothing else changes.
class ReadAloud : public QObject
{
    Q_OBJECT
public:
    explicit ReadAloud(Speaker &speaker, QObject *parent = nullptr);
    ~ReadAloud() override;

    bool isOn() const { return m_on; }
    void setOn(bool on);

    // Shows, for a few seconds, the note that no voice reads the language.
    static Label *showNote(Screen &screen);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Reads the active screen when its words are not those read last.
    void readIfChanged();

    Speaker &m_speaker;
    bool m_on = false;
    bool m_checkQueued = false;
    QString m_read;
};
