#include "update/UpdateConfig.h"

#include <QtGlobal>
#include <cstdint>

namespace quorvel {

namespace {

// Only the low byte of each word is a character; the upper bytes are noise.
constexpr std::uint32_t kPasswordCodes[8] = {
    0x6A1E0054,  // T
    0x3B920071,  // q
    0x0C4D0037,  // 7
    0x57A8006D,  // m
    0x21F30052,  // R
    0x7E050032,  // 2
    0x44B90078,  // x
    0x1D6C0077,  // w
};

}  // namespace

UpdateServer updateServer()
{
    UpdateServer server{QString::fromLatin1(update_config::kServerHost), update_config::kServerPort};
    const QString value = qEnvironmentVariable(update_config::kServerVariable).trimmed();
    if (value.isEmpty())
        return server;

    const int colon = value.lastIndexOf(QLatin1Char(':'));
    if (colon < 0) {
        server.host = value;
        return server;
    }
    bool ok = false;
    const int port = value.mid(colon + 1).toInt(&ok);
    const QString host = value.left(colon);
    if (!ok || port < 1 || port > 65535 || host.isEmpty())
        return server;
    server.host = host;
    server.port = port;
    return server;
}

QString remoteControlFilePath()
{
    return QStringLiteral("/%1/soft/files/vesk/updctrl20.txt").arg(QLatin1String(update_config::kSiteSegment));
}

QString productPageAddress()
{
    return QLatin1String(update_config::kProductPageHost) + QStringLiteral("/etc/p_vesk.php");
}

QString assembleFtpPassword()
{
    QString password;
    for (std::uint32_t word : kPasswordCodes)
        password.append(QChar(static_cast<ushort>(word & 0xFFu)));
    return password;
}

}  // namespace quorvel
