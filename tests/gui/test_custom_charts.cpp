// The "Custom Charts" page driven through the real main window: the name
// series of new definitions, the name rule on renaming, the account list with
// its category buttons, the stored code-list text, what moving between rows
// keeps, the editor panel, "Show Chart" and the account cascades.
#include "MainWindowFixture.h"

#include "app/ShapeButton.h"
#include "charts/CustomChartsPage.h"
#include "data/ChartDefStore.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

using namespace quorvel;
using namespace quorvel::test;
using Answer = Dialogs::Answer;
Q_DECLARE_METATYPE(Answer)

namespace {

const QString kCrLf = QStringLiteral("\r\n");

data::ChartDef userDef(const QString& name, const QString& codes = {}, const QString& type = QStringLiteral("L"))
{
    data::ChartDef def;
    def.name = name;
    def.codes = codes;
    def.type = type;
    return def;
}

// The window over a data directory with the given accounts and user
// definitions, the Custom Charts page shown, its controls at hand.
struct Page {
    MainWindowFixture f;
    QTableView* grid = nullptr;
    QWidget* panel = nullptr;
    QLineEdit* name = nullptr;
    QLineEdit* title = nullptr;
    QComboBox* account = nullptr;
    QListWidget* codes = nullptr;
    ShapeButton* save = nullptr;

    bool start(const QVector<data::Account>& accounts, const QVector<data::ChartDef>& definitions,
               bool keepPredefined = true)
    {
        {
            auto engine = f.data.openEngine();
            data::ChartDefStore charts(*engine);
            if (!keepPredefined) {
                for (const data::ChartDef& def : charts.all())
                    charts.remove(def.id);
            }
            for (const data::ChartDef& def : definitions)
                charts.insert(def);
            for (const data::Account& account : accounts)
                data::AccountStore(*engine).insert(account);
        }
        if (!f.start())
            return false;
        f.window->showPage(QStringLiteral("Custom Charts"));
        grid = find<QTableView>("DBGChartsC");
        panel = find<QWidget>("PnlCustomChart");
        name = find<QLineEdit>("EFCuName");
        title = find<QLineEdit>("EFCuTitle");
        account = find<QComboBox>("LUAcct");
        codes = find<QListWidget>("LBCuCode");
        save = find<ShapeButton>("BtnCustomSave");
        return grid && panel && name && title && account && codes && save;
    }

    template <typename T>
    T* find(const char* objectName) const
    {
        return f.window->findChild<T*>(QString::fromLatin1(objectName));
    }

    void click(const char* button) { find<QAbstractButton>(button)->click(); }

    void clickRadio(const char* group, const QString& text)
    {
        for (QRadioButton* radio : find<QGroupBox>(group)->findChildren<QRadioButton*>()) {
            if (radio->text() == text)
                radio->click();
        }
    }
    QString checkedRadio(const char* group) const
    {
        for (QRadioButton* radio : find<QGroupBox>(group)->findChildren<QRadioButton*>()) {
            if (radio->isChecked())
                return radio->text();
        }
        return {};
    }

