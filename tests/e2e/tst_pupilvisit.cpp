// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/vertexaprogram.h"
#include "common/numbertext.h"
#include "common/randomsource.h"
#include "picturesets.h"
#include "pupil.h"
#include "screens/controls.h"
#include "screens/screen.h"

#include <QApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <memory>

using namespace ScreenNames;

namespace {

const QString Correct = QStringLiteral("Correct, Well Done!");
const QString Wrong = QStringLiteral("Wrong, Try Again");

// The right answer to a triangle question, worked out from its text the way
// a pupil would; -1 for a text no pupil could answer.
double answerFor(const QString &question)
{
    static const QRegularExpression apex(QStringLiteral("isosceles triangle is (\\d+)°"));
    static const QRegularExpression twoAngles(QStringLiteral("angles of (\\d+)° and (\\d+)°"));
    if (question.contains(QStringLiteral("sum of the angles")))
        return 180;
    if (question.contains(QStringLiteral("smaller angles of a right-angled isosceles")))
        return 45;
    if (question.contains(QStringLiteral("equilateral")))
        return 60;
    if (const auto m = apex.match(question); m.hasMatch())
        return (180 - m.captured(1).toDouble()) / 2;
    if (const auto m = twoAngles.match(question); m.hasMatch())
        return 180 - m.captured(1).toDouble() - m.captured(2).toDouble();
    return -1;
}

bool isYellowish(const QColor &c)
{
    return c.alpha() > 60 && c.red() > 120 && c.green() > 120 && c.blue() < 110;
}

// Whether the figure shows yellow ink within a pixel of a point given in twips.
bool inkNear(const RetainedSurface &surface, QPointF twips)
{
    for (int dx = -15; dx <= 15; dx += 15) {
        for (int dy = -15; dy <= 15; dy += 15) {
            if (isYellowish(surface.colourAt(twips + QPointF(dx, dy))))
                return true;
        }
    }
    return false;
}

int yellowPixels(const RetainedSurface &surface)
{
    const QImage &image = surface.image();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += isYellowish(image.pixelColor(x, y));
    }
    return count;
}

// Where vertex j of an n-pointed figure lies on the explorer's circle.
QPointF cornerOnCircle(int j, int n)
{
    const double theta = ((j - 0.5) * (2 * 3.1415926535)) / n;
    return {9000 + 2250 * std::sin(theta), 4800 + 2250 * std::cos(theta)};
}

} // namespace

// A pupil's whole visit, from the title screen to "Exit", through every
// screen, with the program started exactly as the executable starts it.
class TestPupilVisit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void wholeVisit_data();
    void wholeVisit();

private:
    void titleScreen(const QString &firstButton);
    void topicMenu();
    void proof();
    void triangleProblems();
    void jotter(Screen *page);
    void explorer();
    void explorerEnter(const QString &edges, const QString &step, const QString &edgesAfter, const QString &stepAfter);
    void stellatedProblems();
    void backToTitleAndExit();

    Screen *expectOnly(const QString &name, const QString &caption);
    void expectPicture(const QImage &picture, const char *what);
    void replaceText(TextBox *box, const QString &text);

    std::unique_ptr<PictureSetFolder> m_pictures;
    std::unique_ptr<ClockSeededRandom> m_random;
    std::unique_ptr<VertexaProgram> m_vertexa;
    QList<QUrl> m_opened;
    double m_clock = 0;
};

void TestPupilVisit::initTestCase()
{
    Pupil::quietWindowSystem();
    // The test needs the generated pictures; without them every row would
    // check a program without pictures.
    QVERIFY2(PictureSetFolder::pictureFiles(PictureSetFolder::realRoot()).size() > 100,
             qPrintable(QStringLiteral("no generated pictures in %1").arg(PictureSetFolder::realRoot())));
}

void TestPupilVisit::cleanup()
{
    m_vertexa.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(Pupil::visibleScreens().isEmpty());
}

void TestPupilVisit::wholeVisit_data()
{
    QTest::addColumn<PictureSetFolder::Kind>("kind");
    QTest::newRow("real pictures") << PictureSetFolder::Kind::Real;
    QTest::newRow("no picture folders") << PictureSetFolder::Kind::Absent;
    QTest::newRow("damaged pictures") << PictureSetFolder::Kind::Damaged;
}

