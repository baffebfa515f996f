#pragma once
// The "Entries" page: the dated entries of the current account in a grid,
// the current one edited in a panel, with adding, saving, deleting, the
// browse buttons and the account's chart.
#include "common/Dates.h"
#include "data/Records.h"

#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvel {

class FormVesk;
class ShapeButton;

namespace entries {
class EntryCalendar;
class EntryGrid;
class EntryGridModel;
class NumberField;
}  // namespace entries

class EntriesPage : public QWidget {
    Q_OBJECT
public:
    explicit EntriesPage(FormVesk& form, QWidget* parent = nullptr);

    // Start-up selects the increment (0 day .. 3 year).
    void setIncrement(int index);
    EntryIncrement increment() const;
    void fitGrid(int height);

    // The current-account processing: store the current entry's pending
    // changes (if any) first ...
    //
    // For a caller that moves on whatever happens. A changed date that
    // another entry of the account has is not stored: the date message is
    // shown and the other changes are stored on the entry's own date, so
    // nothing the user typed is lost without a word and no account ever has
    // two entries on one date.
    void storePendingChanges();
    // For a caller that can stay: true when nothing was pending or it has
    // been stored. False when the changes were refused (the date is another
    // entry's: the message has been shown, the focus is on the calendar and
    // the changes stay pending); the caller must then keep the current
    // account and entry.
    bool storePendingEntry();
    // ... then show the entries of the account (latest current, panel shown
    // when it has entries, value display, save button silver).
    void loadEntriesOf(const QString& code);
    // After an account's code was renamed in the store (entries included):
    // the page follows, keeping pending changes of its current entry.
    void accountCodeChanged(const QString& oldCode, const QString& newCode);

    // The buttons' clicks. The save is also used by "Show Chart for this Account".
    void BtnDetailAddClick();
    void BtnDetailPostClick();
    void BtnDetailDelClick();
    void BtnEntriesChartClick();

    // Value display from the price and shares as typed; then DetailFieldChanged.
    void DetailCalcValue();
    // A user change of the current entry: the save button turns blue.
    void DetailFieldChanged();
    // A picked day: shown in the date display at once, a change of the entry.
    void CalADDateChange();

    bool hasPendingChanges() const { return m_pending; }
    // The account whose entries the page shows.
    QString shownAccount() const { return m_code; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    enum class OnDateTaken { KeepPending, StoreOtherChanges };

    void buildHeader();
    void buildGrid();
    void buildPanel();
    void buildTabOrder();

    // Reloads the grid rows of the shown account and makes the entry on
    // `current` (else the latest) current, filling the panel from it.
    void reloadEntries(const QDate& current);
    // The program's own move: the row becomes current and the panel shows it.
    void makeCurrent(int row);
    // The grid's row change (DBGDetailRowChanged).
    void DBGDetailRowChanged(int row);
    void onGridCurrentChanged(int row, int previous);
    void showEntry(const data::Entry& entry);
    void clearPanel();
    void setPostEnabled(bool enabled);
    bool storePending(OnDateTaken onDateTaken);
    void showAccountName();
    // The browse buttons: pending entry changes first, then the account browse.
    void browse(bool next, QAbstractButton* pressed);

    FormVesk& m_form;

    QLabel* m_accountName = nullptr;
    ShapeButton* m_add = nullptr;
    ShapeButton* m_delete = nullptr;
    ShapeButton* m_previous = nullptr;
    ShapeButton* m_next = nullptr;
    QGroupBox* m_incrementBox = nullptr;
    QButtonGroup* m_increment = nullptr;
    entries::EntryGrid* m_grid = nullptr;
    entries::EntryGridModel* m_model = nullptr;
    QFrame* m_panel = nullptr;
    ShapeButton* m_post = nullptr;
    QLineEdit* m_dateDisplay = nullptr;
    entries::EntryCalendar* m_calendar = nullptr;
    entries::NumberField* m_fee = nullptr;
    entries::NumberField* m_price = nullptr;
    entries::NumberField* m_shares = nullptr;
    QLineEdit* m_value = nullptr;
    QPushButton* m_chart = nullptr;

    QString m_code;          // account whose entries are shown
    data::Entry m_current;   // the current entry as stored
    bool m_hasCurrent = false;
    bool m_pending = false;  // unsaved changes of the current entry
    int m_loading = 0;       // > 0 while the program fills the grid or the panel
    int m_loads = 0;         // number of loadEntriesOf calls, to tell whether one ran
    // The texts the number fields got from the stored entry: a field whose
    // text is unchanged keeps the stored value exactly.
    QString m_loadedFee, m_loadedPrice, m_loadedShares;
};

}  // namespace quorvel
