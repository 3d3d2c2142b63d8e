// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/leadingnumber.h"

#include <QTest>
#include <cmath>
#include <limits>

class TestLeadingNumber : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void reads_data();
    void reads();
};

void TestLeadingNumber::reads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("whole number") << "45" << 45.0;
    QTest::newRow("leading blanks") << "   45" << 45.0;
    QTest::newRow("two decimals") << "45.00" << 45.0;
    QTest::newRow("blank inside") << "4 5" << 45.0;
    QTest::newRow("tab and line feed inside") << "4\t5\n6" << 456.0;
    QTest::newRow("degree sign after") << u"45\u00B0"_qs << 45.0;
    QTest::newRow("comma stops") << "1,5" << 1.0;
    QTest::newRow("word") << "forty-five" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("only blanks") << "   " << 0.0;
    QTest::newRow("negative") << "-1" << -1.0;
    QTest::newRow("explicit plus") << "+7" << 7.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("exponent E") << "2E3" << 2000.0;
    QTest::newRow("exponent D, lower case") << "2d-2" << 0.02;
    QTest::newRow("exponent without digits") << "3E" << 3.0;
    QTest::newRow("blank inside exponent") << "1 E 2" << 100.0;
    QTest::newRow("hexadecimal") << "&HFF" << 255.0;
    QTest::newRow("hexadecimal stops at misfit") << "&H1G" << 1.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal stops at 8") << "&O78" << 7.0;
    QTest::newRow("ampersand alone") << "&" << 0.0;
    QTest::newRow("H alone") << "&H" << 0.0;
    QTest::newRow("lone minus") << "-" << 0.0;
    QTest::newRow("minus zero is zero") << "-0" << 0.0;
    QTest::newRow("sign then point") << "-." << 0.0;
    QTest::newRow("carriage return stops") << "4\r5" << 4.0;
    QTest::newRow("non-breaking space stops") << u"4\u00A05"_qs << 4.0;
    QTest::newRow("arabic-indic digit stops") << u"4\u0665"_qs << 4.0;
    QTest::newRow("control character stops") << "7\x01"
                                                "8"
                                             << 7.0;
    QTest::newRow("tiny exponent") << "1E-400" << 0.0;
    QTest::newRow("many fraction digits") << "0.000000000000000000000000000001" << 1e-30;

    // Text a pupil could paste that would trip a careless reader.
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("leading zeros hide a large exponent") << "0.0001E400" << inf;
    QTest::newRow("huge exponent") << "1E400" << inf;
    QTest::newRow("exponent with many digits") << "1E99999999999999999999999" << inf;
    QTest::newRow("ten thousand digits") << QString(10000, u'9') << inf;
    QTest::newRow("long hexadecimal") << "&H" + QString(400, u'F') << inf;
    QTest::newRow("long run of zeros") << QString(100000, u'0') + "1" << 1.0;
    QTest::newRow("digits then a point and ten thousand digits") << "3." + QString(10000, u'1') << 3.111111111111111;
    QTest::newRow("surrogate pair") << u"5\U0001F600"_qs << 5.0;
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + "5" << 0.0;
    QTest::newRow("nul character") << QString::fromUtf16(u"6\u00007", 3) << 6.0;
    QTest::newRow("1E200 stays finite") << "1E200" << 1e200;
}

void TestLeadingNumber::reads()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const double read = leadingNumber(text);
    if (std::isinf(value))
        QCOMPARE(read, value);
    else
        QVERIFY2(read == value || std::abs(read - value) <= 1e-12 * std::abs(value),
                 qPrintable(QStringLiteral("read %1").arg(read, 0, 'g', 17)));
    QVERIFY(!std::signbit(read) || read < 0);
}

QTEST_GUILESS_MAIN(TestLeadingNumber)
#include "tst_leadingnumber.moc"
