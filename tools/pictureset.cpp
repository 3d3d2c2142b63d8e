// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "pictureset.h"

#include "gifwriter.h"
#include "picturedrawing.h"

#include "common/colourtable.h"
#include "common/picturenames.h"
#include "common/twips.h"
#include "problems/framesequence.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>

namespace PictureSet {

namespace {

using namespace PictureDrawing;

// The boxes the pictures are shown in, in twips; each picture is drawn at
// the box's own pixel size so nothing is stretched.
const QSize TitleBox{4800, 3600};    // the title screen's animation surface
const QSize MenuWindow{12000, 9000}; // the styled window; its client area is no larger
const QSize LogoBox{1500, 2085};     // the menu's logo box
const QSize ButtonBox{1785, 495};    // the lesson screens' picture buttons
const QSize AnimationBox{4860, 3660}; // the problems pages' image box

void addSequence(QList<PictureJob> &jobs, const FrameSequence &sequence, QSize pixels,
                 const std::function<QImage(int, QSize)> &frame)
{
    for (int i = 0; i < sequence.count; ++i)
        jobs.append({sequence.fileName(i), pixels, [=] { return frame(i, pixels); }});
}

} // namespace

QList<PictureJob> programPictures()
{
    QList<PictureJob> jobs;
    const QSize title = twipsToPixels(TitleBox);
    const QSize button = twipsToPixels(ButtonBox);
    const QSize animation = twipsToPixels(AnimationBox);
    const int titleCount = FrameSequences::Title.count;

    // "Images" is spelt this way first, so the folder gets that spelling.
    jobs.append({PictureNames::Logo, twipsToPixels(LogoBox), [=] { return logo(twipsToPixels(LogoBox)); }});
    const QList<std::pair<QString, ButtonFace>> faces{
        {PictureNames::ExitButton, ButtonFace::Exit},   {PictureNames::NextButton, ButtonFace::Next},
        {PictureNames::AnswerButton, ButtonFace::Answer}, {PictureNames::CheckButton, ButtonFace::Check},
        {PictureNames::JotterButton, ButtonFace::Jotter}};
    for (const auto &[name, face] : faces)
        jobs.append({name, button, [=] { return buttonFace(face, button); }});

    jobs.append({PictureNames::MenuBackground, twipsToPixels(MenuWindow), [] { return menuBackground(twipsToPixels(MenuWindow)); }});
    addSequence(jobs, FrameSequences::Title, title, [=](int i, QSize s) { return titleFrame(i, titleCount, s); });
    jobs.append({PictureNames::TitleFallback, title, [=] { return titleFrame(0, titleCount, title); }});

    const int triangleCount = FrameSequences::Triangle.count;
    addSequence(jobs, FrameSequences::Triangle, animation, [=](int i, QSize s) { return triangleFrame(i, triangleCount, s); });
    for (const StarFigure &figure : starFigures())
        addSequence(jobs, figure.sequence, animation, [=](int i, QSize s) { return starFrame(figure, i, s); });
    return jobs;
}

QList<int> iconSizes()
{
    return {WindowIconPixels, 48, 128, 256};
}

QString iconName(int pixels)
{
    return QStringLiteral("icons\\vertexa-%1.png").arg(pixels);
}

QList<PictureJob> icons()
{
    QList<PictureJob> jobs;
    for (int pixels : iconSizes())
        jobs.append({iconName(pixels), QSize(pixels, pixels), [=] { return icon(pixels); }});
    return jobs;
}

QString outputPath(const QString &root, const QString &name)
{
    QStringList parts = QString(name).replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return {};
    const QString file = parts.takeLast();
    QDir dir(root);
    for (const QString &folder : std::as_const(parts)) {
        QString existing = folder;
        const QStringList entries = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString &entry : entries) {
            if (entry.compare(folder, Qt::CaseInsensitive) == 0) {
                existing = entry;
                break;
            }
        }
        if (!dir.exists(existing) && !dir.mkdir(existing))
            return {};
        dir.cd(existing);
    }
    return dir.filePath(file);
}

QByteArray encode(const QImage &image, const QString &name)
{
    if (name.endsWith(QStringLiteral(".gif"), Qt::CaseInsensitive)) {
        // The program's own colours stay exact in every GIF.
        const GifWriter writer({Colours::StyledWindow.rgb(), Colours::StyledPicture.rgb(), Colours::Canvas.rgb(),
                                Colours::Yellow.rgb(), Colours::Black.rgb(), qRgb(255, 255, 255)});
        return writer.encode(image);
    }
    const bool jpeg = name.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, jpeg ? "jpeg" : "png");
    if (jpeg)
        writer.setQuality(92);
    if (!writer.write(jpeg ? image.convertToFormat(QImage::Format_RGB32) : image))
        return {};
    return bytes;
}

QStringList writeAll(const QString &root)
{
    QStringList failures;
    if (!QDir().mkpath(root))
        return {root};
    for (const PictureJob &job : programPictures() + icons()) {
        const QString path = outputPath(root, job.name);
        const QByteArray bytes = encode(job.draw(), job.name);
        QFile file(path);
        if (path.isEmpty() || bytes.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(bytes) != bytes.size())
            failures.append(job.name);
    }
    return failures;
}

} // namespace PictureSet
