// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/leadingnumber.h"
#include "common/numbertext.h"

#include <QTest>
#include <cmath>

// Numbers as pupils type them and as the program writes them.
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
        const double inf = qInf();
        QTest::newRow("leading zeros hide a large exponent") << "0.0001E400" << inf;
        QTest::newRow("exponent with many digits") << "1E99999999999999999999999" << inf;
        QTest::newRow("ten thousand digits") << QString(10000, u'9') << inf;
        QTest::newRow("digits then a point and ten thousand digits")
            << "3." + QString(10000, u'1') << 3.111111111111111;
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + "5" << 0.0;
        QTest::newRow("nul character") << QString::fromUtf16(u"6\u00007", 3) << 6.0;
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

    void forms_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("plain");
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("negative") << -12.75 << "-12.75";
        QTest::newRow("fifteen significant digits") << 1.0 / 3.0 << "0.333333333333333";
        QTest::newRow("rounds at the fifteenth digit") << 2.0 / 3.0 << "0.666666666666667";
        QTest::newRow("large whole") << 123456789012345.0 << "123456789012345";
        QTest::newRow("beyond fifteen digits") << 1e20 << "1E+20";
        QTest::newRow("tiny") << 1e-7 << "1E-07";
    }
    void forms()
    {
        QFETCH(double, value);
        QFETCH(QString, plain);
        QCOMPARE(plainNumber(value), plain);
        // The blank-led form keeps a blank where a minus sign would stand.
        QCOMPARE(blankLedNumber(value), plain.startsWith(u'-') ? plain : u' ' + plain);
        // What the program writes, it reads back as the same number, to the digits written.
        const double back = leadingNumber(blankLedNumber(value));
        QVERIFY2(qAbs(back - value) <= 1e-14 * qAbs(value), qPrintable(QString::number(back, 'g', 17)));
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
