// The main window's start-up: finding the data directory, refusing a broken
// store with its message, and the state the window starts in.
#include "MainWindowFixture.h"
#include "data/ControlFile.h"

#include <QAction>
#include <QFile>
#include <QMenuBar>
#include <QTabBar>
#include <QtTest>

using namespace quorvel;
using quorvel::test::DataDirFixture;
using quorvel::test::MainWindowFixture;

namespace {

void writeIni(const QString& path, const QString& body)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(body.toUtf8());
}

}  // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void emptyStoreGreetsAndDisablesPages();
    void storeWithAccountsStartsWithoutGreeting();
    void windowShellHasItsCaptionsMenuAndMessageLine();
    void settingsFileProblems_data();
    void settingsFileProblems();
    void missingTableFileNamesTheFirst();
    void versionCheck_data();
    void versionCheck();
    void brokenTableFileEndsWithItsName();
    void dataDirectoryFromSettingsFile_data();
    void dataDirectoryFromSettingsFile();
};

void TestStartup::emptyStoreGreetsAndDisablesPages()
{
    MainWindowFixture f;
    QVERIFY(f.start());
    QCOMPARE(f.dialogs.texts(ScriptedDialogs::Kind::Information),
             QStringList{"Welcome to Quorvel! To begin, please read the help topic \"Getting Started / Account "
                         "Management.\" (Press F1 after this message.) This will guide you through adding an "
                         "account."});
    QVERIFY(f.dialogs.texts(ScriptedDialogs::Kind::Error).isEmpty());
    QTabWidget* notebook = f.window->findChild<QTabWidget*>("NBVesk");
    QVERIFY(notebook->isTabEnabled(0));
    for (int i = 1; i < 5; ++i)
        QVERIFY(!notebook->isTabEnabled(i));
    QCOMPARE(notebook->currentIndex(), 0);
    QVERIFY(f.window->CurrAcctCode.isEmpty());
    QVERIFY(!f.window->firstActivation());
    QVERIFY(!f.window->isBusy());
    QCOMPARE(f.window->findChild<QLabel*>("PnlMessage")->text(), QString());
    QCOMPARE(f.window->TodayDate, f.today);
}

void TestStartup::storeWithAccountsStartsWithoutGreeting()
{
    MainWindowFixture f;
    f.addAccount(DataDirFixture::account("B1", "Beta"));
    f.addAccount(DataDirFixture::account("A1", "Alpha"));
    QVERIFY(f.start());
    QVERIFY(f.dialogs.calls.isEmpty());
    QTabWidget* notebook = f.window->findChild<QTabWidget*>("NBVesk");
    for (int i = 0; i < 5; ++i)
        QVERIFY(notebook->isTabEnabled(i));
    QCOMPARE(f.window->AcctSortField, QStringLiteral("AName"));
    QVERIFY(f.window->AcctSortAsc);
    // A second activation does not run the start-up again.
    QVERIFY(f.window->startUp());
    QVERIFY(f.dialogs.calls.isEmpty());
}

