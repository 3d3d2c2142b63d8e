// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "picturedrawing.h"
#include "pictureset.h"

#include "common/language.h"
#include "common/picturefile.h"
#include "common/picturenames.h"
#include "problems/framesequence.h"
#include "screens/screen.h"
#include "screens/screendefinition.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QDirIterator>
#include <QHash>
#include <QIcon>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(FrameSequence)
Q_DECLARE_METATYPE(PictureDrawing::ButtonFace)

namespace {

const QString ProgramDir = QStringLiteral(VERTEXA_PROGRAM_DIR);

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
    void languageFacesCarryTheirWords_data();
    void languageFacesCarryTheirWords();
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
    // At the sizes the generator drew them, those of the boxes that show them
    // (the high-resolution test checks the boxes on the screens).
    QHash<QString, QSize> drawn;
    for (const PictureJob &job : PictureSet::programPictures())
        drawn.insert(job.name, job.size);
    // Each picture the program reads, and its twin twice as fine for
    // high-resolution displays.
    for (const QString &name : PictureNames::all()) {
        QTest::newRow(qPrintable(name)) << name << drawn.value(name);
        const QString twin = PictureFolder::highResolutionName(name);
        QTest::newRow(qPrintable(twin)) << twin << drawn.value(name) * PictureFolder::HighResolutionRatio;
    }
}

void TestPictureSet::everyPictureIsThere()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QVERIFY2(size.isValid(), "the generator does not draw it");
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

void TestPictureSet::languageFacesCarryTheirWords_data()
{
    using PictureDrawing::ButtonFace;
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<ButtonFace>("face");
    const QList<std::pair<QString, ButtonFace>> faces{{PictureNames::ExitButton, ButtonFace::Exit},
                                                      {PictureNames::NextButton, ButtonFace::Next},
                                                      {PictureNames::AnswerButton, ButtonFace::Answer},
                                                      {PictureNames::CheckButton, ButtonFace::Check},
                                                      {PictureNames::JotterButton, ButtonFace::Jotter}};
    for (const QString &language : Language::translated()) {
        for (const auto &[name, face] : faces)
            QTest::addRow("%s %s", qPrintable(language), qPrintable(name)) << language << name << face;
    }
}

void TestPictureSet::languageFacesCarryTheirWords()
{
    // A language's face differs from the English one exactly when its word does.
    QFETCH(QString, language);
    QFETCH(QString, name);
    QFETCH(PictureDrawing::ButtonFace, face);
    const char *english = PictureDrawing::buttonWord(face);
    QVERIFY(Language::install(language));
    const QString word = QCoreApplication::translate("PictureButtons", english);
    QVERIFY(Language::install({}));
    const PictureFolder folder(ProgramDir);
    const QImage own = folder.load(PictureNames::forLanguage(name, language));
    QVERIFY(!own.isNull());
    QCOMPARE(own == folder.load(name), word == QLatin1String(english));
}

void TestPictureSet::animationsLoop_data()
{
    QTest::addColumn<FrameSequence>("sequence");
    for (const FrameSequence &sequence : FrameSequences::all())
        QTest::newRow(qPrintable(sequence.base)) << sequence;
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
    test.context().setPictures(PictureFolder(ProgramDir));
    test.screens().show(ScreenNames::Title);
    Screen *title = test.screens().loaded(ScreenNames::Title);
    QVERIFY(title);
    const QIcon icon = title->windowIcon();
    QVERIFY(!icon.isNull());
    const QImage expected =
        QImage(PictureFolder(ProgramDir).resolve(PictureNames::icon(PictureNames::WindowIconPixels)))
            .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(icon.pixmap(PictureNames::WindowIconPixels).toImage().convertToFormat(QImage::Format_ARGB32), expected);
}

void TestPictureSet::generatorGivesTheSameFiles()
{
    // The build ran the generator in a process of its own; drawing the set
    // again here must give the same bytes, file for file, and exactly the
    // files the program reads, their fine twins and the icons.
    QTemporaryDir again;
    QCOMPARE(PictureSet::writeAll(again.path()), QStringList());
    QStringList written;
    QDirIterator it(again.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(again.path()).relativeFilePath(path);
        QVERIFY2(fileBytes(path) == fileBytes(QDir(ProgramDir).filePath(relative)), qPrintable(relative));
        written.append(relative.toLower());
    }
    QStringList listed;
    for (const QString &name : PictureNames::all())
        listed << name << PictureFolder::highResolutionName(name);
    for (int pixels : PictureSet::iconSizes())
        listed.append(PictureNames::icon(pixels));
    for (QString &name : listed)
        name = name.replace(u'\\', u'/').toLower();
    written.sort();
    listed.sort();
    QCOMPARE(written, listed);
}

QTEST_MAIN(TestPictureSet)
#include "tst_pictureset.moc"
