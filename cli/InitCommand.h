#pragma once
#include <QStringList>
#include <QTextStream>

namespace quorvel::cli {
// init DIR [--demo] [--ini PATH] [--today mm/dd/yyyy]: a new data directory.
int runInitCommand(const QStringList& args, QTextStream& out, QTextStream& err);
}
