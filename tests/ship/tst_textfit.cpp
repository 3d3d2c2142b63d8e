// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/numbertext.h"
#include "common/programvalues.h"
#include "common/randomsource.h"
#include "problems/answercheck.h"
#include "screens/controls.h"
#include "screens/fonts.h"
#include "screens/screen.h"
#include "stellated/starquestions.h"
#include "support/testprogram.h"
#include "triangle/proofsteps.h"
#include "triangle/trianglequestions.h"

#include <QFontInfo>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTest>
#include <functional>

// Every text the program can show fits the rectangle of the control that
// shows it, at the size the screen asks for, with the face the machine
// resolves: the Tahoma-metric one where it is installed and the fallbacks
// where it is not.
class TestTextFit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void facesResolve_data();
    void facesResolve();
    void screenTextsFit_data();
    void screenTextsFit();
    void questionTextsFit_data();
    void questionTextsFit();
    void feedbackFits_data();
    void feedbackFits();
    void proofTextsFit_data();
    void proofTextsFit();
    void explorerNumbersFit_data();
    void explorerNumbersFit();

private:
    void useFaces(const QString &faces);
    static void addFaceRows();
};

namespace {

const QString TahomaMetric = QStringLiteral("Tahoma-metric face");
const QString Fallback = QStringLiteral("fallback faces");

// The space a control gives its text, in device-independent pixels, and the
// flags it lays the text out with.
struct TextArea
{
    QRect rect;
    int flags = 0;
};

TextArea areaOf(const QWidget *control)
{
    if (const auto *label = qobject_cast<const Label *>(control))
        return {label->contentsRect(), int(label->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop | Qt::TextWordWrap};
    if (const auto *button = qobject_cast<const CommandButton *>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return {button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button), Qt::AlignCenter | Qt::TextWordWrap};
    }
    if (const auto *box = qobject_cast<const TextBox *>(control)) {
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
        QRect inner = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
        // The line edit keeps two pixels clear on either side of its text.
        inner.adjust(2, 0, -2, 0);
        return {inner, int(box->alignment())};
    }
    return {};
}

// Empty when the text fits the control; else a line saying by how much it does not.
QString misfit(const QWidget *control, const QString &text)
{
    const TextArea area = areaOf(control);
    // The size the screen asked for, not the shrunken one a label may fall
    // back to. Glyph advances are fractional here; a fraction of a pixel
    // beyond the edge is side bearing, not ink, so the layout's size is
    // rounded to whole pixels as whole-pixel advances would give it.
    const QFontMetricsF metrics(control->font());
    const QRectF needed = metrics.boundingRect(QRectF(area.rect), area.flags, text);
    if (qRound(needed.width()) <= area.rect.width() && qRound(needed.height()) <= area.rect.height())
        return {};
    return QStringLiteral("%1 (%2, %3 pt): needs %4x%5 px, has %6x%7: \"%8\"")
        .arg(control->objectName(), QFontInfo(control->font()).family())
        .arg(control->font().pointSizeF())
        .arg(needed.width(), 0, 'f', 1).arg(needed.height(), 0, 'f', 1)
        .arg(area.rect.width()).arg(area.rect.height())
        .arg(text);
}

QString controlText(const QWidget *control)
{
    if (const auto *label = qobject_cast<const Label *>(control))
        return label->text();
    if (const auto *button = qobject_cast<const CommandButton *>(control))
        return button->text();
    if (const auto *box = qobject_cast<const TextBox *>(control))
        return box->text();
    return {};
}

// Every text a problems page's question set can produce: each type with
// each value of each of its draws.
QStringList allQuestions(QuestionSet &questions, const QList<int> &drawSizes)
{
    QStringList texts;
    const std::function<void(QList<double>, int)> walk = [&](QList<double> script, int level) {
        if (level == drawSizes.size()) {
            ScriptedRandom random(script);
            ProgramValues values;
            // Another type was drawn last, so the first draw is taken as it is.
            const int type = int(script.first() * drawSizes.first());
            values.lastquestion = (type + 1) % 8;
            texts += questions.draw(random, values).text;
            return;
        }
        for (int i = 0; i < drawSizes.at(level); ++i) {
            QList<double> next = script;
            next.append((i + 0.5) / drawSizes.at(level));
            walk(next, level + 1);
        }
    };
    walk({}, 0);
    texts.removeDuplicates();
    return texts;
}

QStringList triangleQuestions()
{
    TriangleQuestions questions;
    return allQuestions(questions, {8, 9, 90});
}

QStringList starQuestions()
{
    StarQuestions questions;
    return allQuestions(questions, {8});
}

} // namespace

