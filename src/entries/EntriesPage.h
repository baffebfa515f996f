#pragma once
#include <QWidget>

namespace quorvel {

class FormVesk;

class EntriesPage : public QWidget {
    Q_OBJECT
public:
    explicit EntriesPage(FormVesk& form, QWidget* parent = nullptr);

    // Start-up selects the increment (0 day .. 3 year).
    void setIncrement(int index);
    void fitGrid(int height);
    // The current-account processing: store the current entry's pending
    // changes (if any) first ...
    void storePendingChanges();
    // ... then show the entries of the account (latest current, panel shown
    // when it has entries, value display, save button silver).
    void loadEntriesOf(const QString& code);
    // The entry save (also used by "Show Chart for this Account").
    void BtnDetailPostClick();

private:
    FormVesk& m_form;
};

}  // namespace quorvel
