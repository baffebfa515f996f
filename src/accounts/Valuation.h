#pragma once
// The value of each listed account and the overall value, without widgets.
#include "data/Engine.h"
#include "data/Records.h"

#include <QLocale>
#include <QVector>

namespace quorvel {

struct ValuationResult {
    long double total = 0;  // the active listed accounts
    // New AValue of each listed account, in list order (empty stays empty).
    QVector<QPair<QString, std::optional<double>>> values;
};

// Values the listed accounts and stores AValue in one transaction: an active
// account is worth shares x price of its latest entry rounded to cents (0
// without entries); a closed account is worth 0 (an empty AValue stays empty).
// Accounts that are not listed are left alone.
ValuationResult valueAccounts(data::Engine& engine, const QVector<data::Account>& listed);

// The overall value in the user's currency format ("$12,345.67").
QString formatOverallValue(long double total, const QLocale& locale = QLocale());

}  // namespace quorvel
