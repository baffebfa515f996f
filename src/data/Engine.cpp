#include "data/Engine.h"

#include "data/ControlFile.h"
#include "data/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

namespace quorvel::data {

namespace {

const QString kWorkTableFile = QStringLiteral("vesktemp.ADT");

QString damaged(const QString& fileName, const QString& dir, const QString& why)
{
    return QStringLiteral("Database file \"%1\" in directory \"%2\" is not a Quorvel table or is damaged (%3).")
        .arg(fileName, QDir::toNativeSeparators(dir), why);
}

}  // namespace

const QStringList& Engine::tableFiles()
{
    static const QStringList files = {"Control.ADT", "AccTemp.ADT", "Accts.ADT",
                                      "Charts.ADT",  "Detail.ADT",  "DetTemp.ADT"};
    return files;
}

Engine::Engine(const QString& dataDirectory) : m_dir(QDir::cleanPath(dataDirectory)) {}

Engine::~Engine()
{
    if (m_db && m_workTableAttached) {
        try {
            dropWorkTable();
        } catch (...) {
            // Leaving a stray work table is harmless: the next build replaces it.
        }
    }
}

QString Engine::pathOf(const QString& fileName) const
{
    return QDir(m_dir).filePath(fileName);
}

QString Engine::firstMissingTableFile() const
{
    for (const QString& file : tableFiles()) {
        if (!QFileInfo(pathOf(file)).isFile())
            return file;
    }
    return {};
}

void Engine::registerPassword(const QString& password)
{
    m_password = password;
}

DataVersion Engine::readDataVersion() const
{
    const QString fileName = QStringLiteral("Control.ADT");
    if (m_password.isEmpty())
        throw StoreError(QStringLiteral("Database file \"%1\" is encrypted and no password was registered.").arg(fileName));
    QFile file(pathOf(fileName));
    if (!file.open(QIODevice::ReadOnly))
        throw StoreError(QStringLiteral("Database file \"%1\" cannot be opened: %2").arg(fileName, file.errorString()));
    const QByteArray image = unsealControlImage(file.readAll(), m_password, fileName);

    try {
        SQLite::Database control(":memory:", SQLite::OPEN_READWRITE);
        auto* buffer = static_cast<unsigned char*>(sqlite3_malloc64(image.size()));
        if (!buffer)
            throw StoreError(QStringLiteral("Not enough memory to read \"%1\".").arg(fileName));
        memcpy(buffer, image.constData(), image.size());
        const int rc = sqlite3_deserialize(control.getHandle(), "main", buffer, image.size(), image.size(),
                                           SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_READONLY);
        if (rc != SQLITE_OK)
            throw StoreError(damaged(fileName, m_dir, QString::fromUtf8(sqlite3_errstr(rc))));
        SQLite::Statement query(control, "SELECT MajorVer, MinorVer FROM Control LIMIT 1");
        DataVersion version;
        if (query.executeStep()) {
            version.majorVer = query.getColumn(0).getDouble();
            version.minorVer = query.getColumn(1).getDouble();
        }
        return version;
    } catch (const SQLite::Exception& e) {
        throw StoreError(damaged(fileName, m_dir, QString::fromUtf8(e.what())));
    }
}

void Engine::checkTable(const QString& fileName, const QString& schema, const QString& table,
                        const QStringList& columns)
{
    try {
        SQLite::Statement info(*m_db, QStringLiteral("PRAGMA \"%1\".table_info(\"%2\")").arg(schema, table).toStdString());
        QStringList found;
        while (info.executeStep())
            found << QString::fromStdString(info.getColumn(1).getString());
        if (found.isEmpty())
            throw StoreError(damaged(fileName, m_dir, QStringLiteral("it holds no table %1").arg(table)));
        for (const QString& column : columns) {
            if (!found.contains(column))
                throw StoreError(damaged(fileName, m_dir, QStringLiteral("field %1 is missing").arg(column)));
        }
    } catch (const SQLite::Exception& e) {
        throw StoreError(damaged(fileName, m_dir, QString::fromUtf8(e.what())));
    }
}

void Engine::attach(const QString& fileName, const QString& schema)
{
    SQLite::Statement attach(*m_db, "ATTACH DATABASE ? AS " + schema.toStdString());
    attach.bind(1, pathOf(fileName).toStdString());
    attach.exec();
}

void Engine::openTables()
{
    m_db.reset();
    try {
        // The accounts file is the main database, so that a transaction over
        // several files commits through a super-journal and stays atomic.
        m_db = std::make_unique<SQLite::Database>(pathOf("Accts.ADT").toStdString(),
                                                  SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        m_db->setBusyTimeout(2000);
    } catch (const SQLite::Exception& e) {
        m_db.reset();
        throw StoreError(damaged("Accts.ADT", m_dir, QString::fromUtf8(e.what())));
    }
    try {
        checkTable("Accts.ADT", "main", "Accts", schema::accountColumns());
        const struct {
            const char* file;
            const char* name;
            const QStringList& columns;
        } attached[] = {
            {"Detail.ADT", "Detail", schema::entryColumns()},
            {"Charts.ADT", "Charts", schema::chartColumns()},
            {"AccTemp.ADT", "AccTemp", schema::accountColumns()},
            {"DetTemp.ADT", "DetTemp", schema::entryColumns()},
        };
        for (const auto& t : attached) {
            try {
                attach(t.file, t.name);
            } catch (const SQLite::Exception& e) {
                throw StoreError(damaged(t.file, m_dir, QString::fromUtf8(e.what())));
            }
            checkTable(t.file, t.name, t.name, t.columns);
        }
        // The scratch tables hold nothing lasting: no need to wait for the disk.
        for (const char* scratch : {"AccTemp", "DetTemp"}) {
            m_db->exec(QStringLiteral("PRAGMA %1.synchronous = OFF").arg(scratch).toStdString());
            m_db->exec(QStringLiteral("PRAGMA %1.journal_mode = MEMORY").arg(scratch).toStdString());
        }
    } catch (...) {
        m_db.reset();
        throw;
    }
}

SQLite::Database& Engine::db()
{
    if (!m_db)
        throw StoreError(QStringLiteral("The data store is not open."));
    return *m_db;
}

void Engine::createWorkTable(const QString& columnDefinitions)
{
    // Also replaces a work table file left behind by a run that ended abnormally.
    dropWorkTable();
    attach(kWorkTableFile, "vesktemp");
    m_workTableAttached = true;
    db().exec("PRAGMA vesktemp.synchronous = OFF");
    db().exec("PRAGMA vesktemp.journal_mode = MEMORY");
    db().exec(QStringLiteral("CREATE TABLE vesktemp.vesktemp (%1)").arg(columnDefinitions).toStdString());
}

void Engine::dropWorkTable()
{
    if (m_workTableAttached) {
        db().exec("DETACH DATABASE vesktemp");
        m_workTableAttached = false;
    }
    QFile::remove(pathOf(kWorkTableFile));
}

bool Engine::workTableExists() const
{
    return m_workTableAttached;
}

}  // namespace quorvel::data
