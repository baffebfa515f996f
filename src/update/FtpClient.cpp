#include "update/FtpClient.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSaveFile>
#include <QStringList>
#include <QUrl>

#include <cctype>

namespace quorvel {

namespace {

constexpr long kConnectTimeoutSeconds = 10;
constexpr long kReplyTimeoutSeconds = 20;   // a server reply, or the server opening the data connection
constexpr long kStallSeconds = 20;          // a transfer below one byte per second this long is given up
constexpr int kPollMilliseconds = 50;       // how often the window gets its events while we wait

void initialiseCurlOnce()
{
    static const bool initialised = [] {
        curl_global_init(CURL_GLOBAL_DEFAULT);
        return true;
    }();
    (void)initialised;
}

}  // namespace

// What one operation collects while libcurl runs it.
struct FtpClient::Transfer {
    QSaveFile* file = nullptr;  // null when nothing is downloaded
    QString writeError;
    QByteArray lastReply;       // the server's latest reply line, e.g. "550 No such file."
    char errorBuffer[CURL_ERROR_SIZE] = {};
};

namespace {

// libcurl hands FTP server replies to the header callback, one line per call.
size_t onServerReply(char* data, size_t size, size_t count, void* user)
{
    auto* transfer = static_cast<FtpClient::Transfer*>(user);
    const size_t length = size * count;
    const QByteArray line = QByteArray(data, static_cast<int>(length)).trimmed();
    if (line.size() >= 3 && std::isdigit(static_cast<unsigned char>(line[0]))
        && std::isdigit(static_cast<unsigned char>(line[1])) && std::isdigit(static_cast<unsigned char>(line[2])))
        transfer->lastReply = line;
    return length;
}

size_t onData(char* data, size_t size, size_t count, void* user)
{
    auto* transfer = static_cast<FtpClient::Transfer*>(user);
    const qint64 length = static_cast<qint64>(size * count);
    if (!transfer->file || transfer->file->write(data, length) != length) {
        if (transfer->file)
            transfer->writeError = transfer->file->errorString();
        return 0;  // makes libcurl stop with a write error
    }
    return static_cast<size_t>(length);
}

bool isNegativeReply(const QByteArray& reply)
{
    return !reply.isEmpty() && (reply[0] == '4' || reply[0] == '5');
}

// One message for the user: what went wrong in libcurl's words, with the
// server's own refusal when there was one ("Login denied: 530 Authentication
// failed."), otherwise libcurl's detail ("Failed to connect to ...").
QString describeFailure(CURLcode code, const FtpClient::Transfer& transfer)
{
    const QString summary = QString::fromUtf8(curl_easy_strerror(code));
    if (isNegativeReply(transfer.lastReply))
        return summary + QStringLiteral(": ") + QString::fromUtf8(transfer.lastReply);
    const QString detail = QString::fromUtf8(transfer.errorBuffer).trimmed();
    // libcurl 7.88 writes a harmless diagnostic about the address of the
    // active-mode data socket into the error buffer; it says nothing about the
    // failure that follows.
    if (detail.isEmpty() || detail.contains(QLatin1String("inet_ntop")))
        return summary;
    return detail;
}

}  // namespace

FtpClient::FtpClient()
{
    initialiseCurlOnce();
}

FtpClient::~FtpClient()
{
    disconnectFromServer();
}

void FtpClient::setServer(const QString& host, int port)
{
    if (host != host_ || port != port_)
        disconnectFromServer();
    host_ = host;
    port_ = port;
}

void FtpClient::setCredentials(const QString& user, const QString& password)
{
    if (user != user_ || password != password_)
        disconnectFromServer();
    user_ = user;
    password_ = password;
}

void FtpClient::ensureHandles()
{
    if (!multi_)
        multi_ = curl_multi_init();
    if (easy_)
        return;
    easy_ = curl_easy_init();
    curl_easy_setopt(easy_, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy_, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(easy_, CURLOPT_PROXY, "");  // never through a proxy from the environment
    curl_easy_setopt(easy_, CURLOPT_FTPPORT, "-");  // active mode on the control connection's address
    curl_easy_setopt(easy_, CURLOPT_TRANSFERTEXT, 0L);
    curl_easy_setopt(easy_, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
    curl_easy_setopt(easy_, CURLOPT_SERVER_RESPONSE_TIMEOUT, kReplyTimeoutSeconds);
    curl_easy_setopt(easy_, CURLOPT_ACCEPTTIMEOUT_MS, kReplyTimeoutSeconds * 1000);
    curl_easy_setopt(easy_, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(easy_, CURLOPT_LOW_SPEED_TIME, kStallSeconds);
}

QString FtpClient::urlFor(const QString& remotePath) const
{
    QString host = host_;
    if (host.contains(QLatin1Char(':')))
        host = QLatin1Char('[') + host + QLatin1Char(']');
    // A leading "%2F" makes the path absolute on the server instead of
    // relative to the folder the login lands in.
    QStringList segments;
    for (const QString& segment : remotePath.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        segments << QString::fromLatin1(QUrl::toPercentEncoding(segment));
    QString path = QStringLiteral("/");
    if (!segments.isEmpty())
        path += QStringLiteral("%2F") + segments.join(QLatin1Char('/'));
    return QStringLiteral("ftp://%1:%2%3").arg(host).arg(port_).arg(path);
}

bool FtpClient::run(Transfer& transfer)
{
    const QByteArray user = user_.toUtf8();
    const QByteArray password = password_.toUtf8();
    curl_easy_setopt(easy_, CURLOPT_USERNAME, user.constData());
    curl_easy_setopt(easy_, CURLOPT_PASSWORD, password.constData());
    curl_easy_setopt(easy_, CURLOPT_ERRORBUFFER, transfer.errorBuffer);
    curl_easy_setopt(easy_, CURLOPT_HEADERFUNCTION, &onServerReply);
    curl_easy_setopt(easy_, CURLOPT_HEADERDATA, &transfer);
    curl_easy_setopt(easy_, CURLOPT_WRITEFUNCTION, &onData);
    curl_easy_setopt(easy_, CURLOPT_WRITEDATA, &transfer);

    CURLcode result = CURLE_OK;
    CURLMcode multiResult = curl_multi_add_handle(multi_, easy_);
    int running = 1;
    while (multiResult == CURLM_OK) {
        multiResult = curl_multi_perform(multi_, &running);
        if (multiResult != CURLM_OK || running == 0)
            break;
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        multiResult = curl_multi_poll(multi_, nullptr, 0, kPollMilliseconds, nullptr);
    }
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(multi_, &queued)) {
        if (message->msg == CURLMSG_DONE && message->easy_handle == easy_)
            result = message->data.result;
    }
    curl_multi_remove_handle(multi_, easy_);
    curl_easy_setopt(easy_, CURLOPT_ERRORBUFFER, nullptr);

    if (multiResult != CURLM_OK) {
        error_ = QString::fromUtf8(curl_multi_strerror(multiResult));
        return false;
    }
    if (result != CURLE_OK) {
        error_ = !transfer.writeError.isEmpty() ? transfer.writeError : describeFailure(result, transfer);
        return false;
    }
    return true;
}

bool FtpClient::connectToServer()
{
    error_.clear();
    if (connected_)
        return true;
    ensureHandles();
    // Asking for the root folder without a body logs in and goes no further;
    // the connection then stays open for the download.
    const QByteArray url = urlFor(QString()).toUtf8();
    curl_easy_setopt(easy_, CURLOPT_URL, url.constData());
    curl_easy_setopt(easy_, CURLOPT_NOBODY, 1L);
    Transfer transfer;
    connected_ = run(transfer);
    if (!connected_)
        disconnectFromServer();
    return connected_;
}

bool FtpClient::download(const QString& remotePath, const QString& localFile)
{
    error_.clear();
    ensureHandles();
    // The old copy is replaced only by a complete new one.
    QSaveFile file(localFile);
    if (!file.open(QIODevice::WriteOnly)) {
        error_ = QStringLiteral("Cannot write %1: %2").arg(localFile, file.errorString());
        return false;
    }
    const QByteArray url = urlFor(remotePath).toUtf8();
    curl_easy_setopt(easy_, CURLOPT_URL, url.constData());
    curl_easy_setopt(easy_, CURLOPT_NOBODY, 0L);
    Transfer transfer;
    transfer.file = &file;
    const bool ok = run(transfer);
    if (!ok) {
        file.cancelWriting();
        return false;
    }
    connected_ = true;  // the connection stays open after a transfer
    if (!file.commit()) {
        error_ = QStringLiteral("Cannot write %1: %2").arg(localFile, file.errorString());
        return false;
    }
    return true;
}

void FtpClient::disconnectFromServer()
{
    // Cleaning up the multi handle logs out of every connection it keeps.
    if (easy_) {
        curl_easy_cleanup(easy_);
        easy_ = nullptr;
    }
    if (multi_) {
        curl_multi_cleanup(multi_);
        multi_ = nullptr;
    }
    connected_ = false;
}

}  // namespace quorvel
