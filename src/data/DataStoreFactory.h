#pragma once
// Making a new data directory (the program itself never creates one).
#include "data/StoreError.h"

#include <QDate>
#include <QString>

namespace quorvel::data {

// Creates the six table files in dir (made if missing): the seven predefined
// chart definitions and one control record of version 2.0. Refuses, touching
// nothing, a directory that already holds any table file.
void createDataStore(const QString& dir);
// Adds sample accounts in four categories (one closed) with monthly entries
// for the years up to today.
void addDemoData(const QString& dir, const QDate& today);
// Writes a VeskConnect.ini at iniPath naming dataDir.
void writeSettingsFile(const QString& iniPath, const QString& dataDir);

// Seals a control table holding one record (majorVer, minorVer) into Control.ADT.
void writeControlFile(const QString& path, double majorVer, double minorVer);

}  // namespace quorvel::data
