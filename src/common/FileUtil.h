#pragma once
#include <QString>

namespace quorvel {
// True when the file existed and was deleted. A directory of that name is
// neither deleted nor reported.
bool DeleteFileIfExists(const QString& fileName);
}
