// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/language.h"
#include "common/numbertext.h"
#include "common/programvalues.h"
#include "problems/answercheck.h"
#include "screens/commandbutton.h"
#include "screens/fittedfont.h"
#include "screens/fonts.h"
#include "screens/label.h"
#include "screens/screen.h"
#include "screens/textbox.h"
#include "stellated/starquestions.h"
#include "support/scriptedrandom.h"
#include "support/testprogram.h"
#include "triangle/proofsteps.h"
#include "triangle/trianglequestions.h"

#include <QFontInfo>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTest>
#include <functional>

// Every text the program can show, in every language it speaks, fits the
// rectangle of the control that shows it, with the face the machine
// resolves: the Tahoma-metric one where it is installed and the fallbacks
// where it is not. Labels and command buttons may draw a text a little
// smaller than the screen asks for, down to a floor; the answer boxes may not.
class TestTextFit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void facesResolve_data();
    void facesResolve();
    void screenTextsFit_data();
    void screenTextsFit();
    void textsFit_data();
    void textsFit();

private:
    static bool useRowFaces();
    static QStringList languages();
};

namespace {

const QString TahomaMetric = QStringLiteral("Tahoma-metric face");
const QString Fallback = QStringLiteral("fallback faces");

// The space a control gives its text, in device-independent pixels, the
// flags it lays the text out with, the text it shows now and whether it
// shrinks a text that does not fit.
struct TextArea
{
    QRect rect;
    int flags = 0;
    QString text;
    bool shrinks = true;
};

TextArea areaOf(const QWidget *control)
{
    if (const auto *label = qobject_cast<const Label *>(control))
        return {label->contentsRect(),
                int(label->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop | Qt::TextWordWrap,
                label->text()};
    if (const auto *button = qobject_cast<const CommandButton *>(control))
        return {button->captionArea(), button->captionFlags(), button->text()};
    if (const auto *box = qobject_cast<const TextBox *>(control)) {
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
        QRect inner = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
        // The line edit keeps two pixels clear on either side of its text.
        inner.adjust(2, 0, -2, 0);
        return {inner, int(box->alignment()), box->text(), false};
    }
    return {};
}

// Empty when the text fits the control; else a line saying by how much it does not.
QString misfit(const QWidget *control, const QString &text)
{
    const TextArea area = areaOf(control);
    // At the size the control draws it in. Glyph advances are fractional
    // here; a fraction of a pixel beyond the edge is side bearing, not ink,
    // so the layout's size is rounded to whole pixels as whole-pixel
    // advances would give it.
    const QFont font = area.shrinks ? fittedFont(control->font(), area.rect, area.flags, text) : control->font();
    const QFontMetricsF metrics(font);
    const QRectF needed = metrics.boundingRect(QRectF(area.rect), area.flags, text);
    if (qRound(needed.width()) <= area.rect.width() && qRound(needed.height()) <= area.rect.height())
        return {};
    return QStringLiteral("%1 (%2, %3 pt): needs %4x%5 px, has %6x%7: \"%8\"")
        .arg(control->objectName(), QFontInfo(font).family())
        .arg(font.pointSizeF())
        .arg(needed.width(), 0, 'f', 1)
        .arg(needed.height(), 0, 'f', 1)
        .arg(area.rect.width())
        .arg(area.rect.height())
        .arg(text);
}

// Every question a problems page's set can produce: each type with each
// value of each of its draws.
QList<Question> allQuestions(QuestionSet &questions, const QList<int> &drawSizes)
{
    QList<Question> drawn;
    const std::function<void(QList<double>, int)> walk = [&](QList<double> script, int level) {
        if (level == drawSizes.size()) {
            ScriptedRandom random(script);
            ProgramValues values;
            // Another type was drawn last, so the first draw is taken as it is.
            values.lastquestion = (int(script.first() * drawSizes.first()) + 1) % 8;
            drawn += questions.draw(random, values);
            return;
        }
        for (int i = 0; i < drawSizes.at(level); ++i)
            walk(script + QList<double>{(i + 0.5) / drawSizes.at(level)}, level + 1);
    };
    walk({}, 0);
    return drawn;
}

// The question texts, or what the feedback line can show: the verdicts and
// the answers the solution writes there.
QStringList questionTexts(const QList<Question> &questions)
{
    QStringList texts;
    for (const Question &q : questions)
        texts += q.text;
    texts.removeDuplicates();
    return texts;
}

QStringList feedbackTexts(const QList<Question> &questions)
{
    QStringList texts{AnswerCheck::feedback(AnswerCheck::Verdict::Correct),
                      AnswerCheck::feedback(AnswerCheck::Verdict::Wrong)};
    for (const Question &q : questions)
        texts += plainNumber(q.answer);
    texts.removeDuplicates();
    return texts;
}

// The explanations or the step button's captions, as the proof shows them
// in turn.
QStringList proofTexts(const QString &control)
{
    TestProgram program;
    program.screens().show(ScreenNames::Proof);
    QStringList texts;
    // Round to the first view again: the last click's caption too.
    for (int view = ProofSteps::FirstView; view <= ProofSteps::LastView + 1; ++view) {
        Screen *proof = program.screen(ScreenNames::Proof);
        texts += proof->control<Label>(control)->text();
        proof->control<Label>(QStringLiteral("Label5"))->activate();
    }
    texts.removeDuplicates();
    return texts;
}

} // namespace

void TestTextFit::cleanup()
{
    Language::install(QString());
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    TestProgram::settle();
    registerBundledFonts();
}

// Takes the faces the row names; false when the machine lacks them. Call
// after the TestProgram is made: it adds the program's own faces.
bool TestTextFit::useRowFaces()
{
    QFETCH(QString, faces);
    if (faces == Fallback) {
        removeBundledFonts();
        return true;
    }
    return !registerBundledFonts().isEmpty() || QFontInfo(QFont(QStringLiteral("Tahoma"))).family() == u"Tahoma";
}

// English, the language the program is written in, and every other it speaks.
QStringList TestTextFit::languages()
{
    return QStringList{QStringLiteral("en")} + Language::translated();
}

// Takes the row's language: the screens made after speak it.
#define USE_ROW_LANGUAGE()     \
    QFETCH(QString, language); \
    QVERIFY(Language::install(language))

#define USE_ROW_FACES() \
    if (!useRowFaces()) \
    QSKIP("No Tahoma-metric face on this machine (Debian: fonts-wine)")

void TestTextFit::facesResolve_data()
{
    QTest::addColumn<QString>("faces");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Tahoma bold, installed") << TahomaMetric << "Tahoma" << true << "Tahoma";
    QTest::newRow("Tahoma, absent") << Fallback << "Tahoma" << false << "Liberation Sans";
    QTest::newRow("Arial bold") << Fallback << "Arial" << true << "Liberation Sans";
    QTest::newRow("Times New Roman") << Fallback << "Times New Roman" << false << "Liberation Serif";
}

void TestTextFit::facesResolve()
{
    QFETCH(QString, asked);
    QFETCH(bool, bold);
    QFETCH(QString, expected);
    TestProgram program;
    USE_ROW_FACES();
    const QFontInfo info(fontFor(FontSpec{asked, 12, bold}, QFont()));
    QCOMPARE(info.family(), expected);
    QCOMPARE(info.bold(), bold);
}

void TestTextFit::screenTextsFit_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("faces");
    QTest::addColumn<QString>("screen");
    for (const QString &language : languages()) {
        for (const QString &faces : {TahomaMetric, Fallback}) {
            for (const QString &screen : screenNames())
                QTest::addRow("%s, %s, %s", qPrintable(language), qPrintable(screen), qPrintable(faces))
                    << language << faces << screen;
        }
    }
}

