#include "RecordingLauncher.h"

namespace quorvel {

bool RecordingLauncher::open(const QString& target, const QString& workingDirectory)
{
    requests.append({target, workingDirectory});
    return result;
}

QStringList RecordingLauncher::targets() const
{
    QStringList list;
    for (const Request& request : requests)
        list.append(request.target);
    return list;
}

}  // namespace quorvel
