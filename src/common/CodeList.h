#pragma once
// The text format of a chart definition's list of account codes: one code per
// line, every line (the last too) ended by CR LF, nothing else.
#include <QString>
#include <QStringList>

namespace quorvel {

// Splits at CR LF, a lone CR or a lone LF; a final line end adds no entry.
QStringList parseCodeList(const QString& memo);
// Writes each code followed by CR LF; an empty list gives an empty text.
QString formatCodeList(const QStringList& codes);
// Replaces every line equal to oldCode (exact) by newCode, keeping the order.
QString renameInCodeList(const QString& memo, const QString& oldCode, const QString& newCode);
// Drops every line equal to code (exact), keeping the order of the rest.
QString removeFromCodeList(const QString& memo, const QString& code);

}  // namespace quorvel
