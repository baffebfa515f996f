#pragma once
// The maker's update service in one place: where the control file lives, who
// logs in, and where the product page is. These values belong to the service,
// not to the user, so they are compiled in and never read from settings.
//
// Tests point the check at a loopback server through one environment variable
// (no settings file is involved):
//   QUORVEL_UPDATE_SERVER=127.0.0.1:2121   host and port
//   QUORVEL_UPDATE_SERVER=ftp.example.org  host alone, standard FTP port
// An empty or unusable value (a port that is not 1..65535) is ignored.
#include <QString>

namespace quorvel {

struct UpdateServer {
    QString host;
    int port = 21;
};

namespace update_config {

constexpr const char* kServerHost = "ftp.quorvel.example";
constexpr int kServerPort = 21;
// First path segment of the remote control file: the maker's site folder.
constexpr const char* kSiteSegment = "quorvel";
constexpr const char* kProductPageHost = "www.quorvel.example";
constexpr const char* kFtpUser = "kivrat52";
constexpr const char* kServerVariable = "QUORVEL_UPDATE_SERVER";
// Name of the local copy inside the data directory.
constexpr const char* kLocalControlFileName = "updctrl.txt";

}  // namespace update_config

// The server to ask: the compiled-in host on the standard port, unless
// QUORVEL_UPDATE_SERVER names another one.
UpdateServer updateServer();

// "/{site}/soft/files/vesk/updctrl20.txt": absolute on the server. The name
// carries this release's number, so the file speaks for this release only.
QString remoteControlFilePath();

// The product page handed to the desktop: host and path, without a scheme.
QString productPageAddress();

// The eight-character login password, built from a table of 32-bit words whose
// low bytes are the characters (so the password is not one string in the binary).
QString assembleFtpPassword();

}  // namespace quorvel
