#include "accounts/AccountsPage.h"

#include "app/FormVesk.h"

namespace quorvel {

AccountsPage::AccountsPage(FormVesk& form, QWidget* parent) : QWidget(parent), m_form(form)
{
    setObjectName(QStringLiteral("Page1"));
}

void AccountsPage::reload(const QString&) {}
void AccountsPage::rowChanged() {}
void AccountsPage::calcValue() {}
void AccountsPage::setFilter(int, bool) {}
void AccountsPage::moveToFirst() {}
void AccountsPage::focusGrid() {}
void AccountsPage::fitGrid(int, int) {}

}  // namespace quorvel
