// The Help menu: Help, Backup Files and Recover Data open the general topic,
// F1 opens the topic of the page that has the focus, About shows its window.
#include "MainWindowFixture.h"
#include "app/AboutWindow.h"
#include "app/HelpWindow.h"

#include <QAction>
#include <QTimer>
#include <QtTest>

using namespace quorvel;
using quorvel::test::DataDirFixture;
using quorvel::test::MainWindowFixture;

class TestHelpMenu : public QObject {
    Q_OBJECT
private slots:
    void menuCommandsOpenGeneralTopic_data();
    void menuCommandsOpenGeneralTopic();
    void f1OpensTheFocusedPagesTopic_data();
    void f1OpensTheFocusedPagesTopic();
    void f1BeforeTheFirstAccountOpensGettingStarted();
    void aboutShowsItsWindow();
};

static QUrl shownTopic(FormVesk* w)
{
    auto* help = w->findChild<HelpWindow*>();
    return help && help->isVisible() ? help->currentUrl() : QUrl();
}

void TestHelpMenu::menuCommandsOpenGeneralTopic_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("Help") << "Help2";
    QTest::newRow("Backup Files") << "BackupFiles1";
    QTest::newRow("Recover Data") << "RecoverData1";
}

void TestHelpMenu::menuCommandsOpenGeneralTopic()
{
    QFETCH(QString, action);
    MainWindowFixture f;
    f.addAccount(DataDirFixture::account("A1", "Alpha"));
    QVERIFY(f.start());
    f.window->showPage("Entries");
    // Chosen from the menu with the mouse: always the general topic.
    QTest::mousePress(f.window.get(), Qt::LeftButton);
    f.window->findChild<QAction*>(action)->trigger();
    QTest::mouseRelease(f.window.get(), Qt::LeftButton);
    QCOMPARE(shownTopic(f.window.get()).fileName(), HelpWindow::urlForContext(20).fileName());
    QVERIFY(f.dialogs.calls.isEmpty());
}

void TestHelpMenu::f1OpensTheFocusedPagesTopic_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("context");
    QTest::newRow("Accounts") << "Accounts" << 40;
    QTest::newRow("Account Info.") << "Account Info." << 50;
    QTest::newRow("Entries") << "Entries" << 60;
    QTest::newRow("Charts") << "Charts" << 80;
    QTest::newRow("Custom Charts") << "Custom Charts" << 90;
}

void TestHelpMenu::f1OpensTheFocusedPagesTopic()
{
    QFETCH(QString, page);
    QFETCH(int, context);
    MainWindowFixture f;
    f.addAccount(DataDirFixture::account("A1", "Alpha"));
    QVERIFY(f.start());
    f.window->showPage(page);
    QWidget* current = f.window->notebook()->currentWidget();
    current->setFocusPolicy(Qt::StrongFocus);
    current->setFocus();
    f.window->findChild<QAction*>("Help2")->trigger();
    QCOMPARE(shownTopic(f.window.get()).fileName(), HelpWindow::urlForContext(context).fileName());
}

void TestHelpMenu::f1BeforeTheFirstAccountOpensGettingStarted()
{
    MainWindowFixture f;
    QVERIFY(f.start());
    f.window->notebook()->currentWidget()->setFocusPolicy(Qt::StrongFocus);
    f.window->notebook()->currentWidget()->setFocus();
    f.window->findChild<QAction*>("Help2")->trigger();
    QCOMPARE(shownTopic(f.window.get()).fileName(), HelpWindow::urlForContext(20).fileName());
}

void TestHelpMenu::aboutShowsItsWindow()
{
    MainWindowFixture f;
    QVERIFY(f.start());
    QString shownVersion;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<FormAbout*>(QApplication::activeModalWidget());
        QVERIFY(about);
        shownVersion = about->findChild<QLabel*>("LblVersion")->text();
        about->close();
    });
    f.window->findChild<QAction*>("About1")->trigger();
    QCOMPARE(shownVersion, QStringLiteral("2.00"));
}

QTEST_MAIN(TestHelpMenu)
#include "test_help_menu.moc"
