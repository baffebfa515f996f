// Adding, copying and deleting accounts (the buttons of the "Accounts" page).
#include "accounts/AccountInfoPage.h"

#include "accounts/AccountsPage.h"
#include "accounts/ListNotReady.h"
#include "app/FormVesk.h"
#include "common/WaitCursor.h"
#include "data/AccountStore.h"

#include <QLineEdit>

namespace quorvel {

void AccountInfoPage::BtnAcctAddClick(AddKind kind)
{
    try {
        data::AccountStore store(m_form.engine());
        // A copy needs an account to copy from.
        if (kind == AddKind::Copy && (store.count() == 0 || m_form.CurrAcctCode.isEmpty()))
            return;
        // The user's typed edits are stored first, never dropped; when they
        // are refused the add does not happen and the edits stay.
        const StoreResult pending = storePendingEdits(OnRefusal::ShowPage);
        if (pending.outcome == SaveOutcome::Refused)
            return;
        if (pending.outcome == SaveOutcome::Stored)
            m_form.accountsPage()->applyStoredEdit(pending.oldCode, pending.stored);

        WaitCursor busy;
        m_form.HideCharts();
        const QString source = m_form.CurrAcctCode;
        QString code;
        {
            ListNotReady notReady(m_form);
            // The record and the copied entries in one transaction.
            code = store.addNew(kind == AddKind::Copy ? std::optional<QString>(source) : std::nullopt);
            showAccount(code);
            m_form.setAccountPagesEnabled(true);
            m_form.showPage(QStringLiteral("Account Info."));
            field(QStringLiteral("EFACode"))->setFocus();
            m_form.CurrAcctCode = code;
            m_form.CalcValue();
        }
        setPostEnabled(false);
        // The reload selects the new account when the filter lists it.
        m_form.reloadAccountList();
    } catch (const std::exception& e) {
        m_form.reportError(e);
    }
}

void AccountInfoPage::BtnAcctDelClick()
{
    try {
        data::AccountStore store(m_form.engine());
        const QString code = m_form.CurrAcctCode;
        if (store.count() == 0 || code.isEmpty())
            return;
        if (m_form.dialogs().confirm(&m_form, QStringLiteral("Delete account \"%1\". Are you sure?").arg(code))
            != Dialogs::Answer::Yes)
            return;

        // The next account in the natural order becomes current (the new
        // last one when the deleted one was the last).
        const QVector<data::Account> before = store.naturalOrder();
        int position = 0;
        while (position < before.size() && before.at(position).code != code)
            ++position;

        // Entries, code-list lines and the record in one transaction.
        store.remove(code);
        afterCodeListsChanged();
        {
            ListNotReady notReady(m_form);
            m_pending = false;  // the edits went with the account
            const QVector<data::Account> after = store.naturalOrder();
            if (after.isEmpty()) {
                m_form.CurrAcctCode.clear();
                m_form.setAccountPagesEnabled(false);
                m_stored.reset();
            } else {
                m_form.CurrAcctCode = after.at(std::min(position, int(after.size()) - 1)).code;
            }
            showAccount(m_form.CurrAcctCode);
            m_form.CalcValue();
        }
        m_form.reloadAccountList();
    } catch (const std::exception& e) {
        m_form.reportError(e);
    }
}

}  // namespace quorvel