void TestStartup::windowShellHasItsCaptionsMenuAndMessageLine()
{
    MainWindowFixture f;
    QVERIFY(f.start());
    FormVesk* w = f.window.get();
    QCOMPARE(w->windowTitle(), QStringLiteral("Quorvel"));
    QCOMPARE(w->objectName(), QStringLiteral("FormVesk"));
    QTabWidget* notebook = w->findChild<QTabWidget*>("NBVesk");
    const QStringList captions = {"Accounts", "Account Info.", "Entries", "Charts", "Custom Charts"};
    const QStringList pageNames = {"Page1", "Page2", "Page3", "ChartPage", "Page4"};
    const QList<QColor> colours = {Qt::darkGreen, Qt::darkGreen, Qt::blue, Qt::magenta, Qt::magenta};
    const QList<int> contexts = {40, 50, 60, 80, 90};
    QCOMPARE(notebook->count(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(notebook->tabText(i), captions[i]);
        QCOMPARE(notebook->widget(i)->objectName(), pageNames[i]);
        QCOMPARE(notebook->tabBar()->tabTextColor(i), colours[i]);
        QCOMPARE(notebook->widget(i)->property("helpContext").toInt(), contexts[i]);
    }
    const struct {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
    } items[] = {
        {"Exit1", "E&xit", QKeySequence(Qt::ALT | Qt::Key_X)},
        {"About1", "About", QKeySequence()},
        {"Help2", "Help", QKeySequence(Qt::Key_F1)},
        {"LookForUpdates1", "Look For Updates", QKeySequence()},
        {"BackupFiles1", "Backup Files", QKeySequence()},
        {"RecoverData1", "Recover Data", QKeySequence()},
    };
    for (const auto& item : items) {
        auto* action = w->findChild<QAction*>(item.name);
        QVERIFY2(action, item.name);
        QCOMPARE(action->text(), QString::fromLatin1(item.caption));
        QCOMPARE(action->shortcut(), item.shortcut);
    }
    const QList<QAction*> menus = w->menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
    QCOMPARE(menus[1]->text(), QStringLiteral("Help"));

    QLabel* line = w->findChild<QLabel*>("PnlMessage");
    QCOMPARE(line->height(), 25);
    w->DisplayMessage("Working ...", true);
    QCOMPARE(line->text(), QStringLiteral("Working ..."));
    QCOMPARE(line->palette().color(QPalette::WindowText), QColor(Qt::red));
    QVERIFY(QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor);
    // A hint does not replace the busy text.
    QStatusTipEvent tip(QStringLiteral("Accounts defined"));
    QApplication::sendEvent(w, &tip);
    QCOMPARE(line->text(), QStringLiteral("Working ..."));
    w->DisplayMessage(QString(), false);
    QVERIFY(!QApplication::overrideCursor());
    QApplication::sendEvent(w, &tip);
    QCOMPARE(line->text(), QStringLiteral("Accounts defined"));
}

void TestStartup::settingsFileProblems_data()
{
    QTest::addColumn<QString>("ini");  // empty: no settings file at all
    QTest::addColumn<QString>("message");
    const QString notFound = QStringLiteral(
        "\"VeskConnect.ini\" file not found. This file must be present in the Quorvel folder (or in the folder "
        "that this program is running from). Contact Support for assistance.");
    QTest::newRow("no file") << QString() << notFound;
    QTest::newRow("empty value") << "[Connect]\nDataDir=\n" << notFound;
    QTest::newRow("directory missing") << "[Connect]\nDataDir=/nonexistent/quorvel-data\n"
                                       << "Connection to Quorvel failed.";
}

void TestStartup::settingsFileProblems()
{
    QFETCH(QString, ini);
    QFETCH(QString, message);
    MainWindowFixture f;
    QFile::remove(f.exeDir() + "/VeskConnect.ini");
    if (!ini.isEmpty())
        writeIni(f.exeDir() + "/VeskConnect.ini", ini);
    QVERIFY(!f.start());
    QCOMPARE(f.dialogs.allTexts(), QStringList{message});
    QVERIFY(!f.window->isBusy());
}

void TestStartup::missingTableFileNamesTheFirst()
{
    MainWindowFixture f;
    QFile::remove(f.data.path("DetTemp.ADT"));
    QFile::remove(f.data.path("Detail.ADT"));
    QVERIFY(!f.start());
    QCOMPARE(f.dialogs.allTexts(),
             QStringList{QStringLiteral("Database file \"Detail.ADT\" cannot be found in directory \"%1\".")
                             .arg(f.data.dataDir())});
}

void TestStartup::versionCheck_data()
{
    QTest::addColumn<double>("majorVer");
    QTest::addColumn<double>("minorVer");
    QTest::addColumn<QString>("shown");  // empty: accepted
    QTest::newRow("2.0") << 2.0 << 0.0 << QString();
    QTest::newRow("1.995") << 1.0 << 0.995 << QString();
    QTest::newRow("2.005") << 2.0 << 0.005 << QString();
    QTest::newRow("2.004") << 2.0 << 0.004 << QString();
    QTest::newRow("2.006") << 2.0 << 0.006 << "2.01";
    QTest::newRow("2.015: tie to the even cent 2.02") << 2.0 << 0.015 << "2.02";
    QTest::newRow("1.994") << 1.0 << 0.994 << "1.99";
    QTest::newRow("2.1") << 2.0 << 0.1 << "2.10";
    QTest::newRow("1.5") << 1.0 << 0.5 << "1.50";
}

void TestStartup::versionCheck()
{
    QFETCH(double, majorVer);
    QFETCH(double, minorVer);
    QFETCH(QString, shown);
    MainWindowFixture f;
    data::writeControlFile(f.data.path("Control.ADT"), majorVer, minorVer);
    QCOMPARE(f.start(), shown.isEmpty());
    if (!shown.isEmpty()) {
        QCOMPARE(f.dialogs.allTexts(),
                 QStringList{QStringLiteral("Version out of sync with data. Program is on version 2.00, and data "
                                            "is on version %1. Please contact Support (800-555-0142) for "
                                            "assistance.").arg(shown)});
    }
}

void TestStartup::brokenTableFileEndsWithItsName()
{
    MainWindowFixture f;
    QFile file(f.data.path("Charts.ADT"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray(3000, '#'));
    file.close();
    QVERIFY(!f.start());
    QCOMPARE(f.dialogs.calls.size(), 1);
    QVERIFY(f.dialogs.calls[0].text.contains("Charts.ADT"));
}

void TestStartup::dataDirectoryFromSettingsFile_data()
{
    QTest::addColumn<QString>("iniFolder");  // relative to the fixture's root; "bin" is the program folder
    QTest::addColumn<QString>("body");
    QTest::newRow("beside the program, absolute") << "bin" << "[Connect]\nDataDir=@DATA@\n";
    QTest::newRow("a level up, relative") << "." << "[Connect]\nDataDir=data\n";
    QTest::newRow("relative with trailing slash") << "bin" << "[Connect]\nDataDir=../data/\n";
}

void TestStartup::dataDirectoryFromSettingsFile()
{
    QFETCH(QString, iniFolder);
    QFETCH(QString, body);
    MainWindowFixture f;
    QFile::remove(f.exeDir() + "/VeskConnect.ini");
    // The program sits two folders below the settings file in the second row.
    const QString exe = iniFolder == QLatin1String(".") ? f.data.root() + "/bin" : f.exeDir();
    writeIni(QDir(f.data.root()).filePath(iniFolder) + "/VeskConnect.ini",
             QString(body).replace("@DATA@", f.data.dataDir()));
    QVERIFY(f.start());
    QCOMPARE(f.window->DataDirectory, QDir::cleanPath(f.data.dataDir()));
    QCOMPARE(f.window->ExeDir, QDir::cleanPath(exe));
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
