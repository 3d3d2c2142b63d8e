// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "controls/playerbar.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHash>
#include <QIcon>
#include <QPointer>
#include <QStyle>

namespace {

// The player bars' four pictures, made once for the whole program: a fresh
// icon for every bar leaves a little memory in the style's caches at every
// visit of a problems page, without end.
class PlayerIcons : public QObject
{
public:
    static QIcon icon(QStyle::StandardPixmap which, const QStyle *style)
    {
        static QPointer<PlayerIcons> icons;
        if (!icons)
            icons = new PlayerIcons(QCoreApplication::instance());
        auto found = icons->m_icons.find(which);
        if (found == icons->m_icons.end())
            found = icons->m_icons.insert(which, style->standardIcon(which));
        return *found;
    }

private:
    using QObject::QObject;
    QHash<int, QIcon> m_icons;
};

} // namespace

PlayerBar::PlayerBar(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    struct Look
    {
        QStyle::StandardPixmap icon;
        const char *name;
    };
    const std::array<Look, PlayerControls.size()> looks{{
        {QStyle::SP_MediaPlay, QT_TR_NOOP("Play")},
        {QStyle::SP_MediaPause, QT_TR_NOOP("Pause")},
        {QStyle::SP_MediaSeekBackward, QT_TR_NOOP("Step back")},
        {QStyle::SP_MediaSeekForward, QT_TR_NOOP("Step forward")},
    }};
    for (std::size_t i = 0; i < PlayerControls.size(); ++i) {
        auto *b = new QToolButton(this);
        b->setIcon(PlayerIcons::icon(looks[i].icon, style()));
        b->setAccessibleName(tr(looks[i].name));
        b->setToolTip(tr(looks[i].name));
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, i] { Q_EMIT pressed(PlayerControls[i]); });
        m_buttons[i] = b;
    }
}

QToolButton *PlayerBar::button(PlayerControl which) const
{
    return m_buttons[static_cast<std::size_t>(which)];
}

void PlayerBar::setAvailable(PlayerControl which, bool available)
{
    button(which)->setEnabled(available);
}

bool PlayerBar::isAvailable(PlayerControl which) const
{
    return button(which)->isEnabled();
}
