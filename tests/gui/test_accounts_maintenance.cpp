// Account maintenance on the real main window: add, copy, save, rename with
// its cascade, delete with its cascade, browse, the edit state of the save
// button, and what happens to typed edits when the page is left. Every
// operation is checked in the stored tables.
#include "AccountsTestSupport.h"

#include "app/ShapeButton.h"
#include "data/EntryStore.h"

#include <QRadioButton>
#include <SQLiteCpp/Database.h>

using namespace quorvel;
using namespace quorvel::test;

namespace {

const QString kMix = QStringLiteral("Mix");      // lists ABC twice
const QString kOther = QStringLiteral("Other");  // lists GHI

// ABC, DEF, GHI (natural order = name order); entries for ABC and DEF; two
// custom chart definitions naming them.
void addSample(MainWindowFixture& f)
{
    data::Account abc = DataDirFixture::account("ABC", "Alpha", "Growth");
    abc.coName = QStringLiteral("Acme");
    abc.ticker = QStringLiteral("ABCX");
    f.addAccount(abc);
    f.addAccount(DataDirFixture::account("DEF", "Delta", "Bonds"));
    f.addAccount(DataDirFixture::account("GHI", "Gamma", "Bonds"));
    f.addEntry(DataDirFixture::entry("ABC", QDate(2008, 1, 31), 10, 5, 1.5));
    f.addEntry(DataDirFixture::entry("ABC", QDate(2008, 4, 30), 12, 5));
    f.addEntry(DataDirFixture::entry("DEF", QDate(2008, 4, 30), 3, 3));
    auto engine = f.data.openEngine();
    data::ChartDefStore charts(*engine);
    charts.insert(customChart(kMix, {"ABC", "DEF", "ABC"}));
    charts.insert(customChart(kOther, {"GHI"}));
}

QVector<data::Entry> entriesOf(MainWindowFixture& f, const QString& code)
{
    return data::EntryStore(f.engine()).entriesOf(code);
}

QString codeList(MainWindowFixture& f, const QString& name)
{
    const auto def = data::ChartDefStore(f.engine()).find(QString(), name);
    return def ? def->codes : QStringLiteral("<missing>");
}

std::optional<data::Account> stored(MainWindowFixture& f, const QString& code)
{
    return data::AccountStore(f.engine()).find(code);
}

// Makes every write to the chart definitions fail, as a full disk or a
// locked file would, half way through an account operation.
void breakChartWrites(MainWindowFixture& f)
{
    f.engine().db().exec("CREATE TEMP TRIGGER NoChartWrites BEFORE UPDATE ON Charts.Charts "
                         "BEGIN SELECT RAISE(ABORT, 'chart definitions cannot be written'); END");
}

void clickPost(MainWindowFixture& f) { click(f, "BtnAcctInfoPost"); }

bool postEnabled(MainWindowFixture& f) { return control(f, "BtnAcctInfoPost")->isEnabled(); }

}  // namespace

class TestAccountsMaintenance : public QObject {
    Q_OBJECT

private slots:
    // --- add and copy ---

    void addToEmptyTable()
    {
        MainWindowFixture f;
        QVERIFY(f.start());
        f.dialogs.clear();
        click(f, "BtnAcctAdd");

        const auto added = stored(f, "New");
        QVERIFY(added);
        QCOMPARE(added->name, QStringLiteral("New Account"));
        QVERIFY(added->type.isEmpty() && !added->openDate.isValid() && !added->closeDate.isValid());
        QCOMPARE(data::AccountStore(f.engine()).count(), 1);
        for (int page = 1; page < 5; ++page)
            QVERIFY(f.window->notebook()->isTabEnabled(page));
        QCOMPARE(currentTab(f), QStringLiteral("Account Info."));
        QCOMPARE(infoPage(f)->focusWidget(), infoField(f, "EFACode"));
        QCOMPARE(infoField(f, "EFACode")->text(), QStringLiteral("New"));
        QCOMPARE(f.window->CurrAcctCode, QStringLiteral("New"));
        QVERIFY(!postEnabled(f));
        QCOMPARE(listedCodes(f), QStringList{"New"});  // the filter is "All Accounts"
        QVERIFY(f.dialogs.calls.isEmpty());
    }

