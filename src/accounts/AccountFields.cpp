#include "accounts/AccountFields.h"

namespace quorvel {

const QVector<AccountFieldDef>& accountFieldDefs()
{
    using R = AccountFieldDef::Rule;
    using A = data::Account;
    static const QVector<AccountFieldDef> fields = {
        {"Code", "EFACode", "Account code", 10, R::Plain, 0, 56, 40, 89, &A::code},
        {"Category", "EFACategory", "Category this belongs to", 20, R::Plain, 1, 472, 40, 157, &A::category},
        {"Name", "EFAName", "Name of account", 40, R::Plain, 2, 56, 72, 321, &A::name},
        {"Company", "EFACoName", "Company tracking the account", 30, R::Plain, 3, 80, 104, 225, &A::coName},
        {"Account Number", "EFAAcctNo", "Account number at company", 30, R::Plain, 4, 472, 104, 225, &A::acctNo},
        {"Address", "EFACoAddr1", "Address line 1", 30, R::Plain, 5, 80, 136, 225, &A::coAddr1},
        {nullptr, "EFACoAddr2", "Address line 2", 30, R::Plain, 6, 80, 160, 225, &A::coAddr2},
        {"City", "EFACity", "City", 25, R::Plain, 7, 80, 184, 185, &A::city},
        {"St/Pr", "EFAState", "State or Province", 2, R::UpperCase, 8, 320, 184, 33, &A::state},
        {"Postal", "EFApostal", "Postal code", 10, R::UpperCase, 9, 424, 184, 105, &A::postal},
        {"Country", "EFACountry", "Country", 30, R::Plain, 10, 80, 208, 225, &A::country},
        {"Phone", "EFAPhone", "Phone number", 15, R::Plain, 11, 80, 240, 121, &A::phone},
        {"Fax", "EFAFax", "Fax number", 15, R::Plain, 12, 248, 240, 121, &A::fax},
        {"Contact", "EFAContact1", "Contact name", 30, R::Plain, 13, 440, 240, 225, &A::contact1},
        {nullptr, "EFAEMail", "EMail address", 60, R::Plain, 15, 80, 272, 457, &A::email},
        {nullptr, "EFAWebsite", "Website address", 60, R::Plain, 17, 80, 304, 457, &A::website},
        {"Open Date", "EFAOpenDate", "Date account opened", 10, R::Date, 18, 80, 360, 97, nullptr, &A::openDate},
        {"Close Date", "EFACloseDate", "Account close date", 10, R::Date, 19, 288, 360, 97, nullptr, &A::closeDate},
        {"Market Symbol", "EFATicker", "Market symbol", 10, R::Plain, 20, 112, 400, 89, &A::ticker},
    };
    return fields;
}

const QVector<AccountTypeItem>& accountTypeItems()
{
    static const QVector<AccountTypeItem> items = {{"Stock", "S"}, {"Mutual Fund", "F"}, {"Option", "O"}};
    return items;
}

}  // namespace quorvel
