// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/readaloud.h"
#include "common/language.h"
#include "controls/commandbutton.h"
#include "controls/label.h"
#include "jotter/jotterpad.h"
#include "screens/fonts.h"
#include "screens/screen.h"
#include "support/testprogram.h"
#include "triangle/proofsteps.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QMenu>
#include <QPaintEngine>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <algorithm>

// Every text the program can show, in every language it speaks, fits the
// rectangle of the control that shows it, with the Tahoma-metric face where
// it is installed and with the fallbacks where it is not; labels and command
// buttons may draw a text a little smaller, down to a floor. Under a test
// translation that puts every text of the program between marks, those
// texts, captions, tooltips and names for a screen reader show no words
// without them: each went through Qt's translation.
namespace {

const QString Fallback = QStringLiteral("fallback faces");
const QString Marked = QStringLiteral("marked");

// The lines of text a widget draws, each with the box its font's ascent and
// descent give it, in the widget's pixels: what the painter was handed, not
// what the widget meant to draw. An image of the widget's size, resolution and
// ratio, so that fonts take the sizes they take there; it keeps no pixels.
class DrawnText
    : public QImage
    , public QPaintEngine
{
public:
    explicit DrawnText(const QWidget *widget)
        : QImage(widget->size() * widget->devicePixelRatioF(), QImage::Format_ARGB32)
        , QPaintEngine(AllFeatures)
    {
        setDevicePixelRatio(widget->devicePixelRatioF()); // the resolution is the primary display's
    }
    QPaintEngine *paintEngine() const override { return const_cast<DrawnText *>(this); }
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override { }
    // Shapes and pictures are not text; the other drawing calls end in these.
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override { }
    void drawPath(const QPainterPath &) override { }
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override { }
    Type type() const override { return User; }
    void drawTextItem(const QPointF &at, const QTextItem &item) override
    {
        const QRectF box(at.x(), at.y() - item.ascent(), item.width(), item.ascent() + item.descent());
        lines.append({state->transform().mapRect(box), item.text()});
    }

    QList<std::pair<QRectF, QString>> lines;
};

// Letters and digits only: what a text shows however it is broken into lines.
QString ink(QString text)
{
    text.removeIf([](QChar c) { return c.isSpace() || c == u'&'; });
    return text;
}

// Empty when the label or button, showing `text`, has a glyph for each of its
// characters and draws all of it inside its text area (a pixel beyond the
// edge is side bearing, not ink); else what is wrong.
QString misfit(QWidget *control, const QString &text)
{
    auto *label = qobject_cast<Label *>(control);
    auto *button = qobject_cast<CommandButton *>(control);
    if (ink(text).isEmpty() || (!label && !button))
        return {};
    const QString shown = label ? label->text() : button->text();
    label ? label->setText(text) : button->setText(text);
    DrawnText drawn(control);
    control->render(&drawn, {}, {}, {});
    label ? label->setText(shown) : button->setText(shown);
    const QRectF area = QRectF(label ? label->contentsRect() : button->captionArea()).adjusted(-1, -1, 1, 1);
    QString all; // an embossed, greyed label draws its text twice
    for (const auto &[box, line] : drawn.lines) {
        all += ink(line);
        if (!area.contains(box))
            return QStringLiteral("%1 in %2 drew \"%3\" at %4")
                .arg(control->objectName(), QDebug::toString(area), line, QDebug::toString(box));
    }
    if (all.isEmpty() || all != ink(text).repeated(all.size() / ink(text).size()))
        return QStringLiteral("%1 drew \"%2\" of \"%3\"").arg(control->objectName(), all, text);
    return {};
}

// Empty when no letter is left once the marked spans, innermost first, and
// the key names of a button's shortcut (Qt's own words) are taken out.
QString unmarked(const QWidget *control, QString text)
{
    static const QRegularExpression span(QStringLiteral("⟦[^⟦⟧]*⟧"));
    if (const auto *button = qobject_cast<const QAbstractButton *>(control); button && !button->shortcut().isEmpty())
        text.remove(button->shortcut().toString(QKeySequence::NativeText));
    for (qsizetype before = -1; before != text.size(); before = text.size(), text.remove(span)) { }
    if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); }))
        return {};
    return QStringLiteral("%1: \"%2\"").arg(control->objectName(), text);
}

} // namespace

