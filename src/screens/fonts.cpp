// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/fonts.h"

#include <QHash>

namespace {

QStringList facesFor(const QString &face)
{
    static const QHash<QString, QStringList> fallbacks{
        {QStringLiteral("Tahoma"), {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"), QStringLiteral("Verdana")}},
        {QStringLiteral("Arial"), {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}},
        {QStringLiteral("Times New Roman"), {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}},
    };
    return fallbacks.value(face, {face});
}

} // namespace

QFont fontFor(const FontSpec &spec, const QFont &systemFont)
{
    if (spec.face.isEmpty())
        return systemFont;
    QFont font;
    font.setFamilies(facesFor(spec.face));
    font.setStyleHint(spec.face == u"Times New Roman" ? QFont::Serif : QFont::SansSerif);
    font.setPointSizeF(spec.points);
    font.setWeight(spec.bold ? QFont::Bold : QFont::Normal);
    return font;
}
