// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/accessibility.h"

#include "common/wrapindex.h"
#include "screens/screendefinition.h"

#include <QAbstractButton>
#include <array>

namespace Accessibility {

QString colourName(int index)
{
    static const std::array<const char *, 16> names{
        "Black",
        "Navy",
        "Green",
        "Teal",
        "Maroon",
        "Purple",
        "Olive",
        "Silver",
        "Grey",
        "Blue",
        "Lime",
        "Aqua",
        "Red",
        "Fuchsia",
        "Yellow",
        "White",
    };
    return QString::fromLatin1(names[static_cast<std::size_t>(wrapIndex(index, int(names.size())))]);
}

void describeWindow(QWidget &window, const ScreenDefinition &definition)
{
    window.setAccessibleName(definition.spokenName.isEmpty() ? definition.caption : definition.spokenName);
    window.setAccessibleDescription(definition.description);
}

void describeControl(QWidget &control, const ControlDefinition &definition)
{
    if (!definition.spokenName.isEmpty())
        control.setAccessibleName(definition.spokenName);
    auto *button = qobject_cast<QAbstractButton *>(&control);
    if (!button || definition.shortcutKey.isEmpty())
        return;
    button->setShortcut(definition.shortcutKey);
    const QString name = definition.spokenName.isEmpty() ? definition.text : definition.spokenName;
    button->setToolTip(QStringLiteral("%1 (%2)").arg(name, definition.shortcutKey.toString(QKeySequence::NativeText)));
}

} // namespace Accessibility