// Every label, button and box as the screen shows it after loading, hidden
// ones included (the feedback line, the second column of the menu).
void TestTextFit::screenTextsFit()
{
    QFETCH(QString, screen);
    USE_ROW_LANGUAGE();
    TestProgram program;
    USE_ROW_FACES();
    program.screens().show(screen);
    Screen *shown = program.screens().loaded(screen);
    QVERIFY(shown);
    QStringList misfits;
    int checked = 0;
    for (QWidget *control : shown->findChildren<QWidget *>()) {
        const QString text = areaOf(control).text;
        if (text.isEmpty())
            continue;
        ++checked;
        misfits += misfit(control, text);
    }
    misfits.removeAll(QString());
    QVERIFY(checked > 0);
    QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(u'\n')));
}

void TestTextFit::textsFit_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("faces");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("texts");
    // The boxes hold at most two characters: the widest numbers they can show.
    const QStringList numbers{QStringLiteral("20"), QStringLiteral("88"), QStringLiteral(" 9"), QStringLiteral("-1")};
    for (const QString &language : languages()) {
        // The texts as the language words them.
        QVERIFY(Language::install(language));
        TriangleQuestions triangleSet;
        StarQuestions starSet;
        const QList<Question> triangle = allQuestions(triangleSet, {8, 9, 90});
        const QList<Question> star = allQuestions(starSet, {8});
        const struct
        {
            const char *what;
            QString screen;
            const char *control;
            int index;
            QStringList texts;
        } rows[] = {
            {"triangle questions", ScreenNames::TriangleProblems, "Label1", NoIndex, questionTexts(triangle)},
            {"triangle feedback", ScreenNames::TriangleProblems, "Label4", NoIndex, feedbackTexts(triangle)},
            {"stellated questions", ScreenNames::StellatedProblems, "Label1", NoIndex, questionTexts(star)},
            {"stellated feedback", ScreenNames::StellatedProblems, "Label4", NoIndex, feedbackTexts(star)},
            {"proof explanations", ScreenNames::Proof, "Label3", NoIndex, proofTexts(QStringLiteral("Label3"))},
            {"proof step button", ScreenNames::Proof, "Label5", NoIndex, proofTexts(QStringLiteral("Label5"))},
            {"title button, back from the menu",
             ScreenNames::Title,
             "Command1",
             NoIndex,
             {QCoreApplication::translate("TopicMenu", "Cancel")}},
            {"explorer edges", ScreenNames::Explorer, "Text2", 0, numbers},
            {"explorer step", ScreenNames::Explorer, "Text2", 1, numbers},
        };
        for (const QString &faces : {TahomaMetric, Fallback}) {
            for (const auto &row : rows)
                QTest::addRow("%s, %s, %s", qPrintable(language), row.what, qPrintable(faces))
                    << language << faces << row.screen << row.control << row.index << row.texts;
        }
    }
    Language::install(QString());
}

void TestTextFit::textsFit()
{
    QFETCH(QString, screen);
    QFETCH(QString, control);
    QFETCH(int, index);
    QFETCH(QStringList, texts);
    // The question sets are walked through every value they can draw: a
    // page's eight types, the triangle's with every number it can state.
    QVERIFY(!texts.isEmpty());
    USE_ROW_LANGUAGE();
    TestProgram program;
    USE_ROW_FACES();
    program.screens().show(screen);
    Screen *shown = program.screens().loaded(screen);
    const QWidget *target = shown ? shown->control<QWidget>(control, index) : nullptr;
    QVERIFY(target);
    QStringList misfits;
    for (const QString &text : std::as_const(texts))
        misfits += misfit(target, text);
    misfits.removeAll(QString());
    QVERIFY2(misfits.isEmpty(),
             qPrintable(QString::number(misfits.size()) + QStringLiteral(" misfits, e.g.\n") +
                        misfits.mid(0, 5).join(u'\n')));
}

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
