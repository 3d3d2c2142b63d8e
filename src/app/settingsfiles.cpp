// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/settingsfiles.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace {

const QString FileName = QStringLiteral("vertexa.conf");

QString folderOrDefault(const QProcessEnvironment &env, const char *name, const QString &fallback)
{
    const QString folder = env.value(QLatin1String(name));
    // The XDG rule: a relative path is not a configuration folder.
    return QDir::isAbsolutePath(folder) ? folder : fallback;
}

// One file's options, checked one key at a time.
StartOptions readOne(const QString &path, QStringList &warnings)
{
    StartOptions chosen;
    if (!QFile::exists(path))
        return chosen;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        warnings << QStringLiteral("%1: cannot be read (%2); its settings are ignored").arg(path, file.errorString());
        return chosen;
    }
    // Settings are UTF-8 text: in anything else only the lines that still
    // read as our settings count, and nothing else is reported from it.
    const QByteArray content = file.readAll();
    const bool garbled = content.contains('\0') || !content.isValidUtf8();
    const QSettings settings(path, QSettings::IniFormat);
    if (garbled || settings.status() != QSettings::NoError)
        warnings << QStringLiteral("%1: not a settings file; only the lines that read as settings count").arg(path);
    for (const QString &key : settings.allKeys()) {
        if (garbled && !StartOptions::names().contains(key))
            continue;
        const QVariant stored = settings.value(key);
        // QSettings splits a value at its commas: put it back together.
        const QString value =
            stored.typeId() == QMetaType::QStringList ? stored.toStringList().join(u',') : stored.toString();
        const QString allowed = chosen.take(key, value);
        if (!allowed.isEmpty())
            warnings << QStringLiteral("%1: %2=%3 is ignored; allowed: %4").arg(path, key, value, allowed);
    }
    return chosen;
}

} // namespace

namespace SettingsFiles {

QStringList paths(const QProcessEnvironment &env)
{
    const QString home = folderOrDefault(env, "XDG_CONFIG_HOME", QDir::homePath() + QStringLiteral("/.config"));
    QStringList systemFolders;
    for (const QString &folder : env.value(QStringLiteral("XDG_CONFIG_DIRS")).split(u':', Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(folder))
            systemFolders.prepend(folder);
    }
    if (systemFolders.isEmpty())
        systemFolders << QStringLiteral("/etc/xdg");
    QStringList files;
    for (const QString &folder : std::as_const(systemFolders) + QStringList{home})
        files << QDir(folder).filePath(FileName);
    return files;
}

StartOptions read(const QStringList &paths, QStringList &warnings)
{
    StartOptions chosen;
    for (const QString &path : paths)
        chosen = readOne(path, warnings).over(chosen);
    return chosen;
}

} // namespace SettingsFiles
