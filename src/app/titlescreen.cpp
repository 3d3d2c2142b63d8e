// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/titlescreen.h"

#include "common/picturenames.h"
#include "screens/commandbutton.h"
#include "screens/navigation.h"
#include "screens/pictureview.h"
#include "screens/screencontext.h"
#include "screens/styling.h"

#include <QIcon>
#include <QTimer>

TitleScreen::TitleScreen(ScreenContext &context)
    : Screen(screenDefinition(ScreenNames::Title), context)
    , m_picture(control<PictureBox>(QStringLiteral("Picture1")))
    , m_timer(control<QTimer>(QStringLiteral("Timer1")))
{
    connect(m_timer, &QTimer::timeout, this, &TitleScreen::Timer1_Timer);
    connect(control<CommandButton>(QStringLiteral("Command1")),
            &CommandButton::clicked,
            this,
            &TitleScreen::Command1_Click);
    connect(control<CommandButton>(QStringLiteral("Command2")),
            &CommandButton::clicked,
            this,
            &TitleScreen::Command2_Click);
    // The program's icon; without the file the window keeps the system's.
    const QString icon = context.pictures().resolve(PictureNames::icon(PictureNames::WindowIconPixels));
    if (!icon.isEmpty())
        setWindowIcon(QIcon(icon));
}

void TitleScreen::Form_Load()
{
    centreOnDisplay();
    if (!m_picture->setPicture(loadFrame(m_player.restart()))) {
        // Without the first frame the screen takes the lesson screens' look
        // and shows the spare opening picture instead.
        setupscreen(*this);
        m_picture->setPicture(loadPicture(PictureNames::TitleFallback));
    }
    m_timer->start();
}

void TitleScreen::Timer1_Timer()
{
    // A frame that cannot be read leaves the previous one on show.
    m_picture->setPicture(loadFrame(m_player.stepForward()));
}

QImage TitleScreen::loadFrame(const QString &file)
{
    return m_frames.frame(context().pictures(), file, devicePixelRatioF());
}

void TitleScreen::Command1_Click()
{
    Navigation::moveOn(*this, ScreenNames::Menu);
}

void TitleScreen::Command2_Click()
{
    context().screens().end();
}
