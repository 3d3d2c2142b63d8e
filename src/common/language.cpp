// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QPointer>
#include <QTranslator>

Q_LOGGING_CATEGORY(lcLanguage, "vertexa.language", QtInfoMsg)

namespace {

const QString English = QStringLiteral("en");

// The two-letter language of a locale name such as "de_AT.UTF-8@euro";
// "" for the C and POSIX locales and for names QLocale cannot place.
QString languageOf(const QString &localeName)
{
    QString name = localeName.trimmed();
    name.truncate(name.indexOf(u'@') < 0 ? name.size() : name.indexOf(u'@'));
    name.truncate(name.indexOf(u'.') < 0 ? name.size() : name.indexOf(u'.'));
    if (name.isEmpty() || name == u"C" || name == u"POSIX")
        return {};
    const QLocale locale(name);
    if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage)
        return {};
    return QLocale::languageToCode(locale.language());
}

// What a language of the environment means for the program: a translation
// it has, English, or neither (then the next choice counts).
enum class Choice { Translated, English, Unknown };

Choice choose(const QString &language)
{
    if (language == English)
        return Choice::English;
    return Language::translated().contains(language) ? Choice::Translated : Choice::Unknown;
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
    return {QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr")};
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
    const QString localeLanguage = languageOf(locale);
    // The list of preferred languages, as gettext reads it: not for a C locale.
    if (!localeLanguage.isEmpty()) {
        const QStringList preferred = env.value(QStringLiteral("LANGUAGE")).split(u':', Qt::SkipEmptyParts);
        for (const QString &entry : preferred) {
            const QString language = languageOf(entry);
            switch (choose(language)) {
            case Choice::Translated:
                return language;
            case Choice::English:
                return {};
            case Choice::Unknown:
                break;
            }
        }
    }
    return choose(localeLanguage) == Choice::Translated ? localeLanguage : QString();
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