void TestTextFit::init()
{
    TestProgram::settle();
}

void TestTextFit::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    TestProgram::settle();
    registerBundledFonts();
}

void TestTextFit::addFaceRows()
{
    QTest::addColumn<QString>("faces");
}

// Call after the TestProgram is made: it adds the program's own faces.
void TestTextFit::useFaces(const QString &faces)
{
    if (faces == Fallback) {
        removeBundledFonts();
    } else if (registerBundledFonts().isEmpty() && QFontInfo(QFont(QStringLiteral("Tahoma"))).family() != u"Tahoma") {
        QSKIP("No Tahoma-metric face on this machine (Debian: fonts-wine)");
    }
}

void TestTextFit::facesResolve_data()
{
    addFaceRows();
    QTest::addColumn<QString>("asked");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("expected");
    for (const bool bold : {false, true}) {
        const QString weight = bold ? QStringLiteral(" bold") : QString();
        QTest::addRow("Tahoma%s, installed", qPrintable(weight)) << TahomaMetric << "Tahoma" << bold << "Tahoma";
        QTest::addRow("Tahoma%s, absent", qPrintable(weight)) << Fallback << "Tahoma" << bold << "Liberation Sans";
        QTest::addRow("Arial%s", qPrintable(weight)) << Fallback << "Arial" << bold << "Liberation Sans";
        QTest::addRow("Times New Roman%s", qPrintable(weight)) << Fallback << "Times New Roman" << bold << "Liberation Serif";
    }
}

void TestTextFit::facesResolve()
{
    QFETCH(QString, faces);
    QFETCH(QString, asked);
    QFETCH(bool, bold);
    QFETCH(QString, expected);
    TestProgram program;
    useFaces(faces);
    const QFontInfo info(fontFor(FontSpec{asked, 12, bold}, QFont()));
    QCOMPARE(info.family(), expected);
    QCOMPARE(info.bold(), bold);
}

void TestTextFit::screenTextsFit_data()
{
    addFaceRows();
    QTest::addColumn<QString>("screen");
    for (const QString &faces : {TahomaMetric, Fallback}) {
        for (const QString &screen : screenNames())
            QTest::addRow("%s, %s", qPrintable(screen), qPrintable(faces)) << faces << screen;
    }
}

// Every label, button and box as the screen shows it after loading, hidden
// ones included (the feedback line, the second column of the menu).
void TestTextFit::screenTextsFit()
{
    QFETCH(QString, faces);
    QFETCH(QString, screen);
    TestProgram program;
    useFaces(faces);
    program.screens().show(screen);
    Screen *shown = program.screens().loaded(screen);
    QVERIFY(shown);

    QStringList misfits;
    int checked = 0;
    for (QWidget *control : shown->findChildren<QWidget *>()) {
        if (!qobject_cast<Label *>(control) && !qobject_cast<CommandButton *>(control) && !qobject_cast<TextBox *>(control))
            continue;
        const QString text = controlText(control);
        if (text.isEmpty())
            continue;
        ++checked;
        if (const QString line = misfit(control, text); !line.isEmpty())
            misfits += line;
    }
    QVERIFY(checked > 0);
    QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(u'\n')));
}

void TestTextFit::questionTextsFit_data()
{
    addFaceRows();
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("texts");
    const QStringList triangle = triangleQuestions();
    const QStringList star = starQuestions();
    for (const QString &faces : {TahomaMetric, Fallback}) {
        QTest::addRow("triangle questions, %s", qPrintable(faces)) << faces << ScreenNames::TriangleProblems << triangle;
        QTest::addRow("stellated questions, %s", qPrintable(faces)) << faces << ScreenNames::StellatedProblems << star;
    }
}

void TestTextFit::questionTextsFit()
{
    QFETCH(QString, faces);
    QFETCH(QString, screen);
    QFETCH(QStringList, texts);
    // The generator is walked through every value it can draw; both pages
    // have their eight types, the triangle's with every number it can state.
    QVERIFY(texts.size() >= (screen == ScreenNames::TriangleProblems ? 100 : 6));
    TestProgram program;
    useFaces(faces);
    program.screens().show(screen);
    const auto *question = program.screens().loaded(screen)->control<Label>(QStringLiteral("Label1"));
    QVERIFY(question);

    QStringList misfits;
    for (const QString &text : std::as_const(texts)) {
        if (const QString line = misfit(question, text); !line.isEmpty())
            misfits += line;
    }
    QVERIFY2(misfits.isEmpty(), qPrintable(QString::number(misfits.size()) + QStringLiteral(" misfits, e.g.\n") + misfits.mid(0, 5).join(u'\n')));
}

