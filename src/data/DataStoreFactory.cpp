#include "data/DataStoreFactory.h"

#include "data/AccountStore.h"
#include "data/ChartDefStore.h"
#include "data/ControlFile.h"
#include "data/Engine.h"
#include "data/EntryStore.h"
#include "data/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <SQLiteCpp/Database.h>
#include <cmath>
#include <sqlite3.h>

namespace quorvel::data {

namespace {

void createTableFile(const QString& path, const QStringList& statements)
{
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    for (const QString& statement : statements)
        db.exec(statement.toStdString());
}

}  // namespace

void writeControlFile(const QString& path, double majorVer, double minorVer)
{
    SQLite::Database control(":memory:", SQLite::OPEN_READWRITE);
    control.exec("CREATE TABLE Control (MajorVer REAL NOT NULL, MinorVer REAL NOT NULL)");
    SQLite::Statement insert(control, "INSERT INTO Control (MajorVer, MinorVer) VALUES (?, ?)");
    insert.bind(1, majorVer);
    insert.bind(2, minorVer);
    insert.exec();
    sqlite3_int64 size = 0;
    unsigned char* image = sqlite3_serialize(control.getHandle(), "main", &size, 0);
    if (!image)
        throw StoreError(QStringLiteral("Not enough memory to write the control table."));
    const QByteArray plain(reinterpret_cast<const char*>(image), int(size));
    sqlite3_free(image);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(sealControlImage(plain, Engine::kControlPassword)) < 0
        || !file.commit())
        throw StoreError(QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString()));
}

void createDataStore(const QString& dir)
{
    QDir d(dir);
    for (const QString& file : Engine::tableFiles()) {
        if (QFileInfo::exists(d.filePath(file)))
            throw StoreError(QStringLiteral("Directory \"%1\" already holds table files (%2); nothing was changed.")
                                 .arg(QDir::toNativeSeparators(d.absolutePath()), file));
    }
    if (!d.mkpath(QStringLiteral(".")))
        throw StoreError(QStringLiteral("Cannot create directory \"%1\".").arg(QDir::toNativeSeparators(dir)));
    try {
        createTableFile(d.filePath("Accts.ADT"), schema::createAccountsTable("Accts"));
        createTableFile(d.filePath("AccTemp.ADT"), schema::createAccountsTable("AccTemp"));
        createTableFile(d.filePath("Detail.ADT"), schema::createEntriesTable("Detail"));
        createTableFile(d.filePath("DetTemp.ADT"), schema::createEntriesTable("DetTemp"));
        createTableFile(d.filePath("Charts.ADT"), schema::createChartsTable());
        {
            SQLite::Database charts(d.filePath("Charts.ADT").toStdString(), SQLite::OPEN_READWRITE);
            SQLite::Statement insert(charts,
                                     "INSERT INTO Charts (CuInternal, CuName, CuType, CuGainLoss, CuLegend) VALUES ('$', ?, ?, ?, 1)");
            // The predefined charts show their legend: a chart of several
            // accounts cannot be read without it.
            for (const auto& chart : schema::predefinedCharts()) {
                insert.bind(1, chart.name);
                insert.bind(2, chart.type);
                insert.bind(3, chart.gainLoss ? 1 : 0);
                insert.exec();
                insert.reset();
            }
        }
        writeControlFile(d.filePath("Control.ADT"), 2, 0);
    } catch (const SQLite::Exception& e) {
        for (const QString& file : Engine::tableFiles())
            QFile::remove(d.filePath(file));
        throw StoreError(QStringLiteral("Cannot create the table files in \"%1\": %2")
                             .arg(QDir::toNativeSeparators(dir), QString::fromUtf8(e.what())));
    }
}

void writeSettingsFile(const QString& iniPath, const QString& dataDir)
{
    QFileInfo(iniPath).absoluteDir().mkpath(QStringLiteral("."));
    QSettings ini(iniPath, QSettings::IniFormat);
    ini.setValue(QStringLiteral("Connect/DataDir"), QDir::cleanPath(QFileInfo(dataDir).absoluteFilePath()));
    ini.sync();
    if (ini.status() != QSettings::NoError)
        throw StoreError(QStringLiteral("Cannot write \"%1\".").arg(iniPath));
}

