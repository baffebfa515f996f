#include "common/FileUtil.h"

#include <QFile>
#include <QFileInfo>

namespace quorvel {

bool DeleteFileIfExists(const QString& fileName)
{
    if (fileName.isEmpty())
        return false;
    const QFileInfo info(fileName);
    // Only files: a directory of that name is left alone.
    if (!info.exists() || info.isDir())
        return false;
    return QFile::remove(fileName);
}

}  // namespace quorvel
