#pragma once
#include <QWidget>

namespace quorvel {

class FormVesk;

class AccountInfoPage : public QWidget {
    Q_OBJECT
public:
    explicit AccountInfoPage(FormVesk& form, QWidget* parent = nullptr);

    enum class SaveOutcome { Stored, NothingToStore, Refused };
    // The account save, with the code check and the rename cascade.
    SaveOutcome BtnAcctInfoPostClick();

private:
    FormVesk& m_form;
};

}  // namespace quorvel
