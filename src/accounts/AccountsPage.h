#pragma once
#include <QWidget>

namespace quorvel {

class FormVesk;

class AccountsPage : public QWidget {
    Q_OBJECT
public:
    explicit AccountsPage(FormVesk& form, QWidget* parent = nullptr);

    // The list reload for a sort field (a title click).
    void reload(const QString& fieldName);
    // The current-account processing.
    void rowChanged();
    // The valuation of the listed accounts and the overall value.
    void calcValue();
    // Start-up: set the filter without (silently) or with its click handler.
    void setFilter(int index, bool runHandler);
    void moveToFirst();
    void focusGrid();
    void fitGrid(int height, int width);
private:
    FormVesk& m_form;
};

}  // namespace quorvel
