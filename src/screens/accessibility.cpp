// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/accessibility.h"

#include "screens/screendefinition.h"

#include <QAbstractButton>
#include <QCoreApplication>

namespace Accessibility {

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
