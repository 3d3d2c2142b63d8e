// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "pictureset.h"

#include "gifwriter.h"
#include "picturedrawing.h"

#include "common/colourtable.h"
#include "common/picturefile.h"
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
// the box's own pixel size so nothing is stretched, and again twice as fine
// for displays with more than one pixel per pixel.
const QSize TitleBox{4800, 3600};     // the title screen's animation surface
const QSize MenuWindow{12000, 9000};  // the styled window; its client area is no larger
const QSize LogoBox{1500, 2085};      // the menu's logo box
const QSize ButtonBox{1785, 495};     // the lesson screens' picture buttons
const QSize AnimationBox{4860, 3660}; // the problems pages' image box

// Collects the files of one ratio: the program's names at ratio 1, their fine
// twins' names above it. Sizes are the files' own, ratio times the box's.
class JobList
{
public:
    explicit JobList(int ratio)
        : m_ratio(ratio)
    {
    }

    void add(const QString &name, QSize boxPixels, const std::function<QImage(QSize, qreal)> &draw)
    {
        const int ratio = m_ratio;
        m_jobs.append({ratio == 1 ? name : PictureFolder::highResolutionName(name), boxPixels * ratio, [=] {
                           return draw(boxPixels, ratio);
                       }});
    }

    void
    addSequence(const FrameSequence &sequence, QSize boxPixels, const std::function<QImage(int, QSize, qreal)> &frame)
    {
        for (int i = 0; i < sequence.count; ++i)
            add(sequence.fileName(i), boxPixels, [=](QSize s, qreal r) { return frame(i, s, r); });
    }

    QList<PictureJob> jobs() const { return m_jobs; }

private:
    int m_ratio;
    QList<PictureJob> m_jobs;
};

} // namespace

QList<PictureJob> programPictures(int ratio)
{
    JobList jobs(ratio);
    const QSize title = twipsToPixels(TitleBox);
    const QSize button = twipsToPixels(ButtonBox);
    const QSize animation = twipsToPixels(AnimationBox);
    const int titleCount = FrameSequences::Title.count;

    // "Images" is spelt this way first, so the folder gets that spelling.
    jobs.add(PictureNames::Logo, twipsToPixels(LogoBox), logo);
    const QList<std::pair<QString, ButtonFace>> faces{{PictureNames::ExitButton, ButtonFace::Exit},
                                                      {PictureNames::NextButton, ButtonFace::Next},
                                                      {PictureNames::AnswerButton, ButtonFace::Answer},
                                                      {PictureNames::CheckButton, ButtonFace::Check},
                                                      {PictureNames::JotterButton, ButtonFace::Jotter}};
    for (const auto &[name, face] : faces)
        jobs.add(name, button, [face = face](QSize s, qreal r) { return buttonFace(face, s, r); });

    jobs.add(PictureNames::MenuBackground, twipsToPixels(MenuWindow), menuBackground);
    const auto titleFrames = [=](int i, QSize s, qreal r) { return titleFrame(i, titleCount, s, r); };
    jobs.addSequence(FrameSequences::Title, title, titleFrames);
    jobs.add(PictureNames::TitleFallback, title, [=](QSize s, qreal r) { return titleFrames(0, s, r); });

    const int triangleCount = FrameSequences::Triangle.count;
    jobs.addSequence(FrameSequences::Triangle, animation, [=](int i, QSize s, qreal r) {
        return triangleFrame(i, triangleCount, s, r);
    });
    for (const StarFigure &figure : starFigures())
        jobs.addSequence(figure.sequence, animation, [=](int i, QSize s, qreal r) {
            return starFrame(figure, i, s, r);
        });
    return jobs.jobs();
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

QList<PictureJob> allFiles()
{
    return programPictures(1) + programPictures(PictureFolder::HighResolutionRatio) + icons();
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
        const GifWriter writer({Colours::StyledWindow.rgb(),
                                Colours::StyledPicture.rgb(),
                                Colours::Canvas.rgb(),
                                Colours::Yellow.rgb(),
                                Colours::Black.rgb(),
                                qRgb(255, 255, 255)});
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
    for (const PictureJob &job : allFiles()) {
        const QString path = outputPath(root, job.name);
        const QByteArray bytes = encode(job.draw(), job.name);
        QFile file(path);
        if (path.isEmpty() || bytes.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size())
            failures.append(job.name);
    }
    return failures;
}

} // namespace PictureSet
