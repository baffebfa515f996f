#pragma once
// Hands a program, document, web address or "MAILTO:" address to the desktop.
#include <QString>
#include <QUrl>

class QWidget;

namespace quorvel {

class Dialogs;

class Launcher {
public:
    virtual ~Launcher() = default;
    // False when the desktop refused the target.
    virtual bool open(const QString& target, const QString& workingDirectory) = 0;
};

// QDesktopServices behind the interface. "MAILTO:x" becomes a mailto: URL, an
// address without a scheme ("www.example.com") is opened as an http:// page, a
// local path as a file.
class DesktopLauncher : public Launcher {
public:
    bool open(const QString& target, const QString& workingDirectory) override;
};

// The address DesktopLauncher hands to the desktop for a target: "MAILTO:x"
// (any case) -> mailto:x; a text starting with http:, https:, ftp:, file: or
// mailto: as it stands; an absolute path, or a relative one that exists in
// workingDirectory (or the current directory), as a local file; anything else
// as an http:// page. An empty target gives an invalid URL.
QUrl desktopUrlFor(const QString& target, const QString& workingDirectory);

constexpr int kShowMaximized = 3;

// Opens fileName through the launcher; on refusal shows "Program {FileName} in
// directory {Directory} was not successfully launched. Please contact support."
// and returns false; an exception from the launcher counts as a refusal, so
// this never throws. The target and the working directory reach the launcher
// unchanged; parameters and show command are accepted for the callers' sake,
// the desktop takes neither.
bool LaunchProgram(Launcher& launcher, Dialogs& dialogs, QWidget* owner, const QString& fileName,
                   const QString& parameters, const QString& directory, int showCommand = kShowMaximized);

}  // namespace quorvel
