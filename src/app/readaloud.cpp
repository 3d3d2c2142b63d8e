// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/readaloud.h"

#include "app/screenreading.h"
#include "common/colourtable.h"
#include "common/language.h"
#include "common/speaker.h"
#include "controls/label.h"
#include "screens/controlfactory.h"
#include "screens/rows.h"
#include "screens/screen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

namespace {

constexpr int NoteMilliseconds = 4000;

QString spokenLanguage()
{
    return Language::current().isEmpty() ? QStringLiteral("en") : Language::current();
}

Screen *activeScreen()
{
    return qobject_cast<Screen *>(QApplication::activeWindow());
}

} // namespace

ReadAloud::ReadAloud(Speaker &speaker, QObject *parent)
    : QObject(parent)
    , m_speaker(speaker)
{
    qApp->installEventFilter(this);
}

ReadAloud::~ReadAloud()
{
    m_speaker.stop();
}

void ReadAloud::setOn(bool on)
{
    m_on = on;
    m_read.clear();
    if (on)
        readIfChanged();
    else
        m_speaker.stop();
}

Label *ReadAloud::showNote(Screen &screen)
{
    using namespace Rows;
    const ControlDefinition row =
        label(QStringLiteral("SpeechNote"))
            .at(240, 240, 7200, 1000)
            .caption(
                //: A short note over the screen for a few seconds when F8 finds no voice that reads the
                //: language (480x67 px, two lines).
                english(QT_TRANSLATE_NOOP("ScreenDefinitions",
                                          "This computer has no voice to read aloud in your language.")))
            .fore(Colours::Black)
            .back(Colours::Yellow)
            .centred()
            .withFont(Tahoma, 12);
    auto *note =
        static_cast<Label *>(ControlFactory::make(row, screen, screen, {Colours::Yellow, screen.backgroundColour()}));
    note->raise();
    note->show();
    QTimer::singleShot(NoteMilliseconds, note, &QObject::deleteLater);
    return note;
}

bool ReadAloud::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F8 && !key->modifiers()) {
            if (!key->isAutoRepeat())
                setOn(!m_on);
            return true;
        }
        [[fallthrough]];
    }
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
    case QEvent::WindowActivate:
        // What the pupil did may have changed the words: look once it is done.
        if (m_on && !m_checkQueued) {
            m_checkQueued = true;
            QTimer::singleShot(0, this, [this] {
                m_checkQueued = false;
                readIfChanged();
            });
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void ReadAloud::readIfChanged()
{
    Screen *screen = activeScreen();
    if (!m_on || !screen)
        return;
    const QString language = spokenLanguage();
    if (!m_speaker.speaks(language)) {
        m_on = false;
        showNote(*screen);
        return;
    }
    const QString words = ScreenReading::compose(screen->screenName(), [screen](const ScreenReading::Part &part) {
        const auto *label = screen->control<Label>(part.control, part.index);
        return label && label->isVisibleTo(screen) ? std::optional(label->text()) : std::nullopt;
    });
    if (words == m_read)
        return;
    m_read = words;
    words.isEmpty() ? m_speaker.stop() : m_speaker.say(words, language);
}
