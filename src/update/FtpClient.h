#pragma once
// A small FTP client over libcurl for the update check: log in, fetch one file
// in binary, log out. Transfers use active mode (the server connects back to
// us), as the update server expects.
//
// Every operation blocks its caller but keeps the application's own events
// flowing (painting, timers; no user input), so the window stays drawn while
// the network is slow. Time-outs: 10 s to connect, 20 s for any server reply
// or for the server to open the data connection, and a transfer that moves no
// data for 20 s is abandoned.
//
// The connection opened by connectToServer() is reused by download() and
// closed by disconnectFromServer() (or the destructor).
#include <QString>

#include <curl/curl.h>

namespace quorvel {

class FtpClient {
public:
    FtpClient();
    ~FtpClient();
    FtpClient(const FtpClient&) = delete;
    FtpClient& operator=(const FtpClient&) = delete;

    void setServer(const QString& host, int port);
    void setCredentials(const QString& user, const QString& password);

    // Connects and logs in. False on failure, with errorString() set.
    bool connectToServer();
    // Whether a logged-in connection is open.
    bool isConnected() const { return connected_; }
    // Fetches remotePath (absolute on the server) into localFile in binary,
    // replacing whatever the file held. False on failure, with errorString()
    // set. Connects first when no connection is open.
    bool download(const QString& remotePath, const QString& localFile);
    // Logs out and closes the connection; harmless when none is open.
    void disconnectFromServer();

    // The reason for the last failure, for the user to read.
    QString errorString() const { return error_; }

    // What one operation collects while it runs (defined in FtpClient.cpp).
    struct Transfer;

private:
    bool run(Transfer& transfer);
    QString urlFor(const QString& remotePath) const;
    void ensureHandles();

    CURLM* multi_ = nullptr;  // keeps the connection open between operations
    CURL* easy_ = nullptr;
    QString host_;
    int port_ = 21;
    QString user_;
    QString password_;
    bool connected_ = false;
    QString error_;
};

}  // namespace quorvel
