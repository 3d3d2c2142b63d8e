// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/startchoice.h"

#include "app/settingsfiles.h"
#include "common/language.h"

#include <QCommandLineParser>

namespace {

constexpr int UsageError = 2;

struct OptionText
{
    QString valueName; // none for a flag
    QString description;
};

OptionText textOf(const QString &name)
{
    const QString allowed = StartOptions::allowed(name);
    if (name == u"language")
        return {name, QStringLiteral("Speak <language> whatever the desktop's: %1.").arg(allowed)};
    if (name == u"class-code")
        return {QStringLiteral("word"),
                QStringLiteral("Every pupil started with the same <word> gets the same "
                               "questions in the same order: %1.")
                    .arg(allowed)};
    if (name == u"scale")
        return {QStringLiteral("factor"),
                QStringLiteral("Draw the whole program <factor> times larger: %1 (the largest step at which an "
                               "800x600 screen fits the primary monitor).")
                    .arg(allowed)};
    return {{}, QStringLiteral("Read each screen aloud (F8 reads or stops at any time).")};
}

StartOptions fromCommandLine(const QStringList &arguments, StartChoice &choice)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Geometry lessons on triangles and stellated polygons."));
    // -scale as well as --scale, as Qt's own -platform.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    for (const QString &name : StartOptions::names()) {
        const OptionText text = textOf(name);
        parser.addOption(QCommandLineOption(name, text.description, text.valueName));
    }

    StartOptions chosen;
    const auto stop = [&](int code, const QString &line) {
        choice.exitCode = code;
        (code == 0 ? choice.output : choice.warnings.emplaceBack()) = line;
        return chosen;
    };
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        return stop(UsageError,
                    unknown.isEmpty()
                        ? parser.errorText().chopped(1) + QStringLiteral("; see --help")
                        : QStringLiteral("unknown option '%1'; the options are --help, --version, "
                                         "--%2 and Qt's own (--help-all)")
                              .arg(unknown.constFirst(), StartOptions::names().join(QStringLiteral(", --"))));
    }
    // Only the parser itself writes the help with Qt's options in it, and it
    // ends the process as it does so.
    if (parser.isSet(QStringLiteral("help-all")))
        parser.process(arguments);
    if (parser.isSet(help))
        return stop(0, parser.helpText());
    if (parser.isSet(version))
        return stop(0, QStringLiteral("vertexa " VERTEXA_VERSION "\n"));
    if (!parser.positionalArguments().isEmpty())
        return stop(UsageError,
                    QStringLiteral("unexpected argument '%1'; the program takes options only")
                        .arg(parser.positionalArguments().constFirst()));
    for (const QString &name : StartOptions::names()) {
        if (!parser.isSet(name))
            continue;
        const QString value = !textOf(name).valueName.isEmpty() ? parser.value(name) : QStringLiteral("true");
        const QString allowed = chosen.take(name, value);
        if (!allowed.isEmpty())
            return stop(UsageError, QStringLiteral("--%1 '%2' is not allowed; use %3").arg(name, value, allowed));
    }
    return chosen;
}

} // namespace

StartChoice StartChoice::decide(const QStringList &arguments, const QProcessEnvironment &env)
{
    StartChoice choice;
    const StartOptions given = fromCommandLine(arguments, choice);
    if (choice.exitCode)
        return choice;
    StartOptions fromEnvironment;
    const QString desktopLanguage = Language::fromEnvironment(env);
    fromEnvironment.language = desktopLanguage.isEmpty() ? QStringLiteral("en") : desktopLanguage;
    choice.options = given.over(SettingsFiles::read(SettingsFiles::paths(env), choice.warnings)).over(fromEnvironment);
    return choice;
}
