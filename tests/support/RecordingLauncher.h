#pragma once
// A Launcher for tests: opens nothing, records every request (target and
// working directory, in order) and answers with `result` (true: the desktop
// took it; false: it refused, so LaunchProgram shows its failure message).
//
//     RecordingLauncher launcher;
//     launcher.result = false;
//     ... click the link ...
//     QCOMPARE(launcher.targets(), QStringList{"MAILTO:someone@example.com"});
#include "common/Launcher.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace quorvel {

class RecordingLauncher : public Launcher {
public:
    struct Request {
        QString target;
        QString workingDirectory;
    };

    QList<Request> requests;
    bool result = true;

    bool open(const QString& target, const QString& workingDirectory) override;

    QStringList targets() const;
    void clear() { requests.clear(); }
};

}  // namespace quorvel
