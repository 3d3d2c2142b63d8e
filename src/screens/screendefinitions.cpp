// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/screendefinition.h"

#include "common/colourtable.h"

#include <QCoreApplication>
#include <QHash>
#include <stdexcept>

namespace {

// The rows keep the English texts, marked for the translators; a screen shows
// them through shownText().
QString english(const char *marked)
{
    return QString::fromUtf8(marked);
}

} // namespace

namespace Publisher {
const QString Name =
    //: The publisher's name: the menu's window caption and part of the notice. May stay as it is.
    english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Vertexa Learning"));
const QString Notice =
    //: Publisher's notice on the title screen and the menu. May stay as it is.
    english(QT_TRANSLATE_NOOP("ScreenDefinitions", "\u00A9 2026 Vertexa Learning"));
const QString WebAddress =
    //: The publisher's web address shown on the menu. May stay as it is.
    english(QT_TRANSLATE_NOOP("ScreenDefinitions", "www.vertexa.example"));
const QString WebUrl = QStringLiteral("https://www.vertexa.example/");
const QString AuthorCredit = english(QT_TRANSLATE_NOOP("ScreenDefinitions", "by the Vertexa developers"));
} // namespace Publisher

namespace {

const QString Tahoma = QStringLiteral("Tahoma");
const QString Arial = QStringLiteral("Arial");
const QString Times = QStringLiteral("Times New Roman");
constexpr bool Bold = true;

ControlDefinition control(ControlKind kind, const QString &name, int index = NoIndex)
{
    ControlDefinition c;
    c.kind = kind;
    c.name = name;
    c.index = index;
    return c;
}

ControlDefinition label(const QString &name, int index = NoIndex)
{
    return control(ControlKind::Label, name, index);
}
ControlDefinition button(const QString &name, int index = NoIndex)
{
    return control(ControlKind::CommandButton, name, index);
}
ControlDefinition textBox(const QString &name, int index = NoIndex)
{
    return control(ControlKind::TextBox, name, index);
}
ControlDefinition imageBox(const QString &name)
{
    return control(ControlKind::ImageBox, name);
}
ControlDefinition pictureBox(const QString &name)
{
    return control(ControlKind::PictureBox, name);
}
ControlDefinition frame(const QString &name)
{
    return control(ControlKind::Frame, name);
}
ControlDefinition line(const QString &name, int index)
{
    return control(ControlKind::Line, name, index);
}
ControlDefinition timer(const QString &name)
{
    return control(ControlKind::Timer, name);
}
ControlDefinition playerBar(const QString &name)
{
    return control(ControlKind::PlayerBar, name);
}

// A lesson screen's picture button; its picture and final place come from styling.
// It has no words: the spoken name says what it does, and Alt and a letter presses it.
ControlDefinition pictureButton(const QString &name, int left, int top, const QString &spoken, Qt::Key key)
{
    return button(name).at(left, top, 1650, 500).pictureFace().accessibleName(spoken).shortcut(Qt::ALT | key);
}

ControlDefinition exitButton(const QString &name, int left, int top)
{
    return pictureButton(name,
                         left,
                         top,
                         //: Spoken name and tooltip of the picture button that leaves a lesson screen (Alt+X).
                         english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Exit")),
                         Qt::Key_X);
}

ControlDefinition checkButton(int left, int top)
{
    return pictureButton(QStringLiteral("cmdcheckit"),
                         left,
                         top,
                         english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Check my answer")),
                         Qt::Key_C);
}

// Yellow text on the window, the usual lesson label.
ControlDefinition yellowLabel(const QString &name, int index = NoIndex)
{
    return label(name, index).fore(Colours::Yellow).seeThrough();
}

// A bordered yellow-on-blue label that serves as a button or link.
ControlDefinition linkLabel(const QString &name, int index = NoIndex)
{
    return label(name, index)
        .fore(Colours::Yellow)
        .back(Colours::Blue)
        .withFont(Tahoma, 18, Bold)
        .centred()
        .withBorder()
        .actsAsLink();
}

ControlDefinition fullScreenLabel(const QString &name, int left, int top)
{
    return label(name)
        .at(left, top, 1455, 330)
        .caption(
            //: Greyed label beside the animation player; it does nothing.
            english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Full Screen")))
        .fore(Colours::Yellow)
        .back(Colours::DarkGrey)
        .withFont(Tahoma, 11.25, Bold)
        .startDisabled()
        .centred()
        .withBorder();
}

ControlDefinition numberBox(int index, int left, int top, const QString &text)
{
    return textBox(QStringLiteral("Text2"), index)
        .accessibleName(index == 0 ? english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Number of edges"))
                                   : english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Vertices skipped")))
        .at(left, top, 495, 495)
        .caption(text)
        .fore(Colours::Blue)
        .withFont(Tahoma, 15.75, Bold)
        .centred()
        .atMost(2);
}

ScreenDefinition lessonScreen(const QString &name, const QString &caption)
{
    ScreenDefinition s;
    s.name = name;
    s.caption = caption;
    s.clientSize = QSize(11910, 8700);
    s.background = Colours::LightBlue;
    return s;
}

ScreenDefinition titleScreen()
{
    ScreenDefinition s;
    s.name = ScreenNames::Title;
    s.caption = QStringLiteral(" ");
    s.spokenName =
        //: The program's name: the menu's title, and what a screen reader calls the title screen.
        english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Vertexa 1 Demo"));
    s.description = english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Vertexa 1 Demo, title screen"));
    s.clientSize = QSize(5460, 6570);
    s.position = QPoint(2640, 1260);
    s.background = Colours::Silver;
    s.hasIcon = true;
    const QString inFrame = QStringLiteral("Frame1");
    s.controls = {
        frame(inFrame)
            .at(0, -90, 5480, 6660)
            .back(Colours::Silver)
            .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Title"))),
        label(QStringLiteral("Label4"), 0)
            .in(inFrame)
            .at(60, 120, 5355, 735)
            .caption(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Vertexa 1")))
            .fore(Colours::Blue)
            .seeThrough()
            .withFont(Times, 30, Bold)
            .centred(),
        label(QStringLiteral("Label4"), 1)
            .in(inFrame)
            .at(60, 780, 5355, 735)
            .caption(
                //: Second line of the program's name on the title screen: the demonstration version.
                english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Demo")))
            .fore(Colours::Blue)
            .seeThrough()
            .withFont(Times, 20.25, Bold)
            .centred(),
        pictureBox(QStringLiteral("Picture1"))
            .in(inFrame)
            .at(300, 1320, 4800, 3600)
            .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Title animation"))),
        label(QStringLiteral("Label3"))
            .in(inFrame)
            .at(480, 5370, 4455, 615)
            .caption(Publisher::AuthorCredit)
            .fore(Colours::Blue)
            .seeThrough()
            .withFont(Times, 15.75)
            .centred(),
        button(QStringLiteral("Command1"))
            .in(inFrame)
            .at(1320, 6000, 1335, 375)
            .caption(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "OK")))
            .back(Colours::Silver),
        button(QStringLiteral("Command2"))
            .in(inFrame)
            .at(2760, 6000, 1335, 375)
            //: Title screen button that quits the program (89x25 px).
            .caption(QT_TRANSLATE_NOOP3("ScreenDefinitions", "Exit", "quits the program"))
            .back(Colours::Silver),
        label(QStringLiteral("Label2"))
            .in(inFrame)
            .at(0, 6420, 5415, 255)
            .caption(Publisher::Notice)
            .fore(Colours::Blue)
            .seeThrough()
            .withFont(Arial, 8.25)
            .centred(),
        timer(QStringLiteral("Timer1")).every(25).startDisabled(),
    };
    return s;
}

ScreenDefinition topicMenu()
{
    ScreenDefinition s;
    s.name = ScreenNames::Menu;
    s.caption = Publisher::Name;
    s.description = english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Topic menu"));
    s.clientSize = QSize(12120, 8655);
    s.background = Colours::LightBlue;
    s.controls = {
        imageBox(QStringLiteral("Image2"))
            .at(120, 120, 1500, 2085)
            .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Vertexa logo"))),
        yellowLabel(QStringLiteral("Label1"))
            .at(1920, 120, 7980, 900)
            .caption(
                //: The program's name: the menu's title, and what a screen reader calls the title screen.
                english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Vertexa 1 Demo")))
            .back(Colours::Black)
            .withFont(Tahoma, 30, Bold)
            .centred()
            .withBorder(),
        yellowLabel(QStringLiteral("Label4"))
            .at(9720, 120, 1800, 375)
            .caption(
                //: The program's version on the menu: keep the number.
                english(QT_TRANSLATE_NOOP("ScreenDefinitions", "version 4.0.006")))
            .withFont(Tahoma, 9.75, Bold)
            .rightAligned(),
        yellowLabel(QStringLiteral("Label2"), 0)
            .at(360, 2520, 5355, 495)
            .caption(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "The Angles of a Triangle")))
            .back(Colours::Blue)
            .withFont(Tahoma, 18, Bold)
            .startHidden()
            .centred()
            .withBorder()
            .actsAsButton(),
        yellowLabel(QStringLiteral("Label5"), 0)
            .at(6240, 2520, 5355, 495)
            .caption(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Stellated Polygons")))
            .back(Colours::Blue)
            .withFont(Tahoma, 18, Bold)
            .startHidden()
            .centred()
            .withBorder()
            .actsAsButton(),
        exitButton(QStringLiteral("Command1"), 9570, 7230),
        label(QStringLiteral("Label6"))
            .at(4440, 8040, 3315, 375)
            .caption(Publisher::WebAddress)
            .fore(Colours::Yellow)
            .back(Colours::Black)
            .withFont(Arial, 12, Bold)
            .centred()
            .withBorder()
            .actsAsLink(),
        yellowLabel(QStringLiteral("Label3"))
            .at(8040, 8145, 3600, 375)
            .caption(Publisher::Notice)
            .withFont(Tahoma, 9.75)
            .centred(),
    };
    return s;
}

ScreenDefinition proofScreen()
{
    ScreenDefinition s =
        lessonScreen(ScreenNames::Proof, english(QT_TRANSLATE_NOOP("ScreenDefinitions", "The Angles of a Triangle")));
    s.description =
        english(QT_TRANSLATE_NOOP("ScreenDefinitions", "A proof that the angles of a triangle add up to 180 degrees"));
    const QString lines = QStringLiteral("Line1");
    const QString letters = QStringLiteral("Label4");
    //: An angle of the proof's triangle, named in the proof's texts: use the same letter there.
    const QString angleR = english(QT_TRANSLATE_NOOP("ScreenDefinitions", "R"));
    //: An angle of the proof's triangle, named in the proof's texts: use the same letter there.
    const QString angleP = english(QT_TRANSLATE_NOOP("ScreenDefinitions", "P"));
    //: An angle of the proof's triangle, named in the proof's texts: use the same letter there.
    const QString angleQ = english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Q"));
    // Listed bottom to top: the black lines lie under the yellow sides, and
    // every letter lies above all lines.
    s.controls = {
        yellowLabel(QStringLiteral("Label1"))
            .at(240, 240, 11535, 2175)
            .caption(
                english(QT_TRANSLATE_NOOP("ScreenDefinitions",
                                          "Click the button labelled \"Next Step\" to step through a proof of the "
                                          "theorem that the sum of the angles of a triangle is equal to 180\u00B0.")))
            .withFont(Tahoma, 15.75),
        yellowLabel(QStringLiteral("Label3"))
            .at(1920, 1680, 8175, 1335)
            .caption(english(
                QT_TRANSLATE_NOOP("ScreenDefinitions", "The angles of the triangle below are labelled R, P and Q.")))
            .withFont(Tahoma, 15.75),
        line(lines, 3)
            .from(1800, 6240)
            .to(9840, 6240)
            .fore(Colours::Black)
            .width(3)
            .startHidden()
            .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "The base extended"))),
        line(lines, 4)
            .from(1800, 3240)
            .to(9840, 3240)
            .fore(Colours::Black)
            .width(3)
            .startHidden()
            .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Parallel to the base through the apex"))),
        line(lines, 0)
            .from(2760, 6240)
            .to(8520, 6240)
            .fore(Colours::Yellow)
            .width(3)
            .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Base of the triangle"))),
        line(lines, 1)
            .from(2760, 6240)
            .to(6480, 3240)
            .fore(Colours::Yellow)
            .width(3)
            .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Left side of the triangle"))),
        line(lines, 2)
            .from(6480, 3240)
            .to(8520, 6240)
            .fore(Colours::Yellow)
            .width(3)
            .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Right side of the triangle"))),
        yellowLabel(letters, 0).at(6360, 3480, 180, 285).caption(angleR).withFont(Tahoma, 12, Bold),
        yellowLabel(letters, 1).at(3360, 5880, 165, 285).caption(angleP).withFont(Tahoma, 12, Bold),
        label(letters, 2)
            .at(5640, 3360, 165, 285)
            .caption(angleP)
            .fore(Colours::Green)
            .seeThrough()
            .withFont(Tahoma, 12, Bold)
            .startHidden(),
        yellowLabel(letters, 3).at(7920, 5880, 180, 285).caption(angleQ).withFont(Tahoma, 12, Bold),
        label(letters, 4)
            .at(6960, 3360, 180, 285)
            .caption(angleQ)
            .fore(Colours::Green)
            .seeThrough()
            .withFont(Tahoma, 12, Bold)
            .startHidden(),
        linkLabel(QStringLiteral("Label5"))
            .at(5160, 6720, 1995, 495)
            .caption(
                //: Caption of the proof's step button; the proof's opening text quotes it.
                english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Next Step")))
            .actsAsButton(),
        linkLabel(QStringLiteral("Label2"))
            .at(4560, 7920, 3315, 495)
            .caption(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Problems Page"))),
        exitButton(QStringLiteral("cmdexit"), 10275, 1125),
        timer(QStringLiteral("Timer1")).every(50).startDisabled(),
    };
    return s;
}

// Where the pupil types the answer of a problems page.
ControlDefinition answerBox()
{
    return textBox(QStringLiteral("Text1"))
        .centred()
        .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Your answer")));
}

// The controls both problems pages share, at their common places.
QList<ControlDefinition> problemsPageButtons(const ControlDefinition &checkButton)
{
    return {
        pictureButton(QStringLiteral("cmdgo"),
                      10275,
                      60,
                      english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Next question")),
                      Qt::Key_N),
        pictureButton(QStringLiteral("cmdsoln"),
                      10350,
                      600,
                      english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Show the answer")),
                      Qt::Key_A),
        exitButton(QStringLiteral("cmdexit"), 10275, 1125),
        checkButton,
        pictureButton(QStringLiteral("cmdjotter"),
                      0,
                      7755,
                      //: Spoken name and tooltip of the button that opens the Jotter, the drawing pad (Alt+J).
                      english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Open the Jotter")),
                      Qt::Key_J),
        timer(QStringLiteral("Timer1")).every(50).startDisabled(),
    };
}

// The question of a problems page, replaced by each question.
ControlDefinition questionLabel(const QRect &rect, double points)
{
    return yellowLabel(QStringLiteral("Label1"))
        .at(rect.x(), rect.y(), rect.width(), rect.height())
        .caption(QStringLiteral("Label1"))
        .withFont(Tahoma, points);
}

// A problems page's feedback line, hidden until the first check or solution.
ControlDefinition feedbackLabel(const QRect &rect, double points)
{
    return yellowLabel(QStringLiteral("Label4"))
        .at(rect.x(), rect.y(), rect.width(), rect.height())
        .caption(
            //: First caption of the feedback line; replaced before it is seen.
            english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Correct to two decimal places:")))
        .withFont(Tahoma, points)
        .startHidden()
        .centred();
}

// A problems page's player bar beside its animation.
ControlDefinition animationControls(int left, int top)
{
    return playerBar(QStringLiteral("MMControl1"))
        .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Animation controls")))
        .at(left, top, 1590, 330);
}

ScreenDefinition trianglePage()
{
    ScreenDefinition s = lessonScreen(ScreenNames::TriangleProblems,
                                      english(QT_TRANSLATE_NOOP("ScreenDefinitions", "The Angles of a Triangle")));
    s.description = english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Problems on the angles of a triangle"));
    s.controls = {
        imageBox(QStringLiteral("Image2"))
            .at(6840, 240, 4860, 3660)
            .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Triangle animation"))),
        questionLabel(QRect(360, 5160, 6855, 2415), 24),
        answerBox().at(7680, 5280, 1695, 1275).withFont(Tahoma, 48).tabAt(1),
        feedbackLabel(QRect(2760, 7560, 6495, 1095), 36),
        animationControls(7680, 3960).tabAt(2),
        fullScreenLabel(QStringLiteral("Label2"), 9360, 3960),
    };
    s.controls += problemsPageButtons(checkButton(10200, 4440).tabAt(0));
    return s;
}

ScreenDefinition explorer()
{
    ScreenDefinition s =
        lessonScreen(ScreenNames::Explorer, english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Stellated Polygons")));
    s.description = english(
        QT_TRANSLATE_NOOP("ScreenDefinitions",
                          "Draws the star polygon with the number of edges and the vertices skipped typed below"));
    s.controls = {
        yellowLabel(QStringLiteral("Label1"))
            .at(240, 240, 11535, 2175)
            .caption(english(QT_TRANSLATE_NOOP(
                "ScreenDefinitions",
                "Stellated polygons were first systematically studied by an Englishman called "
                "Brenthorne who died from the Black Death in 1349.  In the Middle Ages a knowledge of "
                "geometry and mathematics was thought to give magical powers.  Stellated polygons were "
                "used by witches as markings in their magic circles and on their talismans.")))
            .withFont(Tahoma, 15.75),
        yellowLabel(QStringLiteral("Label3"))
            .at(240, 3240, 3375, 1695)
            .caption(english(QT_TRANSLATE_NOOP(
                "ScreenDefinitions",
                "To draw a new stellated polygon enter numbers into the text boxes and press Enter.")))
            .withFont(Tahoma, 15.75),
        yellowLabel(QStringLiteral("Label5"), 0)
            .at(4320, 3480, 1935, 375)
            .caption(
                //: n of the star polygon {n/k}: how many edges (sides) it has.
                english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Number of edges")))
            .withFont(Tahoma, 12),
        numberBox(0, 4920, 3840, QStringLiteral("5")).tabAt(1),
        yellowLabel(QStringLiteral("Label5"), 1)
            .at(4320, 4560, 1935, 375)
            .caption(
                //: k of the star polygon {n/k}: the step from one vertex to the next one joined.
                english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Vertices skipped")))
            .withFont(Tahoma, 12),
        numberBox(1, 4920, 4920, QStringLiteral("2")).tabAt(2),
        linkLabel(QStringLiteral("Label2"), 0)
            .at(4560, 7920, 3315, 495)
            .caption(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Problems Page"))),
        exitButton(QStringLiteral("cmdexit"), 10275, 1125).tabAt(0),
        timer(QStringLiteral("Timer1")).every(50).startDisabled(),
    };
    return s;
}

ScreenDefinition stellatedPage()
{
    ScreenDefinition s = lessonScreen(ScreenNames::StellatedProblems,
                                      english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Stellated Polygons")));
    s.description = english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Problems on stellated polygons"));
    s.controls = {
        imageBox(QStringLiteral("Image2"))
            .at(6960, 120, 4860, 3660)
            .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Stellated polygon animation"))),
        yellowLabel(QStringLiteral("Label5"), 0)
            .at(4800, 240, 1935, 375)
            .caption(
                //: n of the star polygon {n/k}: how many edges (sides) it has.
                english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Number of edges")))
            .withFont(Tahoma, 12)
            .startHidden(),
        numberBox(0, 5400, 600, QStringLiteral("5")).startHidden(),
        yellowLabel(QStringLiteral("Label5"), 1)
            .at(4800, 1320, 1935, 375)
            .caption(
                //: k of the star polygon {n/k}: the step from one vertex to the next one joined.
                english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Vertices skipped")))
            .withFont(Tahoma, 12)
            .startHidden(),
        numberBox(1, 5400, 1680, QStringLiteral("2")).startHidden(),
        questionLabel(QRect(360, 4800, 8895, 3015), 20.25),
        answerBox().at(9480, 5040, 1695, 735).withFont(Tahoma, 24).tabAt(0),
        feedbackLabel(QRect(2760, 7800, 6495, 975), 27.75),
        animationControls(7800, 3840).tabAt(1),
        fullScreenLabel(QStringLiteral("Label3"), 9480, 3840),
    };
    // The check button stays hidden: Enter in the answer box checks instead.
    s.controls += problemsPageButtons(checkButton(10245, 3825).startHidden());
    return s;
}

ScreenDefinition jotter()
{
    ScreenDefinition s;
    s.name = ScreenNames::Jotter;
    s.caption =
        //: Window caption of the drawing pad for working out.
        english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Jotter"));
    s.description =
        english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Drawing pad: draw with the left mouse button held down"));
    s.clientSize = QSize(9915, 3660);
    s.position = QPoint(150, 540);
    s.border = WindowBorder::FixedDialog;
    // No background colour: the system's window face until the pad sets its own.
    const QString landscape = QStringLiteral("Frame_landscape");
    const QString portrait = QStringLiteral("Frame_portrait");
    auto padButton = [](const QString &name,
                        const QString &frameName,
                        int left,
                        int top,
                        int width,
                        const QString &text,
                        const QColor &face) {
        return button(name)
            .in(frameName)
            .at(left, top, width, 480)
            .caption(text)
            .back(face)
            .pictureFace()
            .withFont(Tahoma, 12);
    };
    const QColor exitFace(255, 224, 192), writeFace(255, 255, 192), eraseFace(192, 192, 0), clearFace(255, 192, 128);
    s.controls = {
        frame(landscape)
            .at(0, 2910, 9920, 750)
            .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Pen and colours"))),
        frame(portrait)
            .at(3165, 0, 1035, 5250)
            .startHidden()
            .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Pen and colours"))),
        padButton(QStringLiteral("Command1"),
                  landscape,
                  60,
                  180,
                  930,
                  //: Jotter button that closes the pad (62x32 px).
                  english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Exit")),
                  exitFace),
        padButton(QStringLiteral("Command2"),
                  landscape,
                  1120,
                  180,
                  930,
                  english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Write")),
                  writeFace),
        padButton(QStringLiteral("Command5"),
                  landscape,
                  2180,
                  180,
                  930,
                  english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Erase")),
                  eraseFace),
        padButton(QStringLiteral("Command6"),
                  landscape,
                  3240,
                  180,
                  930,
                  english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Clear")),
                  clearFace),
        padButton(QStringLiteral("Command3"),
                  landscape,
                  4305,
                  180,
                  585,
                  //: Jotter button that turns the pad between wide and tall: very small (39x32 px).
                  english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Flip")),
                  Colours::LightBlue),
        padButton(QStringLiteral("Command9"),
                  portrait,
                  60,
                  180,
                  930,
                  //: Jotter button that closes the pad (62x32 px).
                  english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Exit")),
                  exitFace),
        padButton(QStringLiteral("Command10"),
                  portrait,
                  60,
                  705,
                  930,
                  english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Write")),
                  writeFace),
        padButton(QStringLiteral("Command8"),
                  portrait,
                  60,
                  1230,
                  930,
                  english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Erase")),
                  eraseFace),
        padButton(QStringLiteral("Command7"),
                  portrait,
                  60,
                  1755,
                  930,
                  english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Clear")),
                  clearFace),
        padButton(QStringLiteral("Command4"),
                  portrait,
                  60,
                  2280,
                  930,
                  //: Jotter button that turns the pad between wide and tall: very small (39x32 px).
                  english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Flip")),
                  Colours::LightBlue),
    };
    // The swatches pick the pen's colour; the pad lays out elements 1 to 15,
    // and colours and names them all at load.
    for (int i = 0; i < 16; ++i) {
        s.controls.append(label(QStringLiteral("Label1"), i)
                              .in(landscape)
                              .at(5010, 285, 240, 240)
                              .back(Colours::Yellow)
                              .actsAsButton());
        s.controls.append(label(QStringLiteral("Label11"), i)
                              .in(portrait)
                              .at(180, 2820, 240, 240)
                              .back(Colours::Yellow)
                              .actsAsButton());
    }
    return s;
}

QHash<QString, ScreenDefinition> buildDefinitions()
{
    QHash<QString, ScreenDefinition> all;
    for (const ScreenDefinition &s :
         {titleScreen(), topicMenu(), proofScreen(), trianglePage(), explorer(), stellatedPage(), jotter()})
        all.insert(s.name, s);
    return all;
}

const QHash<QString, ScreenDefinition> &definitions()
{
    static const QHash<QString, ScreenDefinition> all = buildDefinitions();
    return all;
}

} // namespace

const ControlDefinition *ScreenDefinition::find(const QString &controlName, int index) const
{
    for (const ControlDefinition &c : controls) {
        if (c.name == controlName && c.index == index)
            return &c;
    }
    return nullptr;
}

QString shownText(const QString &english, const char *disambiguation)
{
    if (english.isEmpty())
        return english;
    return QCoreApplication::translate("ScreenDefinitions", english.toUtf8().constData(), disambiguation);
}

const ScreenDefinition &screenDefinition(const QString &name)
{
    const auto it = definitions().constFind(name);
    if (it == definitions().constEnd())
        throw std::out_of_range("no screen named " + name.toStdString());
    return *it;
}

QStringList screenNames()
{
    using namespace ScreenNames;
    return {Title, Menu, Proof, TriangleProblems, Explorer, StellatedProblems, Jotter};
}
