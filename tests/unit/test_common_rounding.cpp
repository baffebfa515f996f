// Money rounding, the version check's RoundTo2Decimals and the fixed
// two-decimal text of chart amounts.
#include "common/Rounding.h"

#include <QtTest>

#include <cstdio>

Q_DECLARE_METATYPE(long double)

using namespace quorvel;

namespace {

QByteArray show(long double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.21Lg", v);
    return QByteArray(buf);
}

// The routines return an integer number of cents divided by 100, so the
// result must be exactly that quotient.
void compareCents(long double actual, qint64 cents)
{
    const long double expected = static_cast<long double>(cents) / 100.0L;
    QVERIFY2(actual == expected, "got " + show(actual) + ", expected " + show(expected));
}

}  // namespace

class TestCommonRounding : public QObject {
    Q_OBJECT
private slots:
    void roundToCents_data();
    void roundToCents();
    void holdingValue_data();
    void holdingValue();
    void roundTo2Decimals_data();
    void roundTo2Decimals();
    void fixed2Text_data();
    void fixed2Text();
};

void TestCommonRounding::roundToCents_data()
{
    QTest::addColumn<long double>("x");
    QTest::addColumn<qint64>("cents");
    QTest::newRow("exact half down to even") << 0.125L << qint64(12);
    QTest::newRow("exact half up to even") << 0.375L << qint64(38);
    QTest::newRow("extended product 10.125*3") << 30.375L << qint64(3038);
    QTest::newRow("just below a cent") << 9.999L << qint64(1000);
    QTest::newRow("negative half to even") << -0.125L << qint64(-12);
    QTest::newRow("negative half up to even") << -0.375L << qint64(-38);
    QTest::newRow("zero") << 0.0L << qint64(0);
    QTest::newRow("whole amount") << 1234.0L << qint64(123400);
}

void TestCommonRounding::roundToCents()
{
    QFETCH(long double, x);
    QFETCH(qint64, cents);
    compareCents(quorvel::roundToCents(x), cents);
}

void TestCommonRounding::holdingValue_data()
{
    QTest::addColumn<double>("price");
    QTest::addColumn<double>("shares");
    QTest::addColumn<qint64>("cents");
    QTest::newRow("0.125 * 1, half to even") << 0.125 << 1.0 << qint64(12);
    QTest::newRow("10.125 * 3") << 10.125 << 3.0 << qint64(3038);
    QTest::newRow("3.333 * 3 = 9.999") << 3.333 << 3.0 << qint64(1000);
    // Cases where computing in double would give another cent: the binary
    // values lie just off the half, which only the extended product keeps.
    QTest::newRow("0.005 lies above the half") << 0.005 << 1.0 << qint64(1);
    QTest::newRow("1.115 lies below the half") << 1.115 << 1.0 << qint64(111);
    QTest::newRow("2.675 lies below the half") << 2.675 << 1.0 << qint64(267);
    QTest::newRow("no shares") << 12.5 << 0.0 << qint64(0);
    QTest::newRow("fractional shares") << 20.0 << 1.5 << qint64(3000);
}

void TestCommonRounding::holdingValue()
{
    QFETCH(double, price);
    QFETCH(double, shares);
    QFETCH(qint64, cents);
    const double value = quorvel::holdingValue(price, shares);
    QCOMPARE(value, static_cast<double>(static_cast<long double>(cents) / 100.0L));
}

