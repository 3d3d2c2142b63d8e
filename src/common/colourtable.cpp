// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/colourtable.h"

#include "common/wrapindex.h"

#include <QCoreApplication>
#include <array>

namespace {

struct TableColour
{
    QRgb value;
    const char *name;
};

const TableColour &entry(int index)
{
    static const std::array<TableColour, ColourTableSize> table{{
        {qRgb(0, 0, 0), QT_TRANSLATE_NOOP("Accessibility", "Black")},
        {qRgb(0, 0, 128), QT_TRANSLATE_NOOP("Accessibility", "Navy")},
        {qRgb(0, 128, 0), QT_TRANSLATE_NOOP("Accessibility", "Green")},
        {qRgb(0, 128, 128), QT_TRANSLATE_NOOP("Accessibility", "Teal")},
        {qRgb(128, 0, 0), QT_TRANSLATE_NOOP("Accessibility", "Maroon")},
        {qRgb(128, 0, 128), QT_TRANSLATE_NOOP("Accessibility", "Purple")},
        {qRgb(128, 128, 0), QT_TRANSLATE_NOOP("Accessibility", "Olive")},
        {qRgb(192, 192, 192), QT_TRANSLATE_NOOP("Accessibility", "Silver")},
        {qRgb(128, 128, 128), QT_TRANSLATE_NOOP("Accessibility", "Grey")},
        {qRgb(0, 0, 255), QT_TRANSLATE_NOOP("Accessibility", "Blue")},
        {qRgb(0, 255, 0), QT_TRANSLATE_NOOP("Accessibility", "Lime")},
        {qRgb(0, 255, 255), QT_TRANSLATE_NOOP("Accessibility", "Aqua")},
        {qRgb(255, 0, 0), QT_TRANSLATE_NOOP("Accessibility", "Red")},
        {qRgb(255, 0, 255), QT_TRANSLATE_NOOP("Accessibility", "Fuchsia")},
        {qRgb(255, 255, 0), QT_TRANSLATE_NOOP("Accessibility", "Yellow")},
        {qRgb(255, 255, 255), QT_TRANSLATE_NOOP("Accessibility", "White")},
    }};
    return table[static_cast<std::size_t>(wrapIndex(index, ColourTableSize))];
}

} // namespace

QColor qbColor(int index)
{
    return QColor(entry(index).value);
}

QString colourName(int index)
{
    return QCoreApplication::translate("Accessibility", entry(index).name);
}
