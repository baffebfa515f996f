#pragma once
// The rows of the account list as last loaded, for the read-only grid of the
// "Accounts" page: five columns, a closed account's row silver, and the
// column titles coloured and marked by the sort state.
#include "data/Records.h"

#include <QAbstractTableModel>
#include <QImage>
#include <QVector>
#include <optional>

namespace quorvel {

class AccountListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Column {
        const char* field;  // ACode, AName, ...
        int widthChars;     // in characters of the grid's font
        const char* title;
    };
    static const QVector<Column>& columns();

    static QColor titleColour() { return QColor(0, 128, 0); }       // green
    static QColor sortedTitleColour() { return QColor(0, 0, 255); }  // blue
    static QColor closedRowColour() { return QColor(192, 192, 192); }  // silver

    // 16 x 16, black on transparent: a triangle pointing down (ascending) or
    // up (descending), 9 pixels wide at its broad side and 10 high.
    static QImage sortImage(bool ascending);

    explicit AccountListModel(QObject* parent = nullptr);

    void setAccounts(const QVector<data::Account>& accounts);
    const QVector<data::Account>& accounts() const { return m_accounts; }
    const data::Account& account(int row) const { return m_accounts.at(row); }
    int rowOf(const QString& code) const;  // -1 when not listed

    // A stored change of one listed account, shown in its row where it stands.
    void replaceAccount(const QString& oldCode, const data::Account& account);
    // New AValue figures, by code, shown at once in the "Value" column.
    void setValues(const QVector<QPair<QString, std::optional<double>>>& values);

    // The sort state the titles show.
    void setSortState(const QString& field, bool ascending);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QVector<data::Account> m_accounts;
    QString m_sortField;
    bool m_sortAscending = true;
};

}  // namespace quorvel
