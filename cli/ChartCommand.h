#pragma once
// quorvel-cli chart DIR: builds one chart as the Charts page would and prints
// it as JSON or CSV, or saves it as a PNG, SVG or PDF picture.
//
//   quorvel-cli chart DIR (--list ITEM | --custom NAME) [--current CODE]
//       [--start mm/dd/yyyy] [--end mm/dd/yyyy] [--today mm/dd/yyyy]
//       [--span Monthly|Quarterly|Yearly] [--value Price|Shares|Value]
//       [--by Account|Category] [--marks show|hide] [--3d yes|no] [--rotation N]
//       [--format json|csv|png|svg|pdf] [--out FILE]
//
// ITEM is one of the chart list's texts, e.g. "All Accounts (Line)"; NAME a
// user's chart definition. Exit codes: 0 done, 1 the data directory or a file
// failed, 2 the arguments are off, 3 the chart stopped with a message (printed
// as {"message": "..."}).
#include <QStringList>
#include <QTextStream>

namespace quorvel::cli {

// args: what follows the word "chart" on the command line.
int runChartCommand(const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace quorvel::cli
