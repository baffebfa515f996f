#include "accounts/Valuation.h"

#include "common/Rounding.h"
#include "data/AccountStore.h"
#include "data/EntryStore.h"

namespace quorvel {

ValuationResult valueAccounts(data::Engine& engine, const QVector<data::Account>& listed)
{
    data::EntryStore entries(engine);
    ValuationResult result;
    QVector<QPair<QString, std::optional<double>>> writes;
    for (const data::Account& account : listed) {
        if (account.isClosed()) {
            // Written only when it is not 0 already, so an empty value stays empty.
            if (account.value && *account.value != 0)
                writes.push_back({account.code, 0.0});
            const std::optional<double> shown = account.value ? std::optional<double>(0.0) : std::nullopt;
            result.values.push_back({account.code, shown});
            continue;
        }
        double value = 0;
        if (const auto latest = entries.latest(account.code))
            value = holdingValue(latest->price, latest->shares);
        if (account.value != value)
            writes.push_back({account.code, value});
        result.values.push_back({account.code, value});
        result.total += value;
    }
    if (!writes.isEmpty())
        data::AccountStore(engine).setValues(writes);
    return result;
}

QString formatOverallValue(long double total, const QLocale& locale)
{
    return locale.toCurrencyString(static_cast<double>(roundToCents(total)));
}

}  // namespace quorvel