void TestPupilVisit::wholeVisit()
{
    QFETCH(PictureSetFolder::Kind, kind);
    m_pictures = std::make_unique<PictureSetFolder>(kind);
    m_opened.clear();
    // The generator's clock is scripted so that the run repeats itself.
    m_clock = 1000;
    m_random = std::make_unique<ClockSeededRandom>([this] { return m_clock += 1.37; });
    m_vertexa = std::make_unique<VertexaProgram>(*m_random, PictureFolder(m_pictures->root()));
    m_vertexa->program().setUrlOpener([this](const QUrl &url) {
        m_opened.append(url);
        return true;
    });
    QSignalSpy finished(m_vertexa.get(), &VertexaProgram::finished);
    m_vertexa->start();

    const auto stages = {&TestPupilVisit::topicMenu, &TestPupilVisit::proof, &TestPupilVisit::triangleProblems,
                         &TestPupilVisit::explorer, &TestPupilVisit::stellatedProblems};
    titleScreen(QStringLiteral("OK"));
    for (auto stage : stages) {
        if (QTest::currentTestFailed())
            return;
        (this->*stage)();
    }
    if (QTest::currentTestFailed())
        return;
    backToTitleAndExit();
    QCOMPARE(finished.count(), 1);
}

Screen *TestPupilVisit::expectOnly(const QString &name, const QString &caption)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QList<Screen *> shown = Pupil::visibleScreens();
    Screen *screen = Pupil::visibleScreen(name);
    if (!screen || shown.size() != 1) {
        QStringList names;
        for (Screen *s : shown)
            names.append(s->screenName());
        qWarning("expected only %s on screen, saw: %s", qPrintable(name), qPrintable(names.join(u' ')));
        return nullptr;
    }
    if (screen->windowTitle() != caption) {
        qWarning("%s is captioned '%s'", qPrintable(name), qPrintable(screen->windowTitle()));
        return nullptr;
    }
    return screen;
}

void TestPupilVisit::expectPicture(const QImage &picture, const char *what)
{
    // Damaged or missing pictures show nothing rather than a grey or partial picture.
    if (m_pictures->readable())
        QVERIFY2(!picture.isNull(), what);
    else
        QVERIFY2(picture.isNull(), what);
}

void TestPupilVisit::replaceText(TextBox *box, const QString &text)
{
    Pupil::click(box);
    QCOMPARE(Pupil::focus(), box);
    Pupil::press(Qt::Key_End);
    while (!box->text().isEmpty()) {
        const QString before = box->text();
        Pupil::press(Qt::Key_Backspace);
        QVERIFY(box->text() != before);
    }
    Pupil::type(text);
}

void TestPupilVisit::titleScreen(const QString &firstButton)
{
    Screen *title = expectOnly(Title, QStringLiteral(" "));
    QVERIFY(title);
    QCOMPARE(title->control<CommandButton>(QStringLiteral("Command1"))->text(), firstButton);
    QCOMPARE(title->control<CommandButton>(QStringLiteral("Command2"))->text(), QStringLiteral("Exit"));
    QCOMPARE(title->control<Label>(QStringLiteral("Label4"), 0)->text(), QStringLiteral("Vertexa 1"));
    QCOMPARE(title->control<Label>(QStringLiteral("Label4"), 1)->text(), QStringLiteral("Demo"));
    // Without its first frame the title takes the lesson screens' size.
    QCOMPARE(title->clientSizeTwips(), m_pictures->readable() ? QSize(5460, 6570) : QSize(12000, 9000));
    auto *picture = title->control<PictureBox>(QStringLiteral("Picture1"));
    expectPicture(picture->picture(), "title animation");
    if (m_pictures->readable()) {
        // The animation runs: another frame replaces the first.
        const qint64 first = picture->picture().cacheKey();
        QTRY_VERIFY(picture->picture().cacheKey() != first);
    }
}

