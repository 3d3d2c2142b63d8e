// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/leadingnumber.h"
#include "common/numbertext.h"

#include <QTest>

class TestNumberText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void forms_data();
    void forms();
    void plainFormReadsBack_data();
    void plainFormReadsBack();
};

void TestNumberText::forms_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("blankLed");

    QTest::newRow("whole") << 45.0 << "45"
                           << " 45";
    QTest::newRow("zero") << 0.0 << "0"
                          << " 0";
    QTest::newRow("negative zero") << -0.0 << "0"
                                   << " 0";
    QTest::newRow("negative") << -1.0 << "-1"
                              << "-1";
    QTest::newRow("half") << 0.5 << "0.5"
                          << " 0.5";
    QTest::newRow("fifteen significant digits") << 1.0 / 3.0 << "0.333333333333333"
                                                << " 0.333333333333333";
    QTest::newRow("rounds at the fifteenth digit") << 2.0 / 3.0 << "0.666666666666667"
                                                   << " 0.666666666666667";
    QTest::newRow("large whole") << 123456789012345.0 << "123456789012345"
                                 << " 123456789012345";
    QTest::newRow("beyond fifteen digits") << 1e20 << "1E+20"
                                           << " 1E+20";
    QTest::newRow("small") << 0.0001 << "0.0001"
                           << " 0.0001";
    QTest::newRow("tiny") << 1e-7 << "1E-07"
                          << " 1E-07";
}

void TestNumberText::forms()
{
    QFETCH(double, value);
    QFETCH(QString, plain);
    QFETCH(QString, blankLed);
    QCOMPARE(plainNumber(value), plain);
    QCOMPARE(blankLedNumber(value), blankLed);
}

void TestNumberText::plainFormReadsBack_data()
{
    QTest::addColumn<double>("value");
    for (double v : {0.0, 1.0, -1.0, 7.0, 20.0, 169.0, 0.25, -12.75, 3e10, 1e-5, 1e200})
        QTest::newRow(qPrintable(QString::number(v))) << v;
}

void TestNumberText::plainFormReadsBack()
{
    // What the program writes, it must read back as the same number.
    QFETCH(double, value);
    QCOMPARE(leadingNumber(plainNumber(value)), value);
    QCOMPARE(leadingNumber(blankLedNumber(value)), value);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
