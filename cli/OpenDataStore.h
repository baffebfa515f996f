#pragma once
// Opens a data directory the way the program does at start-up: every table
// file present, the control table's version 2.00, the tables readable.
#include "data/Engine.h"

#include <QTextStream>
#include <memory>

namespace quorvel::cli {

// Null after printing the reason to err.
std::unique_ptr<data::Engine> openDataStore(const QString& dir, QTextStream& err);

}  // namespace quorvel::cli
