#include "data/EntryStore.h"

#include "data/SqlValues.h"

namespace quorvel::data {

namespace {

const char* const kSelect = "SELECT ADCode, ADDate, ADFee, ADPrice, ADShares FROM Detail ";

QVector<Entry> readAll(SQLite::Statement& s)
{
    QVector<Entry> out;
    while (s.executeStep())
        out.push_back(EntryStore::fromRow(s));
    return out;
}

}  // namespace

Entry EntryStore::fromRow(SQLite::Statement& row)
{
    Entry e;
    e.code = sql::text(row.getColumn(0));
    e.date = sql::date(row.getColumn(1));
    e.feeTenThousandths = row.getColumn(2).getInt64();
    e.price = row.getColumn(3).getDouble();
    e.shares = row.getColumn(4).getDouble();
    return e;
}

QVector<Entry> EntryStore::entriesOf(const QString& code) const
{
    SQLite::Statement s(m_engine.db(), std::string(kSelect) + "WHERE ADCode = ? ORDER BY ADDate");
    sql::bind(s, 1, code);
    return readAll(s);
}

QVector<Entry> EntryStore::all() const
{
    SQLite::Statement s(m_engine.db(), std::string(kSelect) + "ORDER BY ADCode, ADDate");
    return readAll(s);
}

int EntryStore::count(const QString& code) const
{
    SQLite::Statement s(m_engine.db(), "SELECT COUNT(*) FROM Detail WHERE ADCode = ?");
    sql::bind(s, 1, code);
    s.executeStep();
    return s.getColumn(0).getInt();
}

bool EntryStore::exists(const QString& code, const QDate& date) const
{
    SQLite::Statement s(m_engine.db(), "SELECT 1 FROM Detail WHERE ADCode = ? AND ADDate = ?");
    sql::bind(s, 1, code);
    sql::bind(s, 2, date);
    return s.executeStep();
}

std::optional<Entry> EntryStore::latest(const QString& code) const
{
    SQLite::Statement s(m_engine.db(), std::string(kSelect) + "WHERE ADCode = ? ORDER BY ADDate DESC LIMIT 1");
    sql::bind(s, 1, code);
    if (!s.executeStep())
        return std::nullopt;
    return fromRow(s);
}

std::optional<Entry> EntryStore::first(const QString& code) const
{
    SQLite::Statement s(m_engine.db(), std::string(kSelect) + "WHERE ADCode = ? ORDER BY ADDate LIMIT 1");
    sql::bind(s, 1, code);
    if (!s.executeStep())
        return std::nullopt;
    return fromRow(s);
}

static QString dateTaken(const Entry& e)
{
    return QStringLiteral("Account \"%1\" already has an entry on %2.")
        .arg(e.code, e.date.toString(QStringLiteral("MM/dd/yyyy")));
}

void EntryStore::insert(const Entry& entry)
{
    if (exists(entry.code, entry.date))
        throw StoreError(dateTaken(entry));
    SQLite::Statement s(m_engine.db(),
                        "INSERT INTO Detail (ADCode, ADDate, ADFee, ADPrice, ADShares) VALUES (?, ?, ?, ?, ?)");
    sql::bind(s, 1, entry.code);
    sql::bind(s, 2, entry.date);
    s.bind(3, static_cast<int64_t>(entry.feeTenThousandths));
    s.bind(4, entry.price);
    s.bind(5, entry.shares);
    s.exec();
}

void EntryStore::update(const QDate& originalDate, const Entry& entry)
{
    if (entry.date != originalDate && exists(entry.code, entry.date))
        throw StoreError(dateTaken(entry));
    SQLite::Statement s(m_engine.db(),
                        "UPDATE Detail SET ADDate = ?, ADFee = ?, ADPrice = ?, ADShares = ? "
                        "WHERE ADCode = ? AND ADDate = ?");
    sql::bind(s, 1, entry.date);
    s.bind(2, static_cast<int64_t>(entry.feeTenThousandths));
    s.bind(3, entry.price);
    s.bind(4, entry.shares);
    sql::bind(s, 5, entry.code);
    sql::bind(s, 6, originalDate);
    s.exec();
}

void EntryStore::remove(const QString& code, const QDate& date)
{
    SQLite::Statement s(m_engine.db(), "DELETE FROM Detail WHERE ADCode = ? AND ADDate = ?");
    sql::bind(s, 1, code);
    sql::bind(s, 2, date);
    s.exec();
}

}  // namespace quorvel::data
