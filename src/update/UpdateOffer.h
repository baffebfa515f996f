#pragma once
// What the downloaded control file offers. The file is an INI file; section
// "2" holds the coded version (key "1") and the coded release date (key "3").
// Both are display texts: the program does not compare versions, because the
// file's name already ties it to this release, so any version named there is
// newer than this one.
#include <QString>

namespace quorvel {

struct UpdateOffer {
    QString version;      // empty: no upgrade offered
    QString releaseDate;  // optional even when a version is offered

    bool offered() const { return !version.isEmpty(); }
};

// Reads the local copy of the control file. A missing section or key counts as
// empty. The date is read only when a version is offered. Throws
// std::invalid_argument when a coded value is damaged.
UpdateOffer readUpdateOffer(const QString& controlFile);

}  // namespace quorvel
