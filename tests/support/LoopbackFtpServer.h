#pragma once
// A real FTP server on 127.0.0.1 for the update-check tests: Debian's
// pyftpdlib run by /usr/bin/python3 (ftp_server.py beside this file), one user
// with a read-only home folder, on a port the system picks. The server is
// stopped by its process id when the object goes away.
//
//     LoopbackFtpServer server;
//     QVERIFY2(server.start(home, "kivrat52", password), qPrintable(server.failure()));
//     qputenv("QUORVEL_UPDATE_SERVER", server.address().toUtf8());
//
// Header-only, so that only the tests that use it carry it.
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QString>

#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/types.h>
#include <unistd.h>

namespace quorvel {

class LoopbackFtpServer {
public:
    LoopbackFtpServer() = default;
    ~LoopbackFtpServer() { stop(); }
    LoopbackFtpServer(const LoopbackFtpServer&) = delete;
    LoopbackFtpServer& operator=(const LoopbackFtpServer&) = delete;

    // Starts the server and waits until it accepts connections. False (with
    // failure() set) when it did not come up in time.
    bool start(const QString& homeFolder, const QString& user, const QString& password)
    {
        stop();
        failure_.clear();
        // The tests run with the source tree named in the environment.
        const QString script = QDir(qEnvironmentVariable("QUORVEL_SOURCE_DIR"))
                                   .filePath(QStringLiteral("tests/support/ftp_server.py"));
        if (!QFileInfo::exists(script)) {
            failure_ = QStringLiteral("no server script at %1 (is QUORVEL_SOURCE_DIR set?)").arg(script);
            return false;
        }
        process_.start(QStringLiteral("/usr/bin/python3"),
                       {script, QStringLiteral("--home"), homeFolder, QStringLiteral("--user"), user,
                        QStringLiteral("--password"), password});
        if (!process_.waitForStarted(kStartMilliseconds)) {
            failure_ = QStringLiteral("python3 did not start: %1").arg(process_.errorString());
            return false;
        }

        // The server prints "PORT <n>" once it listens.
        const QDeadlineTimer deadline(kStartMilliseconds);
        QByteArray output;
        while (!output.contains('\n') && !deadline.hasExpired() && process_.state() == QProcess::Running) {
            process_.waitForReadyRead(100);
            output += process_.readAllStandardOutput();
        }
        const QByteArray line = output.left(output.indexOf('\n')).trimmed();
        if (!line.startsWith("PORT ")) {
            failure_ = QStringLiteral("the FTP server did not start: %1 %2")
                           .arg(QString::fromUtf8(line), QString::fromUtf8(process_.readAllStandardError()));
            stop();
            return false;
        }
        port_ = line.mid(5).toInt();
        while (!accepts(port_)) {
            if (deadline.hasExpired() || process_.state() != QProcess::Running) {
                failure_ = QStringLiteral("the FTP server does not accept connections on port %1").arg(port_);
                stop();
                return false;
            }
            process_.waitForFinished(50);  // a short poll that also notices the server dying
        }
        return true;
    }

    void stop()
    {
        if (process_.state() == QProcess::NotRunning)
            return;
        const qint64 pid = process_.processId();
        if (pid > 0)
            ::kill(static_cast<pid_t>(pid), SIGTERM);
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }

    int port() const { return port_; }
    // "127.0.0.1:{port}"
    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(port_); }
    QString failure() const { return failure_; }

private:
    static constexpr int kStartMilliseconds = 15000;

    static bool accepts(int port)
    {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        if (fd < 0)
            return false;
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(fd);
        return connected;
    }

    QProcess process_;
    int port_ = 0;
    QString failure_;
};

}  // namespace quorvel
