// The chart builder from request to work table: snapshots, periods, sums,
// rounding, gain/loss, pies, the messages, and the chart list's requests.
#include "ChartStoreFixture.h"
#include "charts/ChartBuilder.h"
#include "charts/ChartListRequests.h"
#include "charts/ChartMessages.h"
#include "charts/MonthEndSnapshots.h"
#include "charts/WorkTableRows.h"
#include "common/Rounding.h"
#include "data/ChartDefStore.h"

#include <QLocale>
#include <QtTest>

using namespace quorvel;
using namespace quorvel::charts;
using test::ChartStore;
using test::isoDate;

namespace {

ChartRequest request(const QString& type, const QStringList& codes, const char* start = "2007-01-01",
                     const char* end = "2007-12-31", const char* today = "2007-07-15")
{
    ChartRequest r;
    r.chartKind = QStringLiteral("Work");
    r.definition.type = type;
    r.codes = codes;
    r.start = isoDate(start);
    r.end = isoDate(end);
    r.today = isoDate(today);
    return r;
}

// Accounts A and B in category X, C in Y; D in Y was closed before 2007.
//   A: 10 x 100 from 12/15/2006 (before the range), 11 from 02/10, 12 from 05/20
//   B: 20 x 10 from 01/05;  C: 5 x 50 from 03/01;  D: 1 x 1 in 2006
// With today 07/15/2007 the month ends run from January to June.
void fillThreeAccounts(ChartStore& s)
{
    s.account("A", "X");
    s.account("B", "X");
    s.account("C", "Y");
    s.account("D", "Y", isoDate("2006-06-30"));
    s.entry("A", "2006-12-15", 10, 100);
    s.entry("A", "2007-02-10", 11, 100);
    s.entry("A", "2007-05-20", 12, 100);
    s.entry("B", "2007-01-05", 20, 10);
    s.entry("C", "2007-03-01", 5, 50);
    s.entry("D", "2006-01-01", 1, 1);
}

QStringList columnTexts(const ChartResult& r, const QString& column)
{
    QStringList out;
    for (int i = 0; i < r.rows.size(); ++i) {
        const QVariant v = r.value(i, column);
        out << (v.isNull() ? QStringLiteral("null")
                           : v.type() == QVariant::Double ? QString::number(v.toDouble(), 'f', 2) : v.toString());
    }
    return out;
}

}  // namespace

