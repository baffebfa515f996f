#pragma once
#include <QStringList>
#include <QTextStream>

namespace quorvel::cli {
// values DIR [--filter all|active|closed] [--sort FIELD] [--desc]: runs the
// valuation as the Accounts page does and prints "{code}\t{value}" per listed
// account, then "Overall\t{overall value}".
int runValuesCommand(const QStringList& args, QTextStream& out, QTextStream& err);
}
