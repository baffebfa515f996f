// The "Entries" page driven through the real main window: adding entries on
// the stepped date, the value display while typing, saving with the date
// check, pending changes when the user moves on, deleting, Enter on the save
// button, numbers in the user's locale, and that the stored rows are what the
// user saw.
#include "MainWindowFixture.h"

#include "common/Dates.h"
#include "data/AccountStore.h"
#include "data/EntryStore.h"
#include "entries/EntriesPage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>
#include <cmath>

using namespace quorvel;
using quorvel::test::DataDirFixture;
using quorvel::test::MainWindowFixture;

namespace {

const QString kCode = QStringLiteral("ACC");
const QString kOther = QStringLiteral("BCC");
const QDate kToday(2008, 6, 15);

// The window over accounts ACC ("A Fund", listed first) and BCC ("B Fund")
// with the given entries, started, active, on the "Entries" page.
class EntriesWindow {
public:
    explicit EntriesWindow(const QVector<data::Entry>& entries, const QVector<data::Entry>& otherEntries = {})
    {
        f.addAccount(DataDirFixture::account(kCode, QStringLiteral("A Fund")));
        f.addAccount(DataDirFixture::account(kOther, QStringLiteral("B Fund")));
        for (const data::Entry& e : entries)
            f.addEntry(e);
        for (const data::Entry& e : otherEntries)
            f.addEntry(e);
    }

    bool start()
    {
        if (!f.start())
            return false;
        page = f.window->entriesPage();
        // The current-account processing shows the first account's entries;
        // make sure of it should the list not have made ACC current.
        if (f.window->CurrAcctCode != kCode || page->shownAccount() != kCode) {
            f.window->CurrAcctCode = kCode;
            page->loadEntriesOf(kCode);
        }
        f.window->showPage(QStringLiteral("Entries"));
        QApplication::setActiveWindow(f.window.get());
        f.dialogs.clear();
        return f.window->isActiveWindow() && page->isVisible();
    }

    template <typename T>
    T* find(const char* name) const
    {
        return f.window->findChild<T*>(QString::fromLatin1(name));
    }
    QAbstractButton* button(const char* name) const { return find<QAbstractButton>(name); }
    QLineEdit* field(const char* name) const { return find<QLineEdit>(name); }
    QTableView* grid() const { return find<QTableView>("DBGDetail"); }
    QCalendarWidget* calendar() const { return find<QCalendarWidget>("CalADDate"); }
    QFrame* panel() const { return find<QFrame>("PnlDetail"); }

    QVector<data::Entry> stored(const QString& code = kCode) { return data::EntryStore(f.engine()).entriesOf(code); }

    QString gridText(int row, int column) const
    {
        return grid()->model()->index(row, column).data().toString();
    }
    int currentRow() const { return grid()->currentIndex().row(); }

    // Replaces a number field's text by typing, as a user does.
    void type(const char* fieldName, const QString& text)
    {
        QLineEdit* edit = field(fieldName);
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, text);
    }
    void pickDate(const QDate& date) { calendar()->setSelectedDate(date); }
    void clickRow(int row)
    {
        const QRect cell = grid()->visualRect(grid()->model()->index(row, 1));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    }
    bool focusIn(QWidget* widget) const
    {
        QWidget* focus = QApplication::focusWidget();
        return focus && (focus == widget || widget->isAncestorOf(focus));
    }
    QStringList errors() const { return f.dialogs.texts(ScriptedDialogs::Kind::Error); }

    MainWindowFixture f{kToday};
    EntriesPage* page = nullptr;
};

data::Entry entry(const QDate& date, double price, double shares, double fee = 0, const QString& code = kCode)
{
    return DataDirFixture::entry(code, date, price, shares, fee);
}

// Two entries of ACC, the later one current after loading.
QVector<data::Entry> twoEntries()
{
    return {entry(QDate(2005, 1, 31), 10, 5, 1), entry(QDate(2005, 4, 30), 11, 5, 2)};
}

enum class Path { GridRow, Add, Browse, Chart, StorePendingEntry, StorePendingChanges };

}  // namespace

