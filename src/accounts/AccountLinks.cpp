#include "accounts/AccountLinks.h"

namespace quorvel {

QString mailAddressFor(const QString& email)
{
    return QStringLiteral("MAILTO:") + email;
}

QString nasdaqModeFor(const QString& type)
{
    if (type.startsWith(QLatin1Char('F')))
        return QStringLiteral("fund");
    if (type.startsWith(QLatin1Char('O')))
        return QStringLiteral("options");
    if (type.startsWith(QLatin1Char('S')))
        return QStringLiteral("stock");
    return QString();
}

QString nasdaqAddressFor(const QString& ticker, const QString& type)
{
    if (ticker.isEmpty())
        return QStringLiteral("http://www.nasdaq.com/");
    return QStringLiteral("http://quotes.nasdaq.com/quote.dll?page=quick&mode=%1&symbol=%2")
        .arg(nasdaqModeFor(type), ticker);
}

}  // namespace quorvel
