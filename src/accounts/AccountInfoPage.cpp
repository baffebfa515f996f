#include "accounts/AccountInfoPage.h"

#include "app/FormVesk.h"

namespace quorvel {

AccountInfoPage::AccountInfoPage(FormVesk& form, QWidget* parent) : QWidget(parent), m_form(form)
{
    setObjectName(QStringLiteral("Page2"));
}

AccountInfoPage::SaveOutcome AccountInfoPage::BtnAcctInfoPostClick() { return SaveOutcome::NothingToStore; }

}  // namespace quorvel
