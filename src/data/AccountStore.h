#pragma once
#include "data/Engine.h"
#include "data/Records.h"

#include <QStringList>
#include <QVector>
#include <optional>

namespace quorvel::data {

enum class AccountFilter { All = 0, ActiveOnly = 1, ClosedOnly = 2 };

// ORDER BY list of the account list for a sort field and direction
// ("AName  Desc, ACode"); empty for a field outside ACode, AName, ACoName,
// ACategory, AValue.
QString accountSortOrder(const QString& field, bool ascending);

class AccountStore {
public:
    explicit AccountStore(Engine& engine) : m_engine(engine) {}

    // The account list: "Select * from Accts" with the filter's WHERE and the
    // ORDER BY of accountSortOrder(sortField, ascending).
    QVector<Account> list(AccountFilter filter, const QString& sortField, bool ascending) const;
    QVector<Account> naturalOrder() const;  // order of insertion
    QVector<Account> allByCode() const;     // ascending code
    int count() const;
    std::optional<Account> find(const QString& code) const;
    bool exists(const QString& code) const;
    // "Select [Distinct] ACode from Accts Where ACategory = ?"
    QStringList codesInCategory(const QString& category, bool distinct) const;

    // Writes AValue alone (valuation). Several at once run in one transaction.
    void setValue(const QString& code, std::optional<double> value);
    void setValues(const QVector<QPair<QString, std::optional<double>>>& values);

    // Writes every field of the account stored under account.code.
    void update(const Account& account);
    // Stores the account under its new code: renames the code in every entry
    // and in every chart definition's code list, then writes the record; all
    // in one transaction.
    void renameAndUpdate(const QString& oldCode, const Account& account);
    // Appends "New" (or "New n") named "New Account"; with copyEntriesFrom,
    // copies that account's entries to it. One transaction. Returns the code.
    QString addNew(const std::optional<QString>& copyEntriesFrom = std::nullopt);
    // Deletes the account, its entries and its lines in every code list; one transaction.
    void remove(const QString& code);
    void insert(const Account& account);

    static Account fromRow(SQLite::Statement& row);

private:
    Engine& m_engine;
};

}  // namespace quorvel::data
