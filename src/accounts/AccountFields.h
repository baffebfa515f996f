#pragma once
// The entry fields of the "Account Info." page as one table: label, control
// name, hint, length, input rule, tab position, place, and the account field
// each one shows. The page is built from it and reads and writes records
// through it, so a field cannot be shown but forgotten when saving.
#include "data/Records.h"

#include <QDate>
#include <QString>
#include <QVector>

namespace quorvel {

struct AccountFieldDef {
    enum class Rule { Plain, UpperCase, Date };
    const char* label;   // nullptr: no label of its own
    const char* name;    // objectName
    const char* hint;
    int maxLength;
    Rule rule;
    int tab;             // tab order among the page's controls
    int left, top, width;
    QString data::Account::*text = nullptr;  // text fields
    QDate data::Account::*date = nullptr;    // date fields
};

// In tab order.
const QVector<AccountFieldDef>& accountFieldDefs();

// The type group's items and the letters they store.
struct AccountTypeItem {
    const char* caption;
    const char* letter;
};
const QVector<AccountTypeItem>& accountTypeItems();

}  // namespace quorvel
