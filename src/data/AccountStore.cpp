#include "data/AccountStore.h"

#include "common/CodeList.h"
#include "common/UniqueName.h"
#include "data/ChartDefStore.h"
#include "data/Schema.h"
#include "data/SqlValues.h"

namespace quorvel::data {

namespace {

QString selectAccounts()
{
    return QStringLiteral("SELECT %1 FROM Accts").arg(schema::accountColumns().join(", "));
}

QVector<Account> readAll(SQLite::Statement& s)
{
    QVector<Account> out;
    while (s.executeStep())
        out.push_back(AccountStore::fromRow(s));
    return out;
}

// Binds the fields of an account in column order, from `first` on.
void bindFields(SQLite::Statement& s, const Account& a, int first)
{
    const QString texts[] = {a.code,    a.name,  a.coName, a.acctNo, a.coAddr1, a.coAddr2,
                             a.city,    a.state, a.postal, a.country, a.phone,  a.fax,
                             a.email,   a.website, a.contact1, a.category};
    int i = first;
    for (const QString& t : texts)
        sql::bind(s, i++, t);
    sql::bind(s, i++, a.openDate);
    sql::bind(s, i++, a.closeDate);
    sql::bind(s, i++, a.ticker);
    sql::bind(s, i++, a.type);
    sql::bind(s, i++, a.value);
}

void rewriteCodeLists(Engine& engine, const std::function<QString(const QString&)>& rewrite)
{
    ChartDefStore charts(engine);
    for (ChartDef def : charts.all()) {
        def.codes = rewrite(def.codes);
        charts.update(def);
    }
}

}  // namespace

QString accountSortOrder(const QString& field, bool ascending)
{
    const QString dir = ascending ? QString() : QStringLiteral(" Desc");
    if (field == QLatin1String("ACode"))
        return QStringLiteral("ACode") + dir;
    if (field == QLatin1String("AName"))
        return QStringLiteral("AName %1, ACode").arg(dir);
    if (field == QLatin1String("ACoName") || field == QLatin1String("ACategory")
        || field == QLatin1String("AValue"))
        return QStringLiteral("%1 %2, AName, ACode").arg(field, dir);
    return {};
}

Account AccountStore::fromRow(SQLite::Statement& row)
{
    Account a;
    QString* texts[] = {&a.code,    &a.name,  &a.coName, &a.acctNo, &a.coAddr1, &a.coAddr2,
                        &a.city,    &a.state, &a.postal, &a.country, &a.phone,  &a.fax,
                        &a.email,   &a.website, &a.contact1, &a.category};
    int i = 0;
    for (QString* t : texts)
        *t = sql::text(row.getColumn(i++));
    a.openDate = sql::date(row.getColumn(i++));
    a.closeDate = sql::date(row.getColumn(i++));
    a.ticker = sql::text(row.getColumn(i++));
    a.type = sql::text(row.getColumn(i++));
    a.value = sql::optionalDouble(row.getColumn(i++));
    return a;
}

QVector<Account> AccountStore::list(AccountFilter filter, const QString& sortField, bool ascending) const
{
    QString statement = selectAccounts();
    if (filter == AccountFilter::ActiveOnly)
        statement += QStringLiteral("\nWhere (ACloseDate is null)");
    else if (filter == AccountFilter::ClosedOnly)
        statement += QStringLiteral("\nWhere (ACloseDate is not null)");
    // The order comes from a fixed table of field names, never from user text.
    const QString order = accountSortOrder(sortField, ascending);
    if (!order.isEmpty())
        statement += QStringLiteral("\nOrder By ") + order;
    SQLite::Statement s(m_engine.db(), sql::str(statement));
    return readAll(s);
}

QVector<Account> AccountStore::naturalOrder() const
{
    SQLite::Statement s(m_engine.db(), sql::str(selectAccounts() + " ORDER BY rowid"));
    return readAll(s);
}

QVector<Account> AccountStore::allByCode() const
{
    SQLite::Statement s(m_engine.db(), sql::str(selectAccounts() + " ORDER BY ACode"));
    return readAll(s);
}

int AccountStore::count() const
{
    SQLite::Statement s(m_engine.db(), "SELECT COUNT(*) FROM Accts");
    s.executeStep();
    return s.getColumn(0).getInt();
}

std::optional<Account> AccountStore::find(const QString& code) const
{
    SQLite::Statement s(m_engine.db(), sql::str(selectAccounts() + " WHERE ACode = ?"));
    sql::bind(s, 1, code);
    if (!s.executeStep())
        return std::nullopt;
    return fromRow(s);
}

bool AccountStore::exists(const QString& code) const
{
    SQLite::Statement s(m_engine.db(), "SELECT 1 FROM Accts WHERE ACode = ?");
    sql::bind(s, 1, code);
    return s.executeStep();
}

QStringList AccountStore::codesInCategory(const QString& category, bool distinct) const
{
    SQLite::Statement s(m_engine.db(), distinct ? "Select Distinct ACode from Accts\nWhere ACategory = ?"
                                                : "Select ACode from Accts\nWhere ACategory = ?");
    sql::bind(s, 1, category);
    QStringList codes;
    while (s.executeStep())
        codes << sql::text(s.getColumn(0));
    return codes;
}

void AccountStore::setValue(const QString& code, std::optional<double> value)
{
    SQLite::Statement s(m_engine.db(), "UPDATE Accts SET AValue = ? WHERE ACode = ?");
    sql::bind(s, 1, value);
    sql::bind(s, 2, code);
    s.exec();
}

void AccountStore::setValues(const QVector<QPair<QString, std::optional<double>>>& values)
{
    inTransaction(m_engine.db(), [&] {
        SQLite::Statement s(m_engine.db(), "UPDATE Accts SET AValue = ? WHERE ACode = ?");
        for (const auto& [code, value] : values) {
            sql::bind(s, 1, value);
            sql::bind(s, 2, code);
            s.exec();
            s.reset();
        }
    });
}

void AccountStore::insert(const Account& account)
{
    const QStringList& columns = schema::accountColumns();
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    SQLite::Statement s(m_engine.db(), sql::str(QStringLiteral("INSERT INTO Accts (%1) VALUES (%2)")
                                                    .arg(columns.join(", "), marks.join(", "))));
    bindFields(s, account, 1);
    s.exec();
}

static void updateRecord(Engine& engine, const QString& storedCode, const Account& account)
{
    QStringList sets;
    for (const QString& column : schema::accountColumns())
        sets << column + QStringLiteral(" = ?");
    SQLite::Statement s(engine.db(),
                        sql::str(QStringLiteral("UPDATE Accts SET %1 WHERE ACode = ?").arg(sets.join(", "))));
    bindFields(s, account, 1);
    sql::bind(s, schema::accountColumns().size() + 1, storedCode);
    s.exec();
}

void AccountStore::update(const Account& account)
{
    updateRecord(m_engine, account.code, account);
}

void AccountStore::renameAndUpdate(const QString& oldCode, const Account& account)
{
    if (account.code != oldCode && exists(account.code))
        throw StoreError(QStringLiteral("Account \"%1\" already exists. Please choose a different code.")
                             .arg(account.code));
    inTransaction(m_engine.db(), [&] {
        SQLite::Statement entries(m_engine.db(), "Update Detail\nSet ADCode = ?\nWhere ADCode = ?");
        sql::bind(entries, 1, account.code);
        sql::bind(entries, 2, oldCode);
        entries.exec();
        rewriteCodeLists(m_engine, [&](const QString& codes) {
            return renameInCodeList(codes, oldCode, account.code);
        });
        updateRecord(m_engine, oldCode, account);
    });
}

QString AccountStore::addNew(const std::optional<QString>& copyEntriesFrom)
{
    QString code;
    inTransaction(m_engine.db(), [&] {
        code = uniqueName(QStringLiteral("New"), [this](const QString& c) { return exists(c); });
        Account account;
        account.code = code;
        account.name = QStringLiteral("New Account");
        insert(account);
        if (copyEntriesFrom) {
            SQLite::Statement copy(m_engine.db(),
                                   "INSERT INTO Detail (ADCode, ADDate, ADFee, ADPrice, ADShares) "
                                   "SELECT DISTINCT ?, ADDate, ADFee, ADPrice, ADShares FROM Detail "
                                   "WHERE ADCode = ?");
            sql::bind(copy, 1, code);
            sql::bind(copy, 2, *copyEntriesFrom);
            copy.exec();
        }
    });
    return code;
}

void AccountStore::remove(const QString& code)
{
    inTransaction(m_engine.db(), [&] {
        SQLite::Statement entries(m_engine.db(), "Delete From Detail\nWhere ADCode = ?");
        sql::bind(entries, 1, code);
        entries.exec();
        rewriteCodeLists(m_engine, [&](const QString& codes) { return removeFromCodeList(codes, code); });
        SQLite::Statement account(m_engine.db(), "DELETE FROM Accts WHERE ACode = ?");
        sql::bind(account, 1, code);
        account.exec();
    });
}

}  // namespace quorvel::data
