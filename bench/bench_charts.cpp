// Times chart builds over a large data store against a plain read of every
// entry: 300 accounts in 10 categories with monthly entries over 25 years.
//
//   bench_charts [--accounts N] [--years N] [--runs N] [--keep DIR]
#include "accounts/Valuation.h"
#include "charts/ChartBuilder.h"
#include "charts/ChartListRequests.h"
#include "common/Dates.h"
#include "data/AccountStore.h"
#include "data/DataStoreFactory.h"
#include "data/Engine.h"
#include "data/EntryStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <SQLiteCpp/Statement.h>
#include <algorithm>
#include <functional>

using namespace quorvel;

namespace {

QTextStream out(stdout);

struct Settings {
    int accounts = 300;
    int years = 25;
    int runs = 3;
    QString keepDir;
};

Settings readSettings(const QStringList& args)
{
    Settings s;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == "--accounts")
            s.accounts = args[i + 1].toInt();
        else if (args[i] == "--years")
            s.years = args[i + 1].toInt();
        else if (args[i] == "--runs")
            s.runs = std::max(1, args[i + 1].toInt());
        else if (args[i] == "--keep")
            s.keepDir = args[i + 1];
    }
    return s;
}

// Monthly entries on the 15th with a slowly moving price and share count.
void fillStore(data::Engine& engine, const Settings& s, const QDate& today)
{
    data::AccountStore accounts(engine);
    data::EntryStore entries(engine);
    const QDate first(today.year() - s.years, today.month(), 15);
    data::inTransaction(engine.db(), [&] {
        for (int a = 0; a < s.accounts; ++a) {
            data::Account account;
            account.code = QStringLiteral("A%1").arg(a, 4, 10, QLatin1Char('0'));
            account.name = QStringLiteral("Account %1").arg(a);
            account.category = QStringLiteral("Category %1").arg(a % 10);
            account.type = "F";
            // One account in twenty was closed five years ago.
            if (a % 20 == 19)
                account.closeDate = today.addYears(-5);
            accounts.insert(account);
            for (QDate date = first; date <= today; date = date.addMonths(1)) {
                data::Entry e;
                e.code = account.code;
                e.date = date;
                const int months = first.daysTo(date) / 30;
                e.price = 10 + (a % 37) + months * 0.0731 + (months % 7) * 0.013;
                e.shares = 100 + a + months * 1.25;
                e.feeTenThousandths = 25000;
                entries.insert(e);
            }
        }
    });
}

// Best of `runs` wall-clock times in milliseconds.
double timeIt(int runs, const std::function<void()>& work)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

void report(const QString& what, double ms, double floor)
{
    out << QStringLiteral("%1 %2 ms  %3x floor\n")
               .arg(what, -36)
               .arg(ms, 9, 'f', 1)
               .arg(ms / floor, 6, 'f', 1);
    out.flush();
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const Settings s = readSettings(app.arguments());
    const QDate today = QDate::currentDate();

    QTemporaryDir temp;
    const QString dir = s.keepDir.isEmpty() ? temp.filePath("data") : s.keepDir;
    data::createDataStore(dir);
    data::Engine engine(dir);
    engine.openTables();

    QElapsedTimer fillTimer;
    fillTimer.start();
    fillStore(engine, s, today);
    int entryCount = 0;
    {
        SQLite::Statement count(engine.db(), "SELECT COUNT(*) FROM Detail");
        count.executeStep();
        entryCount = count.getColumn(0).getInt();
    }
    out << QStringLiteral("store: %1 accounts in 10 categories, %2 entries over %3 years (made in %4 ms)\n")
               .arg(s.accounts)
               .arg(entryCount)
               .arg(s.years)
               .arg(fillTimer.elapsed());

    // The floor: reading every column of every entry once.
    const double floor = timeIt(s.runs, [&] {
        SQLite::Statement all(engine.db(), "SELECT * FROM Detail");
        double sink = 0;
        while (all.executeStep()) {
            sink += all.getColumn(2).getInt64() + all.getColumn(3).getDouble() + all.getColumn(4).getDouble();
            sink += all.getColumn(0).getString().size() + all.getColumn(1).getString().size();
        }
        if (sink < 0)
            out << sink;
    });
    report("SELECT * FROM Detail (floor)", floor, floor);

    const QVector<data::Account> listed = data::AccountStore(engine).allByCode();
    report("valuation of all accounts", timeIt(s.runs, [&] { valueAccounts(engine, listed); }), floor);

    charts::ChartBuilder builder(engine);
    const QString firstCode = listed.first().code;
    for (const char* item : {"All Accounts (Line)", "All Accounts (Pie)", "Gain/Loss All Accounts"}) {
        for (bool byAccount : {false, true}) {
            charts::ChartRequest request;
            request.start = QDate(today.year() - s.years, 1, 1);
            request.end = today;
            request.today = today;
            request.byAccount = byAccount;
            if (charts::fillFromChartList(engine, item, firstCode, request) != charts::RequestFill::Filled) {
                out << "cannot fill " << item << "\n";
                return 1;
            }
            charts::ChartResult result;
            const double ms = timeIt(s.runs, [&] { result = builder.build(request); });
            report(QStringLiteral("%1, by %2").arg(item, byAccount ? "account" : "category"), ms, floor);
            out << QStringLiteral("    work table: %1 rows x %2 columns%3\n")
                       .arg(result.rows.size())
                       .arg(result.columns.size())
                       .arg(result.ready() ? QString() : " -- " + result.message);
        }
    }
    builder.discardWorkTable();
    return 0;
}
