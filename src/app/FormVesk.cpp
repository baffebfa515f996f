#include "app/FormVesk.h"

#include "accounts/AccountInfoPage.h"
#include "accounts/AccountsPage.h"
#include "app/AboutWindow.h"
#include "app/HelpWindow.h"
#include "charts/ChartsPage.h"
#include "charts/CustomChartsPage.h"
#include "common/Dates.h"
#include "common/Rounding.h"
#include "common/SettingsSearch.h"
#include "data/AccountStore.h"
#include "entries/EntriesPage.h"
#include "update/UpdateCheck.h"
#include "update/UpdateConfig.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QVBoxLayout>
#include <SQLiteCpp/Exception.h>

namespace quorvel {

namespace {

struct PageInfo {
    const char* caption;
    QColor colour;
    int helpContext;
};

const PageInfo kPages[] = {
    {"Accounts", Qt::darkGreen, 40},  {"Account Info.", Qt::darkGreen, 50}, {"Entries", Qt::blue, 60},
    {"Charts", Qt::magenta, 80},      {"Custom Charts", Qt::magenta, 90},
};

}  // namespace

FormVesk::FormVesk(const Environment& environment, QWidget* parent)
    : QMainWindow(parent), ExeDir(environment.exeDir), m_injectedToday(environment.today)
{
    setObjectName(QStringLiteral("FormVesk"));
    setWindowTitle(QStringLiteral("Quorvel"));
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(12);
    setFont(font);
    setGeometry(208, 110, 818, 592);
    setWindowState(Qt::WindowMaximized);

    if (environment.dialogs) {
        m_dialogs = environment.dialogs;
    } else {
        m_ownDialogs = std::make_unique<MessageBoxDialogs>();
        m_dialogs = m_ownDialogs.get();
    }
    if (environment.launcher) {
        m_launcher = environment.launcher;
    } else {
        m_ownLauncher = std::make_unique<DesktopLauncher>();
        m_launcher = m_ownLauncher.get();
    }

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_notebook = new QTabWidget(central);
    m_notebook->setObjectName(QStringLiteral("NBVesk"));
    m_notebook->setProperty("helpContext", 80);
    // On the tab bar alone: a style sheet on the notebook would stop the
    // window's font from reaching the pages.
    m_notebook->tabBar()->setStyleSheet(QStringLiteral(
        "QTabBar::tab:selected { font-family: 'Courier New'; font-weight: bold; }"));
    layout->addWidget(m_notebook, 1);
    m_message = new QLabel(central);
    m_message->setObjectName(QStringLiteral("PnlMessage"));
    m_message->setFixedHeight(25);
    m_message->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_message->setText(QStringLiteral("PnlMessage"));
    layout->addWidget(m_message);
    setCentralWidget(central);

    buildMenu();
    buildPages();
    m_updateCheck = new UpdateCheck(this, *m_dialogs, *m_launcher, QString(), ExeDir);
    connect(m_updateCheck, &UpdateCheck::closeProgramRequested, this, &QWidget::close);
}

FormVesk::~FormVesk()
{
    if (m_busy)
        QApplication::restoreOverrideCursor();
}

void FormVesk::buildPages()
{
    m_accountsPage = new AccountsPage(*this);
    m_accountInfoPage = new AccountInfoPage(*this);
    m_entriesPage = new EntriesPage(*this);
    m_chartsPage = new ChartsPage(*this);
    m_customChartsPage = new CustomChartsPage(*this);
    QWidget* pages[] = {m_accountsPage, m_accountInfoPage, m_entriesPage, m_chartsPage, m_customChartsPage};
    for (int i = 0; i < 5; ++i) {
        pages[i]->setProperty("helpContext", kPages[i].helpContext);
        m_notebook->addTab(pages[i], QString::fromLatin1(kPages[i].caption));
        m_notebook->tabBar()->setTabTextColor(i, kPages[i].colour);
    }
}

void FormVesk::buildMenu()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("Exit1"));
    exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    connect(exit, &QAction::triggered, this, [this] { close(); });
    file->addSeparator()->setObjectName(QStringLiteral("N1"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    QAction* about = help->addAction(QStringLiteral("About"));
    about->setObjectName(QStringLiteral("About1"));
    connect(about, &QAction::triggered, this, [this] { showAbout(); });
    QAction* helpItem = help->addAction(QStringLiteral("Help"));
    helpItem->setObjectName(QStringLiteral("Help2"));
    helpItem->setShortcut(QKeySequence(Qt::Key_F1));
    // F1 opens the topic of the page that has the focus; the menu item itself
    // (chosen with the mouse) opens the general topic.
    // Until the first account exists (the welcome message sends the user to
    // F1) it is always the general topic.
    connect(helpItem, &QAction::triggered, this, [this] {
        const bool fromKey = QApplication::mouseButtons() == Qt::NoButton;
        const bool accountsExist = m_notebook->isTabEnabled(1);
        const QWidget* focus = focusWidget();
        showHelp(fromKey && accountsExist && focus && isAncestorOf(focus) ? HelpWindow::contextFor(focus) : 20);
    });
    help->addSeparator()->setObjectName(QStringLiteral("N3"));
    QAction* updates = help->addAction(QStringLiteral("Look For Updates"));
    updates->setObjectName(QStringLiteral("LookForUpdates1"));
    connect(updates, &QAction::triggered, this, [this] { lookForUpdates(); });
    help->addSeparator()->setObjectName(QStringLiteral("N2"));
    QAction* backup = help->addAction(QStringLiteral("Backup Files"));
    backup->setObjectName(QStringLiteral("BackupFiles1"));
    QAction* recover = help->addAction(QStringLiteral("Recover Data"));
    recover->setObjectName(QStringLiteral("RecoverData1"));
    // Both commands open the general topic, which explains backing up and recovering.
    connect(backup, &QAction::triggered, this, [this] { showHelp(20); });
    connect(recover, &QAction::triggered, this, [this] { showHelp(20); });
}

bool FormVesk::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::StatusTip:
        // The hint of the control under the mouse, unless a busy text must stay.
        if (!m_busy)
            m_message->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    case QEvent::WindowActivate:
        fitGrids();
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}

