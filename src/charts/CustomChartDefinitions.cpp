#include "charts/CustomChartDefinitions.h"

#include "common/UniqueName.h"
#include "data/AccountStore.h"
#include "data/ChartDefStore.h"

namespace quorvel {

CustomChartFields CustomChartFields::of(const data::ChartDef& def)
{
    return {def.name, def.title, def.type, def.legend, def.gainLoss};
}

bool CustomChartFields::operator==(const CustomChartFields& o) const
{
    return name == o.name && title == o.title && type == o.type && legend == o.legend && gainLoss == o.gainLoss;
}

QVector<data::ChartDef> CustomChartDefinitions::all() const
{
    return data::ChartDefStore(m_engine).all();
}

std::optional<data::ChartDef> CustomChartDefinitions::byId(qint64 id) const
{
    return data::ChartDefStore(m_engine).byId(id);
}

qint64 CustomChartDefinitions::addNew()
{
    data::ChartDef def;
    def.name = uniqueUserName(QString::fromLatin1(kNewChartName));
    def.type = QStringLiteral("L");
    return data::ChartDefStore(m_engine).insert(def);
}

void CustomChartDefinitions::remove(qint64 id)
{
    data::ChartDefStore(m_engine).remove(id);
}

QString CustomChartDefinitions::uniqueUserName(const QString& typed) const
{
    const data::ChartDefStore charts(m_engine);
    return uniqueName(typed, [&charts](const QString& candidate) { return charts.exists(QString(), candidate); });
}

std::optional<data::ChartDef> CustomChartDefinitions::store(qint64 id, const CustomChartFields& fields,
                                                            const QString& loadedName,
                                                            const std::optional<CustomChartCodeList>& codes)
{
    data::ChartDefStore charts(m_engine);
    // Start from the stored row, so a list another operation rewrote since the
    // editor loaded it is kept when the list itself is not written here.
    std::optional<data::ChartDef> def = charts.byId(id);
    if (!def)
        return std::nullopt;
    def->name = fields.name == loadedName ? fields.name : uniqueUserName(fields.name);
    def->title = fields.title;
    def->type = fields.type;
    def->legend = fields.legend;
    def->gainLoss = fields.gainLoss;
    if (codes)
        def->codes = codes->toMemo();
    charts.update(*def);
    return def;
}

bool CustomChartDefinitions::addCategoryOf(const QString& chosen, CustomChartCodeList& list) const
{
    const data::AccountStore accounts(m_engine);
    const std::optional<data::Account> account = accounts.find(chosen);
    if (!account)
        return false;
    // Read the whole category first: an engine error leaves the list as it was.
    const QStringList codes = accounts.codesInCategory(account->category, true);
    bool added = false;
    for (const QString& code : codes)
        added = list.add(code) || added;
    return added;
}

bool CustomChartDefinitions::removeCategoryOf(const QString& chosen, CustomChartCodeList& list) const
{
    if (list.isEmpty())
        return false;
    const data::AccountStore accounts(m_engine);
    const std::optional<data::Account> account = accounts.find(chosen);
    if (!account)
        return false;
    const QString category = account->category;
    CustomChartCodeList result = list;
    // Look every account up before changing the list, for the same reason.
    const int removed = result.removeIf([&](const QString& code) {
        const std::optional<data::Account> listed = accounts.find(code);
        return listed && listed->category == category;
    });
    if (removed == 0)
        return false;
    list = result;
    return true;
}

}  // namespace quorvel
