#include "charts/CustomChartsPage.h"

#include "app/FormVesk.h"

namespace quorvel {

CustomChartsPage::CustomChartsPage(FormVesk& form, QWidget* parent) : QWidget(parent), m_form(form)
{
    setObjectName(QStringLiteral("Page4"));
}

void CustomChartsPage::rowChanged() {}
void CustomChartsPage::fitGrid(int) {}

void CustomChartsPage::BtnCustomChartClick() {}
void CustomChartsPage::refreshAfterAccountCascade() {}

}  // namespace quorvel
