// quorvel-cli chart, run as the built program: requests from the chart list
// and custom charts, JSON/CSV output, pictures, messages and exit codes.
#include "ChartStoreFixture.h"
#include "data/ChartDefStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

using namespace quorvel;
using test::DataDirFixture;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

}  // namespace

class TestChartCli : public QObject {
    Q_OBJECT

    QString m_cli;
    DataDirFixture m_dir;

    Run run(QStringList args)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("LC_ALL", "en_US.UTF-8");
        process.setProcessEnvironment(env);
        args.prepend(m_dir.dataDir());
        args.prepend("chart");
        process.start(m_cli, args);
        process.waitForFinished(120000);
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }

    static QStringList range() { return {"--start", "01/01/2007", "--end", "12/31/2007", "--today", "07/15/2007"}; }

private slots:
    void initTestCase()
    {
        // The program of this build tree (build/cli/quorvel-cli beside build/tests/unit),
        // or the one that QUORVEL_CLI names.
        m_cli = qEnvironmentVariable("QUORVEL_CLI",
                                     QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("../../cli/quorvel-cli"));
        if (!QFileInfo(m_cli).isExecutable())
            QFAIL(qPrintable("quorvel-cli is not built: " + m_cli));
        auto engine = m_dir.openEngine();
        // A name and a category with a comma and quotes, for the CSV output.
        test::insertChartSample(*engine, {"Alpha Fund", "Beta Fund", "Gamma, Inc."}, "Y, \"Z\"");
        data::ChartDef custom;
        custom.name = "Mine";
        custom.type = "B";
        custom.title = "Two";
        custom.legend = true;
        custom.codes = "B\r\nA\r\n";
        data::ChartDefStore(*engine).insert(custom);
    }

    void json()
    {
        const Run r = run(QStringList{"--list", "All Accounts (Line)", "--by", "Account"} + range());
        QCOMPARE(r.exitCode, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(o["chartKind"].toString(), QString("AllLine"));
        QCOMPARE(o["type"].toString(), QString("L"));
        QCOMPARE(o["title"].toArray().toVariantList(),
                 (QVariantList{"All Accounts: Values", "01/01/2007 to 12/31/2007"}));
        QCOMPARE(o["series"].toArray().size(), 3);
        QCOMPARE(o["series"].toArray()[0].toObject()["label"].toString(), QString("A"));
        QCOMPARE(o["columns"].toArray()[7].toString(), QString("Field1"));
        const QJsonArray rows = o["rows"].toArray();
        QCOMPARE(rows.size(), 6);
        QCOMPARE(rows[0].toArray()[4].toString(), QString("2007-01"));
        QVERIFY(rows[0].toArray()[2].isNull());                 // ChDay
        QCOMPARE(rows[2].toArray()[6].toDouble(), 1700.0);       // ChSum of March
        QCOMPARE(o["markLabels"].toArray()[2].toString(), QString("1,700.00"));
        // The work table is gone when the command ends.
        QVERIFY(!QFile::exists(m_dir.path("vesktemp.ADT")));
    }

    void requests_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("titleLine");
        QTest::addColumn<int>("series");
        QTest::newRow("current account")
            << QStringList{"--list", "Current Account (Line)", "--current", "B"} << "Current" << "Beta Fund: Values" << 1;
        QTest::newRow("current category by account")
            << QStringList{"--list", "Current Category (Line)", "--current", "A", "--by", "Account", "--value", "Price"}
            << "CurrCat" << "All Category: X: Share Prices" << 2;
        QTest::newRow("overall") << QStringList{"--list", "Overall (Line)", "--value", "Shares"} << "OvrLine"
                                 << "Overall: Shares" << 1;
        QTest::newRow("pie") << QStringList{"--list", "All Accounts (Pie)", "--marks", "show"} << "AllPie"
                             << "All Accounts: Values" << 0;
        QTest::newRow("custom") << QStringList{"--custom", "Mine"} << "Work" << "Two: Values" << 1;
    }

    void requests()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, kind);
        QFETCH(QString, titleLine);
        QFETCH(int, series);
        const Run r = run(args + range());
        QCOMPARE(r.exitCode, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(o["chartKind"].toString(), kind);
        QCOMPARE(o["title"].toArray()[0].toString(), titleLine);
        QCOMPARE(o["series"].toArray().size(), series);
        if (kind == "AllPie")
            QCOMPARE(o["legend"].toBool(), true);
        if (kind == "CurrCat") {
            QCOMPARE(o["legend"].toBool(), true);
            auto engine = m_dir.openEngine();
            const auto stored = data::ChartDefStore(*engine).find("$", "Current Category");
            QCOMPARE(stored->title, QString("All Category: X"));
            QVERIFY(stored->legend);
        }
    }

    void csv()
    {
        const Run r = run(QStringList{"--list", "All Accounts (Pie)", "--format", "csv", "--by", "Category"} + range());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(QString::fromUtf8(r.out), QString("ChSum,ChCode\n1450,X\n250,\"Y, \"\"Z\"\"\"\n"));
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("dates out of order")
            << QStringList{"--list", "All Accounts (Line)", "--start", "03/01/2007", "--end", "02/28/2007"} << 3
            << "Starting calendar date must be before ending calendar date.";
        QTest::newRow("no records") << QStringList{"--list", "All Accounts (Line)", "--start", "01/01/2001", "--end",
                                                   "12/31/2001", "--today", "07/15/2007"}
                                    << 3 << "This date range produces no records.";
        QTest::newRow("single point") << QStringList{"--list", "All Accounts (Line)", "--start", "01/01/2007", "--end",
                                                     "01/31/2007", "--today", "07/15/2007"}
                                      << 3
                                      << "This date range produces a single point for this line chart. You must have "
                                         "two points to view a line chart.";
        QTest::newRow("current needs --current") << QStringList{"--list", "Current Account (Line)"} << 2 << QString();
        QTest::newRow("unknown item") << QStringList{"--list", "Bubbles"} << 2 << QString();
        QTest::newRow("both sources") << QStringList{"--list", "Overall (Line)", "--custom", "Mine"} << 2 << QString();
        QTest::newRow("picture without --out") << QStringList{"--list", "Overall (Line)", "--format", "png"} << 2
                                               << QString();
        QTest::newRow("bad date") << QStringList{"--list", "Overall (Line)", "--start", "13/45/2007"} << 2 << QString();
        QTest::newRow("unknown custom chart") << QStringList{"--custom", "Nope"} << 1 << QString();
        QTest::newRow("unknown current account")
            << QStringList{"--list", "Current Account (Line)", "--current", "ZZ"} << 1 << QString();
    }

    void failures()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const Run r = run(args);
        QCOMPARE(r.exitCode, exitCode);
        if (!message.isEmpty())
            QCOMPARE(QJsonDocument::fromJson(r.out).object()["message"].toString(), message);
        else
            QVERIFY(!r.err.isEmpty());
        QVERIFY(!QFile::exists(m_dir.path("vesktemp.ADT")));
    }

    void missingDataDirectory()
    {
        QTemporaryDir empty;
        QProcess process;
        process.start(m_cli, {"chart", empty.path(), "--list", "Overall (Line)"});
        process.waitForFinished(60000);
        QCOMPARE(process.exitCode(), 1);
        QVERIFY(process.readAllStandardError().contains("cannot be found"));
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("magic");
        QTest::newRow("png") << "png" << QByteArray("\x89PNG");
        QTest::newRow("svg") << "svg" << QByteArray("<?xml");
        QTest::newRow("pdf") << "pdf" << QByteArray("%PDF");
    }

    void pictures()
    {
        QFETCH(QString, format);
        QFETCH(QByteArray, magic);
        QTemporaryDir out;
        const QString file = out.filePath("chart." + format);
        const Run r = run(QStringList{"--list", "All Accounts (Stacked)", "--marks", "show", "--format", format,
                                      "--out", file} + range());
        QCOMPARE(r.exitCode, 0);
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().startsWith(magic));
    }
};

QTEST_GUILESS_MAIN(TestChartCli)
#include "test_chart_cli.moc"
