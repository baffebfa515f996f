// When the data store refuses to write (a full disk, a read-only folder), the
// user sees one clear message and nothing already stored is lost or half changed.
#include "MainWindowFixture.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QtTest>

using namespace quorvel;
using quorvel::test::DataDirFixture;
using quorvel::test::MainWindowFixture;

class TestStoreFailures : public QObject {
    Q_OBJECT
private slots:
    void init();
    void refusedWritesAreReportedAndLoseNothing_data();
    void refusedWritesAreReportedAndLoseNothing();

private:
    std::unique_ptr<MainWindowFixture> f;
};

void TestStoreFailures::init()
{
    f = std::make_unique<MainWindowFixture>();
    f->addAccount(DataDirFixture::account("A1", "Alpha", "Bonds"));
    f->addEntry(DataDirFixture::entry("A1", QDate(2008, 1, 31), 10, 5));
    QVERIFY(f->start());
    QCOMPARE(f->window->CurrAcctCode, QStringLiteral("A1"));
    // From here on the store reads but refuses every write.
    f->engine().db().exec("PRAGMA query_only = ON");
    f->dialogs.clear();
}

void TestStoreFailures::refusedWritesAreReportedAndLoseNothing_data()
{
    QTest::addColumn<QString>("operation");
    QTest::newRow("add an account") << "add account";
    QTest::newRow("copy an account") << "copy account";
    QTest::newRow("save an entry") << "save entry";
    QTest::newRow("add an entry") << "add entry";
}

void TestStoreFailures::refusedWritesAreReportedAndLoseNothing()
{
    QFETCH(QString, operation);
    FormVesk* w = f->window.get();
    if (operation == QLatin1String("add account")) {
        w->findChild<QAbstractButton*>("BtnAcctAdd")->click();
    } else if (operation == QLatin1String("copy account")) {
        w->findChild<QAbstractButton*>("BtnAcctCopy")->click();
    } else if (operation == QLatin1String("add entry")) {
        w->findChild<QAbstractButton*>("BtnDetailAdd")->click();
    } else {
        w->showPage("Entries");
        auto* price = w->findChild<QLineEdit*>("EFADPrice");
        price->selectAll();
        QTest::keyClicks(price, "12");
        w->findChild<QAbstractButton*>("BtnDetailPost")->click();
    }
    QCoreApplication::processEvents();

    const QStringList errors = f->dialogs.texts(ScriptedDialogs::Kind::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].contains("readonly") || errors[0].contains("read-only"), qPrintable(errors[0]));
    QVERIFY(!w->isBusy());
    QVERIFY(w->AcctListReady);

    f->engine().db().exec("PRAGMA query_only = OFF");
    data::AccountStore accounts(f->engine());
    data::EntryStore entries(f->engine());
    QCOMPARE(accounts.count(), 1);
    const QVector<data::Entry> stored = entries.entriesOf("A1");
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored[0].price, 10.0);
    QCOMPARE(stored[0].shares, 5.0);
}

QTEST_MAIN(TestStoreFailures)
#include "test_store_failures.moc"
