#pragma once
#include <QString>
#include <functional>

namespace quorvel {

// First free name of the series base, "base 1", "base 2", ... where `taken`
// answers whether a candidate is already used (an exact key search).
QString uniqueName(const QString& base, const std::function<bool(const QString&)>& taken);

}  // namespace quorvel
