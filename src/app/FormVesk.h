#pragma once
// The main window. It owns the data store, the five pages and the state the
// pages share; the operations that several pages call (the account list
// reload, the current-account processing, the valuation, showing and hiding
// charts, the message line) are reached through it, so each lives in one place.
#include "common/Dialogs.h"
#include "common/Launcher.h"
#include "data/Engine.h"

#include <QDate>
#include <QLabel>
#include <QMainWindow>
#include <QTabWidget>
#include <memory>

class QAction;

namespace quorvel {

class AccountsPage;
class AccountInfoPage;
class EntriesPage;
class ChartsPage;
class CustomChartsPage;
class UpdateCheck;
class HelpWindow;

class FormVesk : public QMainWindow {
    Q_OBJECT
public:
    static constexpr double ProgramVersion = 2.0;

    // What the program takes from its surroundings; tests inject their own.
    struct Environment {
        QString exeDir;   // folder of the program file; empty: the running binary's folder
        QDate today;      // empty: the clock
        Dialogs* dialogs = nullptr;
        Launcher* launcher = nullptr;
    };

    explicit FormVesk(const Environment& environment, QWidget* parent = nullptr);
    ~FormVesk() override;

    // Runs the start-up sequence (the first activation). False when the
    // program must end; the reason has been shown.
    bool startUp();
    bool firstActivation() const { return FirstActivation; }

    // --- program-wide state ---
    QString ExeDir;
    QString DataDirectory;
    bool Connected = false;
    QDate TodayDate;
    QString CurrAcctCode;
    bool FirstActivation = true;
    QString ChartKind;
    QString AcctSortField;
    bool AcctSortAsc = true;
    bool AcctListReady = false;
    QDate CurrEntryDate;
    QString FtpPassword;

    // --- shared operations ---
    void DisplayMessage(const QString& text, bool busy);
    void DBGAcctsTitleButtonClick(const QString& fieldName);  // list reload
    void DBGAcctsRowChanged();                                // current-account processing
    void CalcValue();                                         // valuation
    void HideCharts();
    void RedrawChart();
    void DBGChartsCRowChanged();
    // Reload the list in the same sort (inverts AcctSortAsc, then reloads).
    void reloadAccountList();

    // Shows the page with the given caption ("Accounts", "Entries", ...).
    void showPage(const QString& caption);
    // Pages 1 to 4 are usable exactly when accounts exist.
    void setAccountPagesEnabled(bool enabled);
    // Opens the help book at a context (20 general, 40.. pages).
    void showHelp(int context);
    // Reports an error that an operation did not expect (an engine failure).
    void reportError(const std::exception& error);

    data::Engine& engine() { return *m_engine; }
    Dialogs& dialogs() { return *m_dialogs; }
    Launcher& launcher() { return *m_launcher; }
    QTabWidget* notebook() const { return m_notebook; }
    QLabel* messageLine() const { return m_message; }

    AccountsPage* accountsPage() const { return m_accountsPage; }
    AccountInfoPage* accountInfoPage() const { return m_accountInfoPage; }
    EntriesPage* entriesPage() const { return m_entriesPage; }
    ChartsPage* chartsPage() const { return m_chartsPage; }
    CustomChartsPage* customChartsPage() const { return m_customChartsPage; }

    bool isBusy() const { return m_busy; }
    UpdateCheck* updateCheck() const { return m_updateCheck; }

protected:
    bool event(QEvent* event) override;

private:
    void buildMenu();
    void buildPages();
    bool connectVesk();
    void fitGrids();
    void lookForUpdates();
    void showAbout();

    std::unique_ptr<data::Engine> m_engine;
    std::unique_ptr<Dialogs> m_ownDialogs;
    std::unique_ptr<Launcher> m_ownLauncher;
    Dialogs* m_dialogs = nullptr;
    Launcher* m_launcher = nullptr;
    QTabWidget* m_notebook = nullptr;
    QLabel* m_message = nullptr;
    AccountsPage* m_accountsPage = nullptr;
    AccountInfoPage* m_accountInfoPage = nullptr;
    EntriesPage* m_entriesPage = nullptr;
    ChartsPage* m_chartsPage = nullptr;
    CustomChartsPage* m_customChartsPage = nullptr;
    UpdateCheck* m_updateCheck = nullptr;
    HelpWindow* m_help = nullptr;
    bool m_busy = false;
    QDate m_injectedToday;
};

}  // namespace quorvel
