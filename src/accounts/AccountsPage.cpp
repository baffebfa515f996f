#include "accounts/AccountsPage.h"

#include "accounts/AccountGrid.h"
#include "accounts/AccountInfoPage.h"
#include "accounts/AccountListModel.h"
#include "accounts/ListNotReady.h"
#include "accounts/RadioGroupFrame.h"
#include "accounts/Valuation.h"
#include "app/FormVesk.h"
#include "app/PageLabels.h"
#include "app/ShapeButton.h"
#include "common/Hint.h"
#include "data/AccountStore.h"
#include "entries/EntriesPage.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace quorvel {

namespace {

// The grid is not repainted while the list is rebuilt or the values are
// written. (It is frozen rather than hidden, so it keeps the input focus.)
class GridFreeze {
public:
    explicit GridFreeze(QWidget* grid) : m_grid(grid), m_was(grid->updatesEnabled())
    {
        m_grid->setUpdatesEnabled(false);
    }
    ~GridFreeze() { m_grid->setUpdatesEnabled(m_was); }

private:
    QWidget* m_grid;
    bool m_was;
};

}  // namespace

AccountsPage::AccountsPage(FormVesk& form, QWidget* parent) : QWidget(parent), m_form(form)
{
    setObjectName(QStringLiteral("Page1"));
    buildControls();
}

void AccountsPage::buildControls()
{
    const QColor green = ShapeButton::green();
    m_add = ShapeButton::create(this, QStringLiteral("BtnAcctAdd"), ShapeButton::Shape::Plus, green,
                                QRect(8, 16, 25, 24), QStringLiteral("Add a new account"));
    m_delete = ShapeButton::create(this, QStringLiteral("BtnAcctDel"), ShapeButton::Shape::MinusBar, green,
                                   QRect(48, 22, 25, 12), QStringLiteral("Delete the highlighted account"));
    m_copy = ShapeButton::create(this, QStringLiteral("BtnAcctCopy"), ShapeButton::Shape::ArrowRight, green,
                                 QRect(88, 18, 25, 20), QStringLiteral("Copy the highlighted account (and all entries)"));
    connect(m_add, &QAbstractButton::clicked, this,
            [this] { m_form.accountInfoPage()->BtnAcctAddClick(AccountInfoPage::AddKind::Add); });
    connect(m_copy, &QAbstractButton::clicked, this,
            [this] { m_form.accountInfoPage()->BtnAcctAddClick(AccountInfoPage::AddKind::Copy); });
    connect(m_delete, &QAbstractButton::clicked, this, [this] { m_form.accountInfoPage()->BtnAcctDelClick(); });

    QFont captionFont(QStringLiteral("Courier New"));  // the window's font
    captionFont.setPixelSize(12);
    m_filterBox = new QGroupBox(QStringLiteral("View Options"), this);
    m_filterBox->setObjectName(QStringLiteral("RGAcctsFilter"));
    m_filterBox->setFont(captionFont);
    m_filterBox->setGeometry(304, 8, 329, 33);
    frameAsRadioGroup(m_filterBox);
    setHint(m_filterBox, QStringLiteral("View options"));
    m_filter = new QButtonGroup(this);
    const char* items[] = {"All Accounts", "Active Only", "Closed Only"};
    const char* names[] = {"RGAcctsFilterAll", "RGAcctsFilterActive", "RGAcctsFilterClosed"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(QString::fromLatin1(items[i]), m_filterBox);
        radio->setObjectName(QString::fromLatin1(names[i]));
        radio->setFont(captionFont);  // a styled box does not hand its font down
        radio->setGeometry(5 + i * 107, 13, 107, 17);
        setHint(radio, QStringLiteral("View options"));
        m_filter->addButton(radio, i);
    }
    m_filter->button(0)->setChecked(true);
    connect(m_filter, &QButtonGroup::idClicked, this, [this](int id) {
        if (id != m_filterIndex)
            RGAcctsFilterClick();
    });

    makeHeading(this, QStringLiteral("Overall Value"), 19, green, QRect(644, 2, 149, 25))
        ->setAlignment(Qt::AlignCenter);
    m_overallValue = makeLabel(this, QString(), timesFont(16), green);
    m_overallValue->setObjectName(QStringLiteral("LblOverallValue"));
    m_overallValue->setAlignment(Qt::AlignCenter);
    m_overallValue->setGeometry(644, 26, 149, 23);

    m_model = new AccountListModel(this);
    m_grid = new AccountGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGAccts"));
    m_grid->setListModel(m_model);
    m_grid->setGeometry(8, 48, 649, 385);
    setHint(m_grid, QStringLiteral("Accounts defined"));
    connect(m_grid, &AccountGrid::titleClicked, this, &AccountsPage::titleClicked);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, [this] { DBGAcctsDblClick(); });
    // Processed once the mouse or key event that moved the row is finished,
    // so a refused save can put the row back without fighting the view.
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &AccountsPage::gridRowMoved,
            Qt::QueuedConnection);
}

