#include "charts/ChartsPage.h"

#include "app/FormVesk.h"

namespace quorvel {

ChartsPage::ChartsPage(FormVesk& form, QWidget* parent) : QWidget(parent), m_form(form)
{
    setObjectName(QStringLiteral("ChartPage"));
}

void ChartsPage::hideCharts() {}
void ChartsPage::redrawChart() {}
void ChartsPage::resetOptions() {}
void ChartsPage::setDefaultRange(const QDate&) {}

void ChartsPage::showChart(const data::ChartDef&, const QStringList&) {}
void ChartsPage::LBChartsClick() {}
void ChartsPage::showChartForAccount(const QDate&, const QDate&) {}

}  // namespace quorvel
