// The valuation: each listed account's value from its latest entry, rounded
// to cents; closed accounts at 0 and out of the total; the overall value in
// the user's currency format; the "Value" column following at once.
#include "AccountsTestSupport.h"

#include "accounts/Valuation.h"
#include "data/EntryStore.h"

using namespace quorvel;
using namespace quorvel::test;

namespace {

struct Priced {
    QDate date;
    double price;
    double shares;
    double fee;
};

std::optional<double> storedValue(data::Engine& engine, const QString& code)
{
    return data::AccountStore(engine).find(code)->value;
}

}  // namespace

Q_DECLARE_METATYPE(QVector<Priced>)

class TestAccountsValuation : public QObject {
    Q_OBJECT

private slots:
    void accountValue_data()
    {
        QTest::addColumn<QVector<Priced>>("entries");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("overall");
        const QDate march(2008, 3, 31);
        QTest::newRow("no entries: 0, not empty") << QVector<Priced>{} << 0.0 << "$0.00";
        QTest::newRow("0.125 x 1 rounds to even") << QVector<Priced>{{march, 0.125, 1, 0}} << 0.12 << "$0.12";
        QTest::newRow("10.125 x 3") << QVector<Priced>{{march, 10.125, 3, 0}} << 30.38 << "$30.38";
        QTest::newRow("0 shares") << QVector<Priced>{{march, 99.5, 0, 0}} << 0.0 << "$0.00";
        QTest::newRow("older higher price does not count")
            << QVector<Priced>{{QDate(2008, 1, 31), 50, 2, 0}, {march, 10, 2, 0}} << 20.0 << "$20.00";
        QTest::newRow("an entry after today counts")
            << QVector<Priced>{{march, 100, 1, 0}, {QDate(2009, 1, 31), 7, 1, 0}} << 7.0 << "$7.00";
        QTest::newRow("fee plays no part") << QVector<Priced>{{march, 2, 3, 99}} << 6.0 << "$6.00";
        QTest::newRow("thousands") << QVector<Priced>{{march, 12345.67, 1, 0}} << 12345.67 << "$12,345.67";
    }
    void accountValue()
    {
        QFETCH(QVector<Priced>, entries);
        QFETCH(double, value);
        QFETCH(QString, overall);
        MainWindowFixture f;
        f.addAccount(DataDirFixture::account("ONE", "One"));
        for (const Priced& p : entries)
            f.addEntry(DataDirFixture::entry("ONE", p.date, p.price, p.shares, p.fee));
        QVERIFY(f.start());
        QCOMPARE(storedValue(f.engine(), "ONE"), std::optional<double>(value));
        QCOMPARE(overallValue(f), overall);
    }

    void closedAccounts()
    {
        MainWindowFixture f;
        data::Account valued = DataDirFixture::account("CV", "Closed valued", "", QDate(2007, 6, 30));
        valued.value = 1234.56;
        f.addAccount(valued);
        f.addAccount(DataDirFixture::account("CE", "Closed empty", "", QDate(2007, 6, 30)));
        f.addAccount(DataDirFixture::account("ACT", "Active"));
        f.addEntry(DataDirFixture::entry("CV", QDate(2007, 5, 31), 10, 10));
        f.addEntry(DataDirFixture::entry("ACT", QDate(2008, 5, 31), 4.5, 2));
        QVERIFY(f.start());
        // "Active Only" leaves the closed accounts alone.
        QCOMPARE(storedValue(f.engine(), "CV"), std::optional<double>(1234.56));
        QCOMPARE(overallValue(f), QStringLiteral("$9.00"));

        chooseFilter(f, "All Accounts");
        QCOMPARE(storedValue(f.engine(), "CV"), std::optional<double>(0.0));
        QCOMPARE(storedValue(f.engine(), "CE"), std::nullopt);
        QCOMPARE(overallValue(f), QStringLiteral("$9.00"));

        chooseFilter(f, "Closed Only");
        QCOMPARE(overallValue(f), QStringLiteral("$0.00"));
    }

    // The "Value" column shows the new figures without waiting for a reload.
    void valueColumnFollowsAtOnce()
    {
        MainWindowFixture f;
        f.addAccount(DataDirFixture::account("ONE", "One"));
        f.addEntry(DataDirFixture::entry("ONE", QDate(2008, 3, 31), 2, 2));
        QVERIFY(f.start());
        QAbstractItemModel* model = accountGrid(f)->model();
        QCOMPARE(model->index(0, 4).data().toString(), QStringLiteral("4.00"));
        data::EntryStore(f.engine()).insert(DataDirFixture::entry("ONE", QDate(2008, 4, 30), 1000, 2));
        f.window->CalcValue();
        QCOMPARE(model->index(0, 4).data().toString(), QStringLiteral("2,000.00"));
        QCOMPARE(overallValue(f), QStringLiteral("$2,000.00"));
        QCOMPARE(listedCodes(f), QStringList{"ONE"});
    }

    // What is written is decided against the table, not against the list's
    // copy of the value, which may be older.
    void staleListedValueStillWritten()
    {
        DataDirFixture data;
        auto engine = data.openEngine();
        data::Account account = DataDirFixture::account("ONE", "One");
        account.value = 20;
        data::AccountStore(*engine).insert(account);
        data::EntryStore(*engine).insert(DataDirFixture::entry("ONE", QDate(2008, 3, 31), 5, 2));
        data::Account listed = account;
        listed.value = 10;  // as the list read it before
        const ValuationResult result = valueAccounts(*engine, {listed});
        QCOMPARE(storedValue(*engine, "ONE"), std::optional<double>(10.0));
        QCOMPARE(double(result.total), 10.0);
    }

    void overallValueFormat_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("total");
        QTest::addColumn<QString>("text");
        QTest::newRow("us") << "en_US" << 12345.67 << "$12,345.67";
        QTest::newRow("us zero") << "en_US" << 0.0 << "$0.00";
        QTest::newRow("us rounded to cents") << "en_US" << 0.125 << "$0.12";
        QTest::newRow("german") << "de_DE" << 12345.67 << QString::fromUtf8("12.345,67\u00a0\u20ac");
    }
    void overallValueFormat()
    {
        QFETCH(QString, locale);
        QFETCH(double, total);
        QFETCH(QString, text);
        QCOMPARE(formatOverallValue(total, QLocale(locale)), text);
    }
};

QTEST_MAIN(TestAccountsValuation)
#include "test_accounts_valuation.moc"
