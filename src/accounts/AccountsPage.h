#pragma once
// The "Accounts" page: the account list with its filter and sort, the add,
// delete and copy buttons, and the overall value. It owns the list as last
// loaded, the list reload, the current-account processing and the valuation
// that the other pages reach through the main window.
#include "data/Records.h"

#include <QVector>
#include <QWidget>

class QButtonGroup;
class QGroupBox;
class QLabel;

namespace quorvel {

class FormVesk;
class AccountGrid;
class AccountListModel;
class ShapeButton;

class AccountsPage : public QWidget {
    Q_OBJECT
public:
    explicit AccountsPage(FormVesk& form, QWidget* parent = nullptr);

    // The list reload for a sort field (a title click): the same field again
    // inverts the direction, another field keeps it. The account the pages
    // rest on stays current when it is listed, otherwise the first row.
    void reload(const QString& fieldName);
    // The current-account processing: the list's current row becomes the
    // current account of every page. Pending "Account Info." edits are
    // stored first through the account save's checks; when they are refused
    // the account with the edits stays current.
    void rowChanged();
    // The valuation of the listed accounts and the overall value.
    void calcValue();
    // Start-up: set the filter without (silently) or with its click handler.
    void setFilter(int index, bool runHandler);
    void moveToFirst();
    void focusGrid();
    void fitGrid(int height, int width);

    // The handlers of the page's own controls.
    void RGAcctsFilterClick();
    void DBGAcctsDblClick();
    void titleClicked(const QString& fieldName);

    int filterIndex() const { return m_filterIndex; }
    const QVector<data::Account>& listedAccounts() const;
    // The code of the list's current row; empty when the list is empty.
    QString currentListCode() const;
    // Moves the list's current row by step rows, wrapping around at both
    // ends, without processing the change. False when the list is empty.
    bool moveListRow(int step);
    // Shows an account record stored behind the list's back (pending edits
    // stored as they stand) in its row, and follows a renamed current code.
    void applyStoredEdit(const QString& oldCode, const data::Account& stored);

    AccountGrid* grid() const { return m_grid; }
    AccountListModel* listModel() const { return m_model; }

private:
    void buildControls();
    // Reload that keeps `keepCode` current when it is listed.
    void reloadKeeping(const QString& fieldName, const QString& keepCode);
    // The grid's current row moved (queued after the move has finished).
    void gridRowMoved();
    // Stores pending account edits before a handler of this page moves the
    // list; false when they were refused (the account and its edits stay).
    bool storePendingEditsFirst();
    void moveToCode(const QString& code);

    FormVesk& m_form;
    AccountListModel* m_model = nullptr;
    AccountGrid* m_grid = nullptr;
    QGroupBox* m_filterBox = nullptr;
    QButtonGroup* m_filter = nullptr;
    QLabel* m_overallValue = nullptr;
    ShapeButton* m_add = nullptr;
    ShapeButton* m_delete = nullptr;
    ShapeButton* m_copy = nullptr;
    int m_filterIndex = 0;
    // The field and direction the list's ORDER BY was last built from (an
    // unknown field name keeps the order as it was).
    QString m_orderField;
    bool m_orderAscending = true;
};

}  // namespace quorvel
