#pragma once
#include <QString>
#include <stdexcept>

namespace quorvel::data {

// A failure of the data store, with a message fit to show the user.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

}  // namespace quorvel::data
