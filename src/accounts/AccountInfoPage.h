#pragma once
// The "Account Info." page: every field of the current account, its save with
// the code check and the rename cascade, browsing to the previous or next
// account, the add, copy and delete of accounts (whose buttons sit on the
// "Accounts" page) and the three links (e-mail, web site, NASDAQ quote).
//
// The page rests on one stored account (the current account, or the last one
// while the list is empty) and holds the user's typed edits of it until they
// are stored. Typed edits are never dropped: whatever moves the page to
// another account first stores them through the full save (code check, date
// check, cascade); when that is refused the edits stay pending, the save
// button stays green and the account stays current.
#include "data/Records.h"

#include <QHash>
#include <QWidget>
#include <optional>

class QAbstractButton;
class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace quorvel {

class FormVesk;
class DateLineEdit;
class ShapeButton;

class AccountInfoPage : public QWidget {
    Q_OBJECT
public:
    explicit AccountInfoPage(FormVesk& form, QWidget* parent = nullptr);

    enum class SaveOutcome { Stored, NothingToStore, Refused };
    // The account save, with the code check and the rename cascade. Shows
    // this page first; after a store the list is reloaded in its sort.
    SaveOutcome BtnAcctInfoPostClick();

    // Browse to the previous / next listed account (wrapping around), after
    // the account save; `pressed` is the button that was pressed (this
    // page's or the "Entries" page's), which gets the focus afterwards.
    void BtnAcctInfoPrevClick(QAbstractButton* pressed);
    void BtnAcctInfoNextClick(QAbstractButton* pressed);

    // The "Accounts" page's add and copy buttons (copy: with the entries of
    // the current account) and its delete button.
    enum class AddKind { Add, Copy };
    void BtnAcctAddClick(AddKind kind);
    void BtnAcctDelClick();

    // The links.
    void BtnAcctInfoEMailClick();
    void BtnAcctInfoWebsiteClick();
    void BtnAcctInfoNasdaqClick();

    // --- used by the current-account processing and the valuation ---

    // Rests the page on the stored account with this code and shows it, the
    // save button silver. An empty code (an empty list) leaves no current
    // account: the fields are emptied and locked. A code that no account has
    // leaves the page where it is.
    void showAccount(const QString& code);
    // The code of the stored account the page rests on (empty before the first).
    QString restingCode() const;
    bool hasPendingEdits() const { return m_pending; }

    enum class OnRefusal { ShowPage, StayOnPage };
    struct StoreResult {
        SaveOutcome outcome = SaveOutcome::NothingToStore;
        QString oldCode;        // the code the record had
        data::Account stored;   // the record as stored (outcome Stored)
    };
    // Stores the pending edits with the save's checks and cascade, without
    // reloading the list. On refusal the message has been shown; with
    // ShowPage this page is shown with the focus on the field to correct.
    StoreResult storePendingEdits(OnRefusal onRefusal);

    // The save button's edit state (green and enabled / silver and disabled).
    void setPostEnabled(bool enabled);
    bool postEnabled() const;

    // The field with this control name ("EFACode", ...).
    QLineEdit* field(const QString& name) const { return m_fields.value(name); }

private:
    void buildControls();
    void buildLinks();
    // A user's change of a field or of the type.
    void AcctFieldChanged();
    void fillFields(const std::optional<data::Account>& account);
    void lockFields(bool locked);
    // The record as the page shows it: the stored one with the fields' texts.
    data::Account editedRecord() const;
    QString typeShown() const;
    // Refusal: message, then (with ShowPage) the page and the focus.
    void refuse(const QString& message, QWidget* focus, OnRefusal onRefusal);
    void browse(int step, QAbstractButton* pressed);
    // After a rename or delete rewrote the chart definitions' code lists:
    // hide the chart and let the custom chart editor reread its definition.
    void afterCodeListsChanged();

    FormVesk& m_form;
    QHash<QString, QLineEdit*> m_fields;
    QGroupBox* m_typeBox = nullptr;
    QButtonGroup* m_type = nullptr;
    ShapeButton* m_prev = nullptr;
    ShapeButton* m_next = nullptr;
    ShapeButton* m_post = nullptr;
    QPushButton* m_email = nullptr;
    QPushButton* m_website = nullptr;
    QPushButton* m_nasdaq = nullptr;

    std::optional<data::Account> m_stored;  // the account the page rests on
    bool m_hasCurrent = false;              // false while the list is empty
    bool m_pending = false;                 // the user's edits not yet stored
    bool m_filling = false;                 // the page itself is writing the fields
};

}  // namespace quorvel
