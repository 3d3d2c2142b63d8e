// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QPointer>
#include <QTranslator>

Q_LOGGING_CATEGORY(lcLanguage, "vertexa.language", QtInfoMsg)

namespace {

const QString English = QStringLiteral("en");

// What a locale name such as "de_AT.UTF-8@euro" means for the program: the
// translation it names, by language and territory ("pt_BR") or by language
// alone ("de"); English; another language (then the next choice counts); or
// no language at all (C, POSIX, a name QLocale cannot place). A name without
// a territory takes its language's main one ("pt" is "pt_BR").
enum class Choice { Translated, English, Other, None };

struct Named
{
    Choice choice = Choice::None;
    QString language;
};

Named choose(const QString &localeName)
{
    QString name = localeName.trimmed();
    name.truncate(name.indexOf(u'@') < 0 ? name.size() : name.indexOf(u'@'));
    name.truncate(name.indexOf(u'.') < 0 ? name.size() : name.indexOf(u'.'));
    if (name.isEmpty() || name == u"C" || name == u"POSIX")
        return {Choice::None, {}};
    const QLocale locale(name);
    if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage)
        return {Choice::None, {}};
    const QString language = QLocale::languageToCode(locale.language());
    if (language == English)
        return {Choice::English, {}};
    const QStringList translations = Language::translated();
    for (const QString &candidate : {locale.name(), language}) {
        if (translations.contains(candidate))
            return {Choice::Translated, candidate};
    }
    return {Choice::Other, {}};
}

// The translators stay children of the application, so that they go with it.
struct Installed
{
    QPointer<QTranslator> program;
    QPointer<QTranslator> qt;
    QString language;
};

Installed &installed()
{
    static Installed now;
    return now;
}

void removeInstalled()
{
    Installed &now = installed();
    delete now.program.data();
    delete now.qt.data();
    now.language.clear();
}

} // namespace

namespace Language {

QStringList translated()
{
    // Whatever translations the build compiled in: adding a language adds no code.
    static const QStringList languages = [] {
        QStringList found;
        for (const QString &file :
             QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("vertexa_*.qm")}, QDir::Files))
            found += file.mid(QStringLiteral("vertexa_").size()).chopped(QStringLiteral(".qm").size());
        found.sort();
        return found;
    }();
    return languages;
}

QString fromEnvironment(const QProcessEnvironment &env)
{
    // The locale of the messages is the first of these that is set, as the C library takes it.
    QString locale;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = env.value(QLatin1String(name));
        if (!locale.isEmpty())
            break;
    }
    const Named fromLocale = choose(locale);
    // The list of preferred languages, as gettext reads it: not for a C locale.
    if (fromLocale.choice != Choice::None) {
        const QStringList preferred = env.value(QStringLiteral("LANGUAGE")).split(u':', Qt::SkipEmptyParts);
        for (const QString &entry : preferred) {
            const Named named = choose(entry);
            if (named.choice == Choice::Translated || named.choice == Choice::English)
                return named.language;
        }
    }
    return fromLocale.language;
}

bool install(const QString &language)
{
    removeInstalled();
    QCoreApplication *app = QCoreApplication::instance();
    if (language.isEmpty() || language == English)
        return true;
    if (!app || !translated().contains(language))
        return false;

    Installed &now = installed();
    auto *program = new QTranslator(app);
    if (!program->load(QStringLiteral(":/i18n/vertexa_%1.qm").arg(language))) {
        qCDebug(lcLanguage) << "no translation of the program into" << language;
        delete program;
        return false;
    }
    QCoreApplication::installTranslator(program);
    now.program = program;
    // Qt's own words (the answer box's menu) where the system has them;
    // without them those few stay English.
    auto *qt = new QTranslator(app);
    if (qt->load(QStringLiteral("qtbase_%1").arg(language), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
        now.qt = qt;
    } else {
        qCDebug(lcLanguage) << "no translation of Qt's own words into" << language;
        delete qt;
    }
    now.language = language;
    return true;
}

QString current()
{
    return installed().language;
}

QChar decimalSeparator(const QString &language)
{
    if (language.isEmpty() || language == English)
        return u'.';
    const QString separator = QLocale(language).decimalPoint();
    return separator == u"," ? u',' : u'.';
}

} // namespace Language