class TestTextFit : public QObject
{
    Q_OBJECT
    QTranslator m_marked;
private Q_SLOTS:
    void cleanup()
    {
        QCoreApplication::removeTranslator(&m_marked);
        Language::install(QString());
    }

    void textsFit_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("faces");
        QTest::addColumn<QString>("screen");
        for (const QString &language : QStringList{QStringLiteral("en"), Marked} + Language::translated()) {
            // Marks do not depend on the face.
            for (const QString &faces :
                 QStringList{QStringLiteral("Tahoma-metric face"), Fallback}.mid(0, language == Marked ? 1 : 2)) {
                for (const QString &screen : screenNames())
                    QTest::addRow("%s, %s, %s", qPrintable(language), qPrintable(screen), qPrintable(faces))
                        << language << faces << screen;
            }
        }
    }

    void textsFit()
    {
        QFETCH(QString, language);
        QFETCH(QString, faces);
        QFETCH(QString, screen);
        const bool marked = language == Marked;
        QVERIFY(marked
                    ? m_marked.load(QStringLiteral(VERTEXA_MARKED_QM)) && QCoreApplication::installTranslator(&m_marked)
                    : Language::install(language));
        TestProgram program; // adds the program's own faces
        if (faces == Fallback)
            removeBundledFonts();
        else if (QFontInfo(QFont(QStringLiteral("Tahoma"))).family() != u"Tahoma")
            QSKIP("No Tahoma-metric face on this machine (Debian: fonts-wine)");
        program.screens().show(screen);
        QStringList misfits;
        const auto judge = [&](QWidget *control, const QStringList &texts) {
            for (const QString &text : texts)
                misfits += marked ? unmarked(control, text) : misfit(control, text);
        };
        // Every text as the screen shows it, hidden controls too (the feedback
        // line, the menu's second column); the proof in each of its views and
        // round to the first again. Tooltips and names for a screen reader are
        // not shown in the control: only their marks count.
        const int views = screen == ScreenNames::Proof ? ProofSteps::LastView - ProofSteps::FirstView + 2 : 1;
        for (int view = 0; view < views; ++view) {
            Screen *shown = program.screen(screen);
            QVERIFY(shown);
            for (Label *label : shown->findChildren<Label *>())
                judge(label, {label->text()});
            for (CommandButton *button : shown->findChildren<CommandButton *>())
                judge(button, {button->text()});
            for (QWidget *c : QList<QWidget *>{shown} + shown->findChildren<QWidget *>()) {
                if (marked)
                    judge(c, {c->windowTitle(), c->toolTip(), c->accessibleName(), c->accessibleDescription()});
            }
            if (view == 0) { // the note F8 shows where no voice reads the language
                std::unique_ptr<Label> note(ReadAloud::showNote(*shown));
                judge(note.get(), {note->text()});
            }
            if (screen == ScreenNames::Proof)
                shown->control<Label>(QStringLiteral("Label5"))->activate();
        }
        // The Jotter's menu, shown only on a right-click.
        if (auto *pad = program.screen<JotterPad>(screen)) {
            QMenu *menu = pad->work().menu();
            QStringList said{menu->accessibleName(), JotterWork::drawingName()};
            for (const QAction *action : menu->actions())
                said += action->text();
            judge(menu, said);
        }
        misfits.removeAll(QString());
        QVERIFY2(misfits.isEmpty(), qPrintable(misfits.mid(0, 5).join(u'\n')));
    }
};

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
