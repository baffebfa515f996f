#include "cli/InitCommand.h"

#include "cli/CommandLine.h"
#include "common/Dates.h"
#include "data/DataStoreFactory.h"

#include <QDir>

namespace quorvel::cli {

int runInitCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const ParsedArguments parsed = parseArguments(args, {"--ini", "--today"}, {"--demo"});
    if (!parsed.error.isEmpty() || parsed.positional.size() != 1) {
        err << "usage: quorvel-cli init DIR [--demo] [--ini PATH] [--today mm/dd/yyyy]\n";
        if (!parsed.error.isEmpty())
            err << parsed.error << "\n";
        return 2;
    }
    const QString dir = QDir(parsed.positional.first()).absolutePath();
    QDate today = QDate::currentDate();
    if (parsed.options.contains("--today")) {
        today = parseUsDate(parsed.options.value("--today"));
        if (!today.isValid()) {
            err << "--today takes a date written mm/dd/yyyy\n";
            return 2;
        }
    }
    try {
        data::createDataStore(dir);
        if (parsed.options.contains("--demo"))
            data::addDemoData(dir, today);
        if (parsed.options.contains("--ini"))
            data::writeSettingsFile(parsed.options.value("--ini"), dir);
    } catch (const data::StoreError& e) {
        err << e.message() << "\n";
        return 1;
    }
    out << "Created the data directory " << QDir::toNativeSeparators(dir) << "\n";
    return 0;
}

}  // namespace quorvel::cli
