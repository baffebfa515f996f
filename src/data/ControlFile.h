#pragma once
// Control.ADT: a SQLite image of the control table, sealed with libsodium.
// Layout: magic "QVCTRL\0\1", format version (1 byte), opslimit (8 bytes LE),
// memlimit (8 bytes LE), salt, nonce, then crypto_secretbox_easy(image) under
// a key derived from the password with crypto_pwhash (Argon2id).
#include "data/StoreError.h"

#include <QByteArray>
#include <QString>

namespace quorvel::data {

QByteArray sealControlImage(const QByteArray& sqliteImage, const QString& password);
// Throws StoreError (naming fileName) when the data is not a sealed control
// table, was altered, or was sealed under another password.
QByteArray unsealControlImage(const QByteArray& sealed, const QString& password, const QString& fileName);

}  // namespace quorvel::data
