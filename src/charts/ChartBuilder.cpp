#include "charts/ChartBuilder.h"

#include "charts/ChartMessages.h"
#include "charts/MonthEndSnapshots.h"
#include "charts/WorkTableRows.h"
#include "data/Engine.h"
#include "data/Schema.h"
#include "data/SqlValues.h"

#include <SQLiteCpp/Statement.h>
#include <cstdio>
#include <string>
#include <unordered_map>

namespace quorvel::charts {

namespace {

using data::sql::bind;
using data::sql::str;

// Dates travel as ISO text; a build reads and writes some hundred thousand of
// them, so they are taken apart and put together by hand.
QDate isoDate(const SQLite::Column& column)
{
    const char* text = column.getText(nullptr);
    if (!text || column.getBytes() != 10 || text[4] != '-' || text[7] != '-')
        return data::sql::date(column);
    auto number = [text](int from, int count) {
        int n = 0;
        for (int i = from; i < from + count; ++i)
            n = n * 10 + (text[i] - '0');
        return n;
    };
    return QDate(number(0, 4), number(5, 2), number(8, 2));
}

void bindIsoDate(SQLite::Statement& statement, int index, const QDate& date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year(), date.month(), date.day());
    statement.bind(index, text);
}

// Codes and categories repeat on every row of a query; converting each
// distinct text once keeps the rows sharing one QString.
class TextCache {
public:
    const QString& operator()(const SQLite::Column& column)
    {
        const char* text = column.getText(nullptr);
        std::string key(text ? text : "", text ? column.getBytes() : 0);
        auto it = m_texts.find(key);
        if (it == m_texts.end())
            it = m_texts.emplace(key, column.isNull() ? QString() : QString::fromStdString(key)).first;
        return it->second;
    }

private:
    std::unordered_map<std::string, QString> m_texts;
};

// Copies every account into AccTemp in code order; for an "Ovr" chart the
// category is emptied so that by category all accounts form one series.
void copyAccounts(SQLite::Database& db, bool emptyCategory)
{
    const QStringList& columns = data::schema::accountColumns();
    QStringList sources;
    for (const QString& column : columns)
        sources << (emptyCategory && column == QLatin1String("ACategory") ? QStringLiteral("?") : column);
    SQLite::Statement copy(db, str(QStringLiteral("INSERT INTO AccTemp (%1)\nSELECT %2\nFROM Accts\nOrder By ACode")
                                       .arg(columns.join(QStringLiteral(", ")), sources.join(QStringLiteral(", ")))));
    if (emptyCategory)
        bind(copy, 1, QString(QLatin1String("")));
    copy.exec();
}

// Writes the month-end snapshots of every account that was not closed
// before the start date.
void writeSnapshots(SQLite::Database& db, const ChartRequest& request)
{
    SQLite::Statement accounts(db, "Select ACode, ACloseDate from Accts\nOrder By ACode");
    SQLite::Statement entries(db,
                              "Select * from Detail\n"
                              "Where (ADCode = ?)\n"
                              "and (ADDate <= ?)\n"
                              "Order By ADDate");
    SQLite::Statement insert(db, "INSERT INTO DetTemp (ADCode, ADDate, ADFee, ADPrice, ADShares)\nVALUES (?, ?, ?, ?, ?)");
    const int dateColumn = entries.getColumnIndex("ADDate");
    const int feeColumn = entries.getColumnIndex("ADFee");
    const int priceColumn = entries.getColumnIndex("ADPrice");
    const int sharesColumn = entries.getColumnIndex("ADShares");

    QVector<data::Entry> accountEntries;
    while (accounts.executeStep()) {
        const QString code = data::sql::text(accounts.getColumn(0));
        const QDate closed = data::sql::date(accounts.getColumn(1));
        if (closed.isValid() && request.start > closed)
            continue;

        accountEntries.clear();
        entries.reset();
        bind(entries, 1, code);
        bind(entries, 2, request.end);
        while (entries.executeStep()) {
            data::Entry entry;
            entry.code = code;
            entry.date = isoDate(entries.getColumn(dateColumn));
            entry.feeTenThousandths = entries.getColumn(feeColumn).getInt64();
            entry.price = entries.getColumn(priceColumn).getDouble();
            entry.shares = entries.getColumn(sharesColumn).getDouble();
            accountEntries.append(entry);
        }
        if (accountEntries.isEmpty())
            continue;

        // Bindings outlive a reset, so the code is bound once per account.
        insert.reset();
        bind(insert, 1, code);
        for (const data::Entry& snapshot : monthEndSnapshots(accountEntries, request.end, request.today)) {
            insert.reset();
            bindIsoDate(insert, 2, snapshot.date);
            insert.bind(3, static_cast<int64_t>(snapshot.feeTenThousandths));
            insert.bind(4, snapshot.price);
            insert.bind(5, snapshot.shares);
            insert.exec();
        }
    }
}

const char* const kSnapshotsInRange =
    "FROM DetTemp Dt, AccTemp Acct\n"
    "Where (Dt.ADDate >= ?)\n"
    "and (Dt.ADDate <= ?)\n"
    "and (Dt.ADCode = Acct.ACode)\n";

// The snapshots in the date range with their account's category, in the
// order that the periods (or slices) are built in.
QVector<PeriodRow> readPeriodRows(SQLite::Database& db, const ChartRequest& request)
{
    QString order;
    const QChar type = chartTypeLetter(request.definition);
    if (type == QLatin1Char('L') || type == QLatin1Char('B') || type == QLatin1Char('S'))
        order = QStringLiteral("Order By Dt.ADDate");
    else if (type == QLatin1Char('P'))
        order = request.byAccount ? QStringLiteral("Order By Dt.ADCode, Dt.ADDate")
                                  : QStringLiteral("Order By Acct.ACategory, Dt.ADDate");
    SQLite::Statement query(db, "SELECT Dt.*, Acct.ACategory\n" + std::string(kSnapshotsInRange) + str(order));
    bind(query, 1, request.start);
    bind(query, 2, request.end);

    const int codeColumn = query.getColumnIndex("ADCode");
    const int dateColumn = query.getColumnIndex("ADDate");
    const int priceColumn = query.getColumnIndex("ADPrice");
    const int sharesColumn = query.getColumnIndex("ADShares");
    const int categoryColumn = query.getColumnIndex("ACategory");
    QVector<PeriodRow> rows;
    TextCache codes;
    TextCache categories;
    while (query.executeStep()) {
        PeriodRow row;
        row.code = codes(query.getColumn(codeColumn));
        row.date = isoDate(query.getColumn(dateColumn));
        row.price = query.getColumn(priceColumn).getDouble();
        row.shares = query.getColumn(sharesColumn).getDouble();
        row.category = categories(query.getColumn(categoryColumn));
        rows.append(row);
    }
    return rows;
}

// One row per account (with its category) that has snapshots in the range,
// by code or by category. Accounts of one category follow in code order, so
// that the order of the working lists does not depend on the engine.
QVector<GroupedRow> readGroupedRows(SQLite::Database& db, const ChartRequest& request)
{
    const char* order = request.byAccount ? "Order by Dt.ADCode" : "Order by Acct.ACategory, Dt.ADCode";
    SQLite::Statement query(db, "SELECT Dt.ADCode, Acct.ACategory, \n"
                                "Sum(Dt.ADPrice)\n"
                                + std::string(kSnapshotsInRange)
                                + "Group by Dt.ADCode, Acct.ACategory\n" + order);
    bind(query, 1, request.start);
    bind(query, 2, request.end);
    QVector<GroupedRow> rows;
    while (query.executeStep())
        rows.append({data::sql::text(query.getColumn(0)), data::sql::text(query.getColumn(1))});
    return rows;
}

void bindValue(SQLite::Statement& statement, int index, const QVariant& value)
{
    if (value.isNull()) {
        statement.bind(index);
        return;
    }
    switch (value.type()) {
    case QVariant::Int:
    case QVariant::LongLong:
        statement.bind(index, static_cast<int64_t>(value.toLongLong()));
        break;
    case QVariant::Double:
        statement.bind(index, value.toDouble());
        break;
    default:
        bind(statement, index, value.toString());
        break;
    }
}

}  // namespace

