// The data store: making a data directory, opening it, refusing files that
// are not ours, bound values and whole-or-nothing operations.
#include "DataDirFixture.h"
#include "data/ChartDefStore.h"
#include "data/ControlFile.h"
#include "data/Schema.h"

#include <QCryptographicHash>
#include <QFile>
#include <QtTest>
#include <SQLiteCpp/Database.h>
#include <sqlite3.h>

using namespace quorvel;
using namespace quorvel::data;
using quorvel::test::DataDirFixture;

namespace {

QByteArray fileHash(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

}  // namespace

class TestDataStore : public QObject {
    Q_OBJECT
private slots:
    void newStoreHoldsPredefinedChartsAndVersion();
    void createRefusesDirectoryWithTables();
    void firstMissingFileInStartupOrder_data();
    void firstMissingFileInStartupOrder();
    void foreignFilesAreRefusedUntouched_data();
    void foreignFilesAreRefusedUntouched();
    void emptyControlTableReadsVersionZero();
    void userTextIsBoundNotSpliced();
    void renameCascadesToEntriesAndCodeLists();
    void failedOperationsLeaveNothingHalfDone_data();
    void failedOperationsLeaveNothingHalfDone();
    void addNewPicksFirstFreeCodeAndCopiesEntries();
    void entryDatesStayUniquePerAccount();
    void workTableFileGoesWithDrop();
};

void TestDataStore::newStoreHoldsPredefinedChartsAndVersion()
{
    DataDirFixture dir;
    for (const QString& file : Engine::tableFiles())
        QVERIFY2(QFile::exists(dir.path(file)), qPrintable(file));
    Engine engine(dir.dataDir());
    engine.registerPassword(Engine::kControlPassword);
    const DataVersion version = engine.readDataVersion();
    QCOMPARE(version.majorVer, 2.0);
    QCOMPARE(version.minorVer, 0.0);

    engine.openTables();
    const QVector<ChartDef> charts = ChartDefStore(engine).all();
    QCOMPARE(charts.size(), 7);
    QStringList names;
    for (const ChartDef& c : charts) {
        QCOMPARE(c.internal, QStringLiteral("$"));
        names << c.name;
        if (c.name == QLatin1String("All Accounts Pie"))
            QCOMPARE(c.type, QStringLiteral("P"));
        QCOMPARE(c.gainLoss, c.name == QLatin1String("Gain/Loss All Accounts"));
        QVERIFY(c.legend);
    }
    // Index order: by name within "$".
    QCOMPARE(names, (QStringList{"All Accounts", "All Accounts Line", "All Accounts Pie", "Current Account",
                                 "Current Category", "Gain/Loss All Accounts", "Overall Line"}));
}

void TestDataStore::createRefusesDirectoryWithTables()
{
    DataDirFixture dir;
    const QByteArray before = fileHash(dir.path("Accts.ADT"));
    QVERIFY_EXCEPTION_THROWN(createDataStore(dir.dataDir()), StoreError);
    QCOMPARE(fileHash(dir.path("Accts.ADT")), before);
}

void TestDataStore::firstMissingFileInStartupOrder_data()
{
    QTest::addColumn<QStringList>("removed");
    QTest::addColumn<QString>("named");
    QTest::newRow("none") << QStringList{} << QString();
    QTest::newRow("control") << QStringList{"Control.ADT"} << "Control.ADT";
    QTest::newRow("detail and dettemp") << QStringList{"DetTemp.ADT", "Detail.ADT"} << "Detail.ADT";
    QTest::newRow("accts and acctemp") << QStringList{"Accts.ADT", "AccTemp.ADT"} << "AccTemp.ADT";
    QTest::newRow("dettemp") << QStringList{"DetTemp.ADT"} << "DetTemp.ADT";
}

void TestDataStore::firstMissingFileInStartupOrder()
{
    QFETCH(QStringList, removed);
    QFETCH(QString, named);
    DataDirFixture dir;
    for (const QString& f : removed)
        QVERIFY(QFile::remove(dir.path(f)));
    QCOMPARE(Engine(dir.dataDir()).firstMissingTableFile(), named);
}

void TestDataStore::foreignFilesAreRefusedUntouched_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("damage");
    for (const char* f : {"Accts.ADT", "Detail.ADT", "Charts.ADT", "AccTemp.ADT", "DetTemp.ADT"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1 garbage").arg(f))) << f << "garbage";
        QTest::newRow(qPrintable(QStringLiteral("%1 foreign sqlite").arg(f))) << f << "foreign";
    }
    QTest::newRow("Charts.ADT truncated") << "Charts.ADT" << "truncate";
    QTest::newRow("Control.ADT garbage") << "Control.ADT" << "garbage";
    QTest::newRow("Control.ADT other password") << "Control.ADT" << "password";
    QTest::newRow("Control.ADT altered") << "Control.ADT" << "alter";
    QTest::newRow("Control.ADT truncated") << "Control.ADT" << "truncate";
}

void TestDataStore::foreignFilesAreRefusedUntouched()
{
    QFETCH(QString, file);
    QFETCH(QString, damage);
    DataDirFixture dir;
    const QString path = dir.path(file);
    if (damage == QLatin1String("garbage")) {
        writeBytes(path, QByteArray(5000, 'x'));
    } else if (damage == QLatin1String("foreign")) {
        QFile::remove(path);
        SQLite::Database other(path.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        other.exec("CREATE TABLE Customers (Id INTEGER, Name TEXT)");
    } else if (damage == QLatin1String("truncate")) {
        QFile f(path);
        f.open(QIODevice::ReadWrite);
        const QByteArray head = f.read(40);
        f.close();
        writeBytes(path, head);
    } else if (damage == QLatin1String("password")) {
        writeBytes(path, sealControlImage(QByteArray(4096, '\0'), QStringLiteral("another")));
    } else if (damage == QLatin1String("alter")) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        QByteArray bytes = f.readAll();
        f.close();
        bytes[bytes.size() - 10] = char(bytes[bytes.size() - 10] ^ 0x5A);
        writeBytes(path, bytes);
    }
    const QByteArray before = fileHash(path);

    Engine engine(dir.dataDir());
    engine.registerPassword(Engine::kControlPassword);
    QString message;
    try {
        if (file == QLatin1String("Control.ADT"))
            engine.readDataVersion();
        else
            engine.openTables();
    } catch (const StoreError& e) {
        message = e.message();
    }
    QVERIFY2(message.contains(file), qPrintable(message));
    QVERIFY(!engine.isOpen());
    QCOMPARE(fileHash(path), before);
}

void TestDataStore::emptyControlTableReadsVersionZero()
{
    DataDirFixture dir;
    writeControlFile(dir.path("Control.ADT"), 1.995, 0);
    Engine engine(dir.dataDir());
    engine.registerPassword(Engine::kControlPassword);
    QCOMPARE(engine.readDataVersion().sum(), 1.995);

    // A control table without a record.
    SQLite::Database empty(":memory:", SQLite::OPEN_READWRITE);
    empty.exec("CREATE TABLE Control (MajorVer REAL, MinorVer REAL)");
    sqlite3_int64 size = 0;
    unsigned char* image = sqlite3_serialize(empty.getHandle(), "main", &size, 0);
    writeBytes(dir.path("Control.ADT"),
               sealControlImage(QByteArray(reinterpret_cast<char*>(image), int(size)), Engine::kControlPassword));
    sqlite3_free(image);
    QCOMPARE(engine.readDataVersion().sum(), 0.0);
}

void TestDataStore::userTextIsBoundNotSpliced()
{
    DataDirFixture dir;
    auto engine = dir.openEngine();
    AccountStore accounts(*engine);
    const QString code = QStringLiteral("O'N%_\"x");
    const QString category = QStringLiteral("Bonds 'A' ü");
    accounts.insert(DataDirFixture::account(code, QStringLiteral("Zoë's \"fund\""), category));
    accounts.insert(DataDirFixture::account("PLAIN", "Plain", "Bonds"));
    QVERIFY(accounts.exists(code));
    QVERIFY(!accounts.exists(QStringLiteral("O'N%")));
    QCOMPARE(accounts.find(code)->name, QStringLiteral("Zoë's \"fund\""));
    QCOMPARE(accounts.codesInCategory(category, true), QStringList{code});
    EntryStore(*engine).insert(DataDirFixture::entry(code, QDate(2008, 1, 31), 1.5, 2));
    QCOMPARE(EntryStore(*engine).count(code), 1);

    Account renamed = *accounts.find(code);
    renamed.code = QStringLiteral("N'EW");
    accounts.renameAndUpdate(code, renamed);
    QCOMPARE(EntryStore(*engine).count(QStringLiteral("N'EW")), 1);
    accounts.remove(QStringLiteral("N'EW"));
    QCOMPARE(accounts.count(), 1);
}

void TestDataStore::renameCascadesToEntriesAndCodeLists()
{
    DataDirFixture dir;
    auto engine = dir.openEngine();
    AccountStore accounts(*engine);
    ChartDefStore charts(*engine);
    accounts.insert(DataDirFixture::account("ABC", "Alpha"));
    accounts.insert(DataDirFixture::account("DEF", "Delta"));
    EntryStore entries(*engine);
    entries.insert(DataDirFixture::entry("ABC", QDate(2007, 1, 31), 1, 1));
    entries.insert(DataDirFixture::entry("ABC", QDate(2007, 2, 28), 2, 1));
    ChartDef def;
    def.name = "Mine";
    def.type = "L";
    def.codes = "ABC\r\nDEF\r\nABC\r\n";
    const qint64 id = charts.insert(def);

    Account changed = *accounts.find("ABC");
    changed.code = "XYZ";
    changed.name = "Renamed";
    accounts.renameAndUpdate("ABC", changed);
    QCOMPARE(entries.count("XYZ"), 2);
    QCOMPARE(entries.count("ABC"), 0);
    QCOMPARE(charts.byId(id)->codes, QStringLiteral("XYZ\r\nDEF\r\nXYZ\r\n"));
    QCOMPARE(accounts.find("XYZ")->name, QStringLiteral("Renamed"));

    // A taken code is refused before anything is written.
    Account clash = *accounts.find("XYZ");
    clash.code = "DEF";
    QVERIFY_EXCEPTION_THROWN(accounts.renameAndUpdate("XYZ", clash), StoreError);
    QCOMPARE(entries.count("XYZ"), 2);

    accounts.remove("XYZ");
    QCOMPARE(entries.count("XYZ"), 0);
    QCOMPARE(charts.byId(id)->codes, QStringLiteral("DEF\r\n"));
    QVERIFY(!accounts.exists("XYZ"));
}

void TestDataStore::failedOperationsLeaveNothingHalfDone_data()
{
    QTest::addColumn<QString>("operation");
    QTest::newRow("rename") << "rename";
    QTest::newRow("delete") << "delete";
    QTest::newRow("copy") << "copy";
}

void TestDataStore::failedOperationsLeaveNothingHalfDone()
{
    QFETCH(QString, operation);
    DataDirFixture dir;
    auto engine = dir.openEngine();
    AccountStore accounts(*engine);
    EntryStore entries(*engine);
    ChartDefStore charts(*engine);
    accounts.insert(DataDirFixture::account("ABC", "Alpha"));
    entries.insert(DataDirFixture::entry("ABC", QDate(2007, 1, 31), 1, 1));
    entries.insert(DataDirFixture::entry("ABC", QDate(2007, 2, 28), 2, 1));
    ChartDef def;
    def.name = "Mine";
    def.codes = "ABC\r\n";
    charts.insert(def);

    // The engine fails in the middle of the operation, after its first statement.
    if (operation == QLatin1String("copy"))
        engine->db().exec("CREATE TRIGGER Detail.fail AFTER INSERT ON Detail BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    else
        engine->db().exec("CREATE TRIGGER Charts.fail BEFORE UPDATE ON Charts BEGIN SELECT RAISE(ABORT, 'disk full'); END");

    const auto attempt = [&] {
        if (operation == QLatin1String("rename")) {
            Account a = *accounts.find("ABC");
            a.code = "XYZ";
            accounts.renameAndUpdate("ABC", a);
        } else if (operation == QLatin1String("delete")) {
            accounts.remove("ABC");
        } else {
            accounts.addNew(QStringLiteral("ABC"));
        }
    };
    QVERIFY_EXCEPTION_THROWN(attempt(), std::exception);
    QCOMPARE(accounts.count(), 1);
    QVERIFY(accounts.exists("ABC"));
    QCOMPARE(entries.count("ABC"), 2);
    QCOMPARE(entries.all().size(), 2);
    QCOMPARE(charts.find("", "Mine")->codes, QStringLiteral("ABC\r\n"));
}

void TestDataStore::addNewPicksFirstFreeCodeAndCopiesEntries()
{
    DataDirFixture dir;
    auto engine = dir.openEngine();
    AccountStore accounts(*engine);
    EntryStore entries(*engine);
    QCOMPARE(accounts.addNew(), QStringLiteral("New"));
    QCOMPARE(accounts.find("New")->name, QStringLiteral("New Account"));
    QVERIFY(!accounts.find("New")->value.has_value());
    accounts.insert(DataDirFixture::account("New 2", "x"));
    QCOMPARE(accounts.addNew(), QStringLiteral("New 1"));
    QCOMPARE(accounts.addNew(), QStringLiteral("New 3"));

    accounts.insert(DataDirFixture::account("SRC", "Source", "Bonds"));
    entries.insert(DataDirFixture::entry("SRC", QDate(2007, 1, 31), 1.25, 10, 2.5));
    entries.insert(DataDirFixture::entry("SRC", QDate(2007, 2, 28), 1.5, 11));
    const QString copy = accounts.addNew(QStringLiteral("SRC"));
    QCOMPARE(copy, QStringLiteral("New 4"));
    const QVector<Entry> copied = entries.entriesOf(copy);
    QCOMPARE(copied.size(), 2);
    QCOMPARE(copied[0].feeTenThousandths, 25000);
    QCOMPARE(copied[1].price, 1.5);
    QCOMPARE(accounts.find(copy)->category, QString());  // only the entries are copied
    QCOMPARE(entries.count("SRC"), 2);
}

void TestDataStore::entryDatesStayUniquePerAccount()
{
    DataDirFixture dir;
    auto engine = dir.openEngine();
    EntryStore entries(*engine);
    entries.insert(DataDirFixture::entry("A", QDate(2007, 1, 31), 1, 1));
    entries.insert(DataDirFixture::entry("A", QDate(2007, 2, 28), 1, 1));
    entries.insert(DataDirFixture::entry("B", QDate(2007, 1, 31), 1, 1));
    QVERIFY_EXCEPTION_THROWN(entries.insert(DataDirFixture::entry("A", QDate(2007, 1, 31), 9, 9)), StoreError);
    Entry moved = DataDirFixture::entry("A", QDate(2007, 1, 31), 5, 5);
    QVERIFY_EXCEPTION_THROWN(entries.update(QDate(2007, 2, 28), moved), StoreError);
    QCOMPARE(entries.entriesOf("A").last().price, 1.0);
    moved.date = QDate(2007, 3, 31);
    entries.update(QDate(2007, 2, 28), moved);
    QCOMPARE(entries.latest("A")->date, QDate(2007, 3, 31));
    QCOMPARE(entries.first("A")->date, QDate(2007, 1, 31));
}

void TestDataStore::workTableFileGoesWithDrop()
{
    DataDirFixture dir;
    auto engine = dir.openEngine();
    engine->createWorkTable("ChSum REAL, ChCode TEXT");
    engine->db().exec("INSERT INTO vesktemp (ChSum, ChCode) VALUES (1.5, 'x')");
    QVERIFY(QFile::exists(dir.path("vesktemp.ADT")));
    QVERIFY(engine->workTableExists());
    engine->createWorkTable("ChSum REAL");  // replaces the previous one
    engine->dropWorkTable();
    QVERIFY(!engine->workTableExists());
    QVERIFY(!QFile::exists(dir.path("vesktemp.ADT")));
}

QTEST_GUILESS_MAIN(TestDataStore)
#include "test_data_store.moc"
