#include "data/ChartDefStore.h"

#include "data/SqlValues.h"

namespace quorvel::data {

namespace {

const char* const kSelect =
    "SELECT rowid, CuInternal, CuName, CuTitle, CuType, CuCode, CuLegend, CuGainLoss FROM Charts ";

ChartDef fromRow(SQLite::Statement& s)
{
    ChartDef d;
    d.id = s.getColumn(0).getInt64();
    d.internal = sql::text(s.getColumn(1));
    d.name = sql::text(s.getColumn(2));
    d.title = sql::text(s.getColumn(3));
    d.type = sql::text(s.getColumn(4));
    d.codes = sql::text(s.getColumn(5));
    d.legend = s.getColumn(6).getInt() != 0;
    d.gainLoss = s.getColumn(7).getInt() != 0;
    return d;
}

}  // namespace

QVector<ChartDef> ChartDefStore::all() const
{
    SQLite::Statement s(m_engine.db(), std::string(kSelect) + "ORDER BY CuInternal, CuName, rowid");
    QVector<ChartDef> out;
    while (s.executeStep())
        out.push_back(fromRow(s));
    return out;
}

std::optional<ChartDef> ChartDefStore::find(const QString& internal, const QString& name) const
{
    SQLite::Statement s(m_engine.db(),
                        std::string(kSelect) + "WHERE CuInternal = ? AND CuName = ? ORDER BY rowid LIMIT 1");
    sql::bind(s, 1, internal);
    sql::bind(s, 2, name);
    if (!s.executeStep())
        return std::nullopt;
    return fromRow(s);
}

std::optional<ChartDef> ChartDefStore::byId(qint64 id) const
{
    SQLite::Statement s(m_engine.db(), std::string(kSelect) + "WHERE rowid = ?");
    s.bind(1, static_cast<int64_t>(id));
    if (!s.executeStep())
        return std::nullopt;
    return fromRow(s);
}

bool ChartDefStore::exists(const QString& internal, const QString& name) const
{
    return find(internal, name).has_value();
}

static void bindDef(SQLite::Statement& s, const ChartDef& d)
{
    sql::bind(s, 1, d.internal);
    sql::bind(s, 2, d.name);
    sql::bind(s, 3, d.title);
    sql::bind(s, 4, d.type);
    sql::bind(s, 5, d.codes);
    s.bind(6, d.legend ? 1 : 0);
    s.bind(7, d.gainLoss ? 1 : 0);
}

qint64 ChartDefStore::insert(const ChartDef& def)
{
    SQLite::Statement s(m_engine.db(),
                        "INSERT INTO Charts (CuInternal, CuName, CuTitle, CuType, CuCode, CuLegend, CuGainLoss) "
                        "VALUES (?, ?, ?, ?, ?, ?, ?)");
    bindDef(s, def);
    s.exec();
    return m_engine.db().getLastInsertRowid();
}

void ChartDefStore::update(const ChartDef& def)
{
    SQLite::Statement s(m_engine.db(),
                        "UPDATE Charts SET CuInternal = ?, CuName = ?, CuTitle = ?, CuType = ?, CuCode = ?, "
                        "CuLegend = ?, CuGainLoss = ? WHERE rowid = ?");
    bindDef(s, def);
    s.bind(8, static_cast<int64_t>(def.id));
    s.exec();
}

void ChartDefStore::remove(qint64 id)
{
    SQLite::Statement s(m_engine.db(), "DELETE FROM Charts WHERE rowid = ?");
    s.bind(1, static_cast<int64_t>(id));
    s.exec();
}

}  // namespace quorvel::data
