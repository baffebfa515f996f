#include "cli/OpenDataStore.h"

#include "common/Rounding.h"

#include <QDir>

namespace quorvel::cli {

std::unique_ptr<data::Engine> openDataStore(const QString& dir, QTextStream& err)
{
    auto engine = std::make_unique<data::Engine>(QDir(dir).absolutePath());
    const QString missing = engine->firstMissingTableFile();
    if (!missing.isEmpty()) {
        err << QStringLiteral("Database file \"%1\" cannot be found in directory \"%2\".\n")
                   .arg(missing, QDir::toNativeSeparators(engine->dataDirectory()));
        return nullptr;
    }
    try {
        engine->registerPassword(QString::fromLatin1(data::Engine::kControlPassword));
        const data::DataVersion version = engine->readDataVersion();
        if (RoundTo2Decimals(version.sum()) != RoundTo2Decimals(2.0)) {
            err << QStringLiteral("The data is on version %1; this program reads version 2.00.\n")
                       .arg(version.sum(), 0, 'f', 2);
            return nullptr;
        }
        engine->openTables();
    } catch (const data::StoreError& e) {
        err << e.message() << "\n";
        return nullptr;
    }
    return engine;
}

}  // namespace quorvel::cli
