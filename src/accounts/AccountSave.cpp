// The account save (code check, date check, rename cascade) and browsing.
#include "accounts/AccountInfoPage.h"

#include "accounts/AccountFields.h"
#include "accounts/AccountLineEdits.h"
#include "accounts/AccountsPage.h"
#include "app/FormVesk.h"
#include "app/ShapeButton.h"
#include "charts/CustomChartsPage.h"
#include "data/AccountStore.h"
#include "entries/EntriesPage.h"

#include <QAbstractButton>
#include <QTabWidget>

namespace quorvel {

void AccountInfoPage::afterCodeListsChanged()
{
    // The store has already committed; a failure here is reported but does
    // not make the stored change look unstored.
    try {
        m_form.HideCharts();
        m_form.customChartsPage()->refreshAfterAccountCascade();
    } catch (const std::exception& e) {
        m_form.reportError(e);
    }
}

void AccountInfoPage::refuse(const QString& message, QWidget* focus, OnRefusal onRefusal)
{
    m_form.dialogs().error(&m_form, message);
    if (onRefusal == OnRefusal::ShowPage) {
        m_form.showPage(QStringLiteral("Account Info."));
        if (focus)
            focus->setFocus();
    }
    setPostEnabled(true);  // the edits stay pending
}

AccountInfoPage::StoreResult AccountInfoPage::storePendingEdits(OnRefusal onRefusal)
{
    StoreResult result;
    if (!m_pending || !m_stored || !m_hasCurrent)
        return result;
    result.oldCode = m_stored->code;
    data::Account edited = editedRecord();
    QLineEdit* codeField = m_fields.value(QStringLiteral("EFACode"));

    // The code is the account's key: an account without one could never be
    // found again, so an empty code is refused like a taken one.
    if (edited.code.isEmpty()) {
        refuse(QStringLiteral("The account code cannot be empty. Please enter a code."), codeField, onRefusal);
        result.outcome = SaveOutcome::Refused;
        return result;
    }
    for (const AccountFieldDef& fieldDef : accountFieldDefs()) {
        if (!fieldDef.date)
            continue;
        auto* dateField = static_cast<DateLineEdit*>(m_fields.value(QString::fromLatin1(fieldDef.name)));
        if (!dateField->holdsValidDate()) {
            dateField->showInputError(true);
            refuse(QStringLiteral("\"%1\" is not a valid date. Please enter the date as mm/dd/yyyy.")
                       .arg(dateField->text()),
                   dateField, onRefusal);
            result.outcome = SaveOutcome::Refused;
            return result;
        }
    }

    try {
        data::AccountStore store(m_form.engine());
        const auto current = store.find(result.oldCode);
        if (!current)
            throw data::StoreError(QStringLiteral("Account \"%1\" no longer exists.").arg(result.oldCode));
        edited.value = current->value;  // the value belongs to the valuation, not to the page
        if (edited.code != result.oldCode) {
            if (store.exists(edited.code)) {
                refuse(QStringLiteral("Account \"%1\" already exists. Please choose a different code.")
                           .arg(edited.code),
                       codeField, onRefusal);
                result.outcome = SaveOutcome::Refused;
                return result;
            }
            // Entries, every chart definition's code list and the record:
            // one transaction, so a failure leaves all of them as they were.
            store.renameAndUpdate(result.oldCode, edited);
        } else {
            store.update(edited);
        }
    } catch (const std::exception& e) {
        m_form.reportError(e);
        setPostEnabled(true);
        result.outcome = SaveOutcome::Refused;
        return result;
    }

    if (edited.code != result.oldCode) {
        // A pending entry edit of this account now belongs to the new code.
        m_form.entriesPage()->accountCodeChanged(result.oldCode, edited.code);
        afterCodeListsChanged();
    }
    m_stored = edited;
    m_pending = false;
    fillFields(edited);  // as stored: the code trimmed, dates written mm/dd/yyyy
    setPostEnabled(false);
    result.outcome = SaveOutcome::Stored;
    result.stored = edited;
    return result;
}

AccountInfoPage::SaveOutcome AccountInfoPage::BtnAcctInfoPostClick()
{
    m_form.showPage(QStringLiteral("Account Info."));
    if (postEnabled())
        m_post->setFocus();
    if (!m_pending)
        return SaveOutcome::NothingToStore;
    const StoreResult result = storePendingEdits(OnRefusal::ShowPage);
    if (result.outcome != SaveOutcome::Stored)
        return result.outcome;
    try {
        m_form.CurrAcctCode = result.stored.code;
        // The list in the same sort, showing the saved account if the filter lets it in.
        m_form.reloadAccountList();
        setPostEnabled(false);
        m_form.DBGAcctsRowChanged();
    } catch (const std::exception& e) {
        m_form.reportError(e);
    }
    return SaveOutcome::Stored;
}

void AccountInfoPage::BtnAcctInfoPrevClick(QAbstractButton* pressed)
{
    browse(-1, pressed);
}

void AccountInfoPage::BtnAcctInfoNextClick(QAbstractButton* pressed)
{
    browse(1, pressed);
}

void AccountInfoPage::browse(int step, QAbstractButton* pressed)
{
    const SaveOutcome outcome = BtnAcctInfoPostClick();
    m_form.entriesPage()->storePendingChanges();
    if (outcome == SaveOutcome::Refused)
        return;  // the account, its edits and this page stay
    try {
        if (!postEnabled()) {
            m_form.accountsPage()->moveListRow(step);
            if (pressed) {
                // A button of another page (the "Entries" page's) shows its page again.
                QTabWidget* notebook = m_form.notebook();
                for (int i = 0; i < notebook->count(); ++i) {
                    if (notebook->widget(i)->isAncestorOf(pressed))
                        notebook->setCurrentIndex(i);
                }
                pressed->setFocus();
            }
        }
        m_form.DBGAcctsRowChanged();
    } catch (const std::exception& e) {
        m_form.reportError(e);
    }
}

}  // namespace quorvel
