#include "common/CodeList.h"

namespace quorvel {

QStringList parseCodeList(const QString& memo)
{
    QStringList codes;
    QString line;
    bool lineOpen = false;  // characters seen since the last line end
    for (int i = 0; i < memo.size(); ++i) {
        const QChar c = memo.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            codes.append(line);
            line.clear();
            lineOpen = false;
            if (c == QLatin1Char('\r') && i + 1 < memo.size() && memo.at(i + 1) == QLatin1Char('\n'))
                ++i;  // CR LF is one line end
        } else {
            line.append(c);
            lineOpen = true;
        }
    }
    if (lineOpen)
        codes.append(line);  // a last line without its line end
    return codes;
}

QString formatCodeList(const QStringList& codes)
{
    QString memo;
    for (const QString& code : codes) {
        memo += code;
        memo += QLatin1String("\r\n");
    }
    return memo;
}

QString renameInCodeList(const QString& memo, const QString& oldCode, const QString& newCode)
{
    QStringList codes = parseCodeList(memo);
    for (QString& code : codes) {
        if (code == oldCode)
            code = newCode;
    }
    return formatCodeList(codes);
}

QString removeFromCodeList(const QString& memo, const QString& code)
{
    QStringList codes = parseCodeList(memo);
    codes.removeAll(code);
    return formatCodeList(codes);
}

}  // namespace quorvel
