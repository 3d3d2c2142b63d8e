// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "common/classcoderandom.h"
#include "common/picturefile.h"
#include "common/questionhistory.h"
#include "common/randomsource.h"
#include "screens/screenregistry.h"

#include <QUrl>
#include <functional>
#include <map>

// What every screen shares: the one random source, the picture folder, the
// question history of the two problems pages, the screens themselves and the
// way out to the desktop.
class ScreenContext
{
public:
    // Hands an address to the desktop; false when nothing could open it.
    using UrlOpener = std::function<bool(const QUrl &)>;

    explicit ScreenContext(RandomSource &random, PictureFolder pictures = PictureFolder());
    ScreenContext(const ScreenContext &) = delete;
    ScreenContext &operator=(const ScreenContext &) = delete;

    RandomSource &random() { return m_random; }
    QuestionHistory &questionHistory() { return m_questionHistory; }

    // Where a problems page draws its questions from. Without a class code,
    // the one random source and the history both pages share. With one, each
    // page has a sequence of its own for the class and its own history, so
    // that its n-th question is the same for every pupil whatever order the
    // pages were visited in; no page repeats the type it drew just before.
    struct QuestionDraws
    {
        RandomSource &random;
        QuestionHistory &history;
    };
    QuestionDraws questionDraws(const QString &page);
    // Called once at start-up, before any page draws; "" for none.
    void setClassCode(const QString &code) { m_classCode = code; }
    const PictureFolder &pictures() const { return m_pictures; }
    void setPictures(PictureFolder pictures) { m_pictures = std::move(pictures); }
    ScreenRegistry &screens() { return m_screens; }

    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }
    bool openUrl(const QUrl &url) const { return m_openUrl && m_openUrl(url); }

private:
    RandomSource &m_random;
    QuestionHistory m_questionHistory;
    PictureFolder m_pictures;
    UrlOpener m_openUrl;
    struct ClassDraws
    {
        ClassCodeRandom random;
        QuestionHistory history;
    };
    QString m_classCode;
    std::map<QString, ClassDraws> m_classDraws;
    ScreenRegistry m_screens; // last: screens go before what they use
};