// --- list state ---

const QVector<data::Account>& AccountsPage::listedAccounts() const
{
    return m_model->accounts();
}

QString AccountsPage::currentListCode() const
{
    const int row = m_grid->currentRow();
    return row < 0 ? QString() : m_model->account(row).code;
}

bool AccountsPage::moveListRow(int step)
{
    const int rows = m_model->rowCount();
    if (rows == 0)
        return false;
    const int from = std::max(0, m_grid->currentRow());
    const int to = ((from + step) % rows + rows) % rows;  // wraps at both ends
    ListNotReady notReady(m_form);
    m_grid->setCurrentRow(to);
    return true;
}

void AccountsPage::moveToCode(const QString& code)
{
    const int row = m_model->rowOf(code);
    if (row < 0)
        return;
    ListNotReady notReady(m_form);
    m_grid->setCurrentRow(row);
}

void AccountsPage::applyStoredEdit(const QString& oldCode, const data::Account& stored)
{
    m_model->replaceAccount(oldCode, stored);
    if (m_form.CurrAcctCode == oldCode)
        m_form.CurrAcctCode = stored.code;
}

// --- the list reload and the current account ---

void AccountsPage::reload(const QString& fieldName)
{
    // The account the pages rest on (after an empty list: the last one shown).
    reloadKeeping(fieldName, m_form.accountInfoPage()->restingCode());
}

void AccountsPage::reloadKeeping(const QString& fieldName, const QString& keepCode)
{
    GridFreeze freeze(m_grid);
    {
        ListNotReady notReady(m_form);
        if (fieldName == m_form.AcctSortField)
            m_form.AcctSortAsc = !m_form.AcctSortAsc;  // the same title again: the other direction
        if (!data::accountSortOrder(fieldName, m_form.AcctSortAsc).isEmpty()) {
            m_orderField = fieldName;
            m_orderAscending = m_form.AcctSortAsc;
        }
        m_form.AcctSortField = fieldName;
        const auto filter = static_cast<data::AccountFilter>(m_filterIndex);
        m_model->setAccounts(data::AccountStore(m_form.engine()).list(filter, m_orderField, m_orderAscending));
        m_model->setSortState(m_form.AcctSortField, m_form.AcctSortAsc);
        // The kept account when it is listed, else the first row.
        m_grid->setCurrentRow(std::max(0, m_model->rowOf(keepCode)));
    }
    rowChanged();
}

void AccountsPage::rowChanged()
{
    if (!m_form.AcctListReady)
        return;
    QString code = currentListCode();
    AccountInfoPage* info = m_form.accountInfoPage();
    if (info->hasPendingEdits()) {
        // The typed edits belong to the account the page rests on: they are
        // stored with the save's checks before another account is shown.
        const AccountInfoPage::StoreResult pending = info->storePendingEdits(AccountInfoPage::OnRefusal::ShowPage);
        if (pending.outcome == AccountInfoPage::SaveOutcome::Refused) {
            moveToCode(m_form.CurrAcctCode);  // the account with the edits stays current
            return;
        }
        if (pending.outcome == AccountInfoPage::SaveOutcome::Stored) {
            applyStoredEdit(pending.oldCode, pending.stored);
            if (code == pending.oldCode)
                code = pending.stored.code;
        }
    }
    m_form.CurrAcctCode = code;
    info->showAccount(code);  // also turns its save button silver
    m_form.entriesPage()->storePendingChanges();
    m_form.entriesPage()->loadEntriesOf(code);
}

