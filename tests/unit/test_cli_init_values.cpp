// quorvel-cli init and values, run as the built program: what they print,
// what they store and their exit codes.
#include "DataDirFixture.h"
#include "data/AccountStore.h"
#include "data/EntryStore.h"

#include <QProcess>
#include <QSet>
#include <QtTest>

using namespace quorvel;
using test::DataDirFixture;

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

}  // namespace

class TestCliInitValues : public QObject {
    Q_OBJECT

    QString m_cli;
    DataDirFixture m_dir;

    Run run(const QStringList& args)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("LANG", "en_US.UTF-8");
        env.insert("LC_ALL", "en_US.UTF-8");
        process.setProcessEnvironment(env);
        process.start(m_cli, args);
        if (!process.waitForFinished(120000))
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

private slots:
    void initTestCase()
    {
        m_cli = qEnvironmentVariable("QUORVEL_CLI",
                                     QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("../../cli/quorvel-cli"));
        if (!QFileInfo(m_cli).isExecutable())
            QFAIL(qPrintable("quorvel-cli is not built: " + m_cli));

        // Codes out of name order, so the default sort by name shows.
        auto engine = m_dir.openEngine();
        data::AccountStore accounts(*engine);
        data::EntryStore entries(*engine);
        accounts.insert(DataDirFixture::account("B1", "Alpha"));
        accounts.insert(DataDirFixture::account("A2", "Beta"));  // no entries: 0.00
        accounts.insert(DataDirFixture::account("E5", "Big"));
        accounts.insert(DataDirFixture::account("C3", "Gamma", {}, QDate(2006, 5, 1)));  // closed, value empty
        data::Account delta = DataDirFixture::account("D4", "Delta", {}, QDate(2006, 5, 1));
        delta.value = 1234.56;  // closed with a value: becomes 0.00
        accounts.insert(delta);
        // Only the latest entry counts: 10.125 * 3 = 30.375 -> 30.38 (half to even).
        entries.insert(DataDirFixture::entry("B1", QDate(2007, 1, 31), 99.0, 3));
        entries.insert(DataDirFixture::entry("B1", QDate(2007, 6, 30), 10.125, 3, 7.5));
        entries.insert(DataDirFixture::entry("E5", QDate(2007, 6, 30), 1000.0, 12.3155));
        entries.insert(DataDirFixture::entry("D4", QDate(2006, 4, 30), 5.0, 5));
    }

    void valuesPrintsListAndOverall_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("expected");
        QTest::newRow("default: active only, by name")
            << QStringList{} << "B1\t30.38\nA2\t0.00\nE5\t12315.50\nOverall\t$12,345.88\n";
        QTest::newRow("all: a closed account's empty value prints nothing after the tab")
            << QStringList{"--filter", "all"}
            << "B1\t30.38\nA2\t0.00\nE5\t12315.50\nD4\t0.00\nC3\t\nOverall\t$12,345.88\n";
        QTest::newRow("closed only: overall 0")
            << QStringList{"--filter", "closed"} << "D4\t0.00\nC3\t\nOverall\t$0.00\n";
        QTest::newRow("code descending") << QStringList{"--sort", "ACode", "--desc"}
                                         << "E5\t12315.50\nB1\t30.38\nA2\t0.00\nOverall\t$12,345.88\n";
    }

    void valuesPrintsListAndOverall()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, expected);
        const Run r = run(QStringList{"values", m_dir.dataDir()} + options);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, expected);
    }

    void valuesStoresTheValuation()
    {
        QCOMPARE(run({"values", m_dir.dataDir(), "--filter", "all"}).exitCode, 0);
        auto engine = m_dir.openEngine();
        data::AccountStore accounts(*engine);
        QCOMPARE(accounts.find("D4")->value, std::optional<double>(0.0));
        QCOMPARE(accounts.find("C3")->value, std::optional<double>());
        QCOMPARE(accounts.find("A2")->value, std::optional<double>(0.0));
        QCOMPARE(accounts.find("B1")->value, std::optional<double>(30.38));
    }

    void valuesRefusesWhatItCannotRead_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("no table files") << QStringList{"values", "/nonexistent/quorvel"} << 1
                                        << "Database file \"Control.ADT\" cannot be found";
        QTest::newRow("unknown filter") << QStringList{"values", m_dir.dataDir(), "--filter", "open"} << 2
                                        << "usage: quorvel-cli values";
        QTest::newRow("unknown sort field") << QStringList{"values", m_dir.dataDir(), "--sort", "ATicker"} << 2
                                            << "usage: quorvel-cli values";
    }

    void valuesRefusesWhatItCannotRead()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const Run r = run(args);
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(r.out, QString());
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
    }

    void initDemoThenRefusesToOverwrite()
    {
        QTemporaryDir root;
        const QString dir = root.filePath("demo");
        const QString ini = root.filePath("VeskConnect.ini");
        const Run made = run({"init", dir, "--demo", "--ini", ini, "--today", "07/15/2007"});
        QCOMPARE(made.err, QString());
        QCOMPARE(made.exitCode, 0);
        QCOMPARE(QSettings(ini, QSettings::IniFormat).value("Connect/DataDir").toString(),
                 QDir::cleanPath(dir));

        data::Engine engine(dir);
        engine.openTables();
        const QVector<data::Account> accounts = data::AccountStore(engine).naturalOrder();
        QVERIFY2(accounts.size() >= 10 && accounts.size() <= 14, qPrintable(QString::number(accounts.size())));
        QSet<QString> categories;
        int closed = 0;
        for (const data::Account& account : accounts) {
            categories.insert(account.category);
            closed += account.isClosed() ? 1 : 0;
            QVERIFY2(data::EntryStore(engine).count(account.code) > 0, qPrintable(account.code));
        }
        QVERIFY2(categories.size() >= 3 && categories.size() <= 4, qPrintable(QString::number(categories.size())));
        QCOMPARE(closed, 1);

        // A directory that holds table files is refused, and left as it was.
        const QByteArray before = [&] {
            QFile f(QDir(dir).filePath("Accts.ADT"));
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        const Run again = run({"init", dir});
        QCOMPARE(again.exitCode, 1);
        QCOMPARE(again.out, QString());
        QVERIFY2(again.err.contains("already holds table files") && again.err.contains("nothing was changed"),
                 qPrintable(again.err));
        QFile after(QDir(dir).filePath("Accts.ADT"));
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), before);
    }
};

QTEST_MAIN(TestCliInitValues)
#include "test_cli_init_values.moc"
