#include "data/ControlFile.h"

#include <QtEndian>
#include <sodium.h>

namespace quorvel::data {

namespace {

const QByteArray kMagic("QVCTRL\0\1", 8);
constexpr char kFormatVersion = 1;
constexpr int kHeaderSize = 8 + 1 + 8 + 8 + crypto_pwhash_SALTBYTES + crypto_secretbox_NONCEBYTES;

void ensureSodium()
{
    if (sodium_init() < 0)
        throw StoreError(QStringLiteral("The encryption library could not be initialised."));
}

QByteArray deriveKey(const QString& password, const unsigned char* salt, quint64 ops, quint64 mem)
{
    QByteArray key(crypto_secretbox_KEYBYTES, '\0');
    const QByteArray pw = password.toUtf8();
    if (crypto_pwhash(reinterpret_cast<unsigned char*>(key.data()), key.size(), pw.constData(),
                      pw.size(), salt, ops, mem, crypto_pwhash_ALG_ARGON2ID13) != 0)
        throw StoreError(QStringLiteral("Not enough memory to open the control table."));
    return key;
}

}  // namespace

QByteArray sealControlImage(const QByteArray& sqliteImage, const QString& password)
{
    ensureSodium();
    // The table password is known to the program, so a costly derivation would
    // protect nothing; it only has to make the file unreadable without it.
    const quint64 ops = crypto_pwhash_OPSLIMIT_INTERACTIVE;
    const quint64 mem = 8u * 1024u * 1024u;
    QByteArray out = kMagic;
    out.append(kFormatVersion);
    char le[8];
    qToLittleEndian(ops, le);
    out.append(le, 8);
    qToLittleEndian(mem, le);
    out.append(le, 8);
    QByteArray salt(crypto_pwhash_SALTBYTES, '\0');
    QByteArray nonce(crypto_secretbox_NONCEBYTES, '\0');
    randombytes_buf(salt.data(), salt.size());
    randombytes_buf(nonce.data(), nonce.size());
    out.append(salt);
    out.append(nonce);
    const QByteArray key =
        deriveKey(password, reinterpret_cast<const unsigned char*>(salt.constData()), ops, mem);
    QByteArray cipher(sqliteImage.size() + crypto_secretbox_MACBYTES, '\0');
    crypto_secretbox_easy(reinterpret_cast<unsigned char*>(cipher.data()),
                          reinterpret_cast<const unsigned char*>(sqliteImage.constData()),
                          sqliteImage.size(),
                          reinterpret_cast<const unsigned char*>(nonce.constData()),
                          reinterpret_cast<const unsigned char*>(key.constData()));
    out.append(cipher);
    return out;
}

QByteArray unsealControlImage(const QByteArray& sealed, const QString& password, const QString& fileName)
{
    ensureSodium();
    const auto notOurs = [&](const QString& why) {
        return StoreError(QStringLiteral("Database file \"%1\" cannot be read: %2").arg(fileName, why));
    };
    if (sealed.size() < kHeaderSize + int(crypto_secretbox_MACBYTES) || !sealed.startsWith(kMagic))
        throw notOurs(QStringLiteral("it is not a Quorvel control table."));
    if (sealed.at(8) != kFormatVersion)
        throw notOurs(QStringLiteral("its format version is not supported."));
    const auto* p = reinterpret_cast<const unsigned char*>(sealed.constData());
    const quint64 ops = qFromLittleEndian<quint64>(p + 9);
    const quint64 mem = qFromLittleEndian<quint64>(p + 17);
    // An altered header must not make us spend minutes or gigabytes deriving a key.
    if (ops < crypto_pwhash_OPSLIMIT_MIN || ops > crypto_pwhash_OPSLIMIT_SENSITIVE
        || mem < crypto_pwhash_MEMLIMIT_MIN || mem > crypto_pwhash_MEMLIMIT_SENSITIVE)
        throw notOurs(QStringLiteral("the file is damaged or has been altered."));
    const unsigned char* salt = p + 25;
    const unsigned char* nonce = salt + crypto_pwhash_SALTBYTES;
    const unsigned char* cipher = p + kHeaderSize;
    const qsizetype cipherSize = sealed.size() - kHeaderSize;
    const QByteArray key = deriveKey(password, salt, ops, mem);
    QByteArray plain(cipherSize - crypto_secretbox_MACBYTES, '\0');
    if (crypto_secretbox_open_easy(reinterpret_cast<unsigned char*>(plain.data()), cipher, cipherSize,
                                   nonce, reinterpret_cast<const unsigned char*>(key.constData()))
        != 0)
        throw notOurs(QStringLiteral("the password does not fit or the file has been altered."));
    return plain;
}

}  // namespace quorvel::data