void FormVesk::DisplayMessage(const QString& text, bool busy)
{
    if (busy != m_busy) {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
        m_busy = busy;
    }
    QPalette palette = m_message->palette();
    palette.setColor(QPalette::WindowText, busy ? QColor(Qt::red) : this->palette().color(QPalette::WindowText));
    m_message->setPalette(palette);
    m_message->setText(text);
    m_message->repaint();
}

void FormVesk::fitGrids()
{
    const int tabHeight = m_notebook->tabBar()->height();
    const int height = m_notebook->height() - tabHeight;
    m_accountsPage->fitGrid(height, m_notebook->width() - 20);
    m_entriesPage->fitGrid(height);
    m_customChartsPage->fitGrid(height);
}

bool FormVesk::connectVesk()
{
    Connected = false;
    DataDirectory.clear();
    const SettingsSearchResult found = findDataDirectory(ExeDir);
    // The search ends where the settings file was found, like a shell's cwd.
    if (!found.lastDirectory.isEmpty())
        QDir::setCurrent(found.lastDirectory);
    DataDirectory = found.dataDirectory;
    if (DataDirectory.isEmpty()) {
        m_dialogs->error(this, QStringLiteral(
            "\"VeskConnect.ini\" file not found. This file must be present in the Quorvel folder (or in the "
            "folder that this program is running from). Contact Support for assistance."));
        return false;
    }
    if (!QFileInfo(DataDirectory).isDir()) {
        m_dialogs->error(this, QStringLiteral("Connection to Quorvel failed."));
        return false;
    }
    m_engine = std::make_unique<data::Engine>(DataDirectory);
    Connected = true;
    return true;
}

