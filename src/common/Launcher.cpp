#include "common/Launcher.h"

#include "common/Dialogs.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace quorvel {

namespace {

bool startsWithScheme(const QString& text, const QString& scheme)
{
    return text.startsWith(scheme + QLatin1Char(':'), Qt::CaseInsensitive);
}

}  // namespace

QUrl desktopUrlFor(const QString& target, const QString& workingDirectory)
{
    const QString text = target.trimmed();
    if (text.isEmpty())
        return QUrl();

    // The links write "MAILTO:" in capitals; the desktop expects the scheme in
    // lower case.
    if (startsWithScheme(text, QStringLiteral("mailto")))
        return QUrl(QStringLiteral("mailto:") + text.mid(7));

    static const char* const kSchemes[] = {"http", "https", "ftp", "file"};
    for (const char* scheme : kSchemes) {
        if (startsWithScheme(text, QLatin1String(scheme)))
            return QUrl(text);
    }

    // An absolute path is a local file even when it does not exist: the
    // desktop then refuses it, which is reported, rather than being sent to a
    // web server. A relative one is a file only when it exists.
    if (QFileInfo(text).isAbsolute())
        return QUrl::fromLocalFile(QDir::cleanPath(text));
    if (!workingDirectory.isEmpty()) {
        const QString path = QDir(workingDirectory).absoluteFilePath(text);
        if (QFileInfo::exists(path))
            return QUrl::fromLocalFile(QDir::cleanPath(path));
    }
    if (QFileInfo::exists(text))
        return QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());

    // A web address typed without its scheme ("www.example.com/page").
    return QUrl(QStringLiteral("http://") + text);
}

bool DesktopLauncher::open(const QString& target, const QString& workingDirectory)
{
    const QUrl url = desktopUrlFor(target, workingDirectory);
    if (!url.isValid())
        return false;
    return QDesktopServices::openUrl(url);
}

bool LaunchProgram(Launcher& launcher, Dialogs& dialogs, QWidget* owner, const QString& fileName,
                   const QString& parameters, const QString& directory, int showCommand)
{
    // The desktop opens documents and addresses by their type; it takes no
    // parameters and no window state.
    Q_UNUSED(parameters);
    Q_UNUSED(showCommand);

    bool opened = false;
    try {
        opened = launcher.open(fileName, directory);
    } catch (...) {
        opened = false;  // a launch never raises: the message below tells the user
    }
    if (!opened) {
        dialogs.error(owner, QStringLiteral("Program ") + fileName + QStringLiteral(" in directory ")
                                 + directory
                                 + QStringLiteral(" was not successfully launched. Please contact support."));
    }
    return opened;
}

}  // namespace quorvel
