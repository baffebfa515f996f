#pragma once
// Small helpers for the commands' arguments: DIR first, then --options.
#include <QMap>
#include <QStringList>

namespace quorvel::cli {

struct ParsedArguments {
    QStringList positional;
    QMap<QString, QString> options;  // "--sort" -> "AName"; flags map to ""
    QString error;                   // non-empty: the arguments are off
};

// valued: options that take a value; flags: options that take none.
ParsedArguments parseArguments(const QStringList& args, const QStringList& valued, const QStringList& flags);

}  // namespace quorvel::cli
