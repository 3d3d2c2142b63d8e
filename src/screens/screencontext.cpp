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

ScreenContext::QuestionDraws ScreenContext::questionDraws(const QString &page)
{
    if (m_classCode.isEmpty())
        return {m_random, m_questionHistory};
    auto found = m_classDraws.find(page);
    if (found == m_classDraws.end())
        found = m_classDraws.emplace(page, ClassDraws{ClassCodeRandom(m_classCode, page), QuestionHistory()}).first;
    return {found->second.random, found->second.history};
}
