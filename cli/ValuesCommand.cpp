#include "cli/ValuesCommand.h"

#include "accounts/Valuation.h"
#include "cli/CommandLine.h"
#include "cli/OpenDataStore.h"
#include "data/AccountStore.h"

namespace quorvel::cli {

int runValuesCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const ParsedArguments parsed = parseArguments(args, {"--filter", "--sort"}, {"--desc"});
    const QString filterText = parsed.options.value("--filter", "active");
    const QString sort = parsed.options.value("--sort", "AName");
    const QStringList filters = {"all", "active", "closed"};
    if (!parsed.error.isEmpty() || parsed.positional.size() != 1 || !filters.contains(filterText)
        || data::accountSortOrder(sort, true).isEmpty()) {
        err << "usage: quorvel-cli values DIR [--filter all|active|closed] "
               "[--sort ACode|AName|ACoName|ACategory|AValue] [--desc]\n";
        return 2;
    }
    auto engine = openDataStore(parsed.positional.first(), err);
    if (!engine)
        return 1;
    try {
        const auto filter = static_cast<data::AccountFilter>(filters.indexOf(filterText));
        const bool ascending = !parsed.options.contains("--desc");
        data::AccountStore accounts(*engine);
        const ValuationResult result = valueAccounts(*engine, accounts.list(filter, sort, ascending));
        // The list as it reads after the valuation (a sort by value sees the new values).
        for (const data::Account& account : accounts.list(filter, sort, ascending)) {
            out << account.code << '\t';
            if (account.value)
                out << QString::number(*account.value, 'f', 2);
            out << '\n';
        }
        out << "Overall\t" << formatOverallValue(result.total) << '\n';
    } catch (const std::exception& e) {
        err << e.what() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace quorvel::cli
