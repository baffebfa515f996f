#include "common/UniqueName.h"

namespace quorvel {

QString uniqueName(const QString& base, const std::function<bool(const QString&)>& taken)
{
    QString candidate = base;
    for (int counter = 1; taken(candidate); ++counter)
        candidate = base + QLatin1Char(' ') + QString::number(counter);
    return candidate;
}

}  // namespace quorvel
