#pragma once
// A data directory for the chart tests with its engine open, filled through
// the stores, and the small set of accounts that several of them chart.
#include "DataDirFixture.h"

#include <SQLiteCpp/Statement.h>

#include <QDate>
#include <QStringList>

namespace quorvel::test {

inline QDate isoDate(const char* iso)
{
    return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

struct ChartStore {
    DataDirFixture dir;
    std::unique_ptr<data::Engine> engine = dir.openEngine();

    // An account named "<code> name" unless a name is given.
    void account(const QString& code, const QString& category, const QDate& closed = {}, const QString& name = {})
    {
        data::AccountStore(*engine).insert(
            DataDirFixture::account(code, name.isEmpty() ? code + QStringLiteral(" name") : name, category, closed));
    }
    void entry(const QString& code, const char* date, double price, double shares)
    {
        data::EntryStore(*engine).insert(DataDirFixture::entry(code, isoDate(date), price, shares));
    }
    int count(const char* sql)
    {
        SQLite::Statement s(engine->db(), sql);
        s.executeStep();
        return s.getColumn(0).getInt();
    }
};

// Accounts A and B in category X and C in `categoryC`, with the given names
// (by default "A name", "B name", "C name"), and entries from January to
// March 2007:
//   A: 10.00 x 100 on 01/10, 12.50 x 100 on 03/10;  B: 20.00 x 10 on 01/10;  C: 5.00 x 50 on 02/10
inline void insertChartSample(data::Engine& engine, const QStringList& names = {},
                              const QString& categoryC = QStringLiteral("Y"))
{
    const auto name = [&](int i, const char* code) {
        return i < names.size() ? names.at(i) : QString::fromLatin1(code) + QStringLiteral(" name");
    };
    data::AccountStore accounts(engine);
    data::EntryStore entries(engine);
    accounts.insert(DataDirFixture::account(QStringLiteral("A"), name(0, "A"), QStringLiteral("X")));
    accounts.insert(DataDirFixture::account(QStringLiteral("B"), name(1, "B"), QStringLiteral("X")));
    accounts.insert(DataDirFixture::account(QStringLiteral("C"), name(2, "C"), categoryC));
    entries.insert(DataDirFixture::entry(QStringLiteral("A"), isoDate("2007-01-10"), 10, 100));
    entries.insert(DataDirFixture::entry(QStringLiteral("A"), isoDate("2007-03-10"), 12.5, 100));
    entries.insert(DataDirFixture::entry(QStringLiteral("B"), isoDate("2007-01-10"), 20, 10));
    entries.insert(DataDirFixture::entry(QStringLiteral("C"), isoDate("2007-02-10"), 5, 50));
}

}  // namespace quorvel::test
