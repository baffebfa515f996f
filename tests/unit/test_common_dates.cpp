// Month ends, the date steps of new entries, the default chart range and the
// mm/dd/yyyy text of dates.
#include "common/Dates.h"

#include <QtTest>

using namespace quorvel;

Q_DECLARE_METATYPE(EntryIncrement)

namespace {
QDate us(const char* text)
{
    return QDate::fromString(QString::fromLatin1(text), QStringLiteral("MM/dd/yyyy"));
}
}  // namespace

class TestCommonDates : public QObject {
    Q_OBJECT
private slots:
    void lastDayOfMonth_data();
    void lastDayOfMonth();
    void stepEntryDate_data();
    void stepEntryDate();
    void stepOfInvalidDateIsInvalid();
    void defaultChartRange_data();
    void defaultChartRange();
    void parseUsDate_data();
    void parseUsDate();
    void formatUsDate_data();
    void formatUsDate();
};

void TestCommonDates::lastDayOfMonth_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("day");
    QTest::newRow("February of a leap century") << 2 << 2000 << 29;
    QTest::newRow("February of a plain century") << 2 << 1900 << 28;
    QTest::newRow("February of a leap year") << 2 << 2008 << 29;
    QTest::newRow("February of a common year") << 2 << 2009 << 28;
    QTest::newRow("April") << 4 << 2008 << 30;
    QTest::newRow("December") << 12 << 2008 << 31;
    QTest::newRow("January of year 1") << 1 << 1 << 31;
    QTest::newRow("December 9999") << 12 << 9999 << 31;
    QTest::newRow("month 0") << 0 << 2008 << 0;
    QTest::newRow("month 13") << 13 << 2008 << 0;
    QTest::newRow("year 0") << 1 << 0 << 0;
    QTest::newRow("year 10000") << 1 << 10000 << 0;
}

void TestCommonDates::lastDayOfMonth()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, day);
    QCOMPARE(LastDayOfMonth(month, year), day);
}

void TestCommonDates::stepEntryDate_data()
{
    QTest::addColumn<QDate>("latest");
    QTest::addColumn<EntryIncrement>("step");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("day") << us("01/15/2005") << EntryIncrement::OneDay << us("01/16/2005");
    QTest::newRow("day over the year end") << us("12/31/2004") << EntryIncrement::OneDay << us("01/01/2005");
    QTest::newRow("day into a leap day") << us("02/28/2004") << EntryIncrement::OneDay << us("02/29/2004");
    QTest::newRow("month to its last day") << us("01/15/2005") << EntryIncrement::OneMonth << us("02/28/2005");
    QTest::newRow("month over the year end") << us("12/31/2004") << EntryIncrement::OneMonth << us("01/31/2005");
    QTest::newRow("month from a short month") << us("02/28/2005") << EntryIncrement::OneMonth << us("03/31/2005");
    QTest::newRow("quarter") << us("01/15/2005") << EntryIncrement::OneQuarter << us("04/30/2005");
    QTest::newRow("quarter into a leap February") << us("11/15/2007") << EntryIncrement::OneQuarter << us("02/29/2008");
    QTest::newRow("quarter from October") << us("10/01/2007") << EntryIncrement::OneQuarter << us("01/31/2008");
    QTest::newRow("quarter from September") << us("09/30/2007") << EntryIncrement::OneQuarter << us("12/31/2007");
    QTest::newRow("year") << us("01/15/2005") << EntryIncrement::OneYear << us("01/31/2006");
    QTest::newRow("year from a leap day") << us("02/29/2004") << EntryIncrement::OneYear << us("02/28/2005");
    QTest::newRow("year into a leap February") << us("02/01/2007") << EntryIncrement::OneYear << us("02/29/2008");
}

void TestCommonDates::stepEntryDate()
{
    QFETCH(QDate, latest);
    QFETCH(EntryIncrement, step);
    QFETCH(QDate, expected);
    QVERIFY(latest.isValid());
    QCOMPARE(quorvel::stepEntryDate(latest, step), expected);
}

void TestCommonDates::stepOfInvalidDateIsInvalid()
{
    QVERIFY(!quorvel::stepEntryDate(QDate(), EntryIncrement::OneMonth).isValid());
}

void TestCommonDates::defaultChartRange_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::newRow("January: previous year") << us("01/01/2009") << us("01/01/2008") << us("12/31/2008");
    QTest::newRow("February: previous year") << us("02/28/2009") << us("01/01/2008") << us("12/31/2008");
    QTest::newRow("March: current year") << us("03/01/2009") << us("01/01/2009") << us("12/31/2009");
    QTest::newRow("December: current year") << us("12/31/2009") << us("01/01/2009") << us("12/31/2009");
}

void TestCommonDates::defaultChartRange()
{
    QFETCH(QDate, today);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QCOMPARE(defaultChartStart(today), start);
    QCOMPARE(defaultChartEnd(today), end);
}

void TestCommonDates::parseUsDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");  // invalid: rejected
    QTest::newRow("full") << "01/15/2009" << QDate(2009, 1, 15);
    QTest::newRow("dashes") << "12-31-2008" << QDate(2008, 12, 31);
    QTest::newRow("dots") << "02.29.2008" << QDate(2008, 2, 29);
    QTest::newRow("one-digit month and day") << "1/5/2009" << QDate(2009, 1, 5);
    QTest::newRow("two-digit year") << "01/15/09" << QDate(2009, 1, 15);
    QTest::newRow("two-digit year 99") << "06/30/99" << QDate(2099, 6, 30);
    QTest::newRow("two-digit year 00") << "06/30/00" << QDate(2000, 6, 30);
    QTest::newRow("surrounding blanks") << " 01/15/2009 " << QDate(2009, 1, 15);
    QTest::newRow("day-first order is not read") << "15/01/2009" << QDate();
    QTest::newRow("no leap day in 2009") << "02/29/2009" << QDate();
    QTest::newRow("April 31") << "04/31/2009" << QDate();
    QTest::newRow("mixed separators") << "01/15-2009" << QDate();
    QTest::newRow("three-digit year") << "01/15/209" << QDate();
    QTest::newRow("letters") << "Jan/15/2009" << QDate();
    QTest::newRow("trailing text") << "01/15/2009x" << QDate();
    QTest::newRow("ISO order") << "2009-01-15" << QDate();
    QTest::newRow("empty") << "" << QDate();
}

void TestCommonDates::parseUsDate()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    const QDate parsed = quorvel::parseUsDate(text);
    QCOMPARE(parsed.isValid(), expected.isValid());
    if (expected.isValid())
        QCOMPARE(parsed, expected);
}

void TestCommonDates::formatUsDate_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("padded") << QDate(2009, 1, 5) << "01/05/2009";
    QTest::newRow("two digits") << QDate(2008, 12, 31) << "12/31/2008";
    QTest::newRow("invalid") << QDate() << "";
}

void TestCommonDates::formatUsDate()
{
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(quorvel::formatUsDate(date), text);
    if (date.isValid())
        QCOMPARE(quorvel::parseUsDate(text), date);
}

QTEST_APPLESS_MAIN(TestCommonDates)
#include "test_common_dates.moc"
