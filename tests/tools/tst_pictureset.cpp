// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "pictureset.h"

#include "common/picturefile.h"
#include "common/picturenames.h"
#include "common/twips.h"
#include "problems/framesequence.h"
#include "screens/screen.h"
#include "screens/screendefinition.h"
#include "screens/styling.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(FrameSequence)

namespace {

const QString ProgramDir = QStringLiteral(VERTEXA_PROGRAM_DIR);

// The pixel size of a box of the program's screens.
QSize boxPixels(const QString &screen, const QString &control)
{
    const ControlDefinition *box = screenDefinition(screen).find(control);
    return box ? twipsToPixels(box->rect.size()) : QSize();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// How far apart two frames are: the mean of the channel differences.
double frameDistance(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const QRgb *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const QRgb *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += qAbs(qRed(p[col]) - qRed(q[col])) + qAbs(qGreen(p[col]) - qGreen(q[col])) +
                   qAbs(qBlue(p[col]) - qBlue(q[col]));
    }
    return sum / (double(x.width()) * x.height());
}

} // namespace

class TestPictureSet : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void everyPictureIsThere_data();
    void everyPictureIsThere();
    void imagesIsOneFolder();
    void animationsLoop_data();
    void animationsLoop();
    void titleScreenWearsTheIcon();
    void generatorGivesTheSameFiles();
};

void TestPictureSet::cleanup()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows)
        w->close();
    TestProgram::settle();
}

void TestPictureSet::everyPictureIsThere_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");

    const QSize title = boxPixels(ScreenNames::Title, QStringLiteral("Picture1"));
    const QSize button = twipsToPixels(QSize(Styling::ButtonWidth, Styling::ButtonHeight));
    const QSize animation = boxPixels(ScreenNames::TriangleProblems, QStringLiteral("Image2"));
    QCOMPARE(boxPixels(ScreenNames::StellatedProblems, QStringLiteral("Image2")), animation);
    QList<std::pair<QString, QSize>> pictures{
        {PictureNames::TitleFallback, title},
        // Drawn unscaled from the corner of the styled window's client area.
        {PictureNames::MenuBackground, twipsToPixels(QSize(Styling::WindowWidth, Styling::WindowHeight))},
        {PictureNames::Logo, boxPixels(ScreenNames::Menu, QStringLiteral("Image2"))},
        {PictureNames::ExitButton, button},
        {PictureNames::NextButton, button},
        {PictureNames::AnswerButton, button},
        {PictureNames::CheckButton, button},
        {PictureNames::JotterButton, button},
    };
    const QList<std::pair<FrameSequence, QSize>> sequences{
        {FrameSequences::Title, title},
        {FrameSequences::Triangle, animation},
        {FrameSequences::StellatedOctagon, animation},
        {FrameSequences::StellatedNonagon, animation},
        {FrameSequences::Pentagram, animation},
    };
    for (const auto &[sequence, size] : sequences) {
        for (const QString &name : sequence.fileNames())
            pictures.append({name, size});
    }
    // Each picture, and its twin twice as fine for high-resolution displays.
    for (const auto &[name, size] : std::as_const(pictures)) {
        QTest::newRow(qPrintable(name)) << name << size;
        const QString twin = PictureFolder::highResolutionName(name);
        QTest::newRow(qPrintable(twin)) << twin << size * PictureFolder::HighResolutionRatio;
    }
}

void TestPictureSet::everyPictureIsThere()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QVERIFY(size.isValid());
    const PictureFolder folder(ProgramDir);
    const QString path = folder.resolve(name);
    QVERIFY2(!path.isEmpty(), "no such file");

    const QByteArray bytes = fileBytes(path);
    const bool gif = name.endsWith(QStringLiteral(".gif"));
    if (gif)
        QVERIFY(bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"));
    else
        QVERIFY(bytes.startsWith("\xFF\xD8\xFF"));

    const QImage loaded = folder.load(name);
    QVERIFY(!loaded.isNull());
    QCOMPARE(loaded.size(), size);
}

void TestPictureSet::imagesIsOneFolder()
{
    // The program spells it both ways; on disk there is one folder.
    const QStringList entries = QDir(ProgramDir).entryList({QStringLiteral("[Ii][Mm][Aa][Gg][Ee][Ss]")}, QDir::Dirs);
    QCOMPARE(entries, QStringList{QStringLiteral("Images")});
}

void TestPictureSet::animationsLoop_data()
{
    QTest::addColumn<FrameSequence>("sequence");
    QTest::newRow("title") << FrameSequences::Title;
    QTest::newRow("triangle") << FrameSequences::Triangle;
    QTest::newRow("stellated octagon") << FrameSequences::StellatedOctagon;
    QTest::newRow("stellated nonagon") << FrameSequences::StellatedNonagon;
    QTest::newRow("pentagram") << FrameSequences::Pentagram;
}

void TestPictureSet::animationsLoop()
{
    QFETCH(FrameSequence, sequence);
    const PictureFolder folder(ProgramDir);
    QList<QImage> frames;
    for (const QString &name : sequence.fileNames()) {
        frames.append(folder.load(name));
        QVERIFY2(!frames.last().isNull(), qPrintable(name));
    }
    // The step from the last frame back to the first is no bigger a jump
    // than the steps within the loop, and the pictures do move.
    double largestStep = 0;
    for (int i = 0; i + 1 < frames.size(); ++i)
        largestStep = qMax(largestStep, frameDistance(frames.at(i), frames.at(i + 1)));
    const double wrap = frameDistance(frames.last(), frames.first());
    QVERIFY2(largestStep > 1.0, "the frames hardly change");
    QVERIFY2(wrap <= largestStep * 1.25,
             qPrintable(QStringLiteral("wrap %1, largest step %2").arg(wrap).arg(largestStep)));
    QVERIFY2(wrap > 0.05, "the last frame repeats the first, which would stutter");
}

void TestPictureSet::titleScreenWearsTheIcon()
{
    TestProgram test;
    test.program().setPictures(PictureFolder(ProgramDir));
    test.screens().show(ScreenNames::Title);
    Screen *title = test.screens().loaded(ScreenNames::Title);
    QVERIFY(title);
    const QIcon icon = title->windowIcon();
    QVERIFY(!icon.isNull());
    const QImage expected =
        QImage(PictureFolder(ProgramDir).resolve(PictureSet::iconName(PictureSet::WindowIconPixels)))
            .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(icon.pixmap(PictureSet::WindowIconPixels).toImage().convertToFormat(QImage::Format_ARGB32), expected);
}

void TestPictureSet::generatorGivesTheSameFiles()
{
    // The build ran the generator in a process of its own; drawing the set
    // again here must give the same bytes, file for file.
    QTemporaryDir again;
    QCOMPARE(PictureSet::writeAll(again.path()), QStringList());
    int compared = 0;
    QDirIterator it(again.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(again.path()).relativeFilePath(path);
        QVERIFY2(fileBytes(path) == fileBytes(QDir(ProgramDir).filePath(relative)), qPrintable(relative));
        ++compared;
    }
    QCOMPARE(compared, int(PictureSet::allFiles().size()));
}

QTEST_MAIN(TestPictureSet)
#include "tst_pictureset.moc"
