// The "Accounts" page on the real main window: sorting by a click on a column
// title (direction rule, secondary keys, title colours and images), the
// filter, silver rows of closed accounts, which account is current after a
// reload, an empty list, the double click, and what the page looks like.
#include "AccountsTestSupport.h"

#include <QDir>
#include <QImage>
#include <QTableView>

using namespace quorvel;
using namespace quorvel::test;

namespace {

data::Account account(const QString& code, const QString& name, const QString& company, const QString& category,
                      const QDate& closed = {}, std::optional<double> value = std::nullopt)
{
    data::Account a = DataDirFixture::account(code, name, category, closed);
    a.coName = company;
    a.value = value;
    return a;
}

// Two accounts share a name, three a company, two a category; C1 is closed
// with an old value; A2 and B1 end up with the same value.
void addSampleAccounts(MainWindowFixture& f)
{
    f.addAccount(account("B1", "Beta", "Acme", "Growth"));
    f.addAccount(account("A2", "Alpha", "Acme", "Bonds"));
    f.addAccount(account("C1", "Gamma", "Acme", "Bonds", QDate(2007, 1, 31), 1234.56));
    f.addAccount(account("A1", "Alpha", "Zeta Co", "Growth"));
    f.addEntry(DataDirFixture::entry("A1", QDate(2008, 3, 31), 10, 10));
    f.addEntry(DataDirFixture::entry("A2", QDate(2008, 3, 31), 5, 10));
    f.addEntry(DataDirFixture::entry("B1", QDate(2008, 3, 31), 25, 2));
}

}  // namespace

class TestAccountsList : public QObject {
    Q_OBJECT

private slots:
    void startUpListsActiveAccountsByName()
    {
        MainWindowFixture f;
        addSampleAccounts(f);
        QVERIFY(f.start());
        QCOMPARE(accountsPage(f)->filterIndex(), 1);
        QVERIFY(control<QRadioButton>(f, "RGAcctsFilterActive")->isChecked());
        QCOMPARE(listedCodes(f), (QStringList{"A1", "A2", "B1"}));
        QCOMPARE(f.window->AcctSortField, QStringLiteral("AName"));
        QVERIFY(f.window->AcctSortAsc);
        QCOMPARE(f.window->CurrAcctCode, QStringLiteral("A1"));
        QCOMPARE(infoField(f, "EFACode")->text(), QStringLiteral("A1"));
        QCOMPARE(overallValue(f), QStringLiteral("$200.00"));
        QVERIFY(f.dialogs.calls.isEmpty());
    }

