// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/leadingnumber.h"

#include <QTest>
#include <cmath>

// Numbers as pupils type them. (How the program writes them shows in every
// question, pinned in tests/golden.)
class TestNumberText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readsWhatPupilsType_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("blank inside") << "4 5" << 45.0;
        QTest::newRow("tab and line feed inside") << "4\t5\n6" << 456.0;
        QTest::newRow("degree sign after") << u"45\u00B0"_qs << 45.0;
        QTest::newRow("minus zero is zero") << "-0" << 0.0;
        QTest::newRow("exponent D, lower case") << "2d-2" << 0.02;
        QTest::newRow("hexadecimal stops at misfit") << "&H1FG" << 31.0;
        QTest::newRow("octal stops at 8") << "&O78" << 7.0;

        // Text a pupil could paste that would trip a careless reader.
        QTest::newRow("leading zeros hide a large exponent") << "0.0001E400" << qInf();
        QTest::newRow("ten thousand digits") << QString(10000, u'9') << qInf();
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + "5" << 0.0;
    }
    void readsWhatPupilsType()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        const double read = leadingNumber(text);
        QVERIFY2(read == value || std::abs(read - value) <= 1e-12 * std::abs(value),
                 qPrintable(QStringLiteral("read %1").arg(read, 0, 'g', 17)));
        QVERIFY(!std::signbit(read) || read < 0);
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