    static void type(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    // Picks a code from the combo's list, or types it when it is not there.
    void chooseAccount(const QString& code)
    {
        const int index = account->findText(code, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0)
            account->setCurrentIndex(index);
        else
            account->setEditText(code);
    }

    QStringList gridNames() const
    {
        QStringList names;
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            names << grid->model()->index(row, 0).data().toString();
        return names;
    }
    // Clicks the grid row showing this name, as the user would.
    void selectRow(const QString& rowName)
    {
        const int row = gridNames().indexOf(rowName);
        QVERIFY2(row >= 0, qPrintable(rowName));
        const QRect cell = grid->visualRect(grid->model()->index(row, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        // Storing the row left may re-sort the grid; the clicked definition stays current.
        QCOMPARE(gridNames().value(grid->currentIndex().row()), rowName);
    }

    QStringList listed() const
    {
        QStringList items;
        for (int i = 0; i < codes->count(); ++i)
            items << codes->item(i)->text();
        return items;
    }

    QStringList userNames() { return namesWith(QString()); }
    QStringList namesWith(const QString& internal)
    {
        QStringList names;
        for (const data::ChartDef& def : data::ChartDefStore(f.engine()).all()) {
            if (def.internal == internal)
                names << def.name;
        }
        return names;
    }
    data::ChartDef stored(const QString& defName, const QString& internal = QString())
    {
        return data::ChartDefStore(f.engine()).find(internal, defName).value_or(data::ChartDef());
    }
};

data::Account account(const QString& code, const QString& category = {})
{
    return DataDirFixture::account(code, QStringLiteral("Account ") + code, category);
}

}  // namespace

class TestCustomCharts : public QObject {
    Q_OBJECT
private slots:
    void startUpLoadsTheFirstDefinition();
    void newDefinitionsTakeTheNextFreeName();
    void deleteAsksAndOnlyYesDeletes_data();
    void deleteAsksAndOnlyYesDeletes();
    void editorPanelFollowsTheRows();
    void changedNameIsMadeUnique_data();
    void changedNameIsMadeUnique();
    void addingAnAccount_data();
    void addingAnAccount();
    void removingTheHighlightedAccount();
    void categoryButtons_data();
    void categoryButtons();
    void categoryAddSaveAndRemove();
    void codeListIsStoredWithCrLf();
    void storedCodeListLoads_data();
    void storedCodeListLoads();
    void movingWithoutSaveKeepsFieldsButNotTheList();
    void enterPressesSave();
    void showChartSetsTheKind_data();
    void showChartSetsTheKind();
    void showChartWithoutAccountsDoesNothing();
    void showChartSavesPendingChanges();
    void accountCascadesReachTheEditor();
};

void TestCustomCharts::startUpLoadsTheFirstDefinition()
{
    Page p;
    data::ChartDef def = userDef(QStringLiteral("Growth"), QStringLiteral("XYZ\r\nABC\r\n"), QStringLiteral("S"));
    def.title = QStringLiteral("Growth Funds");
    def.legend = true;
    QVERIFY(p.start({account(QStringLiteral("ABC"))}, {def, userDef(QStringLiteral("Zeta"))}));

    // User definitions first by name, then the predefined ones.
    const QStringList names = p.gridNames();
    QCOMPARE(names.mid(0, 2), (QStringList{QStringLiteral("Growth"), QStringLiteral("Zeta")}));
    QCOMPARE(names.size(), 2 + 7);
    QVERIFY(names.contains(QStringLiteral("Overall Line")));
    QCOMPARE(p.grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Name"));
    QCOMPARE(p.grid->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Type"));
    QCOMPARE(p.grid->model()->index(0, 1).data().toString(), QStringLiteral("S"));

    QVERIFY(p.panel->isVisible());
    QCOMPARE(p.name->text(), QStringLiteral("Growth"));
    QCOMPARE(p.title->text(), QStringLiteral("Growth Funds"));
    QCOMPARE(p.listed(), (QStringList{QStringLiteral("ABC"), QStringLiteral("XYZ")}));
    QCOMPARE(p.checkedRadio("RGCuType"), QStringLiteral("Stacked"));
    QCOMPARE(p.checkedRadio("RGCuLegend"), QStringLiteral("Show"));
    QCOMPARE(p.checkedRadio("RGCuGainLoss"), QStringLiteral("No"));
    QVERIFY(!p.save->isEnabled());
    QCOMPARE(p.save->paintedColour(), QColor(192, 192, 192));
    QCOMPARE(p.f.dialogs.calls.size(), 0);
}

void TestCustomCharts::newDefinitionsTakeTheNextFreeName()
{
    Page p;
    QVERIFY(p.start({account(QStringLiteral("A1"))}, {}));
    for (int i = 0; i < 3; ++i)
        p.click("BtnCustomAdd");
    const QStringList series{QStringLiteral("New Chart"), QStringLiteral("New Chart 1"), QStringLiteral("New Chart 2")};
    QCOMPARE(p.userNames(), series);

    // The editor is on the last one added, with the defaults of a new definition.
    QCOMPARE(p.name->text(), QStringLiteral("New Chart 2"));
    QCOMPARE(p.title->text(), QString());
    QVERIFY(p.listed().isEmpty());
    QCOMPARE(p.checkedRadio("RGCuType"), QStringLiteral("Line"));
    QCOMPARE(p.checkedRadio("RGCuLegend"), QStringLiteral("Hide"));
    QCOMPARE(p.checkedRadio("RGCuGainLoss"), QStringLiteral("No"));
    QVERIFY(!p.save->isEnabled());
    const data::ChartDef added = p.stored(QStringLiteral("New Chart 2"));
    QCOMPARE(added.type, QStringLiteral("L"));
    QVERIFY(!added.legend && !added.gainLoss && added.codes.isEmpty() && added.title.isEmpty());

    p.selectRow(QStringLiteral("New Chart 1"));
    p.f.dialogs.answers = {Answer::Yes};
    p.click("BtnCustomDel");
    QCOMPARE(p.f.dialogs.texts(ScriptedDialogs::Kind::Confirm), QStringList{QStringLiteral("Delete \"New Chart 1\"?")});
    QCOMPARE(p.userNames(), (QStringList{QStringLiteral("New Chart"), QStringLiteral("New Chart 2")}));

    p.click("BtnCustomAdd");
    QCOMPARE(p.userNames(), series);
    QCOMPARE(p.name->text(), QStringLiteral("New Chart 1"));
}

void TestCustomCharts::deleteAsksAndOnlyYesDeletes_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QString>("shown");
    const QStringList both{QStringLiteral("Alpha"), QStringLiteral("Beta")};
    QTest::newRow("yes") << Answer::Yes << QStringList{QStringLiteral("Beta")} << QStringLiteral("Beta");
    QTest::newRow("no") << Answer::No << both << QStringLiteral("Alpha");
    QTest::newRow("cancel") << Answer::Cancel << both << QStringLiteral("Alpha");
}

void TestCustomCharts::deleteAsksAndOnlyYesDeletes()
{
    QFETCH(Answer, answer);
    QFETCH(QStringList, left);
    QFETCH(QString, shown);
    Page p;
    QVERIFY(p.start({account(QStringLiteral("A1"))},
                    {userDef(QStringLiteral("Alpha"), QStringLiteral("A1\r\n")), userDef(QStringLiteral("Beta"))}));
    p.f.dialogs.answers = {answer};
    p.click("BtnCustomDel");
    QCOMPARE(p.f.dialogs.texts(ScriptedDialogs::Kind::Confirm), QStringList{QStringLiteral("Delete \"Alpha\"?")});
    QCOMPARE(p.userNames(), left);
    // The grid moves to the neighbouring row and loads it.
    QCOMPARE(p.name->text(), shown);
    QCOMPARE(p.gridNames().at(p.grid->currentIndex().row()), shown);
}

void TestCustomCharts::editorPanelFollowsTheRows()
{
    Page p;
    QVERIFY(p.start({account(QStringLiteral("A1"))}, {userDef(QStringLiteral("Only"))}, false));
    QVERIFY(p.panel->isVisible());

    p.f.dialogs.answers = {Answer::No};
    p.click("BtnCustomDel");
    QVERIFY(p.panel->isVisible());

    p.f.dialogs.answers = {Answer::Yes};
    p.click("BtnCustomDel");
    QVERIFY(p.gridNames().isEmpty());
    QVERIFY(!p.panel->isVisible());

    // With nothing left the buttons that need a definition do nothing.
    p.click("BtnCustomDel");
    p.find<CustomChartsPage>("Page4")->BtnCustomChartClick();
    QCOMPARE(p.f.dialogs.calls.size(), 2);
    QVERIFY(p.f.window->ChartKind.isEmpty());

    p.click("BtnCustomAdd");
    QVERIFY(p.panel->isVisible());
    QCOMPARE(p.name->text(), QStringLiteral("New Chart"));
    QCOMPARE(p.gridNames(), QStringList{QStringLiteral("New Chart")});
}

void TestCustomCharts::changedNameIsMadeUnique_data()
{
    QTest::addColumn<QStringList>("others");  // user definitions besides the edited one
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byMoving");       // stored by moving to another row instead of Save
    QTest::addColumn<QString>("storedName");

    const QStringList growth{QStringLiteral("Growth")};
    const QStringList growthAnd1{QStringLiteral("Growth"), QStringLiteral("Growth 1")};
    for (bool byMoving : {false, true}) {
        const char* how = byMoving ? "moving" : "save";
        QTest::addRow("taken, %s", how) << growth << QStringLiteral("Growth") << byMoving << QStringLiteral("Growth 1");
        QTest::addRow("taken twice, %s", how)
            << growthAnd1 << QStringLiteral("Growth") << byMoving << QStringLiteral("Growth 2");
        QTest::addRow("predefined name, %s", how)
            << growth << QStringLiteral("Overall Line") << byMoving << QStringLiteral("Overall Line");
        QTest::addRow("free, %s", how) << growth << QStringLiteral("Income") << byMoving << QStringLiteral("Income");
        QTest::addRow("other case, %s", how) << growth << QStringLiteral("growth") << byMoving << QStringLiteral("growth");
    }
}

void TestCustomCharts::changedNameIsMadeUnique()
{
    QFETCH(QStringList, others);
    QFETCH(QString, typed);
    QFETCH(bool, byMoving);
    QFETCH(QString, storedName);

    Page p;
    QVector<data::ChartDef> defs{userDef(QStringLiteral("Aaa"))};
    for (const QString& other : others)
        defs << userDef(other);
    QVERIFY(p.start({account(QStringLiteral("A1"))}, defs));
    QCOMPARE(p.name->text(), QStringLiteral("Aaa"));

    Page::type(p.name, typed);
    QVERIFY(p.save->isEnabled());
    if (byMoving)
        p.selectRow(others.first());
    else
        p.click("BtnCustomSave");

    QStringList expected = others;
    expected << storedName;
    std::sort(expected.begin(), expected.end());
    QStringList names = p.userNames();
    std::sort(names.begin(), names.end());
    QCOMPARE(names, expected);
    QVERIFY(p.namesWith(QStringLiteral("$")).contains(QStringLiteral("Overall Line")));
    if (!byMoving) {
        // The editor shows the name as stored, and stays on the definition.
        QCOMPARE(p.name->text(), storedName);
        QCOMPARE(p.gridNames().at(p.grid->currentIndex().row()), storedName);
        QVERIFY(!p.save->isEnabled());
    } else {
        QCOMPARE(p.name->text(), others.first());
    }
}

void TestCustomCharts::addingAnAccount_data()
{
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<bool>("changed");

    QTest::newRow("new code, sorted in") << "b2\r\nC3\r\n" << "A1" << QStringList{"A1", "b2", "C3"} << true;
    QTest::newRow("between, case ignored") << "A1\r\nC3\r\n" << "b2" << QStringList{"A1", "b2", "C3"} << true;
    QTest::newRow("listed already") << "A1\r\n" << "A1" << QStringList{"A1"} << false;
    QTest::newRow("other case is another code") << "A1\r\n" << "a1" << QStringList{"A1", "a1"} << true;
    QTest::newRow("typed, no such account") << "A1\r\n" << "ZZ" << QStringList{"A1", "ZZ"} << true;
    QTest::newRow("empty combo") << "A1\r\n" << "" << QStringList{"A1"} << false;
}

void TestCustomCharts::addingAnAccount()
{
    QFETCH(QString, memo);
    QFETCH(QString, code);
    QFETCH(QStringList, listed);
    QFETCH(bool, changed);
    Page p;
    QVERIFY(p.start({account(QStringLiteral("A1")), account(QStringLiteral("a1")), account(QStringLiteral("b2"))},
                    {userDef(QStringLiteral("Alpha"), memo)}));
    // The combo offers the account codes in code order.
    QCOMPARE(p.account->count(), 3);
    QCOMPARE(p.account->itemText(0), QStringLiteral("A1"));

    p.chooseAccount(code);
    p.click("BtnCuCodeAdd");
    QCOMPARE(p.listed(), listed);
    QCOMPARE(p.save->isEnabled(), changed);
    QCOMPARE(p.account->currentText(), code);
    // Only Save stores the list.
    QCOMPARE(p.stored(QStringLiteral("Alpha")).codes, memo);

    // A second attempt with the same code changes nothing, not even a saved state.
    p.click("BtnCustomSave");
    QVERIFY(!p.save->isEnabled());
    p.click("BtnCuCodeAdd");
    QCOMPARE(p.listed(), listed);
    QVERIFY(!p.save->isEnabled());
}

void TestCustomCharts::removingTheHighlightedAccount()
{
    Page p;
    QVERIFY(p.start({account(QStringLiteral("A1"))}, {userDef(QStringLiteral("Alpha"), "A1\r\nB2\r\nC3\r\n")}));
    p.click("BtnCuCodeDel");  // nothing highlighted
    QCOMPARE(p.listed(), (QStringList{"A1", "B2", "C3"}));
    QVERIFY(!p.save->isEnabled());

    p.codes->setCurrentRow(1);
    p.click("BtnCuCodeDel");
    QCOMPARE(p.listed(), (QStringList{"A1", "C3"}));
    QVERIFY(p.save->isEnabled());
    QCOMPARE(p.save->paintedColour(), QColor(255, 0, 255));
    p.click("BtnCustomSave");
    QCOMPARE(p.stored(QStringLiteral("Alpha")).codes, QStringLiteral("A1\r\nC3\r\n"));
}

void TestCustomCharts::categoryButtons_data()
{
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("add");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<bool>("changed");

    // Accounts: A1, A2, A3 in "Bonds"; B1 in "Stocks"; I1, I2 in "Int'l". ZZ is no account.
    QTest::newRow("add Bonds") << "A1\r\n" << "A2" << true << QStringList{"A1", "A2", "A3"} << true;
    QTest::newRow("add Bonds, all listed") << "A1\r\nA2\r\nA3\r\n" << "A1" << true << QStringList{"A1", "A2", "A3"}
                                           << false;
    QTest::newRow("remove Bonds, others stay") << "A1\r\nA3\r\nB1\r\nZZ\r\n" << "A2" << false
                                               << QStringList{"B1", "ZZ"} << true;
    QTest::newRow("remove Bonds, none listed") << "B1\r\nZZ\r\n" << "A2" << false << QStringList{"B1", "ZZ"} << false;
    QTest::newRow("add apostrophe") << "B1\r\n" << "I2" << true << QStringList{"B1", "I1", "I2"} << true;
    QTest::newRow("remove apostrophe") << "B1\r\nI1\r\nI2\r\n" << "I1" << false << QStringList{"B1"} << true;
    QTest::newRow("add, no such account") << "A1\r\n" << "ZZ" << true << QStringList{"A1"} << false;
    QTest::newRow("remove, no such account") << "A1\r\nZZ\r\n" << "ZZ" << false << QStringList{"A1", "ZZ"} << false;
    QTest::newRow("add, empty combo") << "A1\r\n" << "" << true << QStringList{"A1"} << false;
}

void TestCustomCharts::categoryButtons()
{
    QFETCH(QString, memo);
    QFETCH(QString, chosen);
    QFETCH(bool, add);
    QFETCH(QStringList, listed);
    QFETCH(bool, changed);
    Page p;
    const QString bonds = QStringLiteral("Bonds");
    const QString intl = QStringLiteral("Int'l");
    QVERIFY(p.start({account("A3", bonds), account("A1", bonds), account("A2", bonds), account("B1", "Stocks"),
                     account("I1", intl), account("I2", intl)},
                    {userDef(QStringLiteral("Alpha"), memo)}));

    p.chooseAccount(chosen);
    p.click(add ? "BtnCuCodeAddCat" : "BtnCuCodeDelCat");
    QCOMPARE(p.listed(), listed);
    QCOMPARE(p.save->isEnabled(), changed);
    QCOMPARE(p.account->currentText(), chosen);
    QVERIFY2(p.f.dialogs.calls.isEmpty(), qPrintable(p.f.dialogs.allTexts().join('\n')));
}

void TestCustomCharts::categoryAddSaveAndRemove()
{
    Page p;
    const QString bonds = QStringLiteral("Bonds");
    QVERIFY(p.start({account("A1", bonds), account("A2", bonds), account("A3", bonds)},
                    {userDef(QStringLiteral("Alpha"), "A1\r\n")}));
    p.chooseAccount(QStringLiteral("A2"));
    p.click("BtnCuCodeAddCat");
    QCOMPARE(p.listed(), (QStringList{"A1", "A2", "A3"}));
    QVERIFY(p.save->isEnabled());

    p.click("BtnCustomSave");
    QVERIFY(!p.save->isEnabled());
    QCOMPARE(p.stored(QStringLiteral("Alpha")).codes, QStringLiteral("A1\r\nA2\r\nA3\r\n"));

    p.click("BtnCuCodeDelCat");
    QVERIFY(p.listed().isEmpty());
    QVERIFY(p.save->isEnabled());
    p.click("BtnCustomSave");
    QCOMPARE(p.stored(QStringLiteral("Alpha")).codes, QString());
}

void TestCustomCharts::codeListIsStoredWithCrLf()
{
    Page p;
    QVERIFY(p.start({account("ABC"), account("XYZ")}, {userDef(QStringLiteral("Alpha"))}));
    p.chooseAccount(QStringLiteral("XYZ"));
    p.click("BtnCuCodeAdd");
    p.chooseAccount(QStringLiteral("ABC"));
    p.click("BtnCuCodeAdd");
    p.click("BtnCustomSave");

    const QByteArray bytes = p.stored(QStringLiteral("Alpha")).codes.toUtf8();
    QCOMPARE(bytes, QByteArray("ABC\r\nXYZ\r\n"));
    QCOMPARE(bytes.size(), 10);
}

void TestCustomCharts::storedCodeListLoads_data()
{
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("CR LF after every code") << "ABC\r\nXYZ\r\n" << QStringList{"ABC", "XYZ"};
    QTest::newRow("no final line end") << "ABC\r\nXYZ" << QStringList{"ABC", "XYZ"};
    QTest::newRow("lone LF and CR") << "XYZ\nABC\r" << QStringList{"ABC", "XYZ"};
    QTest::newRow("sorted, case ignored") << "c3\r\nB2\r\na1\r\n" << QStringList{"a1", "B2", "c3"};
    QTest::newRow("empty memo") << "" << QStringList{};
}

void TestCustomCharts::storedCodeListLoads()
{
    QFETCH(QString, memo);
    QFETCH(QStringList, listed);
    Page p;
    QVERIFY(p.start({account("ABC")}, {userDef(QStringLiteral("Alpha"), memo), userDef(QStringLiteral("Beta"))}));
    QCOMPARE(p.listed(), listed);
    p.selectRow(QStringLiteral("Beta"));
    QVERIFY(p.listed().isEmpty());
    p.selectRow(QStringLiteral("Alpha"));
    QCOMPARE(p.listed(), listed);
    QVERIFY(!p.save->isEnabled());
    // Loading and moving write nothing.
    QCOMPARE(p.stored(QStringLiteral("Alpha")).codes, memo);
}

void TestCustomCharts::movingWithoutSaveKeepsFieldsButNotTheList()
{
    Page p;
    QVERIFY(p.start({account("A1"), account("A2")},
                    {userDef(QStringLiteral("Alpha"), "A1\r\n"), userDef(QStringLiteral("Beta"), "A2\r\n")}));
    p.chooseAccount(QStringLiteral("A2"));
    p.click("BtnCuCodeAdd");
    Page::type(p.title, QStringLiteral("Changed"));
    p.clickRadio("RGCuType", QStringLiteral("Pie"));
    p.clickRadio("RGCuLegend", QStringLiteral("Show"));
    p.clickRadio("RGCuGainLoss", QStringLiteral("Yes"));
    QCOMPARE(p.listed(), (QStringList{"A1", "A2"}));

    p.selectRow(QStringLiteral("Beta"));
    QCOMPARE(p.listed(), QStringList{"A2"});
    QVERIFY(!p.save->isEnabled());

    const data::ChartDef alpha = p.stored(QStringLiteral("Alpha"));
    QCOMPARE(alpha.title, QStringLiteral("Changed"));
    QCOMPARE(alpha.type, QStringLiteral("P"));
    QVERIFY(alpha.legend);
    QVERIFY(alpha.gainLoss);
    QCOMPARE(alpha.codes, QStringLiteral("A1\r\n"));

    p.selectRow(QStringLiteral("Alpha"));
    QCOMPARE(p.title->text(), QStringLiteral("Changed"));
    QCOMPARE(p.checkedRadio("RGCuType"), QStringLiteral("Pie"));
    QCOMPARE(p.listed(), QStringList{"A1"});
    QCOMPARE(p.stored(QStringLiteral("Beta")).codes, QStringLiteral("A2\r\n"));
}

void TestCustomCharts::enterPressesSave()
{
    Page p;
    QVERIFY(p.start({account("A1")}, {userDef(QStringLiteral("Alpha"))}));
    Page::type(p.title, QStringLiteral("By Enter"));
    QTest::keyClick(p.title, Qt::Key_Return);
    QVERIFY(!p.save->isEnabled());
    QCOMPARE(p.stored(QStringLiteral("Alpha")).title, QStringLiteral("By Enter"));
}

void TestCustomCharts::showChartSetsTheKind_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("kind");
    QTest::newRow("bar") << "B" << "Work";
    QTest::newRow("line") << "L" << "Work";
    QTest::newRow("pie") << "P" << "WorkPie";
    QTest::newRow("stacked") << "S" << "Work";
}

void TestCustomCharts::showChartSetsTheKind()
{
    QFETCH(QString, type);
    QFETCH(QString, kind);
    Page p;  // today is 2008-06-15: the chart range is the year 2008
    p.f.addEntry(DataDirFixture::entry(QStringLiteral("A1"), QDate(2008, 1, 10), 10.0, 100.0));
    p.f.addEntry(DataDirFixture::entry(QStringLiteral("A1"), QDate(2008, 3, 10), 12.0, 100.0));
    QVERIFY(p.start({account("A1", "Bonds")}, {userDef(QStringLiteral("Alpha"), "A1\r\n", type)}));

    p.click("BtnCustomChart");
    QCOMPARE(p.f.window->ChartKind, kind);
    // The Charts page drew it and came to the front.
    QCOMPARE(p.f.window->notebook()->currentWidget()->objectName(), QStringLiteral("ChartPage"));
    QVERIFY(p.f.engine().workTableExists());
    QVERIFY2(p.f.dialogs.calls.isEmpty(), qPrintable(p.f.dialogs.allTexts().join('\n')));
}

void TestCustomCharts::showChartWithoutAccountsDoesNothing()
{
    Page p;
    QVERIFY(p.start({account("A1")}, {userDef(QStringLiteral("Alpha")), userDef(QStringLiteral("Beta"), "A1\r\n")}));
    p.click("BtnCustomChart");  // empty list
    QVERIFY(p.f.window->ChartKind.isEmpty());
    QCOMPARE(p.f.window->notebook()->currentWidget()->objectName(), QStringLiteral("Page4"));

    // No accounts at all: the list names one, but there is nothing to chart.
    data::AccountStore(p.f.engine()).remove(QStringLiteral("A1"));
    p.selectRow(QStringLiteral("Beta"));
    p.chooseAccount(QStringLiteral("A1"));
    p.click("BtnCuCodeAdd");
    QCOMPARE(p.listed(), QStringList{"A1"});
    p.click("BtnCustomChart");
    QVERIFY(p.f.window->ChartKind.isEmpty());
    QCOMPARE(p.f.window->notebook()->currentWidget()->objectName(), QStringLiteral("Page4"));
    QVERIFY(p.f.dialogs.calls.isEmpty());
}

void TestCustomCharts::showChartSavesPendingChanges()
{
    Page p;
    p.f.addEntry(DataDirFixture::entry(QStringLiteral("A1"), QDate(2008, 1, 10), 10.0, 100.0));
    QVERIFY(p.start({account("A1")}, {userDef(QStringLiteral("Alpha"))}));
    p.chooseAccount(QStringLiteral("A1"));
    p.click("BtnCuCodeAdd");
    p.clickRadio("RGCuType", QStringLiteral("Pie"));
    Page::type(p.title, QStringLiteral("Saved first"));

    p.click("BtnCustomChart");
    const data::ChartDef alpha = p.stored(QStringLiteral("Alpha"));
    QCOMPARE(alpha.codes, QStringLiteral("A1\r\n"));
    QCOMPARE(alpha.title, QStringLiteral("Saved first"));
    QCOMPARE(alpha.type, QStringLiteral("P"));
    QVERIFY(!p.save->isEnabled());
    QCOMPARE(p.f.window->ChartKind, QStringLiteral("WorkPie"));
}

void TestCustomCharts::accountCascadesReachTheEditor()
{
    Page p;
    QVERIFY(p.start({account("ABC"), account("XYZ")},
                    {userDef(QStringLiteral("Aaa"), "XYZ\r\n"), userDef(QStringLiteral("Mixed"), "XYZ\r\nABC\r\nABC\r\n")}));
    p.selectRow(QStringLiteral("Mixed"));
    Page::type(p.title, QStringLiteral("Kept"));
    auto* page = p.find<CustomChartsPage>("Page4");

    data::Account renamed = *data::AccountStore(p.f.engine()).find(QStringLiteral("ABC"));
    renamed.code = QStringLiteral("ZED");
    data::AccountStore(p.f.engine()).renameAndUpdate(QStringLiteral("ABC"), renamed);
    page->refreshAfterAccountCascade();
    QCOMPARE(p.gridNames().at(p.grid->currentIndex().row()), QStringLiteral("Mixed"));
    QCOMPARE(p.listed(), (QStringList{"XYZ", "ZED", "ZED"}));
    QCOMPARE(p.title->text(), QStringLiteral("Kept"));
    QVERIFY(!p.save->isEnabled());
    QCOMPARE(p.account->findText(QStringLiteral("ZED")), 1);
    QCOMPARE(p.account->findText(QStringLiteral("ABC")), -1);

    data::AccountStore(p.f.engine()).remove(QStringLiteral("XYZ"));
    page->refreshAfterAccountCascade();
    QCOMPARE(p.gridNames().at(p.grid->currentIndex().row()), QStringLiteral("Mixed"));
    QCOMPARE(p.listed(), (QStringList{"ZED", "ZED"}));
    QCOMPARE(p.stored(QStringLiteral("Aaa")).codes, QString());
    QVERIFY(p.f.dialogs.calls.isEmpty());
}

QTEST_MAIN(TestCustomCharts)
#include "test_custom_charts.moc"
