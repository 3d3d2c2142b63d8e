// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/accessibility.h"

#include "common/wrapindex.h"
#include "screens/screendefinition.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <array>

namespace Accessibility {

QString colourName(int index)
{
    // The sixteen colours of the Jotter's swatches: each name must stay distinct.
    static const std::array<const char *, 16> names{
        QT_TRANSLATE_NOOP("Accessibility", "Black"),
        QT_TRANSLATE_NOOP("Accessibility", "Navy"),
        QT_TRANSLATE_NOOP("Accessibility", "Green"),
        QT_TRANSLATE_NOOP("Accessibility", "Teal"),
        QT_TRANSLATE_NOOP("Accessibility", "Maroon"),
        QT_TRANSLATE_NOOP("Accessibility", "Purple"),
        QT_TRANSLATE_NOOP("Accessibility", "Olive"),
        QT_TRANSLATE_NOOP("Accessibility", "Silver"),
        QT_TRANSLATE_NOOP("Accessibility", "Grey"),
        QT_TRANSLATE_NOOP("Accessibility", "Blue"),
        QT_TRANSLATE_NOOP("Accessibility", "Lime"),
        QT_TRANSLATE_NOOP("Accessibility", "Aqua"),
        QT_TRANSLATE_NOOP("Accessibility", "Red"),
        QT_TRANSLATE_NOOP("Accessibility", "Fuchsia"),
        QT_TRANSLATE_NOOP("Accessibility", "Yellow"),
        QT_TRANSLATE_NOOP("Accessibility", "White"),
    };
    return QCoreApplication::translate("Accessibility",
                                       names[static_cast<std::size_t>(wrapIndex(index, int(names.size())))]);
}

void describeWindow(QWidget &window, const ScreenDefinition &definition)
{
    window.setAccessibleName(shownText(definition.spokenName.isEmpty() ? definition.caption : definition.spokenName));
    window.setAccessibleDescription(shownText(definition.description));
}

void describeControl(QWidget &control, const ControlDefinition &definition)
{
    if (!definition.spokenName.isEmpty())
        control.setAccessibleName(shownText(definition.spokenName));
    auto *button = qobject_cast<QAbstractButton *>(&control);
    if (!button || definition.shortcutKey.isEmpty())
        return;
    button->setShortcut(definition.shortcutKey);
    const QString name = definition.spokenName.isEmpty() ? shownText(definition.text, definition.textDisambiguation)
                                                         : shownText(definition.spokenName);
    //: Tooltip of a button: %1 is its name, %2 its shortcut (such as Alt+N).
    const QString tip = QCoreApplication::translate("Accessibility", "%1 (%2)");
    button->setToolTip(tip.arg(name, definition.shortcutKey.toString(QKeySequence::NativeText)));
}

} // namespace Accessibility
