#include "entries/EntryRules.h"

namespace quorvel::entries {

QDate firstFreeDate(const data::EntryStore& store, const QString& code, QDate candidate)
{
    while (candidate.isValid() && store.exists(code, candidate))
        candidate = candidate.addDays(1);
    return candidate;
}

data::Entry newEntryFor(const data::EntryStore& store, const QString& code, EntryIncrement step,
                        const QDate& today)
{
    data::Entry entry;
    entry.code = code;
    const std::optional<data::Entry> latest = store.latest(code);
    if (!latest) {
        entry.date = firstFreeDate(store, code, today);
        return entry;
    }
    entry.date = firstFreeDate(store, code, stepEntryDate(latest->date, step));
    entry.price = latest->price;
    entry.shares = latest->shares;
    return entry;
}

QString dateTakenMessage(const QDate& date)
{
    return QStringLiteral("Date \"%1\" already exists. Please choose a different date.").arg(formatUsDate(date));
}

QString deleteEntryQuestion(const QDate& date)
{
    return QStringLiteral("Delete entry on %1. Are you sure?").arg(formatUsDate(date));
}

QString notANumberMessage(const QString& text)
{
    return QStringLiteral("\"%1\" is not a valid number.").arg(text);
}

}  // namespace quorvel::entries
