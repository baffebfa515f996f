#pragma once
// The rules of the entries page that need no widget: where a new entry goes
// and what it starts with, and the texts the page asks and tells.
#include "common/Dates.h"
#include "data/EntryStore.h"

#include <QDate>
#include <QString>

namespace quorvel::entries {

// The entry the add button appends for an account. The first entry of an
// account is dated `today` with fee, price and shares 0. Later ones go on the
// latest entry's date stepped by `step`, moved on by days while the account
// has an entry on it, with the latest entry's price and shares and fee 0.
data::Entry newEntryFor(const data::EntryStore& store, const QString& code, EntryIncrement step,
                        const QDate& today);

// The first date from `candidate` on on which the account has no entry.
QDate firstFreeDate(const data::EntryStore& store, const QString& code, QDate candidate);

QString dateTakenMessage(const QDate& date);
QString deleteEntryQuestion(const QDate& date);
QString notANumberMessage(const QString& text);

}  // namespace quorvel::entries
