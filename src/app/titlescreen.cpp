// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/titlescreen.h"

#include "app/approws.h"
#include "common/picturenames.h"
#include "controls/commandbutton.h"
#include "controls/pictureview.h"
#include "screens/navigation.h"
#include "screens/screencontext.h"
#include "screens/styling.h"

#include <QIcon>
#include <QTimer>

TitleScreen::TitleScreen(ScreenContext &context)
    : Screen(titleScreenDefinition(), context)
    , m_picture(take<PictureBox>(QStringLiteral("Picture1")))
    , m_timer(take<QTimer>(QStringLiteral("Timer1")))
{
    wire(QStringLiteral("Timer1"), &QTimer::timeout, &TitleScreen::showNextFrame);
    wire(QStringLiteral("Command1"), &CommandButton::clicked, &TitleScreen::openMenu);
    wire(QStringLiteral("Command2"), &CommandButton::clicked, &TitleScreen::endProgram);
    // The program's icon; without the file the window keeps the system's.
    const QString icon = context.pictures().resolve(PictureNames::icon(PictureNames::WindowIconPixels));
    if (!icon.isEmpty())
        setWindowIcon(QIcon(icon));
}

void TitleScreen::Form_Load()
{
    placement().centreOnDisplay();
    if (!m_picture.setPicture(loadFrame(m_player.restart()))) {
        // Without the first frame the screen takes the lesson screens' look
        // and shows the spare opening picture instead.
        setupscreen(*this);
        m_picture.setPicture(loadPicture(PictureNames::TitleFallback));
    }
    m_timer.start();
}

void TitleScreen::resolutionChanged()
{
    Screen::resolutionChanged();
    m_picture.setPicture(loadFrame(m_player.current()));
}

void TitleScreen::showNextFrame()
{
    // A frame that cannot be read leaves the previous one on show.
    m_picture.setPicture(loadFrame(m_player.stepForward()));
}

QImage TitleScreen::loadFrame(const QString &file)
{
    return m_frames.frame(context().pictures(), file, devicePixelRatioF());
}

void TitleScreen::openMenu()
{
    Navigation::moveOn(*this, ScreenNames::Menu);
}

void TitleScreen::endProgram()
{
    context().screens().end();
}
