#include "accounts/Valuation.h"

#include "common/Rounding.h"
#include "data/AccountStore.h"
#include "data/EntryStore.h"

#include <QHash>

namespace quorvel {

ValuationResult valueAccounts(data::Engine& engine, const QVector<data::Account>& listed)
{
    data::EntryStore entries(engine);
    data::AccountStore accounts(engine);
    // What is written is decided against the values as stored now, not as the
    // list last read them: the list is not reloaded after a valuation, so its
    // figures may be older than the table's.
    QHash<QString, std::optional<double>> stored;
    for (const data::Account& account : accounts.allByCode())
        stored.insert(account.code, account.value);

    ValuationResult result;
    QVector<QPair<QString, std::optional<double>>> writes;
    for (const data::Account& account : listed) {
        const bool isStored = stored.contains(account.code);
        const std::optional<double> current = stored.value(account.code, std::nullopt);
        if (account.isClosed()) {
            // Written only when it is not 0 already, so an empty value stays empty.
            if (current && *current != 0)
                writes.push_back({account.code, 0.0});
            const std::optional<double> shown = current ? std::optional<double>(0.0) : std::nullopt;
            result.values.push_back({account.code, shown});
            continue;
        }
        double value = 0;
        if (const auto latest = entries.latest(account.code))
            value = holdingValue(latest->price, latest->shares);
        // An account that is no longer stored gets no value, but still counts.
        if (isStored && current != value)
            writes.push_back({account.code, value});
        result.values.push_back({account.code, value});
        result.total += value;
    }
    if (!writes.isEmpty())
        accounts.setValues(writes);
    return result;
}

QString formatOverallValue(long double total, const QLocale& locale)
{
    return locale.toCurrencyString(static_cast<double>(roundToCents(total)));
}

}  // namespace quorvel