void TestPupilVisit::topicMenu()
{
    Screen *title = Pupil::visibleScreen(Title);
    QVERIFY(title);
    Pupil::click(title->control<CommandButton>(QStringLiteral("Command1")));
    Screen *menu = expectOnly(Menu, Publisher::Name);
    QVERIFY(menu);
    QCOMPARE(menu->control<Label>(QStringLiteral("Label1"))->text(), QStringLiteral("Vertexa 1 Demo"));
    expectPicture(menu->backgroundPicture(), "menu background");
    expectPicture(menu->control<ImageBox>(QStringLiteral("Image2"))->picture(), "logo");
    expectPicture(menu->control<CommandButton>(QStringLiteral("Command1"))->picture(), "menu exit button");

    const QStringList left{QStringLiteral("The Angles of a Triangle"), QStringLiteral("Regular Polygons"),
                           QStringLiteral("Angles of Regular Polygons"), QStringLiteral("Circumcircles and Incircles"),
                           QStringLiteral("Area of Regular Polygons")};
    const QStringList right{QStringLiteral("Stellated Polygons"), QStringLiteral("Archimedes' Estimate of Pi"),
                            QStringLiteral("The Regular Tessellations"), QStringLiteral("Semi-regular Tessellations"),
                            QStringLiteral("Dual Tessellations"), QStringLiteral("Animation Sequence")};
    QList<Label *> greyed;
    for (int i = 0; i < left.size(); ++i) {
        auto *entry = menu->control<Label>(QStringLiteral("Label2"), i);
        QCOMPARE(entry->text(), left.at(i));
        QVERIFY(entry->isVisible());
        QCOMPARE(entry->isEnabled(), i == 0);
        if (i > 0)
            greyed.append(entry);
    }
    QVERIFY(!menu->control<Label>(QStringLiteral("Label2"), 5)->isVisible());
    for (int i = 0; i < right.size(); ++i) {
        auto *entry = menu->control<Label>(QStringLiteral("Label5"), i);
        QCOMPARE(entry->text(), right.at(i));
        QVERIFY(entry->isVisible());
        QCOMPARE(entry->isEnabled(), i == 0);
        if (i > 0)
            greyed.append(entry);
    }

    // Hovering lights the title and the open topics until the pointer
    // crosses the window itself.
    auto *heading = menu->control<Label>(QStringLiteral("Label1"));
    auto *triangle = menu->control<Label>(QStringLiteral("Label2"), 0);
    Pupil::hover(heading);
    QVERIFY(!heading->isTransparent());
    Pupil::hoverAt(menu, QPoint(3, 3));
    QVERIFY(heading->isTransparent());
    Pupil::hover(triangle);
    QVERIFY(!triangle->isTransparent());
    Pupil::hoverAt(menu, QPoint(3, 3));
    QVERIFY(triangle->isTransparent());

    // Greyed entries neither light up nor lead anywhere.
    for (Label *entry : std::as_const(greyed)) {
        Pupil::hover(entry);
        QVERIFY2(entry->isTransparent(), qPrintable(entry->text()));
        Pupil::click(entry);
        QVERIFY2(expectOnly(Menu, Publisher::Name) == menu, qPrintable(entry->text()));
    }

    // The web address goes to the desktop and the menu stays.
    Pupil::click(menu->control<Label>(QStringLiteral("Label6")));
    QCOMPARE(m_opened.size(), 1);
    QVERIFY(expectOnly(Menu, Publisher::Name) == menu);
}

