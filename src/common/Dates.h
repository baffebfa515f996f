#pragma once
#include <QDate>

namespace quorvel {

// Last day (28..31) of the month; 0 when month/year do not form a valid month.
int LastDayOfMonth(int month, int year);

// Increments offered for the date of a new entry, in the order of the choice.
enum class EntryIncrement { OneDay = 0, OneMonth = 1, OneQuarter = 2, OneYear = 3 };

// Date of a new entry after `latest`: the next day, or the last day of the
// month one month, one quarter or one year later.
QDate stepEntryDate(const QDate& latest, EntryIncrement step);

// Default chart range for a given today: the whole current year, or the whole
// previous year while today is in January or February.
QDate defaultChartStart(const QDate& today);
QDate defaultChartEnd(const QDate& today);

// Reads "mm/dd/yyyy" (the separator may be '/', '-' or '.', the same one
// twice; month and day may have one digit); a two-digit year is read as
// 2000..2099. Returns an invalid date for anything else.
QDate parseUsDate(const QString& text);
// Writes "mm/dd/yyyy"; an invalid date gives an empty text.
QString formatUsDate(const QDate& date);

}  // namespace quorvel
