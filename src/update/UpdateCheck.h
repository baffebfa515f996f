#pragma once
// "Look For Updates": asks the maker's FTP server whether a newer version of
// the program is offered and tells the user.
//
// Use from the main window:
//
//     updateCheck_ = new quorvel::UpdateCheck(this, dialogs, launcher, dataDirectory, exeDir);
//     connect(updateCheck_, &quorvel::UpdateCheck::closeProgramRequested, this, &QWidget::close);
//     // Help > Look For Updates:
//     connect(lookForUpdatesAction, &QAction::triggered, updateCheck_, &quorvel::UpdateCheck::lookForUpdates);
//
// The check creates its notice panel (UpdateNotice, "PnlSneakPeek") as a child
// of the main window and keeps the panel's design colour from that moment.
// The data directory (where the control file is fetched to, as
// "updctrl.txt") and the program directory (working directory of the browser
// launch) may be set later, once the main window has found them.
//
// The check runs on the caller's thread and returns when it is over; meanwhile
// the wait cursor is shown and the window keeps being painted. Failures end in
// one error box with the FTP client's message; the panel is then hidden.
#include <QColor>
#include <QObject>
#include <QString>

#include "update/FtpClient.h"

class QWidget;

namespace quorvel {

class Dialogs;
class Launcher;
class UpdateNotice;

class UpdateCheck : public QObject {
    Q_OBJECT
public:
    UpdateCheck(QWidget* mainWindow, Dialogs& dialogs, Launcher& launcher, const QString& dataDirectory,
                const QString& exeDir);
    ~UpdateCheck() override;

    void setDataDirectory(const QString& dataDirectory) { dataDirectory_ = dataDirectory; }
    void setExeDir(const QString& exeDir) { exeDir_ = exeDir; }

    UpdateNotice* notice() const { return notice_; }
    // Where the control file is fetched to.
    QString localControlFile() const;

public slots:
    // The whole check; a call while a check runs is ignored.
    void lookForUpdates();

signals:
    // The user followed the link to the product page: the program should end.
    void closeProgramRequested();

private:
    bool connectToWebSite();
    bool disconnectFromWebSite();
    void followLink();
    void fail(const QString& message);

    QWidget* mainWindow_;
    Dialogs& dialogs_;
    Launcher& launcher_;
    QString dataDirectory_;
    QString exeDir_;
    UpdateNotice* notice_;
    QColor sneakPeekColor_;
    QString ftpPassword_;
    FtpClient ftp_;
    bool ftpConnected_ = false;
    bool controlFileFetched_ = false;
    bool running_ = false;
};

}  // namespace quorvel
