#include "common/SettingsSearch.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace quorvel {

namespace {

const QString kSettingsFileName = QStringLiteral("VeskConnect.ini");

// Users edit this file by hand and INI section and key names are traditionally
// not case sensitive; QSettings on Linux is, so look the names up by hand.
QString findName(const QStringList& names, const QString& wanted)
{
    for (const QString& name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return name;
    }
    return QString();
}

// Reads [Connect] DataDir; a null QString when the key is missing.
QString readDataDir(const QString& settingsFile)
{
    QSettings settings(settingsFile, QSettings::IniFormat);
    settings.setIniCodec("UTF-8");  // hand-written files hold UTF-8 paths
    const QString group = findName(settings.childGroups(), QStringLiteral("Connect"));
    if (group.isNull())
        return QString();
    settings.beginGroup(group);
    const QString key = findName(settings.childKeys(), QStringLiteral("DataDir"));
    if (key.isNull())
        return QString();
    const QVariant value = settings.value(key);
    // An unquoted value with commas comes back as a list; the path had them.
    if (value.type() == QVariant::StringList)
        return value.toStringList().join(QLatin1Char(','));
    const QString text = value.toString();
    return text.isNull() ? QString(QLatin1String("")) : text;  // present but empty
}

}  // namespace

SettingsSearchResult findDataDirectory(const QString& exeDir)
{
    SettingsSearchResult result;
    const QString start =
        QDir::cleanPath(exeDir.isEmpty() ? QDir::currentPath() : QDir(exeDir).absolutePath());

    QString current = start;
    for (;;) {
        const QString candidate = QDir(current).filePath(kSettingsFileName);
        if (QFileInfo(candidate).isFile()) {
            result.settingsFile = candidate;
            break;
        }
        QDir dir(current);
        if (dir.isRoot() || !dir.cdUp())
            break;  // the root has been searched too
        current = dir.absolutePath();
    }
    result.lastDirectory = current;
    if (result.settingsFile.isEmpty())
        return result;

    const QString value = readDataDir(result.settingsFile);
    QString dataDir;
    if (value.isNull())
        dataDir = start;  // no key: the program's own folder
    else if (!value.trimmed().isEmpty())
        dataDir = QDir(current).absoluteFilePath(value.trimmed());
    // cleanPath drops a trailing separator (except for the root itself).
    result.dataDirectory = dataDir.isEmpty() ? QString() : QDir::cleanPath(dataDir);
    return result;
}

}  // namespace quorvel