bool FormVesk::startUp()
{
    if (!FirstActivation)
        return true;
    DisplayMessage(QStringLiteral("Initializing ..."), true);
    TodayDate = m_injectedToday.isValid() ? m_injectedToday : QDate::currentDate();
    if (ExeDir.isEmpty())
        ExeDir = QCoreApplication::applicationDirPath();
    ExeDir = QDir::cleanPath(ExeDir);

    const auto fail = [this] {
        DisplayMessage(QString(), false);
        return false;
    };
    if (!connectVesk())
        return fail();
    const QString missing = m_engine->firstMissingTableFile();
    if (!missing.isEmpty()) {
        m_dialogs->error(this, QStringLiteral("Database file \"%1\" cannot be found in directory \"%2\".")
                                   .arg(missing, QDir::toNativeSeparators(DataDirectory)));
        return fail();
    }
    m_engine->registerPassword(QString::fromLatin1(data::Engine::kControlPassword));
    try {
        const data::DataVersion version = m_engine->readDataVersion();
        // The tie rule is read on '.'-text whatever the user's decimal
        // separator, so whether a data directory opens does not depend on
        // the locale of the person opening it.
        if (RoundTo2Decimals(version.sum()) != RoundTo2Decimals(ProgramVersion)) {
            const QLocale locale;
            m_dialogs->error(this, QStringLiteral(
                "Version out of sync with data. Program is on version %1, and data is on version %2. "
                "Please contact Support (800-555-0142) for assistance.")
                .arg(locale.toString(ProgramVersion, 'f', 2), locale.toString(version.sum(), 'f', 2)));
            return fail();
        }
        m_engine->openTables();
    } catch (const data::StoreError& e) {
        m_dialogs->error(this, e.message());
        return fail();
    }

    m_updateCheck->setDataDirectory(DataDirectory);
    m_updateCheck->setExeDir(ExeDir);
    FtpPassword = assembleFtpPassword();
    DisplayMessage(QString(), false);

    try {
        data::AccountStore accounts(*m_engine);
        const QVector<data::Account> natural = accounts.naturalOrder();
        CurrAcctCode = natural.isEmpty() ? QString() : natural.first().code;
        setAccountPagesEnabled(!natural.isEmpty());
        ChartKind.clear();
        m_chartsPage->resetOptions();
        HideCharts();
        m_entriesPage->setIncrement(2);
        showPage(QStringLiteral("Accounts"));
        m_chartsPage->setDefaultRange(TodayDate);
        m_accountsPage->setFilter(0, false);
        AcctSortAsc = true;
        AcctSortField.clear();
        DBGAcctsTitleButtonClick(QStringLiteral("AName"));
        m_accountsPage->moveToFirst();
        DBGAcctsRowChanged();
        m_accountsPage->focusGrid();
        DBGChartsCRowChanged();
        FirstActivation = false;
        if (!natural.isEmpty()) {
            m_accountsPage->setFilter(1, true);
        } else {
            m_dialogs->information(this, QStringLiteral(
                "Welcome to Quorvel! To begin, please read the help topic \"Getting Started / Account "
                "Management.\" (Press F1 after this message.) This will guide you through adding an account."));
        }
    } catch (const std::exception& e) {
        reportError(e);
        return fail();
    }
    fitGrids();
    return true;
}

void FormVesk::reportError(const std::exception& error)
{
    if (m_busy)
        DisplayMessage(QString(), false);
    QString text = QString::fromUtf8(error.what());
    // The engine's own words ("database or disk is full") need a sentence around them.
    if (dynamic_cast<const SQLite::Exception*>(&error))
        text = QStringLiteral("The data store could not carry out this operation: %1.").arg(text);
    m_dialogs->error(this, text);
}

void FormVesk::DBGAcctsTitleButtonClick(const QString& fieldName)
{
    m_accountsPage->reload(fieldName);
}

void FormVesk::DBGAcctsRowChanged()
{
    m_accountsPage->rowChanged();
}

void FormVesk::CalcValue()
{
    m_accountsPage->calcValue();
}

void FormVesk::reloadAccountList()
{
    AcctSortAsc = !AcctSortAsc;
    DBGAcctsTitleButtonClick(AcctSortField);
}

void FormVesk::HideCharts()
{
    m_chartsPage->hideCharts();
}

void FormVesk::RedrawChart()
{
    m_chartsPage->redrawChart();
}

void FormVesk::DBGChartsCRowChanged()
{
    m_customChartsPage->rowChanged();
}

void FormVesk::showPage(const QString& caption)
{
    for (int i = 0; i < m_notebook->count(); ++i) {
        if (m_notebook->tabText(i) == caption) {
            m_notebook->setCurrentIndex(i);
            return;
        }
    }
}

void FormVesk::setAccountPagesEnabled(bool enabled)
{
    for (int i = 1; i < m_notebook->count(); ++i)
        m_notebook->setTabEnabled(i, enabled);
}

void FormVesk::showHelp(int context)
{
    if (!m_help)
        m_help = new HelpWindow(this);
    m_help->showTopic(context);
}

void FormVesk::lookForUpdates()
{
    if (!FirstActivation)
        m_updateCheck->lookForUpdates();
}

void FormVesk::showAbout()
{
    FormAbout about(this, *m_launcher, *m_dialogs, ExeDir);
    about.exec();
}

}  // namespace quorvel
