#pragma once
// The addresses the link buttons of the "Account Info." page hand to the
// desktop, without widgets.
#include <QString>

namespace quorvel {

// "MAILTO:{address}", also for an empty address.
QString mailAddressFor(const QString& email);

// The mode word of the quote page for an account type: "fund" (F),
// "options" (O), "stock" (S), empty for anything else.
QString nasdaqModeFor(const QString& type);

// The NASDAQ home page for an empty symbol, else the quick quote page for the
// symbol (unchanged) in the mode of the type.
QString nasdaqAddressFor(const QString& ticker, const QString& type);

}  // namespace quorvel
