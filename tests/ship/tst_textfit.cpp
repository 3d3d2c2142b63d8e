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
#include <QFile>
#include <QMenu>
#include <QPaintEngine>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

// Every text the program can show, in every language it speaks.
//
// Every translation compiled into the program speaks every text the sources
// have today, and keeps what the program fills in or acts on: the "%1"
// placeholders, the HTML tags and the "&" of a mnemonic, and the words of
// another text it quotes. A text left untranslated shows English in the
// middle of the pupil's language; a lost placeholder drops a number from a
// question; a quote that differs from its button sends the pupil looking.
//
// Each fits the rectangle of the control that shows it, with the fallback
// faces a machine without the Tahoma-metric one uses; labels and command
// buttons may draw a text a little smaller, down to a floor. Under a test translation that puts every text of the
// program between marks, those texts, captions, tooltips and names for a screen reader show no words without them: each
// went through Qt's translation.
namespace {

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

// Empty when the label or button draws all of `text`, the text it shows,
// inside its text area (a pixel beyond the edge is side bearing, not ink);
// else what is wrong.
QString misfit(QWidget *control, const QString &text)
{
    auto *label = qobject_cast<Label *>(control);
    auto *button = qobject_cast<CommandButton *>(control);
    if (ink(text).isEmpty() || (!label && !button))
        return {};
    DrawnText drawn(control);
    control->render(&drawn, {}, {}, {});
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
    static const QRegularExpression span(QStringLiteral("⟦[^⟦⟧]*⟧")), letter(QStringLiteral("\\p{L}"));
    if (const auto *button = qobject_cast<const QAbstractButton *>(control); button && !button->shortcut().isEmpty())
        text.remove(button->shortcut().toString(QKeySequence::NativeText));
    for (qsizetype before = -1; before != text.size(); before = text.size(), text.remove(span)) { }
    return text.contains(letter) ? QStringLiteral("%1: \"%2\"").arg(control->objectName(), text) : QString();
}

// What a translation must keep of its source, in any order.
QStringList kept(const QString &text)
{
    static const QRegularExpression marks(QStringLiteral("%L?\\d|<[^<>]+>|&(?!&)"));
    QStringList found;
    for (const QRegularExpressionMatch &match : marks.globalMatch(text))
        found += match.captured();
    found.sort();
    return found;
}

} // namespace

class TestTextFit : public QObject
{
    Q_OBJECT
    QTranslator m_marked;
    struct Message
    {
        QString context, source, comment;
    };
    QList<Message> m_messages;
private Q_SLOTS:
    void initTestCase()
    {
        // The test translation lupdate made from the sources as they stand:
        // each message a source, then its comment if it has one.
        QFile file(QStringLiteral(VERTEXA_MARKED_TS));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QXmlStreamReader xml(&file);
        for (QString context; !xml.atEnd();) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"name")
                context = xml.readElementText();
            else if (xml.name() == u"source")
                m_messages += {context, xml.readElementText(), {}};
            else if (xml.name() == u"comment")
                m_messages.last().comment = xml.readElementText();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(m_messages.size() > 100);
    }
    void cleanup()
    {
        QCoreApplication::removeTranslator(&m_marked);
        Language::install(QString());
    }

    void translated_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : Language::translated())
            QTest::newRow(qPrintable(language)) << language;
    }
    void translated()
    {
        QFETCH(QString, language);
        QTranslator qm; // the compiled translation
        QVERIFY(qm.load(QStringLiteral(":/i18n/vertexa_%1.qm").arg(language)));
        // A text that quotes another of its screen, such as the proof's opening
        // text the caption of its step button, quotes that one's translation.
        static const QRegularExpression quoted(QStringLiteral("\"([^\"]+)\""));
        QStringList faults;
        for (const Message &m : std::as_const(m_messages)) {
            const auto translation = qm.translate(qPrintable(m.context), qPrintable(m.source), qPrintable(m.comment));
            if (translation.isEmpty())
                faults += QStringLiteral("untranslated: ") + m.context + u'/' + m.source;
            else if (kept(translation) != kept(m.source))
                faults += QStringLiteral("placeholders, tags or mnemonic differ: ") + translation;
            for (const QRegularExpressionMatch &quote : quoted.globalMatch(m.source)) {
                const QString words = qm.translate(qPrintable(m.context), qPrintable(quote.captured(1)));
                if (!translation.contains(words))
                    faults += QStringLiteral("does not quote \"%1\": %2").arg(words, translation);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(QString::number(faults.size()) + u'\n' + faults.mid(0, 5).join(u'\n')));
    }

    void textsFit_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("screen");
        for (const QString &language : QStringList{QStringLiteral("en"), Marked} + Language::translated()) {
            for (const QString &screen : screenNames())
                QTest::addRow("%s, %s", qPrintable(language), qPrintable(screen)) << language << screen;
        }
    }

    void textsFit()
    {
        QFETCH(QString, language);
        QFETCH(QString, screen);
        const bool marked = language == Marked;
        QVERIFY(marked
                    ? m_marked.load(QStringLiteral(VERTEXA_MARKED_QM)) && QCoreApplication::installTranslator(&m_marked)
                    : Language::install(language));
        TestProgram program;
        // The faces the package depends on (Liberation, DejaVu); tst_golden draws
        // with the Tahoma-metric one in English and German.
        removeBundledFonts();
        program.screens().show(screen);
        Screen *shown = program.screen(screen);
        QVERIFY(shown);
        QStringList misfits;
        const auto judge = [&](QWidget *control, const QStringList &texts) {
            for (const QString &text : texts)
                misfits += marked ? unmarked(control, text) : misfit(control, text);
        };
        ReadAloud::showNote(*shown); // the note F8 shows where no voice reads the language
        // Every text as the screen shows it, hidden controls too (the feedback
        // line, the menu's second column); the proof in each of its views and
        // round to the first again. Tooltips and names for a screen reader are
        // not shown in the control: only their marks count.
        const int views = screen == ScreenNames::Proof ? ProofSteps::LastView - ProofSteps::FirstView + 2 : 1;
        for (int view = 0; view < views; ++view) {
            for (Label *label : shown->findChildren<Label *>())
                judge(label, {label->text()});
            for (CommandButton *button : shown->findChildren<CommandButton *>())
                judge(button, {button->text()});
            for (QWidget *c : QList<QWidget *>{shown} + shown->findChildren<QWidget *>()) {
                if (marked)
                    judge(c, {c->windowTitle(), c->toolTip(), c->accessibleName(), c->accessibleDescription()});
            }
            if (screen == ScreenNames::Proof)
                shown->control<Label>(QStringLiteral("Label5"))->activate();
        }
        // The Jotter's menu, shown only on a right-click.
        if (auto *pad = qobject_cast<JotterPad *>(shown)) {
            judge(pad, {pad->work().menu()->accessibleName(), JotterWork::drawingName()});
            for (const QAction *action : pad->work().menu()->actions())
                judge(pad, {action->text()});
        }
        misfits.removeAll(QString());
        QVERIFY2(misfits.isEmpty(), qPrintable(misfits.mid(0, 5).join(u'\n')));
    }
};

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
