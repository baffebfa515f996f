#pragma once
// The data store: one SQLite connection over the table files of the data
// directory. Accts.ADT is the main database; Detail.ADT, Charts.ADT,
// AccTemp.ADT and DetTemp.ADT are attached under their table names, so SQL
// names every table as "Accts", "Detail", ... and one transaction spans them.
// Control.ADT is sealed (see ControlFile.h) and read on its own.
#include "data/StoreError.h"

#include <QString>
#include <QStringList>
#include <SQLiteCpp/Database.h>
#include <memory>

namespace quorvel::data {

struct DataVersion {
    double majorVer = 0;
    double minorVer = 0;
    double sum() const { return majorVer + minorVer; }
};

class Engine {
public:
    // The table files, in the order start-up checks them.
    static const QStringList& tableFiles();
    static constexpr const char* kControlPassword = "plomav";

    explicit Engine(const QString& dataDirectory);
    ~Engine();

    QString dataDirectory() const { return m_dir; }
    QString pathOf(const QString& fileName) const;

    // First table file (in tableFiles() order) that does not exist; empty when all do.
    QString firstMissingTableFile() const;

    // The control table can only be read once its password is registered.
    void registerPassword(const QString& password);
    // Reads MajorVer and MinorVer of the first control record (0 + 0 when the
    // table is empty). Throws StoreError naming Control.ADT when the file is
    // not ours, altered or sealed under another password.
    DataVersion readDataVersion() const;

    // Opens the lasting and scratch tables. Throws StoreError naming the first
    // file that is not a table of ours. Never writes to a file it rejects.
    void openTables();
    bool isOpen() const { return m_db != nullptr; }

    SQLite::Database& db();

    // The chart work table "vesktemp" (its own file vesktemp.ADT, attached
    // while it exists). createWorkTable drops a leftover one first.
    void createWorkTable(const QString& columnDefinitions);  // e.g. "ChSum REAL, ChCode TEXT"
    void dropWorkTable();
    bool workTableExists() const;

private:
    void attach(const QString& fileName, const QString& schema);
    void checkTable(const QString& fileName, const QString& schema, const QString& table,
                    const QStringList& columns);

    QString m_dir;
    QString m_password;
    std::unique_ptr<SQLite::Database> m_db;
    bool m_workTableAttached = false;
};

// Runs fn inside one transaction; rolls back and rethrows on any error, so an
// operation that spans several statements is stored whole or not at all.
template <typename Fn>
void inTransaction(SQLite::Database& db, Fn&& fn);

}  // namespace quorvel::data

#include <SQLiteCpp/Transaction.h>
template <typename Fn>
void quorvel::data::inTransaction(SQLite::Database& db, Fn&& fn)
{
    SQLite::Transaction tx(db);
    fn();
    tx.commit();
}