void TestPupilVisit::proof()
{
    Screen *menu = Pupil::visibleScreen(Menu);
    QVERIFY(menu);
    Pupil::click(menu->control<Label>(QStringLiteral("Label2"), 0));
    Screen *proof = expectOnly(Proof, QStringLiteral("The Angles of a Triangle"));
    QVERIFY(proof);
    expectPicture(proof->control<CommandButton>(QStringLiteral("cmdexit"))->picture(), "proof exit button");

    auto *step = proof->control<Label>(QStringLiteral("Label5"));
    auto *text = proof->control<Label>(QStringLiteral("Label3"));
    auto shown = [proof](const char *name, int index) { return proof->control<QWidget>(QLatin1String(name), index)->isVisible(); };
    struct View
    {
        QString text;
        bool extended, parallel, greenP, greenQ;
        QString button;
    };
    const QList<View> views{
        {QStringLiteral("The angles of the triangle below are labelled R, P and Q."), false, false, false, false, QStringLiteral("Next Step")},
        {QStringLiteral("The base of the triangle has been extended on both sides by a straight black line."), true, false, false, false, QStringLiteral("Next Step")},
        {QStringLiteral("A black line, parallel to the first line, has been drawn through the opposite vertex of the triangle."), true, true, false, false, QStringLiteral("Next Step")},
        {QStringLiteral("Alternate angles are equal, so the angle marked P in green is equal to the angle P in the triangle."), true, true, true, false, QStringLiteral("Next Step")},
        {QStringLiteral("Alternate angles are equal, so the angle marked Q in green is equal to the angle Q in the triangle."), true, true, true, true, QStringLiteral("Next Step")},
        {QStringLiteral("The angle P + R + Q is equal to 180°, as it forms half of a complete rotation. These are the three angles of the triangle, so the sum of the angles of the triangle is 180°."), true, true, true, true, QStringLiteral("Restart Proof")},
    };
    // Every view, then round to the start and one step on.
    for (int click = 0; click <= 7; ++click) {
        const View &v = views.at(click % 6);
        QCOMPARE(text->text(), v.text);
        QCOMPARE(step->text(), v.button);
        QCOMPARE(shown("Line1", 3), v.extended);
        QCOMPARE(shown("Line1", 4), v.parallel);
        QCOMPARE(shown("Label4", 2), v.greenP);
        QCOMPARE(shown("Label4", 4), v.greenQ);
        for (int i : {0, 1, 2})
            QVERIFY(shown("Line1", i));
        for (int i : {0, 1, 3})
            QVERIFY(shown("Label4", i));
        Pupil::click(step);
    }
}

void TestPupilVisit::triangleProblems()
{
    Screen *proof = Pupil::visibleScreen(Proof);
    QVERIFY(proof);
    Pupil::click(proof->control<Label>(QStringLiteral("Label2")));
    Screen *page = expectOnly(TriangleProblems, QStringLiteral("The Angles of a Triangle"));
    QVERIFY(page);
    auto *question = page->control<Label>(QStringLiteral("Label1"));
    auto *box = page->control<TextBox>(QStringLiteral("Text1"));
    auto *feedback = page->control<Label>(QStringLiteral("Label4"));
    auto *picture = page->control<ImageBox>(QStringLiteral("Image2"));
    for (const char *button : {"cmdgo", "cmdsoln", "cmdcheckit", "cmdjotter", "cmdexit"})
        expectPicture(page->control<CommandButton>(QLatin1String(button))->picture(), button);
    expectPicture(picture->picture(), "triangle animation");
    QVERIFY(!feedback->isVisible());
    QCOMPARE(Pupil::focus(), box);
    QVERIFY(box->text().isEmpty());

    for (int round = 0; round < 6; ++round) {
        const double answer = answerFor(question->text());
        QVERIFY2(answer > 0, qPrintable(question->text()));

        // A wrong answer, checked with the button.
        replaceText(box, QString::number(answer + 1));
        Pupil::click(page->control<CommandButton>(QStringLiteral("cmdcheckit")));
        QVERIFY(feedback->isVisible());
        QCOMPARE(feedback->text(), Wrong);

        // The right one, in a form a pupil might type, checked with Enter.
        replaceText(box, QStringLiteral(" %1°").arg(answer));
        Pupil::press(Qt::Key_Return);
        QCOMPARE(feedback->text(), Correct);

        Pupil::click(page->control<CommandButton>(QStringLiteral("cmdsoln")));
        QCOMPARE(feedback->text(), plainNumber(answer));

        Pupil::click(page->control<CommandButton>(QStringLiteral("cmdgo")));
        QVERIFY(feedback->isVisible());
        QVERIFY(feedback->text().isEmpty());
        QVERIFY(box->text().isEmpty());
        QCOMPARE(Pupil::focus(), box);
    }

    // The player bar: pause, step by hand, play again.
    auto *bar = page->control<PlayerBar>(QStringLiteral("MMControl1"));
    QVERIFY(bar->isAvailable(PlayerBar::Button::Pause));
    QVERIFY(!bar->isAvailable(PlayerBar::Button::Play));
    Pupil::click(bar->button(PlayerBar::Button::Pause));
    QVERIFY(bar->isAvailable(PlayerBar::Button::Play));
    const qint64 before = picture->picture().cacheKey();
    Pupil::click(bar->button(PlayerBar::Button::StepForward));
    Pupil::click(bar->button(PlayerBar::Button::StepBack));
    if (m_pictures->readable())
        QVERIFY(picture->picture().cacheKey() != before);
    expectPicture(picture->picture(), "stepped frame");
    Pupil::click(bar->button(PlayerBar::Button::Play));
    QVERIFY(!bar->isAvailable(PlayerBar::Button::Play));

    // "Full Screen" is there but takes no clicks.
    auto *fullScreen = page->control<Label>(QStringLiteral("Label2"));
    QVERIFY(fullScreen->isVisible() && !fullScreen->isEnabled());
    Pupil::click(fullScreen);
    QVERIFY(expectOnly(TriangleProblems, QStringLiteral("The Angles of a Triangle")) == page);

    jotter(page);
    if (QTest::currentTestFailed())
        return;

    // Back to the menu: the Jotter goes with the page.
    Pupil::click(page->control<CommandButton>(QStringLiteral("cmdexit")));
    QVERIFY(expectOnly(Menu, Publisher::Name));
}

