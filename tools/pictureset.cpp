// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "pictureset.h"

#include "gifwriter.h"
#include "picturedrawing.h"

#include "common/colourtable.h"
#include "common/framesequence.h"
#include "common/language.h"
#include "common/picturefile.h"
#include "common/picturenames.h"
#include "common/stylingsizes.h"
#include "common/twips.h"
#include "screens/screendefinition.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageWriter>

#include <optional>

namespace PictureSet {

namespace {

using namespace PictureDrawing;

using Draw = std::function<QImage(QSize, qreal)>;
using DrawFrame = std::function<QImage(int, QSize, qreal)>;

// How to draw a picture, or each frame of a sequence, and the pixel size of
// the box that shows it: each picture is drawn at its box's own size so
// nothing is stretched, and again twice as fine for displays with more than
// one pixel per pixel.
struct StillDrawing
{
    QSize boxPixels;
    Draw draw;
};
struct SequenceDrawing
{
    QSize boxPixels;
    DrawFrame frame;
};

// The pixel size of a box of the program's screens; none if it has no such box.
QSize boxPixels(const QString &screen, const QString &control)
{
    const ControlDefinition *box = screenDefinition(screen).find(control);
    return box ? twipsToPixels(box->rect.size()) : QSize();
}

QSize titlePixels()
{
    return boxPixels(ScreenNames::Title, QStringLiteral("Picture1"));
}

// The word a button face carries in a language, from the program's own
// translation, as every other text; the language installed before is put
// back. None when the program has no translation for the language: a face
// in English under a language's name would hide that.
std::optional<QString> faceWord(const PictureNames::ButtonFace &face, const QString &language)
{
    const QString before = Language::current();
    const bool installed = Language::install(language);
    const QString word = QCoreApplication::translate("PictureButtons", face.word);
    Language::install(before);
    if (!installed)
        return std::nullopt;
    return word;
}

std::optional<StillDrawing> faceDrawing(const QString &name)
{
    for (const QString &language : QStringList{QString()} + Language::translated()) {
        for (const PictureNames::ButtonFace &face : PictureNames::buttonFaces()) {
            if (name != PictureNames::forLanguage(face.picture, language))
                continue;
            const std::optional<QString> word = faceWord(face, language);
            if (!word)
                return std::nullopt;
            return StillDrawing{
                twipsToPixels(QSize(Styling::ButtonWidth, Styling::ButtonHeight)),
                [symbol = face.symbol, word = *word](QSize s, qreal r) { return buttonFace(symbol, word, s, r); }};
        }
    }
    return std::nullopt;
}

std::optional<StillDrawing> stillDrawing(const QString &name)
{
    if (std::optional<StillDrawing> face = faceDrawing(name))
        return face;
    if (name == PictureNames::Logo)
        return StillDrawing{boxPixels(ScreenNames::Menu, QStringLiteral("Image2")), logo};
    // Shown unscaled from the corner of the styled window, whose client area is no larger.
    if (name == PictureNames::MenuBackground)
        return StillDrawing{twipsToPixels(QSize(Styling::WindowWidth, Styling::WindowHeight)), menuBackground};
    // The title's first frame, shown when the animation cannot be.
    if (name == PictureNames::TitleFallback) {
        return StillDrawing{titlePixels(), [count = FrameSequences::Title.count](QSize s, qreal r) {
                                return titleFrame(0, count, s, r);
                            }};
    }
    return std::nullopt;
}

std::optional<SequenceDrawing> sequenceDrawing(const FrameSequence &sequence)
{
    const int count = sequence.count;
    if (sequence == FrameSequences::Title)
        return SequenceDrawing{titlePixels(), [=](int i, QSize s, qreal r) { return titleFrame(i, count, s, r); }};
    if (sequence == FrameSequences::Triangle) {
        return SequenceDrawing{boxPixels(ScreenNames::TriangleProblems, QStringLiteral("Image2")),
                               [=](int i, QSize s, qreal r) { return triangleFrame(i, count, s, r); }};
    }
    for (const StarFigure &figure : starFigures()) {
        if (figure.sequence == sequence) {
            return SequenceDrawing{boxPixels(ScreenNames::StellatedProblems, QStringLiteral("Image2")),
                                   [=](int i, QSize s, qreal r) { return starFrame(figure, i, s, r); }};
        }
    }
    return std::nullopt;
}

// Collects the files of one ratio: the program's names at ratio 1, their fine
// twins' names above it. Sizes are the files' own, ratio times the box's.
class JobList
{
public:
    explicit JobList(int ratio)
        : m_ratio(ratio)
    {
    }

    void add(const QString &name, const std::optional<StillDrawing> &drawing)
    {
        const QString fileName = m_ratio == 1 ? name : PictureFolder::highResolutionName(name);
        if (!drawing || !drawing->boxPixels.isValid()) {
            m_jobs.append({fileName, QSize(), [] { return QImage(); }});
            return;
        }
        const int ratio = m_ratio;
        m_jobs.append({fileName, drawing->boxPixels * ratio, [box = drawing->boxPixels, draw = drawing->draw, ratio] {
                           return draw(box, ratio);
                       }});
    }

    void addSequence(const FrameSequence &sequence, const std::optional<SequenceDrawing> &drawing)
    {
        for (int i = 0; i < sequence.count; ++i) {
            std::optional<StillDrawing> frame;
            if (drawing)
                frame = StillDrawing{drawing->boxPixels,
                                     [i, draw = drawing->frame](QSize s, qreal r) { return draw(i, s, r); }};
            add(sequence.fileName(i), frame);
        }
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
    for (const QString &name : PictureNames::stills() + PictureNames::languageFaces())
        jobs.add(name, stillDrawing(name));
    for (const FrameSequence &sequence : FrameSequences::all())
        jobs.addSequence(sequence, sequenceDrawing(sequence));
    return jobs.jobs();
}

QList<int> iconSizes()
{
    return {PictureNames::WindowIconPixels, 48, 128, 256};
}

QList<PictureJob> icons()
{
    QList<PictureJob> jobs;
    for (int pixels : iconSizes())
        jobs.append({PictureNames::icon(pixels), QSize(pixels, pixels), [=] { return icon(pixels); }});
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
    if (image.isNull())
        return {};
    if (name.endsWith(QStringLiteral(".gif"), Qt::CaseInsensitive)) {
        // The program's own colours stay exact in every GIF.
        const GifWriter writer({Colours::StyledWindow.rgb(),
                                Colours::StyledPicture.rgb(),
                                Colours::Canvas.rgb(),
                                Colours::Yellow.rgb(),
                                Colours::Black.rgb(),
                                Colours::White.rgb()});
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