void TestTextFit::feedbackFits_data()
{
    addFaceRows();
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("texts");
    QStringList triangle{AnswerCheck::feedback(AnswerCheck::Verdict::Correct), AnswerCheck::feedback(AnswerCheck::Verdict::Wrong)};
    QStringList star = triangle;
    // The solution display writes the answer into the same line.
    ProgramValues values;
    for (int i = 0; i < 720; ++i) {
        ScriptedRandom random({(i % 8 + 0.5) / 8, (i / 8 % 9 + 0.5) / 9, (i / 72 * 9 + 0.5) / 90});
        values.lastquestion = (i % 8 + 1) % 8;
        triangle += plainNumber(TriangleQuestions().draw(random, values).answer);
    }
    for (int type = 0; type < StarQuestions::TypeCount; ++type)
        star += plainNumber(StarQuestions::question(type).answer);
    triangle.removeDuplicates();
    star.removeDuplicates();
    for (const QString &faces : {TahomaMetric, Fallback}) {
        QTest::addRow("triangle page, %s", qPrintable(faces)) << faces << ScreenNames::TriangleProblems << triangle;
        QTest::addRow("stellated page, %s", qPrintable(faces)) << faces << ScreenNames::StellatedProblems << star;
    }
}

void TestTextFit::feedbackFits()
{
    QFETCH(QString, faces);
    QFETCH(QString, screen);
    QFETCH(QStringList, texts);
    TestProgram program;
    useFaces(faces);
    program.screens().show(screen);
    const auto *feedback = program.screens().loaded(screen)->control<Label>(QStringLiteral("Label4"));
    QVERIFY(feedback);
    QStringList misfits;
    for (const QString &text : std::as_const(texts)) {
        if (const QString line = misfit(feedback, text); !line.isEmpty())
            misfits += line;
    }
    QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(u'\n')));
}

void TestTextFit::proofTextsFit_data()
{
    addFaceRows();
    for (const QString &faces : {TahomaMetric, Fallback})
        QTest::addRow("%s", qPrintable(faces)) << faces;
}

void TestTextFit::proofTextsFit()
{
    QFETCH(QString, faces);
    TestProgram program;
    useFaces(faces);
    program.screens().show(ScreenNames::Proof);
    const Screen *proof = program.screens().loaded(ScreenNames::Proof);
    const auto *explanation = proof->control<Label>(QStringLiteral("Label3"));
    const auto *step = proof->control<Label>(QStringLiteral("Label5"));
    QVERIFY(explanation && step);
    QStringList misfits;
    QStringList captions;
    for (int view = ProofSteps::FirstView; view <= ProofSteps::LastView; ++view) {
        const ProofView v = ProofSteps::view(view);
        QVERIFY(!v.text.isEmpty());
        misfits += misfit(explanation, v.text);
        if (!v.caption.isEmpty())
            captions += v.caption;
    }
    misfits.removeAll(QString());
    QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(u'\n')));

    QCOMPARE(captions.size(), 2);
    for (const QString &caption : std::as_const(captions)) {
        const QString line = misfit(step, caption);
        // At 18 pt bold "Restart Proof" is wider than the step button in any
        // Tahoma-like face (160 px against 131); the label draws it a little
        // smaller rather than lose the second word.
        if (caption == u"Restart Proof")
            QEXPECT_FAIL("", "wider than the step button at the defined size; drawn smaller", Continue);
        QVERIFY2(line.isEmpty(), qPrintable(line));
    }
}

void TestTextFit::explorerNumbersFit_data()
{
    addFaceRows();
    for (const QString &faces : {TahomaMetric, Fallback})
        QTest::addRow("%s", qPrintable(faces)) << faces;
}

// The boxes hold at most two characters: the widest numbers they can show.
void TestTextFit::explorerNumbersFit()
{
    QFETCH(QString, faces);
    TestProgram program;
    useFaces(faces);
    program.screens().show(ScreenNames::Explorer);
    const Screen *explorer = program.screens().loaded(ScreenNames::Explorer);
    QStringList misfits;
    for (const int index : {0, 1}) {
        const auto *box = explorer->control<TextBox>(QStringLiteral("Text2"), index);
        QVERIFY(box);
        for (const QString &text : {QStringLiteral("20"), QStringLiteral("88"), QStringLiteral(" 9"), QStringLiteral("-1")})
            misfits += misfit(box, text);
    }
    misfits.removeAll(QString());
    QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(u'\n')));
}

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