void TestPupilVisit::jotter(Screen *page)
{
    Pupil::click(page->control<CommandButton>(QStringLiteral("cmdjotter")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Screen *pad = Pupil::visibleScreen(Jotter);
    QVERIFY(pad);
    QCOMPARE(pad->windowTitle(), QStringLiteral("Jotter"));
    QVERIFY(page->isVisible());
    QCOMPARE(Pupil::visibleScreens().size(), 2);
    QVERIFY(pad->drawing().isBlank());

    // A left-button drag draws; a right-button drag does not.
    Pupil::drag(pad, {QPoint(40, 40), QPoint(120, 60), QPoint(200, 150)}, Qt::RightButton, Qt::NoButton);
    QVERIFY(pad->drawing().isBlank());
    Pupil::drag(pad, {QPoint(40, 40), QPoint(120, 60), QPoint(200, 150)}, Qt::LeftButton, Qt::NoButton);
    QVERIFY(!pad->drawing().isBlank());
    QVERIFY(isYellowish(pad->drawing().colourAt(QPointF(120, 60) * 15)));

    // A colour from the palette, then more drawing.
    auto *red = pad->control<Label>(QStringLiteral("Label1"), 12);
    Pupil::click(red);
    Pupil::drag(pad, {QPoint(300, 40), QPoint(300, 140)}, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(pad->drawing().colourAt(QPointF(300, 90) * 15).red(), 255);
    QCOMPARE(pad->drawing().colourAt(QPointF(300, 90) * 15).green(), 0);

    // The page's button again brings the same pad, drawing and all.
    Pupil::click(page->control<CommandButton>(QStringLiteral("cmdjotter")));
    QCOMPARE(Pupil::visibleScreen(Jotter), pad);
    QVERIFY(!pad->drawing().isBlank());

    // Flip to the tall layout and back: the pad comes back empty.
    Pupil::click(pad->control<CommandButton>(QStringLiteral("Command3")));
    QVERIFY(pad->drawing().isBlank());
    QVERIFY(pad->control<QWidget>(QStringLiteral("Frame_portrait"))->isVisible());
    Pupil::click(pad->control<CommandButton>(QStringLiteral("Command4")));
    QVERIFY(pad->control<QWidget>(QStringLiteral("Frame_landscape"))->isVisible());
    Pupil::drag(pad, {QPoint(40, 40), QPoint(80, 80)}, Qt::LeftButton, Qt::NoButton);
    QVERIFY(!pad->drawing().isBlank());
}

void TestPupilVisit::explorer()
{
    Screen *menu = Pupil::visibleScreen(Menu);
    QVERIFY(menu);
    Pupil::click(menu->control<Label>(QStringLiteral("Label5"), 0));
    Screen *page = expectOnly(Explorer, QStringLiteral("Stellated Polygons"));
    QVERIFY(page);
    expectPicture(page->control<CommandButton>(QStringLiteral("cmdexit"))->picture(), "explorer exit button");

    // The opening figure: a star of 5 to 11 points, all on the circle, never
    // a step of 1 nor of half the points.
    const int n = page->control<TextBox>(QStringLiteral("Text2"), 0)->text().toInt();
    const int k = page->control<TextBox>(QStringLiteral("Text2"), 1)->text().trimmed().toInt();
    QVERIFY2(n >= 5 && n <= 11 && k >= 2 && 2 * k != n && k <= n / 2 + 1, qPrintable(QStringLiteral("{%1/%2}").arg(n).arg(k)));
    for (int j = 0; j < n; ++j)
        QVERIFY2(inkNear(page->drawing(), cornerOnCircle(j, n)), qPrintable(QStringLiteral("corner %1 of %2").arg(j).arg(n)));

    struct Case
    {
        QString edges, step, edgesAfter, stepAfter;
    };
    const QList<Case> cases{
        {QStringLiteral("25"), QStringLiteral("3"), QStringLiteral("20"), QStringLiteral("3")},
        {QStringLiteral("8"), QStringLiteral("4"), QStringLiteral("8"), QStringLiteral(" 3")},
        {QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("8"), QStringLiteral(" 3")},
        {QStringLiteral("7"), QStringLiteral("7"), QStringLiteral("7"), QStringLiteral("3")},
        {QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral(" 0")},
        {QStringLiteral("99"), QStringLiteral("99"), QStringLiteral("20"), QStringLiteral(" 9")},
        {QStringLiteral("0"), QStringLiteral("5"), QStringLiteral("0"), QStringLiteral("-1")},
    };
    for (const Case &c : cases) {
        explorerEnter(c.edges, c.step, c.edgesAfter, c.stepAfter);
        if (QTest::currentTestFailed())
            return;
    }

    // The step left at -1 is drawn with 6 points all the same, and no
    // corner lies off the circle.
    auto *edges = page->control<TextBox>(QStringLiteral("Text2"), 0);
    replaceText(edges, QStringLiteral("6"));
    QVERIFY(page->drawing().isBlank());
    Pupil::press(Qt::Key_Return);
    QCOMPARE(page->control<TextBox>(QStringLiteral("Text2"), 1)->text(), QStringLiteral("-1"));
    for (int j = 0; j < 6; ++j)
        QVERIFY(inkNear(page->drawing(), cornerOnCircle(j, 6)));
}

void TestPupilVisit::explorerEnter(const QString &edges, const QString &step, const QString &edgesAfter, const QString &stepAfter)
{
    Screen *page = Pupil::visibleScreen(Explorer);
    QVERIFY(page);
    auto *first = page->control<TextBox>(QStringLiteral("Text2"), 0);
    auto *second = page->control<TextBox>(QStringLiteral("Text2"), 1);
    replaceText(second, step);
    QVERIFY(page->drawing().isBlank());
    replaceText(first, edges);
    // A letter is refused and leaves the boxes as they are.
    Pupil::type(QStringLiteral("x"));
    QCOMPARE(first->text(), edges);
    Pupil::press(Qt::Key_Return);
    QCOMPARE(first->text(), edgesAfter);
    QCOMPARE(second->text(), stepAfter);
    // Enter moves on to the other box.
    QCOMPARE(Pupil::focus(), second);

    const int n = edgesAfter.toInt();
    const int k = stepAfter.trimmed().toInt();
    if (n == 0 || k % n == 0) {
        // Only the circle and its centre: no line joins two corners.
        QVERIFY(!page->drawing().isBlank());
        QVERIFY(yellowPixels(page->drawing()) < 10);
        return;
    }
    for (int j = 0; j < n; ++j)
        QVERIFY2(inkNear(page->drawing(), cornerOnCircle(j, n)), qPrintable(QStringLiteral("corner %1 of {%2/%3}").arg(j).arg(edges, step)));
}

void TestPupilVisit::stellatedProblems()
{
    Screen *explorer = Pupil::visibleScreen(Explorer);
    QVERIFY(explorer);
    Pupil::click(explorer->control<Label>(QStringLiteral("Label2"), 0));
    Screen *page = expectOnly(StellatedProblems, QStringLiteral("Stellated Polygons"));
    QVERIFY(page);
    auto *question = page->control<Label>(QStringLiteral("Label1"));
    auto *box = page->control<TextBox>(QStringLiteral("Text1"));
    auto *feedback = page->control<Label>(QStringLiteral("Label4"));
    auto *picture = page->control<ImageBox>(QStringLiteral("Image2"));
    QVERIFY(!page->control<QWidget>(QStringLiteral("cmdcheckit"))->isVisible());
    QVERIFY(!page->control<QWidget>(QStringLiteral("Text2"), 0)->isVisible());
    QVERIFY(!feedback->isVisible());
    QCOMPARE(Pupil::focus(), box);

    // Every question the page can ask, known by its text and its answer.
    const QString edges = QStringLiteral("How many edges does the stellated polygon in the animation have?");
    const QSet<QString> kinds{
        edges + QStringLiteral("|8"),
        edges + QStringLiteral("|9"),
        edges + QStringLiteral("|5"),
        QStringLiteral("In degrees, what is the smallest angle through which a pentagram can be rotated, so that it looks the same after rotation as it did prior to rotation?|72"),
        QStringLiteral("In degrees, what is the smallest angle through which a Star of David can be rotated, so that it looks unaltered after rotation to how it looked prior to rotation?|60"),
        QStringLiteral("A regular stellated octagon is symmetrical under rotations around its centre through certain angles. In other words, after performing these rotations the stellated octagon looks unaltered. In degrees, what is the smallest of these angles?|45"),
        QStringLiteral("A regular stellated dodecagon is symmetrical under rotations around its centre through certain angles. Each of these angles is a multiple of the smallest. In degrees, what is the smallest angle through which a regular stellated dodecagon can be rotated if it is to appear unaltered?|30"),
        QStringLiteral("The stellated nonagon in the animation is a compound polygon. How many component polygons does it have?|3"),
    };
    QSet<QString> seen;
    QString previous;
    for (int round = 0; round < 200 && seen.size() < kinds.size(); ++round) {
        QVERIFY(box->text().isEmpty());
        QVERIFY(feedback->text().isEmpty());
        expectPicture(picture->picture(), "question's animation");

        // Wrong first, with Enter: the page has no check button to press.
        replaceText(box, QStringLiteral("1000"));
        Pupil::press(Qt::Key_Return);
        QCOMPARE(feedback->text(), Wrong);
        QVERIFY(feedback->isVisible());

        Pupil::click(page->control<CommandButton>(QStringLiteral("cmdsoln")));
        const QString answer = feedback->text();
        const QString kind = question->text() + u'|' + answer;
        QVERIFY2(kinds.contains(kind), qPrintable(kind));
        // Never the same question twice running.
        QVERIFY2(kind != previous, qPrintable(kind));
        previous = kind;
        seen.insert(kind);

        replaceText(box, answer);
        Pupil::press(Qt::Key_Return);
        QCOMPARE(feedback->text(), Correct);

        Pupil::click(page->control<CommandButton>(QStringLiteral("cmdgo")));
        QCOMPARE(Pupil::focus(), box);
    }
    QCOMPARE(seen.size(), kinds.size());

    // The Jotter opens here too, and goes with the page.
    Pupil::click(page->control<CommandButton>(QStringLiteral("cmdjotter")));
    QVERIFY(Pupil::visibleScreen(Jotter));
    Pupil::click(page->control<CommandButton>(QStringLiteral("cmdexit")));
    QVERIFY(expectOnly(Menu, Publisher::Name));
}

void TestPupilVisit::backToTitleAndExit()
{
    Screen *menu = Pupil::visibleScreen(Menu);
    QVERIFY(menu);
    Pupil::click(menu->control<CommandButton>(QStringLiteral("Command1")));
    titleScreen(QStringLiteral("Cancel"));
    if (QTest::currentTestFailed())
        return;

    // "Cancel" leads to the menu as "OK" did, and back again.
    Pupil::click(Pupil::visibleScreen(Title)->control<CommandButton>(QStringLiteral("Command1")));
    menu = expectOnly(Menu, Publisher::Name);
    QVERIFY(menu);
    Pupil::click(menu->control<CommandButton>(QStringLiteral("Command1")));
    titleScreen(QStringLiteral("Cancel"));
    if (QTest::currentTestFailed())
        return;

    Pupil::click(Pupil::visibleScreen(Title)->control<CommandButton>(QStringLiteral("Command2")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(Pupil::visibleScreens().isEmpty());
    QVERIFY(m_vertexa->isFinished());
}

QTEST_MAIN(TestPupilVisit)
#include "tst_pupilvisit.moc"
