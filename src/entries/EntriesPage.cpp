#include "entries/EntriesPage.h"

#include "app/FormVesk.h"

namespace quorvel {

EntriesPage::EntriesPage(FormVesk& form, QWidget* parent) : QWidget(parent), m_form(form)
{
    setObjectName(QStringLiteral("Page3"));
}

void EntriesPage::setIncrement(int) {}
void EntriesPage::fitGrid(int) {}

void EntriesPage::storePendingChanges() {}
void EntriesPage::loadEntriesOf(const QString&) {}
void EntriesPage::BtnDetailPostClick() {}

}  // namespace quorvel
