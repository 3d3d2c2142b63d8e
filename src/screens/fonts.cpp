// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/fonts.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHash>

namespace {

QStringList facesFor(const QString &face)
{
    static const QHash<QString, QStringList> fallbacks{
        {QStringLiteral("Tahoma"),
         {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}},
        {QStringLiteral("Arial"),
         {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}},
        {QStringLiteral("Times New Roman"),
         {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}},
    };
    return fallbacks.value(face, {face});
}

// The regular and bold Tahoma-metric files, by the names Wine gives them.
const QStringList BundledFiles{QStringLiteral("tahoma.ttf"), QStringLiteral("tahomabd.ttf")};

// Added files by absolute path, with the id the font database gave them.
QHash<QString, int> &addedFonts()
{
    static QHash<QString, int> added;
    return added;
}

} // namespace

QFont fontFor(const FontSpec &asked, const QFont &systemFont)
{
    if (asked.face.isEmpty())
        return systemFont;
    QFont font;
    font.setFamilies(facesFor(asked.face));
    font.setStyleHint(asked.face == u"Times New Roman" ? QFont::Serif : QFont::SansSerif);
    font.setPointSizeF(asked.points);
    font.setWeight(asked.bold ? QFont::Bold : QFont::Normal);
    return font;
}

QStringList bundledFontFolders()
{
    return {QStringLiteral("/usr/share/wine/fonts")};
}

QStringList registerBundledFonts(const QStringList &folders)
{
    QStringList families;
    for (const QString &folder : folders) {
        for (const QString &file : BundledFiles) {
            const QString path = QFileInfo(QDir(folder).filePath(file)).absoluteFilePath();
            if (addedFonts().contains(path) || !QFileInfo(path).isFile())
                continue;
            // A damaged file is refused by the database and simply left out.
            const int id = QFontDatabase::addApplicationFont(path);
            if (id < 0)
                continue;
            addedFonts().insert(path, id);
            families += QFontDatabase::applicationFontFamilies(id);
        }
    }
    families.removeDuplicates();
    return families;
}

void removeBundledFonts()
{
    for (const int id : std::as_const(addedFonts()))
        QFontDatabase::removeApplicationFont(id);
    addedFonts().clear();
}
