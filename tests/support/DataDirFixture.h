#pragma once
// A fresh data directory made by the same code as "quorvel-cli init", in a
// temporary folder that disappears with the fixture.
#include "data/AccountStore.h"
#include "data/DataStoreFactory.h"
#include "data/Engine.h"
#include "data/EntryStore.h"

#include <QDir>
#include <QTemporaryDir>
#include <memory>

namespace quorvel::test {

class DataDirFixture {
public:
    DataDirFixture() { data::createDataStore(dataDir()); }

    QString root() const { return m_root.path(); }
    QString dataDir() const { return m_root.filePath(QStringLiteral("data")); }
    QString path(const QString& fileName) const { return QDir(dataDir()).filePath(fileName); }

    // An engine over the directory with its tables open.
    std::unique_ptr<data::Engine> openEngine() const
    {
        auto engine = std::make_unique<data::Engine>(dataDir());
        engine->openTables();
        return engine;
    }

    static data::Account account(const QString& code, const QString& name, const QString& category = {},
                                 const QDate& closeDate = {})
    {
        data::Account a;
        a.code = code;
        a.name = name;
        a.category = category;
        a.closeDate = closeDate;
        return a;
    }

    static data::Entry entry(const QString& code, const QDate& date, double price, double shares, double fee = 0)
    {
        data::Entry e;
        e.code = code;
        e.date = date;
        e.price = price;
        e.shares = shares;
        e.feeTenThousandths = data::Entry::feeFromDouble(fee);
        return e;
    }

private:
    QTemporaryDir m_root;
};

}  // namespace quorvel::test
