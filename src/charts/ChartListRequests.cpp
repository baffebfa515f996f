#include "charts/ChartListRequests.h"

#include "common/CodeList.h"
#include "data/AccountStore.h"
#include "data/ChartDefStore.h"

namespace quorvel::charts {

namespace {

const QString kAllAccounts = QStringLiteral("All Accounts");

QStringList allCodes(const data::AccountStore& accounts)
{
    QStringList codes;
    for (const data::Account& account : accounts.allByCode())
        codes << account.code;
    return codes;
}

}  // namespace

const QVector<ChartListItem>& chartListItems()
{
    static const QVector<ChartListItem> items = {
        {"All Accounts (Line)", "All Accounts Line", "AllLine"},
        {"All Accounts (Pie)", "All Accounts Pie", "AllPie"},
        {"All Accounts (Stacked)", "All Accounts", "All"},
        {"Current Account (Line)", "Current Account", "Current"},
        {"Current Category (Line)", "Current Category", "CurrCat"},
        {"Gain/Loss All Accounts", "Gain/Loss All Accounts", "GLAll"},
        {"Overall (Line)", "Overall Line", "OvrLine"},
    };
    return items;
}

std::optional<ChartListItem> findChartListItem(const QString& text)
{
    for (const ChartListItem& item : chartListItems()) {
        if (item.text == text)
            return item;
    }
    return std::nullopt;
}

RequestFill fillFromChartList(data::Engine& engine, const QString& itemText, const QString& currentCode,
                              ChartRequest& request)
{
    data::AccountStore accounts(engine);
    if (accounts.count() == 0)
        return RequestFill::NoAccounts;
    const std::optional<ChartListItem> item = findChartListItem(itemText);
    if (!item)
        return RequestFill::UnknownItem;

    data::ChartDefStore definitions(engine);
    std::optional<data::ChartDef> definition = definitions.find(QStringLiteral("$"), item->cuName);
    if (!definition)
        return RequestFill::MissingDefinition;

    QStringList codes;
    const QString kind = item->chartKind;
    if (kind == QLatin1String("Current") || kind == QLatin1String("CurrCat")) {
        const std::optional<data::Account> current =
            currentCode.isEmpty() ? std::nullopt : accounts.find(currentCode);
        if (!current)
            return RequestFill::NoCurrentAccount;
        if (kind == QLatin1String("Current")) {
            definition->title = current->name;
            codes << current->code;
        } else {
            definition->title = QStringLiteral("All Category: ") + current->category;
            codes = accounts.codesInCategory(current->category, false);
            definition->legend = request.byAccount;
        }
    } else {
        definition->title = kind == QLatin1String("OvrLine") ? QStringLiteral("Overall") : kAllAccounts;
        codes = allCodes(accounts);
    }

    definitions.update(*definition);
    request.chartKind = kind;
    request.definition = *definition;
    request.codes = codes;
    return RequestFill::Filled;
}

RequestFill fillFromCustomChart(data::Engine& engine, const data::ChartDef& definition, ChartRequest& request)
{
    if (data::AccountStore(engine).count() == 0)
        return RequestFill::NoAccounts;
    const QStringList codes = parseCodeList(definition.codes);
    if (codes.isEmpty())
        return RequestFill::NoCodes;
    request.chartKind = isPieChart(definition) ? QStringLiteral("WorkPie") : QStringLiteral("Work");
    request.definition = definition;
    request.codes = codes;
    return RequestFill::Filled;
}

}  // namespace quorvel::charts