void TestCommonRounding::roundTo2Decimals_data()
{
    QTest::addColumn<long double>("x");
    QTest::addColumn<QChar>("decimalPoint");
    QTest::addColumn<qint64>("cents");
    const QChar dot('.');
    const QChar comma(',');
    QTest::newRow("2.125 even second decimal") << 2.125L << dot << qint64(212);
    QTest::newRow("2.135 odd second decimal") << 2.135L << dot << qint64(214);
    QTest::newRow("2.675 decided on its text") << static_cast<long double>(2.675) << dot << qint64(268);
    QTest::newRow("1.005") << static_cast<long double>(1.005) << dot << qint64(100);
    QTest::newRow("2.0049 four decimals") << static_cast<long double>(2.0049) << dot << qint64(200);
    QTest::newRow("2.5 one decimal") << 2.5L << dot << qint64(250);
    QTest::newRow("1.995 passes the version check") << static_cast<long double>(1.995) << dot << qint64(200);
    QTest::newRow("2.015 fails the version check") << static_cast<long double>(2.015) << dot << qint64(202);
    QTest::newRow("2.145 above the half, even second decimal") << static_cast<long double>(2.145) << dot << qint64(214);
    QTest::newRow("2.005") << static_cast<long double>(2.005) << dot << qint64(200);
    QTest::newRow("2.004") << static_cast<long double>(2.004) << dot << qint64(200);
    QTest::newRow("1.994") << static_cast<long double>(1.994) << dot << qint64(199);
    QTest::newRow("2.006") << static_cast<long double>(2.006) << dot << qint64(201);
    QTest::newRow("2.0 sum of 2 + 0") << static_cast<long double>(2.0 + 0.0) << dot << qint64(200);
    QTest::newRow("1.9 + 0.1") << static_cast<long double>(1.9 + 0.1) << dot << qint64(200);
    QTest::newRow("zero") << 0.0L << dot << qint64(0);
    // With another decimal separator the text rule never applies: plain
    // rounding of the binary value.
    QTest::newRow("comma: 2.125 half to even") << 2.125L << comma << qint64(212);
    QTest::newRow("comma: 2.135 below the half") << static_cast<long double>(2.135) << comma << qint64(213);
    QTest::newRow("comma: 2.675 below the half") << static_cast<long double>(2.675) << comma << qint64(267);
    QTest::newRow("comma: 2.015 above the half") << static_cast<long double>(2.015) << comma << qint64(202);
    QTest::newRow("comma: 2.145 above the half") << static_cast<long double>(2.145) << comma << qint64(215);
    QTest::newRow("comma: 1.995 above the half") << static_cast<long double>(1.995) << comma << qint64(200);
    // A negative value rounds like its magnitude.
    QTest::newRow("-2.125") << -2.125L << dot << qint64(-212);
    QTest::newRow("-2.135") << static_cast<long double>(-2.135) << dot << qint64(-214);
}

void TestCommonRounding::roundTo2Decimals()
{
    QFETCH(long double, x);
    QFETCH(QChar, decimalPoint);
    QFETCH(qint64, cents);
    compareCents(RoundTo2Decimals(x, decimalPoint), cents);
}

void TestCommonRounding::fixed2Text_data()
{
    QTest::addColumn<long double>("x");
    QTest::addColumn<QString>("text");
    QTest::newRow("drops decimals") << static_cast<long double>(10.12345) << "10.12";
    QTest::newRow("carries into the units") << static_cast<long double>(9.999) << "10.00";
    QTest::newRow("carries into a new digit") << static_cast<long double>(99.995) << "100.00";
    QTest::newRow("half away from zero") << 0.125L << "0.13";
    QTest::newRow("negative half away from zero") << -0.125L << "-0.13";
    QTest::newRow("2.675 at 15 digits is a half") << static_cast<long double>(2.675) << "2.68";
    QTest::newRow("1.005 at 15 digits is a half") << static_cast<long double>(1.005) << "1.01";
    QTest::newRow("extended digits past the 15th") << 0.0149999999999999999L << "0.02";
    QTest::newRow("below half a cent") << static_cast<long double>(0.0049) << "0.00";
    QTest::newRow("half a cent") << static_cast<long double>(0.005) << "0.01";
    QTest::newRow("tiny") << 1e-20L << "0.00";
    QTest::newRow("negative rounding to zero") << static_cast<long double>(-0.001) << "0.00";
    QTest::newRow("zero") << 0.0L << "0.00";
    QTest::newRow("whole") << 2.0L << "2.00";
    QTest::newRow("no thousands separator") << static_cast<long double>(1234567.891) << "1234567.89";
    QTest::newRow("fifteen digits, no more") << 12345678901234.5L << "12345678901234.50";
    QTest::newRow("extended product") << 10.125L * 3 << "30.38";
}

void TestCommonRounding::fixed2Text()
{
    QFETCH(long double, x);
    QFETCH(QString, text);
    QCOMPARE(quorvel::fixed2Text(x), text);
}

QTEST_APPLESS_MAIN(TestCommonRounding)
#include "test_common_rounding.moc"
