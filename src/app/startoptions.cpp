// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/startoptions.h"

#include "common/language.h"
#include "common/stylingsizes.h"
#include "common/twips.h"

#include <cmath>

namespace {

constexpr double ScaleStep = 0.25;
constexpr double LargestScale = 3;
constexpr int LongestClassCode = 40;

QStringList languages()
{
    QStringList all = Language::translated() << QStringLiteral("en");
    all.sort();
    return all;
}

// Letters of any script with their accents, digits, and the joiners a class
// name may carry ("7b", "Klasse-5ä", "CM2_Dupont").
bool isClassCode(const QString &code)
{
    if (code.isEmpty() || code.size() > LongestClassCode)
        return false;
    for (const QChar c : code) {
        if (!c.isLetterOrNumber() && !c.isMark() && c != u'-' && c != u'_' && c != u'.')
            return false;
    }
    return true;
}

std::optional<ProgramScale> scaleFrom(const QString &value)
{
    if (value == u"fit")
        return ProgramScale{true, 1};
    bool isNumber = false;
    const double factor = value.toDouble(&isNumber);
    const double steps = factor / ScaleStep;
    if (!isNumber || factor < 1 || factor > LargestScale || steps != std::floor(steps))
        return std::nullopt;
    return ProgramScale{false, factor};
}

} // namespace

double ProgramScale::factorFor(const QSizeF &available) const
{
    if (!fit)
        return factor;
    const QSize lesson = twipsToPixels(QSize(Styling::WindowWidth, Styling::WindowHeight));
    double largest = 1;
    for (double step = 1 + ScaleStep; step <= LargestScale; step += ScaleStep) {
        if (lesson.width() * step <= available.width() && lesson.height() * step <= available.height())
            largest = step;
    }
    return largest;
}

namespace {

template<class T>
void fill(std::optional<T> &open, const std::optional<T> &from)
{
    if (!open)
        open = from;
}

} // namespace

const QStringList &StartOptions::names()
{
    static const QStringList all{QStringLiteral("language"),
                                 QStringLiteral("class-code"),
                                 QStringLiteral("scale"),
                                 QStringLiteral("read-aloud")};
    return all;
}

QString StartOptions::allowed(const QString &name)
{
    if (name == u"language")
        return QStringLiteral("one of ") + languages().join(QStringLiteral(", "));
    if (name == u"class-code")
        return QStringLiteral("one word of up to %1 letters or digits (also - _ .)").arg(LongestClassCode);
    if (name == u"scale")
        return QStringLiteral("a number from 1 to 3 in steps of 0.25, or fit");
    if (name == u"read-aloud")
        return QStringLiteral("true or false");
    return QStringLiteral("one of the names ") + names().join(QStringLiteral(", "));
}

QString StartOptions::take(const QString &name, const QString &value)
{
    const QString code = value.trimmed();
    const std::optional<ProgramScale> factor = scaleFrom(value);
    if (name == u"language" && languages().contains(value))
        language = value;
    else if (name == u"class-code" && isClassCode(code))
        classCode = code;
    else if (name == u"scale" && factor)
        scale = factor;
    else if (name == u"read-aloud" && (value == u"true" || value == u"false"))
        readAloud = value == u"true";
    else
        return allowed(name);
    return {};
}

StartOptions StartOptions::over(const StartOptions &under) const
{
    StartOptions merged = *this;
    fill(merged.language, under.language);
    fill(merged.classCode, under.classCode);
    fill(merged.scale, under.scale);
    fill(merged.readAloud, under.readAloud);
    return merged;
}
