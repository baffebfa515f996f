#include "update/UpdateCheck.h"

#include "common/Dialogs.h"
#include "common/FileUtil.h"
#include "common/Launcher.h"
#include "common/WaitCursor.h"
#include "update/UpdateConfig.h"
#include "update/UpdateNotice.h"
#include "update/UpdateOffer.h"

#include <QDir>
#include <QWidget>

#include <stdexcept>

namespace quorvel {

UpdateCheck::UpdateCheck(QWidget* mainWindow, Dialogs& dialogs, Launcher& launcher,
                         const QString& dataDirectory, const QString& exeDir)
    : QObject(mainWindow),
      mainWindow_(mainWindow),
      dialogs_(dialogs),
      launcher_(launcher),
      dataDirectory_(dataDirectory),
      exeDir_(exeDir),
      notice_(new UpdateNotice(mainWindow))
{
    // Every check starts from the panel's own colour, whatever the last
    // check turned it into.
    sneakPeekColor_ = notice_->color();
    ftpPassword_ = assembleFtpPassword();
    connect(notice_, &UpdateNotice::linkClicked, this, &UpdateCheck::followLink);
}

UpdateCheck::~UpdateCheck() = default;

QString UpdateCheck::localControlFile() const
{
    return QDir(dataDirectory_).filePath(QLatin1String(update_config::kLocalControlFileName));
}

void UpdateCheck::lookForUpdates()
{
    // The window keeps getting its events while the network works, so guard
    // against a second check starting inside the first.
    if (running_)
        return;
    running_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{running_};
    WaitCursor cursor;

    notice_->showCheckingForm(sneakPeekColor_);
    if (mainWindow_)
        mainWindow_->repaint();

    const QString localCopy = localControlFile();
    if (!connectToWebSite()) {
        cursor.restore();
        fail(ftp_.errorString());
        return;
    }

    controlFileFetched_ = false;
    controlFileFetched_ = ftp_.download(remoteControlFilePath(), localCopy);
    const QString downloadError = ftp_.errorString();
    disconnectFromWebSite();
    if (!controlFileFetched_) {
        cursor.restore();
        fail(downloadError);
        return;
    }

    UpdateOffer offer;
    try {
        offer = readUpdateOffer(localCopy);
    } catch (const std::invalid_argument& damaged) {
        cursor.restore();
        fail(QString::fromUtf8(damaged.what()));
        return;
    }

    if (!offer.offered()) {
        cursor.restore();
        dialogs_.information(mainWindow_, QStringLiteral("No updates are available."));
        notice_->hide();
    } else {
        notice_->showNewVersionForm(offer.version, offer.releaseDate);
    }
    DeleteFileIfExists(localCopy);
}

bool UpdateCheck::connectToWebSite()
{
    if (ftpConnected_)
        return true;
    const UpdateServer server = updateServer();
    ftp_.setServer(server.host, server.port);
    ftp_.setCredentials(QLatin1String(update_config::kFtpUser), ftpPassword_);
    ftp_.connectToServer();
    ftpConnected_ = ftp_.isConnected();
    return ftpConnected_;
}

bool UpdateCheck::disconnectFromWebSite()
{
    if (ftpConnected_) {
        ftp_.disconnectFromServer();
        ftpConnected_ = false;
    }
    return !ftp_.isConnected();
}

void UpdateCheck::fail(const QString& message)
{
    // A panel still saying "Checking website for updates" after the check
    // has ended would mislead, and it has no close label in that form.
    notice_->hide();
    dialogs_.error(mainWindow_, message.isEmpty() ? QStringLiteral("The update check failed.") : message);
}

void UpdateCheck::followLink()
{
    LaunchProgram(launcher_, dialogs_, mainWindow_, productPageAddress(), QString(), exeDir_, kShowMaximized);
    // The program ends whether or not the browser could be started; the
    // launch has already said so if it could not.
    emit closeProgramRequested();
}

}  // namespace quorvel