    // Title clicks from the start-up sort (name, ascending) under "All Accounts".
    void titleClicksSort_data()
    {
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("name again: descending, equal names by code ascending")
            << QStringList{"Name"} << "AName" << false << QStringList{"C1", "B1", "A1", "A2"};
        QTest::newRow("name twice more: ascending again")
            << QStringList{"Name", "Name"} << "AName" << true << QStringList{"A1", "A2", "B1", "C1"};
        QTest::newRow("another column keeps descending")
            << QStringList{"Name", "Code"} << "ACode" << false << QStringList{"C1", "B1", "A2", "A1"};
        QTest::newRow("company: then name, then code")
            << QStringList{"Company"} << "ACoName" << true << QStringList{"A2", "B1", "C1", "A1"};
        QTest::newRow("company descending: ties still ascending")
            << QStringList{"Name", "Company"} << "ACoName" << false << QStringList{"A1", "A2", "B1", "C1"};
        QTest::newRow("category: then name")
            << QStringList{"Category"} << "ACategory" << true << QStringList{"A2", "C1", "A1", "B1"};
        QTest::newRow("value: closed account at 0, equal values by name")
            << QStringList{"Value"} << "AValue" << true << QStringList{"C1", "A2", "B1", "A1"};
        QTest::newRow("value descending")
            << QStringList{"Value", "Value"} << "AValue" << false << QStringList{"A1", "A2", "B1", "C1"};
    }
    void titleClicksSort()
    {
        QFETCH(QStringList, titles);
        QFETCH(QString, field);
        QFETCH(bool, ascending);
        QFETCH(QStringList, codes);
        MainWindowFixture f;
        addSampleAccounts(f);
        QVERIFY(f.start());
        chooseFilter(f, "All Accounts");
        for (const QString& title : titles)
            clickTitle(f, title);

        QCOMPARE(listedCodes(f), codes);
        QCOMPARE(f.window->AcctSortField, field);
        QCOMPARE(f.window->AcctSortAsc, ascending);
        // Only the sorted title is blue and carries the image of its direction.
        QAbstractItemModel* model = accountGrid(f)->model();
        for (int column = 0; column < model->columnCount(); ++column) {
            const bool sorted = model->headerData(column, Qt::Horizontal, Qt::UserRole).toString() == field;
            QCOMPARE(model->headerData(column, Qt::Horizontal, Qt::BackgroundRole).value<QColor>(),
                     sorted ? QColor(0, 0, 255) : QColor(0, 128, 0));
            QCOMPARE(model->headerData(column, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(), QColor(Qt::white));
            const QImage image = model->headerData(column, Qt::Horizontal, Qt::DecorationRole).value<QImage>();
            QCOMPARE(image.isNull(), !sorted);
            if (sorted)
                QCOMPARE(image, AccountListModel::sortImage(ascending));
        }
    }

    // Down for ascending, up for descending: rows of 9, 9, 7, 7, ... 1, 1.
    void sortImagesAreTriangles_data()
    {
        QTest::addColumn<bool>("ascending");
        QTest::newRow("ascending points down") << true;
        QTest::newRow("descending points up") << false;
    }
    void sortImagesAreTriangles()
    {
        QFETCH(bool, ascending);
        const QImage image = AccountListModel::sortImage(ascending);
        QCOMPARE(image.size(), QSize(16, 16));
        QVector<int> widths;
        for (int y = 0; y < 16; ++y) {
            int black = 0;
            for (int x = 0; x < 16; ++x)
                black += image.pixelColor(x, y) == QColor(Qt::black) ? 1 : 0;
            if (black)
                widths << black;
        }
        QVector<int> expected = {9, 9, 7, 7, 5, 5, 3, 3, 1, 1};
        if (!ascending)
            std::reverse(expected.begin(), expected.end());
        QCOMPARE(widths, expected);
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
    }

    void filters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("all") << "All Accounts" << QStringList{"A1", "A2", "B1", "C1"};
        QTest::newRow("active") << "Active Only" << QStringList{"A1", "A2", "B1"};
        QTest::newRow("closed") << "Closed Only" << QStringList{"C1"};
    }
    void filters()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, codes);
        MainWindowFixture f;
        addSampleAccounts(f);
        QVERIFY(f.start());
        chooseFilter(f, "Closed Only");  // away from the start-up filter first
        chooseFilter(f, filter);
        QCOMPARE(listedCodes(f), codes);
    }

    void closedRowsAreSilver()
    {
        MainWindowFixture f;
        addSampleAccounts(f);
        QVERIFY(f.start());
        chooseFilter(f, "All Accounts");
        QAbstractItemModel* model = accountGrid(f)->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            const bool closed = model->index(row, 0).data().toString() == QLatin1String("C1");
            for (int column = 0; column < model->columnCount(); ++column) {
                const QVariant background = model->index(row, column).data(Qt::BackgroundRole);
                if (closed)
                    QCOMPARE(background.value<QColor>(), QColor(192, 192, 192));
                else
                    QVERIFY(!background.isValid());
            }
        }
    }

    void clickedRowBecomesCurrent()
    {
        MainWindowFixture f;
        addSampleAccounts(f);
        QVERIFY(f.start());
        clickRowOf(f, "B1");
        QCOMPARE(f.window->CurrAcctCode, QStringLiteral("B1"));
        QCOMPARE(infoField(f, "EFAName")->text(), QStringLiteral("Beta"));
        QVERIFY(!control(f, "BtnAcctInfoPost")->isEnabled());
    }

    void currentAccountStaysThroughSortAndFilter()
    {
        MainWindowFixture f;
        addSampleAccounts(f);
        QVERIFY(f.start());
        clickRowOf(f, "B1");
        clickTitle(f, "Code");
        QCOMPARE(f.window->CurrAcctCode, QStringLiteral("B1"));
        QCOMPARE(accountGrid(f)->currentRow(), rowOf(f, "B1"));
        chooseFilter(f, "All Accounts");
        QCOMPARE(f.window->CurrAcctCode, QStringLiteral("B1"));
    }

    void closedCurrentAccountLeavesActiveList()
    {
        MainWindowFixture f;
        addSampleAccounts(f);
        QVERIFY(f.start());
        chooseFilter(f, "All Accounts");
        clickRowOf(f, "C1");
        QCOMPARE(f.window->CurrAcctCode, QStringLiteral("C1"));
        chooseFilter(f, "Active Only");
        QCOMPARE(f.window->CurrAcctCode, QStringLiteral("A1"));  // the first listed
        QCOMPARE(accountGrid(f)->currentRow(), 0);
        QCOMPARE(infoField(f, "EFACode")->text(), QStringLiteral("A1"));
    }

    // No account matches: no current account, nothing on "Account Info." can
    // be edited; the next list that has the last shown account makes it current again.
    void emptyListHasNoCurrentAccount()
    {
        MainWindowFixture f;
        f.addAccount(account("A1", "Alpha", "Acme", "Growth"));
        f.addAccount(account("B1", "Beta", "Acme", "Growth"));
        f.addEntry(DataDirFixture::entry("B1", QDate(2008, 3, 31), 2, 3));
        QVERIFY(f.start());
        clickRowOf(f, "B1");
        chooseFilter(f, "Closed Only");
        QVERIFY(listedCodes(f).isEmpty());
        QVERIFY(f.window->CurrAcctCode.isEmpty());
        QCOMPARE(overallValue(f), QStringLiteral("$0.00"));
        QVERIFY(!infoField(f, "EFACode")->isEnabled());
        QVERIFY(infoField(f, "EFACode")->text().isEmpty());
        auto* panel = f.window->findChild<QWidget*>(QStringLiteral("PnlDetail"));
        if (panel)
            QVERIFY(!panel->isVisibleTo(panel->parentWidget()));

        // Delete and copy have no account to act on.
        f.dialogs.answers = {Dialogs::Answer::Yes};
        click(f, "BtnAcctDel");
        click(f, "BtnAcctCopy");
        QVERIFY(f.dialogs.calls.isEmpty());
        QCOMPARE(data::AccountStore(f.engine()).count(), 2);

        chooseFilter(f, "All Accounts");
        QCOMPARE(f.window->CurrAcctCode, QStringLiteral("B1"));
        QVERIFY(infoField(f, "EFACode")->isEnabled());
    }

    void doubleClickShowsEntries()
    {
        MainWindowFixture f;
        addSampleAccounts(f);
        QVERIFY(f.start());
        AccountGrid* grid = accountGrid(f);
        const QPoint at = grid->visualRect(grid->model()->index(rowOf(f, "A2"), 1)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        settle();
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        settle();
        QCOMPARE(currentTab(f), QStringLiteral("Entries"));
        QCOMPARE(f.window->CurrAcctCode, QStringLiteral("A2"));
    }

    void startUpWithoutAccounts()
    {
        MainWindowFixture f;
        QVERIFY(f.start());
        QCOMPARE(accountsPage(f)->filterIndex(), 0);
        QVERIFY(listedCodes(f).isEmpty());
        QVERIFY(f.window->CurrAcctCode.isEmpty());
        QVERIFY(overallValue(f).isEmpty());  // no valuation has run
        for (int page = 1; page < 5; ++page)
            QVERIFY(!f.window->notebook()->isTabEnabled(page));
        // A double click with no account does nothing.
        accountsPage(f)->DBGAcctsDblClick();
        QCOMPARE(currentTab(f), QStringLiteral("Accounts"));
    }

    // What the user sees: the sorted title blue and the others green, the
    // closed row silver. Saves the pictures when QUORVEL_GRAB_DIR is set.
    void pagesAsShown()
    {
        MainWindowFixture f;
        addSampleAccounts(f);
        QVERIFY(f.start());
        chooseFilter(f, "All Accounts");
        clickRowOf(f, "A2");
        AccountGrid* grid = accountGrid(f);
        const QImage page1 = f.window->grab().toImage();
        QHeaderView* header = grid->horizontalHeader();
        const auto titleColour = [&](int section) {
            const QPoint at = header->mapTo(f.window.get(), QPoint(header->sectionViewportPosition(section) + 2, 3));
            return page1.pixelColor(at);
        };
        QCOMPARE(titleColour(1), QColor(0, 0, 255));   // "Name", sorted
        QCOMPARE(titleColour(0), QColor(0, 128, 0));   // "Code"
        QCOMPARE(titleColour(4), QColor(0, 128, 0));   // "Value"
        const QRect closedCell = grid->visualRect(grid->model()->index(rowOf(f, "C1"), 2));
        QCOMPARE(page1.pixelColor(grid->viewport()->mapTo(f.window.get(), closedCell.topLeft() + QPoint(2, 2))),
                 QColor(192, 192, 192));

        f.window->showPage(QStringLiteral("Account Info."));
        const auto colourAt = [&](const QImage& image, const QString& name, const QPoint& offset) {
            auto* widget = f.window->findChild<QWidget*>(name);
            return image.pixelColor(widget->mapTo(f.window.get(), offset));
        };
        const QPoint checkMarkBottom(9, 20);  // inside the check mark's stroke
        QCOMPARE(colourAt(f.window->grab().toImage(), "BtnAcctInfoPost", checkMarkBottom), QColor(192, 192, 192));
        // An edit turns the save button green; a date that does not exist shows red.
        typeInto(infoField(f, "EFAPhone"), "555-0100");
        typeInto(infoField(f, "EFAOpenDate"), "02/30/2008");
        QTest::keyClick(infoField(f, "EFAOpenDate"), Qt::Key_Return);
        const QImage page2 = f.window->grab().toImage();
        QCOMPARE(colourAt(page2, "BtnAcctInfoPost", checkMarkBottom), QColor(0, 128, 0));
        QCOMPARE(colourAt(page2, "EFAOpenDate", QPoint(80, 4)), QColor(Qt::red));
        typeInto(infoField(f, "EFAOpenDate"), "02/29/2008");
        QCOMPARE(colourAt(f.window->grab().toImage(), "EFAOpenDate", QPoint(80, 4)), QColor(Qt::white));
        const QString dir = qEnvironmentVariable("QUORVEL_GRAB_DIR");
        if (!dir.isEmpty()) {
            page1.save(QDir(dir).filePath(QStringLiteral("accounts-page1.png")));
            page2.save(QDir(dir).filePath(QStringLiteral("accounts-page2.png")));
        }
        QCOMPARE(page2.size(), page1.size());
    }
};

QTEST_MAIN(TestAccountsList)
#include "test_accounts_list.moc"
