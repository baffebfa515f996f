#pragma once
#include "data/Engine.h"
#include "data/Records.h"

#include <QVector>
#include <optional>

namespace quorvel::data {

class EntryStore {
public:
    explicit EntryStore(Engine& engine) : m_engine(engine) {}

    QVector<Entry> entriesOf(const QString& code) const;  // oldest first
    int count(const QString& code) const;
    bool exists(const QString& code, const QDate& date) const;
    std::optional<Entry> latest(const QString& code) const;
    std::optional<Entry> first(const QString& code) const;
    QVector<Entry> all() const;

    // Throws StoreError when the account already has an entry on that date.
    void insert(const Entry& entry);
    // Replaces the entry stored at (entry.code, originalDate). Throws
    // StoreError when the new date is taken by another entry of the account.
    void update(const QDate& originalDate, const Entry& entry);
    void remove(const QString& code, const QDate& date);

    static Entry fromRow(SQLite::Statement& row);

private:
    Engine& m_engine;
};

}  // namespace quorvel::data
