#include "cli/CommandLine.h"

namespace quorvel::cli {

ParsedArguments parseArguments(const QStringList& args, const QStringList& valued, const QStringList& flags)
{
    ParsedArguments parsed;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(QLatin1String("--"))) {
            parsed.positional << arg;
        } else if (flags.contains(arg)) {
            parsed.options.insert(arg, QString());
        } else if (valued.contains(arg)) {
            if (i + 1 >= args.size()) {
                parsed.error = QStringLiteral("%1 needs a value").arg(arg);
                return parsed;
            }
            parsed.options.insert(arg, args[++i]);
        } else {
            parsed.error = QStringLiteral("unknown option %1").arg(arg);
            return parsed;
        }
    }
    return parsed;
}

}  // namespace quorvel::cli