void AccountsPage::gridRowMoved()
{
    // The page's own moves end with the current account on the current row.
    if (!m_form.AcctListReady || currentListCode() == m_form.CurrAcctCode)
        return;
    try {
        m_form.DBGAcctsRowChanged();
    } catch (const std::exception& e) {
        m_form.reportError(e);
    }
}

// --- valuation ---

void AccountsPage::calcValue()
{
    m_form.HideCharts();
    GridFreeze freeze(m_grid);
    ListNotReady notReady(m_form);
    // The list as last loaded; the "Value" column shows the new figures at once.
    const ValuationResult result = valueAccounts(m_form.engine(), m_model->accounts());
    m_model->setValues(result.values);
    AccountInfoPage* info = m_form.accountInfoPage();
    if (info->hasPendingEdits()) {
        // Stored as they stand, with the save's checks; when refused they stay
        // pending (the message tells why) and the page is not forced forward.
        const AccountInfoPage::StoreResult pending = info->storePendingEdits(AccountInfoPage::OnRefusal::StayOnPage);
        if (pending.outcome == AccountInfoPage::SaveOutcome::Stored)
            applyStoredEdit(pending.oldCode, pending.stored);
    }
    m_overallValue->setText(formatOverallValue(result.total));
}

// --- the page's handlers ---

bool AccountsPage::storePendingEditsFirst()
{
    AccountInfoPage* info = m_form.accountInfoPage();
    if (!info->hasPendingEdits())
        return true;
    const AccountInfoPage::StoreResult pending = info->storePendingEdits(AccountInfoPage::OnRefusal::ShowPage);
    if (pending.outcome == AccountInfoPage::SaveOutcome::Refused)
        return false;
    if (pending.outcome == AccountInfoPage::SaveOutcome::Stored)
        applyStoredEdit(pending.oldCode, pending.stored);
    return true;
}

void AccountsPage::titleClicked(const QString& fieldName)
{
    try {
        if (storePendingEditsFirst())
            m_form.DBGAcctsTitleButtonClick(fieldName);
    } catch (const std::exception& e) {
        m_form.reportError(e);
    }
}

void AccountsPage::setFilter(int index, bool runHandler)
{
    if (index < 0 || index > 2)
        return;
    {
        const QSignalBlocker blocker(m_filter);
        m_filter->button(index)->setChecked(true);
    }
    if (runHandler)
        RGAcctsFilterClick();
    else
        m_filterIndex = index;
}

void AccountsPage::RGAcctsFilterClick()
{
    try {
        if (!storePendingEditsFirst()) {
            // The edits were refused: the list stays as it is, filter included.
            const QSignalBlocker blocker(m_filter);
            m_filter->button(m_filterIndex)->setChecked(true);
            return;
        }
        m_filterIndex = std::max(0, m_filter->checkedId());
        m_form.reloadAccountList();
        m_form.CalcValue();
    } catch (const std::exception& e) {
        m_form.reportError(e);
    }
}

void AccountsPage::DBGAcctsDblClick()
{
    try {
        if (data::AccountStore(m_form.engine()).count() > 0)
            m_form.showPage(QStringLiteral("Entries"));
    } catch (const std::exception& e) {
        m_form.reportError(e);
    }
}

// --- start-up and window size ---

void AccountsPage::moveToFirst()
{
    ListNotReady notReady(m_form);
    m_grid->setCurrentRow(0);
}

void AccountsPage::focusGrid()
{
    m_grid->setFocus();
}

void AccountsPage::fitGrid(int height, int width)
{
    const int top = m_grid->y();
    m_grid->resize(std::max(100, width), std::max(60, height - top - 10));
}

}  // namespace quorvel