Q_DECLARE_METATYPE(Path)
Q_DECLARE_METATYPE(quorvel::data::Entry)
Q_DECLARE_METATYPE(quorvel::Dialogs::Answer)

class TestEntriesPage : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // A new entry goes on the latest entry's date stepped by the chosen
    // increment (the last day of the target month for month, quarter and
    // year), copies price and shares, has fee 0, is stored at once and is
    // current with the focus in the price field.
    void addSteppedEntry_data()
    {
        QTest::addColumn<QDate>("latest");
        QTest::addColumn<int>("increment");
        QTest::addColumn<QDate>("expected");

        QTest::newRow("day") << QDate(2005, 1, 15) << 0 << QDate(2005, 1, 16);
        QTest::newRow("month") << QDate(2005, 1, 15) << 1 << QDate(2005, 2, 28);
        QTest::newRow("quarter") << QDate(2005, 1, 15) << 2 << QDate(2005, 4, 30);
        QTest::newRow("year") << QDate(2005, 1, 15) << 3 << QDate(2006, 1, 31);
        QTest::newRow("quarter into leap February") << QDate(2007, 11, 15) << 2 << QDate(2008, 2, 29);
        QTest::newRow("month over the year end") << QDate(2004, 12, 31) << 1 << QDate(2005, 1, 31);
        QTest::newRow("year from leap day") << QDate(2004, 2, 29) << 3 << QDate(2005, 2, 28);
    }
    void addSteppedEntry()
    {
        QFETCH(QDate, latest);
        QFETCH(int, increment);
        QFETCH(QDate, expected);
        EntriesWindow w({entry(latest.addYears(-1), 9, 90, 4), entry(latest, 12.5, 100, 3)});
        QVERIFY(w.start());

        w.button(qPrintable(QStringLiteral("RGEntriesIncrBy%1").arg(increment)))->click();
        w.button("BtnDetailAdd")->click();

        const QVector<data::Entry> stored = w.stored();
        QCOMPARE(stored.size(), 3);
        QCOMPARE(stored.last(), entry(expected, 12.5, 100, 0));
        QCOMPARE(w.grid()->model()->rowCount(), 3);
        QCOMPARE(w.currentRow(), 2);
        QCOMPARE(w.gridText(2, 1), formatUsDate(expected));
        QCOMPARE(w.gridText(2, 2), QStringLiteral("$0.00"));
        QCOMPARE(w.gridText(2, 3), QStringLiteral("12.50000"));
        QCOMPARE(w.gridText(2, 4), QStringLiteral("100.00000"));
        QCOMPARE(w.field("EFADDate")->text(), formatUsDate(expected));
        QCOMPARE(w.calendar()->selectedDate(), expected);
        QCOMPARE(w.field("EFADPrice")->text(), QStringLiteral("12.50000"));
        QCOMPARE(w.field("EFValue")->text(), QStringLiteral("1,250.00"));
        QCOMPARE(w.f.window->CurrEntryDate, expected);
        QVERIFY(!w.button("BtnDetailPost")->isEnabled());
        QVERIFY(w.focusIn(w.field("EFADPrice")));
        QCOMPARE(w.f.window->notebook()->tabText(w.f.window->notebook()->currentIndex()), QStringLiteral("Entries"));
    }

    // The first entry of an account is dated today with zeros; the panel
    // appears with it, and the account's value follows only once a price and
    // shares are saved.
    void firstEntryIsTodayWithZeros()
    {
        EntriesWindow w({});
        QVERIFY(w.start());
        QVERIFY(!w.panel()->isVisible());
        QCOMPARE(w.field("EFValue")->text(), QStringLiteral("0.00"));
        QVERIFY(!w.f.window->CurrEntryDate.isValid());

        w.button("BtnDetailAdd")->click();

        QCOMPARE(w.stored(), QVector<data::Entry>({entry(kToday, 0, 0, 0)}));
        QVERIFY(w.panel()->isVisible());
        QCOMPARE(w.f.window->CurrEntryDate, kToday);
        QCOMPARE(w.field("EFADDate")->text(), QStringLiteral("06/15/2008"));
        QVERIFY(w.focusIn(w.field("EFADPrice")));
        QCOMPARE(data::AccountStore(w.f.engine()).find(kCode)->value.value_or(-1), 0.0);

        w.type("EFADPrice", QStringLiteral("2.5"));
        w.type("EFADShares", QStringLiteral("3"));
        w.button("BtnDetailPost")->click();

        QCOMPARE(w.stored(), QVector<data::Entry>({entry(kToday, 2.5, 3, 0)}));
        QCOMPARE(data::AccountStore(w.f.engine()).find(kCode)->value.value_or(-1), 7.5);
        QVERIFY(w.find<QLabel>("LblOverallValue")->text().contains(QStringLiteral("7.50")));
        QVERIFY(w.errors().isEmpty());
    }

    // The value display follows the typed price and shares before anything
    // is saved, rounded to cents with a half to the even cent.
    void valueWhileTyping_data()
    {
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("shares");
        QTest::addColumn<QString>("value");

        QTest::newRow("half cent to even, down") << "0.125" << "1" << "0.12";
        QTest::newRow("half cent to even, up") << "10.125" << "3" << "30.38";
        QTest::newRow("thousands") << "1,000.5" << "2" << "2,001.00";
        QTest::newRow("not yet a number") << "1,00" << "2" << "";
    }
    void valueWhileTyping()
    {
        QFETCH(QString, price);
        QFETCH(QString, shares);
        QFETCH(QString, value);
        EntriesWindow w({entry(QDate(2005, 1, 31), 1, 1)});
        QVERIFY(w.start());

        w.type("EFADPrice", price);
        w.type("EFADShares", shares);

        QCOMPARE(w.field("EFValue")->text(), value);
        QVERIFY(w.button("BtnDetailPost")->isEnabled());
        QCOMPARE(w.stored(), QVector<data::Entry>({entry(QDate(2005, 1, 31), 1, 1)}));
    }

    // Saving a changed date that another entry has: the message names it,
    // nothing is stored, the changes stay and the focus goes to the
    // calendar; a free date then saves, and the grid keeps date order.
    void saveRefusesTakenDate()
    {
        EntriesWindow w(twoEntries());
        QVERIFY(w.start());
        w.type("EFADPrice", QStringLiteral("12"));
        w.pickDate(QDate(2005, 1, 31));
        QCOMPARE(w.field("EFADDate")->text(), QStringLiteral("01/31/2005"));

        w.button("BtnDetailPost")->click();

        QCOMPARE(w.errors(), QStringList{QStringLiteral("Date \"01/31/2005\" already exists. Please choose a different date.")});
        QCOMPARE(w.stored(), twoEntries());
        QVERIFY(w.button("BtnDetailPost")->isEnabled());
        QVERIFY(w.focusIn(w.calendar()));
        QCOMPARE(w.field("EFADPrice")->text(), QStringLiteral("12"));

        w.pickDate(QDate(2005, 2, 28));
        w.button("BtnDetailPost")->click();

        QCOMPARE(w.stored(), QVector<data::Entry>({entry(QDate(2005, 1, 31), 10, 5, 1), entry(QDate(2005, 2, 28), 12, 5, 2)}));
        QCOMPARE(w.errors().size(), 1);
        QCOMPARE(w.gridText(1, 1), QStringLiteral("02/28/2005"));
        QCOMPARE(w.currentRow(), 1);
        QCOMPARE(w.f.window->CurrEntryDate, QDate(2005, 2, 28));
        QVERIFY(!w.button("BtnDetailPost")->isEnabled());
        QVERIFY(w.focusIn(w.button("BtnDetailAdd")));
    }

    // Pending changes that move the entry onto another entry's date are never
    // stored there, whichever way the user moves on. Where the move can wait
    // (grid, add, browse, chart), it does: the message is shown, the entry
    // and its changes stay pending. A caller that moves on regardless gets
    // the other changes stored on the entry's own date, after the message.
    void pendingDateClash_data()
    {
        QTest::addColumn<Path>("path");
        QTest::newRow("another row") << Path::GridRow;
        QTest::newRow("add") << Path::Add;
        QTest::newRow("browse") << Path::Browse;
        QTest::newRow("chart") << Path::Chart;
        QTest::newRow("account change, can stay") << Path::StorePendingEntry;
        QTest::newRow("account change, moves on") << Path::StorePendingChanges;
    }
    void pendingDateClash()
    {
        QFETCH(Path, path);
        EntriesWindow w(twoEntries(), {entry(QDate(2006, 3, 31), 1, 1, 0, kOther)});
        QVERIFY(w.start());
        w.type("EFADPrice", QStringLiteral("12"));
        w.pickDate(QDate(2005, 1, 31));

        switch (path) {
        case Path::GridRow: w.clickRow(0); break;
        case Path::Add: w.button("BtnDetailAdd")->click(); break;
        case Path::Browse: w.button("BtnEntriesNext")->click(); break;
        case Path::Chart: w.button("BtnEntriesChart")->click(); break;
        case Path::StorePendingEntry: QVERIFY(!w.page->storePendingEntry()); break;
        case Path::StorePendingChanges: w.page->storePendingChanges(); break;
        }

        QCOMPARE(w.errors(), QStringList{QStringLiteral("Date \"01/31/2005\" already exists. Please choose a different date.")});
        QCOMPARE(w.f.window->CurrAcctCode, kCode);
        if (path == Path::StorePendingChanges) {
            QCOMPARE(w.stored(), QVector<data::Entry>({entry(QDate(2005, 1, 31), 10, 5, 1), entry(QDate(2005, 4, 30), 12, 5, 2)}));
            QVERIFY(!w.page->hasPendingChanges());
            return;
        }
        QCOMPARE(w.stored(), twoEntries());
        QVERIFY(w.page->hasPendingChanges());
        QVERIFY(w.button("BtnDetailPost")->isEnabled());
        QCOMPARE(w.f.window->CurrEntryDate, QDate(2005, 4, 30));
        QCOMPARE(w.currentRow(), 1);
        QCOMPARE(w.field("EFADPrice")->text(), QStringLiteral("12"));
        QCOMPARE(w.calendar()->selectedDate(), QDate(2005, 1, 31));
        QVERIFY(w.focusIn(w.calendar()));
    }

    // Pending changes are stored as they stand when the user moves on.
    void pendingStoredOnMove_data()
    {
        QTest::addColumn<Path>("path");
        QTest::addColumn<QDate>("pickedDate");  // invalid: the date is not changed
        QTest::addColumn<QVector<data::Entry>>("expected");
        QTest::addColumn<QDate>("currentAfter");
        QTest::addColumn<QString>("accountAfter");

        const data::Entry first = entry(QDate(2005, 1, 31), 10, 5, 1);
        QTest::newRow("another row") << Path::GridRow << QDate() << QVector<data::Entry>({first, entry(QDate(2005, 4, 30), 12, 5, 2)})
                                     << QDate(2005, 1, 31) << kCode;
        // The clicked entry is found again by its date after the stored one moved.
        QTest::newRow("another row, date moved") << Path::GridRow << QDate(2004, 12, 31)
                                                 << QVector<data::Entry>({entry(QDate(2004, 12, 31), 12, 5, 2), first})
                                                 << QDate(2005, 1, 31) << kCode;
        // The new entry copies the price just stored.
        QTest::newRow("add") << Path::Add << QDate()
                             << QVector<data::Entry>({first, entry(QDate(2005, 4, 30), 12, 5, 2), entry(QDate(2005, 7, 31), 12, 5, 0)})
                             << QDate(2005, 7, 31) << kCode;
        QTest::newRow("browse") << Path::Browse << QDate() << QVector<data::Entry>({first, entry(QDate(2005, 4, 30), 12, 5, 2)})
                                << QDate(2006, 3, 31) << kOther;
        QTest::newRow("account change") << Path::StorePendingChanges << QDate(2005, 5, 31)
                                        << QVector<data::Entry>({first, entry(QDate(2005, 5, 31), 12, 5, 2)})
                                        << QDate(2005, 5, 31) << kCode;
    }
    void pendingStoredOnMove()
    {
        QFETCH(Path, path);
        QFETCH(QDate, pickedDate);
        QFETCH(QVector<data::Entry>, expected);
        QFETCH(QDate, currentAfter);
        QFETCH(QString, accountAfter);
        EntriesWindow w(twoEntries(), {entry(QDate(2006, 3, 31), 1, 1, 0, kOther)});
        QVERIFY(w.start());
        w.type("EFADPrice", QStringLiteral("12"));
        if (pickedDate.isValid())
            w.pickDate(pickedDate);

        switch (path) {
        case Path::GridRow: w.clickRow(0); break;
        case Path::Add: w.button("BtnDetailAdd")->click(); break;
        case Path::Browse: w.button("BtnEntriesNext")->click(); break;
        case Path::StorePendingChanges: w.page->storePendingChanges(); break;
        default: QFAIL("not a path of this test");
        }

        QVERIFY(w.errors().isEmpty());
        QCOMPARE(w.stored(), expected);
        QCOMPARE(w.f.window->CurrAcctCode, accountAfter);
        QCOMPARE(w.f.window->CurrEntryDate, currentAfter);
        QCOMPARE(w.field("EFADDate")->text(), formatUsDate(currentAfter));
        QCOMPARE(w.gridText(w.currentRow(), 1), formatUsDate(currentAfter));
        if (path != Path::Add)
            QVERIFY(!w.button("BtnDetailPost")->isEnabled());
        // Stored changes of the latest entry are valued at once.
        QCOMPARE(data::AccountStore(w.f.engine()).find(kCode)->value.value_or(-1), expected.last().price * 5);
    }

    // "Show Chart for this Account" stores the pending entry first, charts
    // the account from its first to its last entry and leaves the
    // highlighted entry highlighted.
    void chartButton()
    {
        EntriesWindow w(twoEntries());
        QVERIFY(w.start());
        w.clickRow(0);
        w.type("EFADPrice", QStringLiteral("12"));

        w.button("BtnEntriesChart")->click();

        QCOMPARE(w.stored().first(), entry(QDate(2005, 1, 31), 12, 5, 1));
        QVERIFY(!w.page->hasPendingChanges());
        QCOMPARE(w.find<QCalendarWidget>("CalChartStart")->selectedDate(), QDate(2005, 1, 31));
        QCOMPARE(w.find<QCalendarWidget>("CalChartEnd")->selectedDate(), QDate(2005, 4, 30));
        QCOMPARE(w.f.window->ChartKind, QStringLiteral("Current"));
        QCOMPARE(w.currentRow(), 0);
        QCOMPARE(w.f.window->CurrEntryDate, QDate(2005, 1, 31));
        QVERIFY(w.errors().isEmpty());
    }

    // When the account's code is renamed in the store while an entry has
    // pending changes, the page follows the new code and the changes are
    // stored with it.
    void pendingChangesFollowRenamedAccount()
    {
        EntriesWindow w(twoEntries());
        QVERIFY(w.start());
        w.type("EFADPrice", QStringLiteral("12"));
        data::Account renamed = *data::AccountStore(w.f.engine()).find(kCode);
        renamed.code = QStringLiteral("ZZZ");
        data::AccountStore(w.f.engine()).renameAndUpdate(kCode, renamed);

        w.page->accountCodeChanged(kCode, renamed.code);
        w.page->storePendingChanges();

        QCOMPARE(w.stored(renamed.code).last(), entry(QDate(2005, 4, 30), 12, 5, 2, renamed.code));
        QCOMPARE(w.gridText(1, 0), renamed.code);
        QVERIFY(w.errors().isEmpty());
    }

    // The delete asks about the current entry; only Yes deletes, and the
    // latest remaining entry becomes current.
    void deleteEntry_data()
    {
        QTest::addColumn<Dialogs::Answer>("answer");
        QTest::newRow("yes") << Dialogs::Answer::Yes;
        QTest::newRow("no") << Dialogs::Answer::No;
        QTest::newRow("cancel") << Dialogs::Answer::Cancel;
    }
    void deleteEntry()
    {
        QFETCH(Dialogs::Answer, answer);
        EntriesWindow w(twoEntries());
        QVERIFY(w.start());
        w.f.dialogs.answers = {answer};

        w.button("BtnDetailDel")->click();

        QCOMPARE(w.f.dialogs.texts(ScriptedDialogs::Kind::Confirm),
                 QStringList{QStringLiteral("Delete entry on 04/30/2005. Are you sure?")});
        const bool deleted = answer == Dialogs::Answer::Yes;
        const QDate current = deleted ? QDate(2005, 1, 31) : QDate(2005, 4, 30);
        QCOMPARE(w.stored(), deleted ? QVector<data::Entry>({twoEntries().first()}) : twoEntries());
        QCOMPARE(w.grid()->model()->rowCount(), deleted ? 1 : 2);
        QCOMPARE(w.gridText(w.currentRow(), 1), formatUsDate(current));
        QCOMPARE(w.f.window->CurrEntryDate, current);
        QCOMPARE(w.field("EFADDate")->text(), formatUsDate(current));
        QCOMPARE(w.field("EFValue")->text(), QStringLiteral("%1.00").arg(deleted ? 50 : 55));
        QVERIFY(w.panel()->isVisible());
        QCOMPARE(data::AccountStore(w.f.engine()).find(kCode)->value.value_or(-1), deleted ? 50.0 : 55.0);
    }

    // Deleting the only entry hides the panel and shows value 0.
    void deleteOnlyEntry()
    {
        EntriesWindow w({entry(QDate(2005, 1, 31), 2, 3)});
        QVERIFY(w.start());
        QVERIFY(w.panel()->isVisible());
        w.f.dialogs.answers = {Dialogs::Answer::Yes};

        w.button("BtnDetailDel")->click();

        QVERIFY(w.stored().isEmpty());
        QVERIFY(!w.panel()->isVisible());
        QCOMPARE(w.field("EFValue")->text(), QStringLiteral("0.00"));
        QVERIFY(!w.f.window->CurrEntryDate.isValid());
        QCOMPARE(w.grid()->model()->rowCount(), 0);

        // With no entries the save and the delete do nothing and ask nothing.
        w.button("BtnDetailDel")->click();
        w.page->BtnDetailPostClick();
        QCOMPARE(w.f.dialogs.calls.size(), 1);
    }

    // Enter presses the panel's save button while it is enabled and its page
    // shown, and only then.
    void enterPressesSave_data()
    {
        QTest::addColumn<bool>("pageShown");
        QTest::newRow("page shown") << true;
        QTest::newRow("other page shown") << false;
    }
    void enterPressesSave()
    {
        QFETCH(bool, pageShown);
        EntriesWindow w(twoEntries());
        QVERIFY(w.start());
        w.type("EFADPrice", QStringLiteral("7"));
        if (!pageShown)
            w.f.window->showPage(QStringLiteral("Charts"));

        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w.f.window.get(), Qt::Key_Return);

        const double price = pageShown ? 7 : 11;
        QCOMPARE(w.stored().last(), entry(QDate(2005, 4, 30), price, 5, 2));
        QCOMPARE(w.page->hasPendingChanges(), !pageShown);
    }

    // Numbers are typed in the user's locale; text that is not a number is
    // refused in the field and never stored (as 0 or anything else).
    void localeNumbers_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");   // the field's text after typing
        QTest::addColumn<bool>("saved");
        QTest::addColumn<double>("stored");   // price, shares or fee after the save

        QTest::newRow("us grouped price") << "en_US" << "EFADPrice" << "1,234.5" << "1,234.5" << true << 1234.5;
        QTest::newRow("german grouped price") << "de_DE" << "EFADPrice" << "1.234,5" << "1.234,5" << true << 1234.5;
        QTest::newRow("german decimal comma") << "de_DE" << "EFADShares" << "0,125" << "0,125" << true << 0.125;
        QTest::newRow("german fee") << "de_DE" << "EFADFee" << "1.234,56" << "1.234,56" << true << 1234.56;
        QTest::newRow("letters refused") << "en_US" << "EFADPrice" << "12abc" << "12" << true << 12.0;
        QTest::newRow("emptied reads 0") << "en_US" << "EFADShares" << "" << "" << true << 0.0;
        // Never read as 15: the save refuses it and says why.
        QTest::newRow("german point is no decimal") << "de_DE" << "EFADPrice" << "1.5" << "1.5" << false << 11.0;
        QTest::newRow("us comma is no decimal") << "en_US" << "EFADPrice" << "1,5" << "1,5" << false << 11.0;
    }
    void localeNumbers()
    {
        QFETCH(QString, locale);
        QFETCH(QString, fieldName);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, saved);
        QFETCH(double, stored);
        QLocale::setDefault(QLocale(locale));
        EntriesWindow w(twoEntries());
        QVERIFY(w.start());

        w.type(qPrintable(fieldName), typed);
        QCOMPARE(w.field(qPrintable(fieldName))->text(), shown);
        w.button("BtnDetailPost")->click();

        const data::Entry latest = w.stored().last();
        const double value = fieldName == "EFADPrice" ? latest.price : fieldName == "EFADShares" ? latest.shares : latest.fee();
        QCOMPARE(value, stored);
        QCOMPARE(w.page->hasPendingChanges(), !saved);
        if (saved) {
            QVERIFY(w.errors().isEmpty());
        } else {
            QCOMPARE(w.errors(), QStringList{QStringLiteral("\"%1\" is not a valid number.").arg(typed)});
            QVERIFY(w.focusIn(w.field(qPrintable(fieldName))));
        }
    }

    // A field whose text is refused from the first key keeps its text, and
    // nothing becomes pending.
    void refusedTextChangesNothing()
    {
        EntriesWindow w(twoEntries());
        QVERIFY(w.start());
        w.type("EFADPrice", QStringLiteral("abc"));
        QCOMPARE(w.field("EFADPrice")->text(), QStringLiteral("11.00000"));
        QVERIFY(!w.page->hasPendingChanges());
    }

    // The grid shows the stored rows oldest first in its formats, and after a
    // save the fields, the grid and the store agree with what was typed.
    // Fields the user did not touch keep their stored value exactly.
    void storedRowsAreWhatUserSaw()
    {
        EntriesWindow w({entry(QDate(2005, 4, 30), 0.123456, 1234567.5, 0.5), entry(QDate(2004, 12, 31), 1, 2, 1234.5)});
        QVERIFY(w.start());
        const QStringList before = {w.gridText(0, 0), w.gridText(0, 1), w.gridText(0, 2), w.gridText(0, 3), w.gridText(0, 4)};
        QCOMPARE(before, QStringList({"ACC", "12/31/2004", "$1,234.50", "1.00000", "2.00000"}));
        QCOMPARE(w.gridText(1, 3), QStringLiteral("0.12346"));
        QCOMPARE(w.gridText(1, 4), QStringLiteral("1,234,567.50000"));

        w.type("EFADFee", QStringLiteral("9,876.5"));
        w.button("BtnDetailPost")->click();

        QCOMPARE(w.stored().last(), entry(QDate(2005, 4, 30), 0.123456, 1234567.5, 9876.5));
        QCOMPARE(w.field("EFADFee")->text(), QStringLiteral("9,876.50"));
        QCOMPARE(w.gridText(1, 2), QStringLiteral("$9,876.50"));

        w.type("EFADPrice", QStringLiteral("0.1234567"));  // the sixth and seventh decimals are refused
        w.button("BtnDetailPost")->click();

        QCOMPARE(w.stored().last().price, 0.12345);
        QCOMPARE(w.field("EFADPrice")->text(), QStringLiteral("0.12345"));
        QCOMPARE(w.gridText(1, 3), QStringLiteral("0.12345"));
        QCOMPARE(w.field("EFValue")->text(), QStringLiteral("152,407.36"));
    }
};

QTEST_MAIN(TestEntriesPage)
#include "test_entries_page.moc"
