// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/screencontext.h"

#include <QDesktopServices>

ScreenContext::ScreenContext(RandomSource &random, PictureFolder pictures)
    : m_random(random)
    , m_pictures(std::move(pictures))
    , m_openUrl([](const QUrl &url) { return QDesktopServices::openUrl(url); })
    , m_screens(*this)
{
}