void addDemoData(const QString& dir, const QDate& today)
{
    struct DemoAccount {
        const char* code;
        const char* name;
        const char* company;
        const char* category;
        const char* type;
        const char* ticker;
        double startPrice;
        double growth;  // per year
        double shares;
        bool closed;
    };
    static const DemoAccount accounts[] = {
        {"VFIAX", "Index 500 Admiral", "Harbor Mutual", "Large Cap", "F", "VFIAX", 110.0, 0.09, 120.0, false},
        {"GROWX", "Growth Leaders Fund", "Harbor Mutual", "Large Cap", "F", "GROWX", 42.5, 0.11, 300.0, false},
        {"DIVST", "Dividend Stock Fund", "Summit Trust", "Large Cap", "F", "DIVST", 28.75, 0.05, 450.0, false},
        {"SMLCP", "Small Cap Value", "Summit Trust", "Small Cap", "F", "SMLCP", 18.2, 0.07, 600.0, false},
        {"EMRGX", "Emerging Markets", "Summit Trust", "International", "F", "EMRGX", 22.4, 0.03, 500.0, false},
        {"INTLX", "International Index", "Harbor Mutual", "International", "F", "INTLX", 15.9, 0.04, 700.0, false},
        {"BNDIX", "Total Bond Index", "Harbor Mutual", "Bonds", "F", "BNDIX", 10.4, 0.01, 1500.0, false},
        {"TIPSX", "Inflation Protected", "Summit Trust", "Bonds", "F", "TIPSX", 11.8, 0.015, 900.0, false},
        {"ACME", "Acme Industries", "Lakeside Brokerage", "Small Cap", "S", "ACME", 35.0, 0.12, 200.0, false},
        {"GLOBX", "Global Telecom", "Lakeside Brokerage", "International", "S", "GLOBX", 48.0, -0.02, 150.0, true},
        {"MUNIB", "Municipal Bond Fund", "Lakeside Brokerage", "Bonds", "F", "MUNIB", 9.7, 0.012, 1100.0, false},
        {"TECHC", "Tech Calls 2030", "Lakeside Brokerage", "Small Cap", "O", "TECHC", 5.5, 0.2, 400.0, false},
    };

    Engine engine(dir);
    engine.openTables();
    AccountStore accountStore(engine);
    EntryStore entryStore(engine);
    const QDate first(today.year() - 6, 1, 15);
    inTransaction(engine.db(), [&] {
        int index = 0;
        for (const DemoAccount& a : accounts) {
            Account account;
            account.code = QString::fromLatin1(a.code);
            account.name = QString::fromLatin1(a.name);
            account.coName = QString::fromLatin1(a.company);
            account.category = QString::fromLatin1(a.category);
            account.type = QString::fromLatin1(a.type);
            account.ticker = QString::fromLatin1(a.ticker);
            account.acctNo = QStringLiteral("40-%1").arg(1000 + index * 37);
            account.coAddr1 = QStringLiteral("%1 Market Street").arg(100 + index * 11);
            account.city = QStringLiteral("Springfield");
            account.state = QStringLiteral("IL");
            account.postal = QStringLiteral("62701");
            account.country = QStringLiteral("USA");
            account.phone = QStringLiteral("217-555-01%1").arg(10 + index, 2, 10, QLatin1Char('0'));
            account.email = QStringLiteral("service@%1.example").arg(QString::fromLatin1(a.company).section(' ', 0, 0).toLower());
            account.website = QStringLiteral("www.%1.example").arg(QString::fromLatin1(a.company).section(' ', 0, 0).toLower());
            account.contact1 = QStringLiteral("Account Services");
            account.openDate = first.addMonths(index % 4);
            // The closed account stops a year and a half ago.
            const QDate last = a.closed ? today.addMonths(-18) : today.addMonths(-1);
            if (a.closed)
                account.closeDate = last;
            accountStore.insert(account);

            double shares = a.shares;
            int month = 0;
            for (QDate date = account.openDate; date <= last; date = date.addMonths(1), ++month) {
                // A gentle trend with a seasonal wave, so charts have shape.
                const double years = month / 12.0;
                const double price = a.startPrice * std::pow(1.0 + a.growth, years)
                    * (1.0 + 0.06 * std::sin(month * 0.7 + index));
                if (month % 3 == 2)
                    shares += a.shares * 0.01;  // quarterly reinvestment
                Entry entry;
                entry.code = account.code;
                entry.date = date;
                entry.price = std::round(price * 100000.0) / 100000.0;
                entry.shares = std::round(shares * 100000.0) / 100000.0;
                entry.feeTenThousandths = month % 12 == 11 ? 250000 : 0;
                entryStore.insert(entry);
            }
            ++index;
        }
    });
}

}  // namespace quorvel::data