    void addChoosesFirstFreeCode_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("expected");
        QTest::newRow("New and New 1 taken") << QStringList{"New", "New 1"} << "New 2";
        QTest::newRow("only New 1 taken") << QStringList{"New 1"} << "New";
        QTest::newRow("New taken") << QStringList{"New"} << "New 1";
    }
    void addChoosesFirstFreeCode()
    {
        QFETCH(QStringList, existing);
        QFETCH(QString, expected);
        MainWindowFixture f;
        for (const QString& code : existing)
            f.addAccount(DataDirFixture::account(code, "Existing " + code));
        QVERIFY(f.start());
        click(f, "BtnAcctAdd");
        QVERIFY(stored(f, expected));
        QCOMPARE(data::AccountStore(f.engine()).count(), existing.size() + 1);
        QCOMPARE(f.window->CurrAcctCode, expected);  // active, so listed under "Active Only"
    }

    void copyCopiesEntriesOnly()
    {
        MainWindowFixture f;
        addSample(f);
        QVERIFY(f.start());
        QCOMPARE(f.window->CurrAcctCode, QStringLiteral("ABC"));
        const data::Account source = *stored(f, "ABC");
        click(f, "BtnAcctCopy");

        const auto copy = stored(f, "New");
        QVERIFY(copy);
        QCOMPARE(copy->name, QStringLiteral("New Account"));
        QVERIFY(copy->coName.isEmpty() && copy->ticker.isEmpty() && copy->category.isEmpty());
        const QVector<data::Entry> copied = entriesOf(f, "New");
        const QVector<data::Entry> original = entriesOf(f, "ABC");
        QCOMPARE(copied.size(), 2);
        for (int i = 0; i < copied.size(); ++i) {
            data::Entry expected = original.at(i);
            expected.code = QStringLiteral("New");
            QCOMPARE(copied.at(i), expected);
        }
        QCOMPARE(*stored(f, "ABC"), source);
        QCOMPARE(f.window->CurrAcctCode, QStringLiteral("New"));
        QVERIFY(listedCodes(f).contains("New"));
    }

    void addUnderClosedOnlyKeepsAClosedAccountCurrent()
    {
        MainWindowFixture f;
        addSample(f);
        f.addAccount(DataDirFixture::account("OLD", "Old one", "", QDate(2006, 12, 31)));
        QVERIFY(f.start());
        chooseFilter(f, "Closed Only");
        click(f, "BtnAcctAdd");
        QVERIFY(stored(f, "New"));
        QCOMPARE(listedCodes(f), QStringList{"OLD"});
        QCOMPARE(f.window->CurrAcctCode, QStringLiteral("OLD"));
        QCOMPARE(infoField(f, "EFACode")->text(), QStringLiteral("OLD"));
    }

    // --- save ---

    // No code change: no statement on entries and no write to the chart
    // definitions (a write would fail here).
    void saveWithoutCodeChange()
    {
        MainWindowFixture f;
        addSample(f);
        QVERIFY(f.start());
        breakChartWrites(f);
        const QVector<data::Entry> entries = entriesOf(f, "ABC");
        typeInto(infoField(f, "EFAName"), "Aardvark");
        QVERIFY(postEnabled(f));
        clickPost(f);

        QVERIFY(f.dialogs.calls.isEmpty());
        QCOMPARE(stored(f, "ABC")->name, QStringLiteral("Aardvark"));
        QCOMPARE(stored(f, "ABC")->coName, QStringLiteral("Acme"));
        QCOMPARE(entriesOf(f, "ABC"), entries);
        QVERIFY(!postEnabled(f));
        QCOMPARE(f.window->CurrAcctCode, QStringLiteral("ABC"));
        QCOMPARE(accountGrid(f)->model()->index(rowOf(f, "ABC"), 1).data().toString(), QStringLiteral("Aardvark"));
    }

    void renameCascades()
    {
        MainWindowFixture f;
        addSample(f);
        QVERIFY(f.start());
        const std::optional<double> value = stored(f, "ABC")->value;
        QVERIFY(value);
        typeInto(infoField(f, "EFACode"), "XYZ");
        clickPost(f);

        QVERIFY(f.dialogs.calls.isEmpty());
        QVERIFY(!stored(f, "ABC"));
        const auto renamed = stored(f, "XYZ");
        QVERIFY(renamed);
        QCOMPARE(renamed->name, QStringLiteral("Alpha"));
        QCOMPARE(renamed->value, value);
        QVERIFY(entriesOf(f, "ABC").isEmpty());
        QCOMPARE(entriesOf(f, "XYZ").size(), 2);
        QCOMPARE(entriesOf(f, "DEF").size(), 1);
        QCOMPARE(codeList(f, kMix), QStringLiteral("XYZ\r\nDEF\r\nXYZ\r\n"));
        QCOMPARE(codeList(f, kOther), QStringLiteral("GHI\r\n"));
        QCOMPARE(f.window->CurrAcctCode, QStringLiteral("XYZ"));
        QCOMPARE(listedCodes(f), (QStringList{"XYZ", "DEF", "GHI"}));
        QCOMPARE(accountGrid(f)->currentRow(), 0);
        QVERIFY(!postEnabled(f));
    }

    void refusedSaves_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("code taken") << "EFACode" << "DEF"
                                    << "Account \"DEF\" already exists. Please choose a different code.";
        QTest::newRow("code emptied") << "EFACode" << ""
                                      << "The account code cannot be empty. Please enter a code.";
        QTest::newRow("code of blanks") << "EFACode" << "   "
                                        << "The account code cannot be empty. Please enter a code.";
        QTest::newRow("no such day") << "EFAOpenDate" << "02/30/2008"
                                     << "\"02/30/2008\" is not a valid date. Please enter the date as mm/dd/yyyy.";
        QTest::newRow("not a date") << "EFACloseDate" << "13/45"
                                    << "\"13/45\" is not a valid date. Please enter the date as mm/dd/yyyy.";
    }
    void refusedSaves()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        MainWindowFixture f;
        addSample(f);
        QVERIFY(f.start());
        const data::Account before = *stored(f, "ABC");
        const auto lists = storedCodeLists(f.engine());
        typeInto(infoField(f, "EFAName"), "Changed too");
        typeInto(infoField(f, field), typed);
        f.window->showPage(QStringLiteral("Accounts"));
        QCOMPARE(infoPage(f)->BtnAcctInfoPostClick(), AccountInfoPage::SaveOutcome::Refused);

        QCOMPARE(f.dialogs.texts(ScriptedDialogs::Kind::Error), QStringList{message});
        QCOMPARE(*stored(f, "ABC"), before);
        QCOMPARE(entriesOf(f, "ABC").size(), 2);
        QCOMPARE(storedCodeLists(f.engine()), lists);
        QVERIFY(postEnabled(f));
        QCOMPARE(currentTab(f), QStringLiteral("Account Info."));
        QCOMPARE(infoPage(f)->focusWidget(), infoField(f, field));
        QCOMPARE(infoField(f, field)->text(), typed);            // the edits stay
        QCOMPARE(infoField(f, "EFAName")->text(), QStringLiteral("Changed too"));
    }

    // The rename's statements run in one transaction: when the chart
    // definitions cannot be written, the entries and the record keep the old code.
    void renameFailingHalfWayChangesNothing()
    {
        MainWindowFixture f;
        addSample(f);
        QVERIFY(f.start());
        const data::Account before = *stored(f, "ABC");
        const auto lists = storedCodeLists(f.engine());
        breakChartWrites(f);
        typeInto(infoField(f, "EFACode"), "XYZ");
        clickPost(f);

        const QStringList errors = f.dialogs.texts(ScriptedDialogs::Kind::Error);
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors.front().contains("chart definitions cannot be written"), qPrintable(errors.front()));
        QCOMPARE(*stored(f, "ABC"), before);
        QVERIFY(!stored(f, "XYZ"));
        QCOMPARE(entriesOf(f, "ABC").size(), 2);
        QVERIFY(entriesOf(f, "XYZ").isEmpty());
        QCOMPARE(storedCodeLists(f.engine()), lists);
        QCOMPARE(f.window->CurrAcctCode, QStringLiteral("ABC"));
        QVERIFY(postEnabled(f));
        QCOMPARE(infoField(f, "EFACode")->text(), QStringLiteral("XYZ"));
    }

    // Typed the way users type: capitals for state and postal code, dates
    // with one-digit parts and two-digit years, the code's length limit.
    void inputRules()
    {
        MainWindowFixture f;
        addSample(f);
        QVERIFY(f.start());
        typeInto(infoField(f, "EFAState"), "ny");
        typeInto(infoField(f, "EFApostal"), "k1a 0b6");
        typeInto(infoField(f, "EFAOpenDate"), "6/1/08");
        QTest::keyClick(infoField(f, "EFAOpenDate"), Qt::Key_Return);  // leaving the field tidies it
        QCOMPARE(infoField(f, "EFAOpenDate")->text(), QStringLiteral("06/01/2008"));
        typeInto(infoField(f, "EFACloseDate"), "12-31-2099");
        typeInto(infoField(f, "EFACity"), "Montréal");
        QCOMPARE(infoField(f, "EFAState")->text(), QStringLiteral("NY"));
        clickPost(f);

        QVERIFY(f.dialogs.calls.isEmpty());
        const data::Account saved = *stored(f, "ABC");
        QCOMPARE(saved.state, QStringLiteral("NY"));
        QCOMPARE(saved.postal, QStringLiteral("K1A 0B6"));
        QCOMPARE(saved.openDate, QDate(2008, 6, 1));
        QCOMPARE(saved.closeDate, QDate(2099, 12, 31));
        QCOMPARE(saved.city, QStringLiteral("Montréal"));
        // Closed now, so "Active Only" no longer lists it.
        QCOMPARE(listedCodes(f), (QStringList{"DEF", "GHI"}));
        QCOMPARE(f.window->CurrAcctCode, QStringLiteral("DEF"));

        clickRowOf(f, "DEF");
        typeInto(infoField(f, "EFACode"), "ABCDEFGHIJKLMN");
        QCOMPARE(infoField(f, "EFACode")->text(), QStringLiteral("ABCDEFGHIJ"));
    }

    void typeGroupStoresLetter_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("letter");
        QTest::newRow("stock") << "Stock" << "S";
        QTest::newRow("fund") << "Mutual Fund" << "F";
        QTest::newRow("option") << "Option" << "O";
    }
    void typeGroupStoresLetter()
    {
        QFETCH(QString, item);
        QFETCH(QString, letter);
        MainWindowFixture f;
        addSample(f);
        QVERIFY(f.start());
        f.window->showPage(QStringLiteral("Account Info."));
        QRadioButton* radio = nullptr;
        for (QRadioButton* r : control<QWidget>(f, "RGAType")->findChildren<QRadioButton*>())
            radio = r->text() == item ? r : radio;
        QVERIFY(radio);
        QTest::mouseClick(radio, Qt::LeftButton, Qt::NoModifier, QPoint(6, radio->height() / 2));
        QVERIFY(postEnabled(f));
        clickPost(f);
        QCOMPARE(stored(f, "ABC")->type, letter);
        clickRowOf(f, "DEF");
        clickRowOf(f, "ABC");
        QVERIFY(radio->isChecked());
    }

    // --- edit state ---

    void typingTurnsSaveGreenSelectingTurnsItSilver()
    {
        MainWindowFixture f;
        addSample(f);
        QVERIFY(f.start());
        auto* post = control<ShapeButton>(f, "BtnAcctInfoPost");
        QCOMPARE(post->paintedColour(), ShapeButton::silver());
        QTest::keyClicks(infoField(f, "EFAPhone"), "555");
        QCOMPARE(post->paintedColour(), ShapeButton::green());
        clickRowOf(f, "DEF");
        QCOMPARE(post->paintedColour(), ShapeButton::silver());
        QCOMPARE(stored(f, "ABC")->phone, QStringLiteral("555"));  // stored as it stood
    }

    // --- typed edits when the page is left ---

    void pendingEditsWhenAnotherAccountIsChosen_data()
    {
        QTest::addColumn<QString>("typedCode");
        QTest::addColumn<bool>("refused");
        QTest::newRow("name only") << "ABC" << false;
        QTest::newRow("free code: renamed with cascade") << "XYZ" << false;
        QTest::newRow("taken code: stays on the account") << "GHI" << true;
    }
    void pendingEditsWhenAnotherAccountIsChosen()
    {
        QFETCH(QString, typedCode);
        QFETCH(bool, refused);
        MainWindowFixture f;
        addSample(f);
        QVERIFY(f.start());
        typeInto(infoField(f, "EFAName"), "Typed name");
        if (typedCode != QLatin1String("ABC"))
            typeInto(infoField(f, "EFACode"), typedCode);
        f.window->showPage(QStringLiteral("Accounts"));
        clickRowOf(f, "DEF");

        if (refused) {
            QCOMPARE(f.dialogs.texts(ScriptedDialogs::Kind::Error),
                     QStringList{"Account \"GHI\" already exists. Please choose a different code."});
            QCOMPARE(f.window->CurrAcctCode, QStringLiteral("ABC"));
            QCOMPARE(accountGrid(f)->currentRow(), rowOf(f, "ABC"));
            QCOMPARE(stored(f, "ABC")->name, QStringLiteral("Alpha"));
            QCOMPARE(infoField(f, "EFACode")->text(), typedCode);
            QCOMPARE(infoField(f, "EFAName")->text(), QStringLiteral("Typed name"));
            QVERIFY(postEnabled(f));
            QCOMPARE(currentTab(f), QStringLiteral("Account Info."));
            return;
        }
        QVERIFY(f.dialogs.calls.isEmpty());
        QCOMPARE(f.window->CurrAcctCode, QStringLiteral("DEF"));
        QCOMPARE(infoField(f, "EFACode")->text(), QStringLiteral("DEF"));
        const auto saved = stored(f, typedCode);
        QVERIFY(saved);
        QCOMPARE(saved->name, QStringLiteral("Typed name"));
        QCOMPARE(entriesOf(f, typedCode).size(), 2);
        QCOMPARE(codeList(f, kMix), QStringLiteral("%1\r\nDEF\r\n%1\r\n").arg(typedCode));
        // The list shows the stored record in its row: no stale code to click.
        QVERIFY(listedCodes(f).contains(typedCode));
        clickRowOf(f, typedCode);
        QCOMPARE(f.window->CurrAcctCode, typedCode);
        QCOMPARE(infoField(f, "EFAName")->text(), QStringLiteral("Typed name"));
    }

    void refusedEditsKeepTheFilter()
    {
        MainWindowFixture f;
        addSample(f);
        QVERIFY(f.start());
        typeInto(infoField(f, "EFACode"), "DEF");
        f.window->showPage(QStringLiteral("Accounts"));
        const QStringList before = listedCodes(f);
        chooseFilter(f, "Closed Only");
        QCOMPARE(f.dialogs.texts(ScriptedDialogs::Kind::Error).size(), 1);
        QCOMPARE(accountsPage(f)->filterIndex(), 1);
        QVERIFY(control<QRadioButton>(f, "RGAcctsFilterActive")->isChecked());
        QCOMPARE(listedCodes(f), before);
        QVERIFY(postEnabled(f));

        // Corrected, the same click goes through and stores the rename.
        typeInto(infoField(f, "EFACode"), "ABD");
        f.window->showPage(QStringLiteral("Accounts"));
        chooseFilter(f, "All Accounts");
        QCOMPARE(accountsPage(f)->filterIndex(), 0);
        QVERIFY(stored(f, "ABD"));
        QCOMPARE(f.window->CurrAcctCode, QStringLiteral("ABD"));
        QVERIFY(!postEnabled(f));
    }

    void valuationStoresPendingEdits_data()
    {
        QTest::addColumn<QString>("typedCode");
        QTest::addColumn<bool>("refused");
        QTest::newRow("stored as they stand") << "ABC" << false;
        QTest::newRow("taken code stays pending") << "DEF" << true;
    }
    void valuationStoresPendingEdits()
    {
        QFETCH(QString, typedCode);
        QFETCH(bool, refused);
        MainWindowFixture f;
        addSample(f);
        QVERIFY(f.start());
        typeInto(infoField(f, "EFAName"), "Typed name");
        typeInto(infoField(f, "EFACode"), typedCode);
        f.window->showPage(QStringLiteral("Entries"));
        f.window->CalcValue();  // as after an entry is saved

        QCOMPARE(currentTab(f), QStringLiteral("Entries"));  // the valuation does not move the user
        QCOMPARE(stored(f, "ABC")->name, refused ? QStringLiteral("Alpha") : QStringLiteral("Typed name"));
        QCOMPARE(postEnabled(f), refused);
        QCOMPARE(f.dialogs.texts(ScriptedDialogs::Kind::Error).size(), refused ? 1 : 0);
        QCOMPARE(overallValue(f), QStringLiteral("$69.00"));
    }

    void addStoresPendingEditsFirst()
    {
        MainWindowFixture f;
        addSample(f);
        QVERIFY(f.start());
        typeInto(infoField(f, "EFAName"), "Typed name");
        click(f, "BtnAcctAdd");
        QCOMPARE(stored(f, "ABC")->name, QStringLiteral("Typed name"));
        QVERIFY(stored(f, "New"));

        // A refused edit stops the add and stays.
        typeInto(infoField(f, "EFACode"), "DEF");
        click(f, "BtnAcctCopy");
        QCOMPARE(f.dialogs.texts(ScriptedDialogs::Kind::Error).size(), 1);
        QVERIFY(!stored(f, "New 1"));
        QCOMPARE(data::AccountStore(f.engine()).count(), 4);
        QCOMPARE(infoField(f, "EFACode")->text(), QStringLiteral("DEF"));
        QVERIFY(postEnabled(f));
    }

    // --- delete ---

    void deleteCascades()
    {
        MainWindowFixture f;
        addSample(f);
        QVERIFY(f.start());
        QCOMPARE(overallValue(f), QStringLiteral("$69.00"));
        f.dialogs.answers = {Dialogs::Answer::Yes};
        click(f, "BtnAcctDel");

        QCOMPARE(f.dialogs.texts(ScriptedDialogs::Kind::Confirm),
                 QStringList{"Delete account \"ABC\". Are you sure?"});
        QVERIFY(!stored(f, "ABC"));
        QVERIFY(entriesOf(f, "ABC").isEmpty());
        QCOMPARE(entriesOf(f, "DEF").size(), 1);
        QCOMPARE(codeList(f, kMix), QStringLiteral("DEF\r\n"));
        QCOMPARE(codeList(f, kOther), QStringLiteral("GHI\r\n"));
        QCOMPARE(listedCodes(f), (QStringList{"DEF", "GHI"}));
        QCOMPARE(f.window->CurrAcctCode, QStringLiteral("DEF"));  // next in natural order
        QCOMPARE(overallValue(f), QStringLiteral("$9.00"));
    }

    void deleteAnswers_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("no") << int(Dialogs::Answer::No);
        QTest::newRow("cancel") << int(Dialogs::Answer::Cancel);
    }
    void deleteAnswers()
    {
        QFETCH(int, answer);
        MainWindowFixture f;
        addSample(f);
        QVERIFY(f.start());
        const auto lists = storedCodeLists(f.engine());
        f.dialogs.answers = {Dialogs::Answer(answer)};
        click(f, "BtnAcctDel");
        QVERIFY(stored(f, "ABC"));
        QCOMPARE(entriesOf(f, "ABC").size(), 2);
        QCOMPARE(storedCodeLists(f.engine()), lists);
        QCOMPARE(f.window->CurrAcctCode, QStringLiteral("ABC"));
    }

    void deleteLastInNaturalOrderMakesPreviousCurrent()
    {
        MainWindowFixture f;
        addSample(f);
        QVERIFY(f.start());
        clickRowOf(f, "GHI");
        f.dialogs.answers = {Dialogs::Answer::Yes};
        click(f, "BtnAcctDel");
        QCOMPARE(f.window->CurrAcctCode, QStringLiteral("DEF"));
        QCOMPARE(codeList(f, kOther), QString());
    }

    void deleteOnlyAccountDisablesPages()
    {
        MainWindowFixture f;
        f.addAccount(DataDirFixture::account("ONE", "Only"));
        f.addEntry(DataDirFixture::entry("ONE", QDate(2008, 1, 31), 1, 1));
        QVERIFY(f.start());
        f.dialogs.answers = {Dialogs::Answer::Yes};
        click(f, "BtnAcctDel");
        QCOMPARE(data::AccountStore(f.engine()).count(), 0);
        QVERIFY(data::EntryStore(f.engine()).all().isEmpty());
        QVERIFY(f.window->CurrAcctCode.isEmpty());
        for (int page = 1; page < 5; ++page)
            QVERIFY(!f.window->notebook()->isTabEnabled(page));
        QVERIFY(listedCodes(f).isEmpty());
        QCOMPARE(overallValue(f), QStringLiteral("$0.00"));
    }

    // --- browse ---

    void browseWrapsAround_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("to");
        QTest::newRow("prior of the first is the last") << "ABC" << "BtnAcctInfoPrev" << "GHI";
        QTest::newRow("next of the last is the first") << "GHI" << "BtnAcctInfoNext" << "ABC";
        QTest::newRow("next") << "ABC" << "BtnAcctInfoNext" << "DEF";
        QTest::newRow("prior") << "GHI" << "BtnAcctInfoPrev" << "DEF";
    }
    void browseWrapsAround()
    {
        QFETCH(QString, from);
        QFETCH(QString, button);
        QFETCH(QString, to);
        MainWindowFixture f;
        addSample(f);
        QVERIFY(f.start());
        clickRowOf(f, from);
        f.window->showPage(QStringLiteral("Account Info."));
        click(f, button);
        QCOMPARE(f.window->CurrAcctCode, to);
        QCOMPARE(infoField(f, "EFACode")->text(), to);
        QCOMPARE(accountGrid(f)->currentRow(), rowOf(f, to));
        QCOMPARE(infoPage(f)->focusWidget(), control<QWidget>(f, button));
    }

    void browseStoresEditsAndFromEntriesPageReturnsThere()
    {
        MainWindowFixture f;
        addSample(f);
        QVERIFY(f.start());
        typeInto(infoField(f, "EFAFax"), "123");
        auto* entriesNext = control(f, "BtnEntriesNext");
        QVERIFY(entriesNext);
        f.window->showPage(QStringLiteral("Entries"));
        infoPage(f)->BtnAcctInfoNextClick(entriesNext);
        QCOMPARE(stored(f, "ABC")->fax, QStringLiteral("123"));
        QCOMPARE(f.window->CurrAcctCode, QStringLiteral("DEF"));
        QCOMPARE(currentTab(f), QStringLiteral("Entries"));
    }

    void browseWithTakenCodeStays()
    {
        MainWindowFixture f;
        addSample(f);
        QVERIFY(f.start());
        typeInto(infoField(f, "EFACode"), "DEF");
        click(f, "BtnAcctInfoNext");
        QCOMPARE(f.dialogs.texts(ScriptedDialogs::Kind::Error),
                 QStringList{"Account \"DEF\" already exists. Please choose a different code."});
        QCOMPARE(f.window->CurrAcctCode, QStringLiteral("ABC"));
        QCOMPARE(accountGrid(f)->currentRow(), rowOf(f, "ABC"));
        QCOMPARE(infoField(f, "EFACode")->text(), QStringLiteral("DEF"));
        QVERIFY(postEnabled(f));
    }

    // --- codes that SQL text would trip over ---

    void unusualCodes_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("apostrophe") << "O'Neil" << "D'Arcy's";
        QTest::newRow("percent and underscore") << "100%" << "_%_";
        QTest::newRow("non-ASCII") << "Zürich" << "Åre-Ø";
    }
    void unusualCodes()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        MainWindowFixture f;
        f.addAccount(DataDirFixture::account(from, "It's 100% mine", "Größe"));
        f.addAccount(DataDirFixture::account("PLAIN", "Plain"));
        f.addEntry(DataDirFixture::entry(from, QDate(2008, 2, 29), 2, 2));
        {
            auto engine = f.data.openEngine();
            data::ChartDefStore(*engine).insert(customChart(kMix, {from, "PLAIN", from}));
        }
        QVERIFY(f.start());
        QCOMPARE(f.window->CurrAcctCode, from);
        typeInto(infoField(f, "EFACode"), to);
        clickPost(f);
        QVERIFY(f.dialogs.calls.isEmpty());
        QCOMPARE(stored(f, to)->name, QStringLiteral("It's 100% mine"));
        QCOMPARE(stored(f, to)->category, QStringLiteral("Größe"));
        QCOMPARE(entriesOf(f, to).size(), 1);
        QCOMPARE(codeList(f, kMix), QStringLiteral("%1\r\nPLAIN\r\n%1\r\n").arg(to));
        QCOMPARE(overallValue(f), QStringLiteral("$4.00"));

        f.dialogs.answers = {Dialogs::Answer::Yes};
        click(f, "BtnAcctDel");
        QCOMPARE(f.dialogs.texts(ScriptedDialogs::Kind::Confirm),
                 QStringList{QStringLiteral("Delete account \"%1\". Are you sure?").arg(to)});
        QVERIFY(!stored(f, to));
        QVERIFY(entriesOf(f, to).isEmpty());
        QCOMPARE(codeList(f, kMix), QStringLiteral("PLAIN\r\n"));
        QCOMPARE(listedCodes(f), QStringList{"PLAIN"});
    }
};

QTEST_MAIN(TestAccountsMaintenance)
#include "test_accounts_maintenance.moc"