class TestChartBuilder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void snapshots_data()
    {
        QTest::addColumn<QString>("entries");  // date:price;...
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("today");
        QTest::addColumn<QString>("expected");  // month end:price;...

        QTest::newRow("carried to the month before today")
            << "2007-03-15:1" << "2007-12-31" << "2007-06-10"
            << "2007-03-31:1;2007-04-30:1;2007-05-31:1";
        QTest::newRow("today on a month end includes it")
            << "2007-03-15:1" << "2007-12-31" << "2007-05-31" << "2007-03-31:1;2007-04-30:1;2007-05-31:1";
        QTest::newRow("first month always written, even after today")
            << "2007-10-05:1" << "2007-12-31" << "2007-10-15" << "2007-10-31:1";
        QTest::newRow("first month always written, even after the end")
            << "2007-10-05:1" << "2007-10-20" << "2008-01-15" << "2007-10-31:1";
        QTest::newRow("end date bounds the series")
            << "2007-01-20:1" << "2007-03-30" << "2008-01-01" << "2007-01-31:1;2007-02-28:1";
        QTest::newRow("latest entry of a month counts")
            << "2007-01-02:1;2007-01-20:2;2007-03-03:3" << "2007-12-31" << "2007-04-10"
            << "2007-01-31:2;2007-02-28:2;2007-03-31:3";
        QTest::newRow("entries of the current month do not reach it")
            << "2007-01-02:1;2007-04-02:9" << "2007-12-31" << "2007-04-10"
            << "2007-01-31:1;2007-02-28:1;2007-03-31:1";
        QTest::newRow("year turn and leap February")
            << "2007-12-31:4" << "2008-12-31" << "2008-03-01" << "2007-12-31:4;2008-01-31:4;2008-02-29:4";
    }

    void snapshots()
    {
        QFETCH(QString, entries);
        QFETCH(QString, end);
        QFETCH(QString, today);
        QFETCH(QString, expected);
        QVector<data::Entry> list;
        for (const QString& item : entries.split(';')) {
            data::Entry e;
            e.code = "A";
            e.date = QDate::fromString(item.section(':', 0, 0), Qt::ISODate);
            e.price = item.section(':', 1).toDouble();
            e.shares = 1;
            list << e;
        }
        QStringList got;
        for (const data::Entry& s : monthEndSnapshots(list, QDate::fromString(end, Qt::ISODate),
                                                      QDate::fromString(today, Qt::ISODate)))
            got << s.date.toString(Qt::ISODate) + ':' + QString::number(s.price);
        QCOMPARE(got.join(';'), expected);
    }

    void scratchTables()
    {
        ChartStore s;
        fillThreeAccounts(s);
        ChartBuilder builder(*s.engine);
        const ChartResult r = builder.build(request("L", {"A", "B", "C", "D"}));
        QVERIFY2(r.ready(), qPrintable(r.message));
        // Every account is copied; D, closed before the start, gets no snapshots.
        QCOMPARE(s.count("SELECT COUNT(*) FROM AccTemp"), 4);
        QCOMPARE(s.count("SELECT COUNT(*) FROM DetTemp WHERE ADCode = 'D'"), 0);
        // A from December 2006 (before the range), B from January, C from March; all up to June.
        QCOMPARE(s.count("SELECT COUNT(*) FROM DetTemp WHERE ADCode = 'A'"), 7);
        QCOMPARE(s.count("SELECT COUNT(*) FROM DetTemp WHERE ADCode = 'B'"), 6);
        QCOMPARE(s.count("SELECT COUNT(*) FROM DetTemp WHERE ADCode = 'C'"), 4);
        QCOMPARE(s.count("SELECT COUNT(*) FROM DetTemp WHERE ADDate = '2007-05-31' AND ADPrice = 12"), 1);
        // A second build empties before it refills.
        QVERIFY(builder.build(request("L", {"A"})).ready());
        QCOMPARE(s.count("SELECT COUNT(*) FROM DetTemp"), 17);
        QCOMPARE(s.count("SELECT COUNT(*) FROM AccTemp"), 4);
    }

    void periods_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("span");
        QTest::addColumn<bool>("byAccount");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QStringList>("fieldLabels");
        QTest::addColumn<QStringList>("field1");
        QTest::addColumn<QStringList>("sums");

        QTest::newRow("monthly by account")
            << "L" << int(ChartSpan::Monthly) << true
            << QStringList{"2007-01", "2007-02", "2007-03", "2007-04", "2007-05", "2007-06"}
            << QStringList{"A", "B", "C"}
            << QStringList{"1000.00", "1100.00", "1100.00", "1100.00", "1200.00", "1200.00"}
            << QStringList{"1200.00", "1300.00", "1550.00", "1550.00", "1650.00", "1650.00"};
        QTest::newRow("monthly by category sums a category's accounts")
            << "S" << int(ChartSpan::Monthly) << false
            << QStringList{"2007-01", "2007-02", "2007-03", "2007-04", "2007-05", "2007-06"}
            << QStringList{"X", "Y"}
            << QStringList{"1200.00", "1300.00", "1300.00", "1300.00", "1400.00", "1400.00"}
            << QStringList{"1200.00", "1300.00", "1550.00", "1550.00", "1650.00", "1650.00"};
        QTest::newRow("quarterly takes the quarter's last month")
            << "B" << int(ChartSpan::Quarterly) << true << QStringList{"2007-Q1", "2007-Q2"}
            << QStringList{"A", "B", "C"} << QStringList{"1100.00", "1200.00"}
            << QStringList{"1550.00", "1650.00"};
        QTest::newRow("yearly") << "B" << int(ChartSpan::Yearly) << false << QStringList{"2007"}
                                << QStringList{"X", "Y"} << QStringList{"1400.00"} << QStringList{"1650.00"};
    }

    void periods()
    {
        QFETCH(QString, type);
        QFETCH(int, span);
        QFETCH(bool, byAccount);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, fieldLabels);
        QFETCH(QStringList, field1);
        QFETCH(QStringList, sums);
        ChartStore s;
        fillThreeAccounts(s);
        ChartBuilder builder(*s.engine);
        ChartRequest req = request(type, {"A", "B", "C", "D"});
        req.span = ChartSpan(span);
        req.byAccount = byAccount;
        const ChartResult r = builder.build(req);
        QVERIFY2(r.ready(), qPrintable(r.message));
        QCOMPARE(columnTexts(r, "ChXLabel"), labels);
        QCOMPARE(r.lists.fieldLabel, fieldLabels);
        QCOMPARE(columnTexts(r, "Field1"), field1);
        QCOMPARE(columnTexts(r, "ChSum"), sums);
        QStringList xValues;
        for (int i = 1; i <= labels.size(); ++i)
            xValues << QString::number(i);
        QCOMPARE(columnTexts(r, "ChXValue"), xValues);
        QCOMPARE(columnTexts(r, "ChDay"), QStringList(QVector<QString>(labels.size(), "null").toList()));
        // D, closed before the start, takes no part; by category the accounts follow their category.
        QCOMPARE(r.lists.codeUsed, (QStringList{"A", "B", "C"}));
        QCOMPARE(r.lists.category, (QStringList{"X", "X", "Y"}));
        QStringList fieldNames;
        for (int k = 1; k <= fieldLabels.size(); ++k)
            fieldNames << QStringLiteral("Field%1").arg(k);
        QCOMPARE(r.lists.fieldName, fieldNames);
        QCOMPARE(r.lists.markLabel.size(), labels.size());
        QCOMPARE(r.lists.markLabel.last(), QLocale().toString(sums.last().toDouble(), 'f', 2));
    }

    void workTableMatchesResult()
    {
        ChartStore s;
        fillThreeAccounts(s);
        ChartBuilder builder(*s.engine);
        ChartRequest req = request("L", {"A", "B", "C"});
        req.byAccount = true;
        const ChartResult r = builder.build(req);
        QVERIFY(r.ready());
        QVERIFY(builder.workTableExists());
        QCOMPARE(r.columns, (QStringList{"ChYear", "ChMonth", "ChDay", "ChQuarter", "ChXLabel", "ChXValue", "ChSum",
                                         "Field1", "Field2", "Field3"}));
        SQLite::Statement q(s.engine->db(), "SELECT * FROM vesktemp ORDER BY ChXValue");
        int row = 0;
        while (q.executeStep()) {
            QCOMPARE(q.getColumnCount(), r.columns.size());
            QCOMPARE(QString::fromStdString(q.getColumn(4).getString()), r.value(row, "ChXLabel").toString());
            QCOMPARE(q.getColumn(6).getDouble(), r.value(row, "ChSum").toDouble());
            QCOMPARE(q.getColumn(9).getDouble(), r.value(row, "Field3").toDouble());
            QVERIFY(q.getColumn(2).isNull());
            ++row;
        }
        QCOMPARE(row, 6);
        builder.discardWorkTable();
        QVERIFY(!builder.workTableExists());
        QVERIFY(!QFile::exists(s.dir.path("vesktemp.ADT")));
    }

    void amountsRounding_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<double>("price");
        QTest::addColumn<double>("shares");
        QTest::addColumn<double>("expected");
        QTest::addColumn<QString>("markLabel");
        QTest::newRow("shares to two decimals") << int(ChartValue::Shares) << 1.0 << 10.12345 << 10.12 << "10.12";
        QTest::newRow("value rounded to cents") << int(ChartValue::Value) << 3.333 << 3.0 << 10.00 << "10.00";
        QTest::newRow("price half away from zero") << int(ChartValue::Price) << 10.125 << 1.0 << 10.13 << "10.13";
        QTest::newRow("thousands in the mark label")
            << int(ChartValue::Value) << 123.4568 << 100.0 << 12345.68 << "12,345.68";
    }

    void amountsRounding()
    {
        QFETCH(int, value);
        QFETCH(double, price);
        QFETCH(double, shares);
        QFETCH(double, expected);
        QFETCH(QString, markLabel);
        ChartStore s;
        s.account("A", "X");
        s.entry("A", "2007-01-10", price, shares);
        ChartBuilder builder(*s.engine);
        ChartRequest req = request("B", {"A"}, "2007-01-01", "2007-01-31", "2007-02-15");
        req.value = ChartValue(value);
        const ChartResult r = builder.build(req);
        QVERIFY2(r.ready(), qPrintable(r.message));
        QCOMPARE(r.rows.size(), 1);
        QCOMPARE(r.value(0, "Field1").toDouble(), expected);
        QCOMPARE(r.lists.markLabel, QStringList{markLabel});
    }

    // The fast cents rounding must write what fixed2Text writes, ties included.
    void slotAmountMatchesFixedText_data()
    {
        QTest::addColumn<double>("x");
        for (double x : {10.125, 2.675, 1.005, 0.125, -0.125, -2.675, 1234567.895, 0.004999, -0.001, 99999.995,
                         3.333 * 3, 0.0, -0.0, 1e12 + 0.005, 5e14 + 0.25, 123.4568 * 100, 0.015, 1.115})
            QTest::newRow(qPrintable(QString::number(x, 'g', 17))) << x;
        quint64 seed = 12345;
        for (int i = 0; i < 200; ++i) {
            seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
            const double x = double(seed >> 11) / double(1ULL << 53) * std::pow(10.0, int(seed % 9)) - 50.0;
            // Values on the half cent, where only the decimal text can decide.
            const double tie = std::round(x * 1000.0) / 1000.0 + (i % 2 ? 0.005 : 0.0);
            QTest::newRow(qPrintable(QStringLiteral("random %1").arg(i))) << (i % 3 ? x : tie);
        }
    }

    void slotAmountMatchesFixedText()
    {
        QFETCH(double, x);
        for (long double v : {static_cast<long double>(x), static_cast<long double>(x) * 7.0L}) {
            const SlotAmount amount = slotAmountOf(v);
            const QString expected = fixed2Text(v);
            QCOMPARE(amount.text, expected);
            QCOMPARE(double(amount.value), expected.toDouble());
        }
    }

    void gainLoss()
    {
        ChartStore s;
        fillThreeAccounts(s);
        ChartBuilder builder(*s.engine);
        ChartRequest req = request("B", {"A", "B", "C"});
        req.definition.gainLoss = true;
        req.byAccount = true;
        const ChartResult r = builder.build(req);
        QVERIFY2(r.ready(), qPrintable(r.message));
        QCOMPARE(r.columns.mid(7), (QStringList{"Field1", "GLField1", "Field2", "GLField2", "Field3", "GLField3"}));
        // The first month is dropped; each change is against the month before.
        QCOMPARE(columnTexts(r, "ChXLabel"), (QStringList{"2007-02", "2007-03", "2007-04", "2007-05", "2007-06"}));
        QCOMPARE(columnTexts(r, "ChXValue"), (QStringList{"2", "3", "4", "5", "6"}));
        QCOMPARE(columnTexts(r, "GLField1"), (QStringList{"100.00", "0.00", "0.00", "100.00", "0.00"}));
        QCOMPARE(columnTexts(r, "GLField3"), (QStringList{"0.00", "250.00", "0.00", "0.00", "0.00"}));
        QCOMPARE(columnTexts(r, "ChSum"), (QStringList{"100.00", "250.00", "0.00", "100.00", "0.00"}));
        QCOMPARE(r.lists.markLabel, (QStringList{"100.00", "250.00", "0.00", "100.00", "0.00"}));
    }

    void gainLossLoss()
    {
        ChartStore s;
        s.account("A", "X");
        s.entry("A", "2007-01-10", 2000, 1);
        s.entry("A", "2007-02-10", 1000, 1);
        s.entry("A", "2007-03-10", 1000.01, 1);
        ChartBuilder builder(*s.engine);
        ChartRequest req = request("S", {"A"}, "2007-01-01", "2007-03-31", "2007-04-10");
        req.definition.gainLoss = true;
        const ChartResult r = builder.build(req);
        QVERIFY2(r.ready(), qPrintable(r.message));
        QCOMPARE(r.lists.markLabel, (QStringList{"-1,000.00", "0.01"}));
    }

    void messages_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("gainLoss");
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("workRows");  // -1: no work table

        const QString none = messages::noRecords();
        QTest::newRow("no codes") << "L" << false << QStringList{} << "2007-01-01" << "2007-12-31"
                                  << messages::noCodes() << -1;
        QTest::newRow("end a day before start") << "L" << false << QStringList{"A"} << "2007-03-01" << "2007-02-28"
                                                << messages::datesOutOfOrder() << -1;
        QTest::newRow("equal dates inside a month") << "B" << false << QStringList{"A"} << "2007-03-15"
                                                    << "2007-03-15" << none << -1;
        QTest::newRow("range ending mid-month") << "B" << false << QStringList{"A"} << "2007-03-01" << "2007-03-30"
                                                << none << -1;
        QTest::newRow("equal dates on a month end pass") << "B" << false << QStringList{"A"} << "2007-03-31"
                                                         << "2007-03-31" << QString() << 1;
        QTest::newRow("codes without data") << "L" << false << QStringList{"ZZ"} << "2007-01-01" << "2007-12-31"
                                            << none << 0;
        QTest::newRow("single point of a line") << "L" << false << QStringList{"A"} << "2007-03-01"
                                                << "2007-03-31" << messages::singlePoint() << 1;
        QTest::newRow("gain/loss line over two months") << "L" << true << QStringList{"A"} << "2007-02-01"
                                                        << "2007-03-31" << messages::singlePoint() << 1;
        QTest::newRow("gain/loss bar over one month") << "B" << true << QStringList{"A"} << "2007-03-01"
                                                      << "2007-03-31" << none << 0;
        // The period query is not limited to the requested codes: A's snapshots
        // let the build reach the work table, which then stays empty.
        QTest::newRow("closed before the start") << "B" << false << QStringList{"D"} << "2007-01-01"
                                                 << "2007-12-31" << none << 0;
        QTest::newRow("nothing in the range at all") << "B" << false << QStringList{"A"} << "2005-01-01"
                                                     << "2005-12-31" << none << -1;
    }

    void messages()
    {
        QFETCH(QString, type);
        QFETCH(bool, gainLoss);
        QFETCH(QStringList, codes);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, message);
        QFETCH(int, workRows);
        ChartStore s;
        s.account("A", "X");
        s.account("D", "Y", isoDate("2006-12-31"));
        s.entry("A", "2007-01-10", 10, 1);
        s.entry("D", "2006-05-10", 10, 1);
        ChartBuilder builder(*s.engine);
        ChartRequest req = request(type, codes, qPrintable(start), qPrintable(end));
        req.definition.gainLoss = gainLoss;
        const ChartResult r = builder.build(req);
        QCOMPARE(r.message, message);
        QCOMPARE(builder.workTableExists(), workRows >= 0);
        if (workRows >= 0) {
            QCOMPARE(r.rows.size(), workRows);
            QCOMPARE(s.count("SELECT COUNT(*) FROM vesktemp"), workRows);
        }
    }

    void pie_data()
    {
        QTest::addColumn<bool>("byAccount");
        QTest::addColumn<QStringList>("slices");
        QTest::addColumn<QStringList>("sums");
        QTest::newRow("by account") << true << QStringList{"A", "B", "C"}
                                    << QStringList{"1200.00", "200.00", "250.00"};
        QTest::newRow("by category") << false << QStringList{"X", "Y"} << QStringList{"1400.00", "250.00"};
    }

    void pie()
    {
        QFETCH(bool, byAccount);
        QFETCH(QStringList, slices);
        QFETCH(QStringList, sums);
        ChartStore s;
        fillThreeAccounts(s);
        ChartBuilder builder(*s.engine);
        ChartRequest line = request("L", {"A", "B", "C"});
        line.byAccount = true;
        QVERIFY(builder.build(line).ready());

        ChartRequest req = request("P", {"A", "B", "C", "D"});
        req.byAccount = byAccount;
        const ChartResult r = builder.build(req);
        QVERIFY2(r.ready(), qPrintable(r.message));
        QCOMPARE(r.columns, (QStringList{"ChSum", "ChCode"}));
        QCOMPARE(columnTexts(r, "ChCode"), slices);
        QCOMPARE(columnTexts(r, "ChSum"), sums);
        // A pie leaves the series of the last line chart as they were.
        QCOMPARE(r.lists.fieldLabel, (QStringList{"A", "B", "C"}));
        QCOMPARE(builder.lists().fieldName, (QStringList{"Field1", "Field2", "Field3"}));
    }

    void unknownTypeLetter()
    {
        ChartStore s;
        fillThreeAccounts(s);
        ChartBuilder builder(*s.engine);
        const ChartResult r = builder.build(request("X", {"A", "B"}));
        QVERIFY2(r.ready(), qPrintable(r.message));
        QCOMPARE(r.rows.size(), 1);
        QCOMPARE(r.value(0, "ChXLabel").toString(), QString("2007-01"));
        QCOMPARE(r.lists.fieldLabel, QStringList{"X"});
    }

    void overallLine()
    {
        ChartStore s;
        fillThreeAccounts(s);
        ChartBuilder builder(*s.engine);
        ChartRequest req = request("L", {"A", "B", "C"});
        req.chartKind = "OvrLine";
        const ChartResult r = builder.build(req);
        QVERIFY2(r.ready(), qPrintable(r.message));
        QCOMPARE(r.lists.fieldLabel, QStringList{QString()});
        QCOMPARE(columnTexts(r, "Field1"), columnTexts(r, "ChSum"));
        QCOMPARE(columnTexts(r, "Field1").last(), QString("1650.00"));
        QCOMPARE(s.count("SELECT COUNT(*) FROM AccTemp WHERE ACategory = ''"), 4);
    }

    void codeRequestedTwice()
    {
        ChartStore s;
        fillThreeAccounts(s);
        ChartBuilder builder(*s.engine);
        ChartRequest req = request("L", {"A", "B", "A"});
        req.byAccount = true;
        const ChartResult r = builder.build(req);
        QVERIFY2(r.ready(), qPrintable(r.message));
        QCOMPARE(r.lists.codeUsed, (QStringList{"A", "B"}));
        QCOMPARE(columnTexts(r, "Field1").first(), QString("1000.00"));
        QCOMPARE(columnTexts(r, "Field2").first(), QString("200.00"));
    }

    void apostrophesAreData()
    {
        ChartStore s;
        s.account("O'B", "Bob's");
        s.account("Q", "Bob's");
        s.entry("O'B", "2007-01-10", 1, 1);
        s.entry("Q", "2007-01-10", 2, 1);
        ChartBuilder builder(*s.engine);
        ChartRequest req;
        req.start = isoDate("2007-01-01");
        req.end = isoDate("2007-02-28");
        req.today = isoDate("2007-03-10");
        QCOMPARE(fillFromChartList(*s.engine, "Current Category (Line)", "O'B", req), RequestFill::Filled);
        QCOMPARE(req.codes, (QStringList{"O'B", "Q"}));
        const ChartResult r = builder.build(req);
        QVERIFY2(r.ready(), qPrintable(r.message));
        QCOMPARE(r.lists.fieldLabel, QStringList{"Bob's"});
        QCOMPARE(columnTexts(r, "Field1"), (QStringList{"3.00", "3.00"}));
    }

    void chartListRequests_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("byAccount");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<bool>("legend");  // only rewritten for the current category

        const QStringList all = {"A", "B", "C", "D"};
        QTest::newRow("all line") << "All Accounts (Line)" << false << "AllLine" << "All Accounts" << all << false;
        QTest::newRow("all pie") << "All Accounts (Pie)" << false << "AllPie" << "All Accounts" << all << false;
        QTest::newRow("all stacked") << "All Accounts (Stacked)" << false << "All" << "All Accounts" << all << false;
        QTest::newRow("current account") << "Current Account (Line)" << false << "Current" << "B name"
                                         << QStringList{"B"} << false;
        QTest::newRow("current category by account")
            << "Current Category (Line)" << true << "CurrCat" << "All Category: X" << QStringList{"A", "B"} << true;
        QTest::newRow("current category by category")
            << "Current Category (Line)" << false << "CurrCat" << "All Category: X" << QStringList{"A", "B"}
            << false;
        QTest::newRow("gain/loss") << "Gain/Loss All Accounts" << false << "GLAll" << "All Accounts" << all << false;
        QTest::newRow("overall") << "Overall (Line)" << false << "OvrLine" << "Overall" << all << false;
    }

    void chartListRequests()
    {
        QFETCH(QString, item);
        QFETCH(bool, byAccount);
        QFETCH(QString, kind);
        QFETCH(QString, title);
        QFETCH(QStringList, codes);
        QFETCH(bool, legend);
        ChartStore s;
        fillThreeAccounts(s);
        data::ChartDefStore defs(*s.engine);
        const QString cuName = findChartListItem(item)->cuName;
        // A legend flag the list must rewrite for the current category.
        data::ChartDef stored = *defs.find("$", cuName);
        stored.legend = !legend;
        defs.update(stored);

        ChartRequest req;
        req.byAccount = byAccount;
        QCOMPARE(fillFromChartList(*s.engine, item, "B", req), RequestFill::Filled);
        QCOMPARE(req.chartKind, kind);
        QCOMPARE(req.codes, codes);
        QCOMPARE(req.definition.title, title);
        QCOMPARE(req.definition.name, cuName);
        const data::ChartDef after = *defs.find("$", cuName);
        QCOMPARE(after.title, title);
        QCOMPARE(after.legend, kind == "CurrCat" ? legend : !legend);
    }

    void chartListStops()
    {
        ChartStore s;
        ChartRequest req;
        req.chartKind = "Before";
        QCOMPARE(fillFromChartList(*s.engine, "All Accounts (Line)", {}, req), RequestFill::NoAccounts);
        s.account("A", "X");
        QCOMPARE(fillFromChartList(*s.engine, "Nothing", "A", req), RequestFill::UnknownItem);
        QCOMPARE(fillFromChartList(*s.engine, "Current Account (Line)", "ZZ", req), RequestFill::NoCurrentAccount);
        data::ChartDefStore defs(*s.engine);
        defs.remove(defs.find("$", "Overall Line")->id);
        QCOMPARE(fillFromChartList(*s.engine, "Overall (Line)", "A", req), RequestFill::MissingDefinition);
        QCOMPARE(req.chartKind, QString("Before"));
        QVERIFY(req.codes.isEmpty());
    }

    void customRequest()
    {
        ChartStore s;
        s.account("A", "X");
        data::ChartDef def;
        def.name = "Mine";
        def.type = "P";
        def.codes = "B\r\nA\r\n";
        ChartRequest req;
        QCOMPARE(fillFromCustomChart(*s.engine, def, req), RequestFill::Filled);
        QCOMPARE(req.chartKind, QString("WorkPie"));
        QCOMPARE(req.codes, (QStringList{"B", "A"}));
        def.type = "S";
        QCOMPARE(fillFromCustomChart(*s.engine, def, req), RequestFill::Filled);
        QCOMPARE(req.chartKind, QString("Work"));
        def.codes.clear();
        QCOMPARE(fillFromCustomChart(*s.engine, def, req), RequestFill::NoCodes);
    }
};

QTEST_GUILESS_MAIN(TestChartBuilder)
#include "test_chart_builder.moc"
