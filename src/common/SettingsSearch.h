#pragma once
// Finding the data directory through VeskConnect.ini.
#include <QString>

namespace quorvel {

struct SettingsSearchResult {
    QString dataDirectory;  // empty: no usable settings file
    QString settingsFile;   // the file found, empty when none
    QString lastDirectory;  // where the search ended
};

// Looks for VeskConnect.ini in exeDir, then in each ancestor up to and
// including the root. Reads key DataDir of section [Connect]; no key gives
// exeDir, a relative value is resolved against the folder of the file found,
// an empty value counts as no settings file. No trailing separator.
// Section and key names are matched without regard to case, as INI readers
// traditionally do; the file is read as UTF-8. An unquoted value holding
// commas is taken whole (blanks after its commas are lost; quote such a
// path). The process's current directory is not touched: lastDirectory tells
// where the search ended (the folder of the file found, or the root). An
// empty exeDir starts from the current directory.
SettingsSearchResult findDataDirectory(const QString& exeDir);

}  // namespace quorvel