ChartBuilder::ChartBuilder(data::Engine& engine) : m_engine(engine) {}

bool ChartBuilder::workTableExists() const
{
    return m_engine.workTableExists();
}

void ChartBuilder::discardWorkTable()
{
    if (m_engine.workTableExists())
        m_engine.dropWorkTable();
}

ChartResult ChartBuilder::build(const ChartRequest& request)
{
    discardWorkTable();

    ChartResult result;
    result.definition = request.definition;
    auto stop = [&](const QString& message) {
        result.message = message;
        result.lists = m_lists;
        return result;
    };

    if (request.codes.isEmpty())
        return stop(messages::noCodes());
    if (request.end < request.start)
        return stop(messages::datesOutOfOrder());

    SQLite::Database& db = m_engine.db();
    QVector<PeriodRow> periodRows;
    QVector<GroupedRow> groupedRows;
    // The scratch tables hold nothing lasting; one transaction keeps their
    // refill from paying a disk sync per row and keeps them whole on an error.
    data::inTransaction(db, [&] {
        db.exec("DELETE FROM DetTemp");
        db.exec("DELETE FROM AccTemp");
        copyAccounts(db, request.chartKind.startsWith(QLatin1String("Ovr")));
        writeSnapshots(db, request);
        periodRows = readPeriodRows(db, request);
        if (!periodRows.isEmpty())
            groupedRows = readGroupedRows(db, request);
    });
    if (periodRows.isEmpty())
        return stop(messages::noRecords());

    const QChar type = chartTypeLetter(request.definition);
    const bool pie = type == QLatin1Char('P');
    const bool gainLoss = request.definition.gainLoss && !pie;

    chooseUsedCodes(groupedRows, request.codes, m_lists);
    if (!pie)
        defineSeries(groupedRows, request.byAccount, m_lists);
    const int fieldCount = pie ? 0 : m_lists.fieldName.size();

    PeriodSettings settings;
    settings.type = type;
    settings.span = request.span;
    settings.value = request.value;
    settings.byAccount = request.byAccount;
    settings.start = request.start;
    settings.end = request.end;
    QVector<WorkRow> rows = buildPeriodRows(periodRows, settings, m_lists);
    result.message = checkRowsAndGainLoss(rows, type, request.definition.gainLoss, m_lists);

    result.columns = workTableColumns(pie, fieldCount, gainLoss);
    result.rows.reserve(rows.size());
    for (const WorkRow& row : qAsConst(rows))
        result.rows.append(workRowValues(row, pie, gainLoss));
    result.lists = m_lists;

    // The work table is created outside the transaction: attaching its file
    // is not allowed inside one.
    m_engine.createWorkTable(workTableColumnDefinitions(pie, fieldCount, gainLoss));
    result.workTableCreated = true;
    if (!result.rows.isEmpty()) {
        QStringList placeholders;
        for (int i = 0; i < result.columns.size(); ++i)
            placeholders << QStringLiteral("?");
        data::inTransaction(db, [&] {
            SQLite::Statement insert(db, str(QStringLiteral("INSERT INTO vesktemp (%1)\nVALUES (%2)")
                                                 .arg(result.columns.join(QStringLiteral(", ")),
                                                      placeholders.join(QStringLiteral(", ")))));
            for (const QVector<QVariant>& row : qAsConst(result.rows)) {
                insert.reset();
                for (int c = 0; c < row.size(); ++c)
                    bindValue(insert, c + 1, row.at(c));
                insert.exec();
            }
        });
    }
    return result;
}

}  // namespace quorvel::charts
