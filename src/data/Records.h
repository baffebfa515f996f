#pragma once
// The records of the lasting tables, as the program handles them.
#include <QDate>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace quorvel::data {

struct Account {
    QString code;       // ACode, key, <= 10
    QString name;       // AName, <= 40
    QString coName;     // ACoName, <= 30
    QString acctNo;     // AAcctNo
    QString coAddr1;    // ACoAddr1
    QString coAddr2;    // ACoAddr2
    QString city;       // ACity, <= 25
    QString state;      // AState, <= 2
    QString postal;     // APostal, <= 10
    QString country;    // ACountry
    QString phone;      // APhone, <= 15
    QString fax;        // AFax, <= 15
    QString email;      // AEMail, <= 60
    QString website;    // AWebsite, <= 60
    QString contact1;   // AContact1
    QString category;   // ACategory, <= 20
    QDate openDate;     // AOpenDate, invalid when empty
    QDate closeDate;    // ACloseDate, invalid while the account is active
    QString ticker;     // ATicker, <= 10
    QString type;       // AType: "S", "F", "O" or empty
    std::optional<double> value;  // AValue, empty until the first valuation

    bool isClosed() const { return closeDate.isValid(); }
    bool operator==(const Account& o) const;
    bool operator!=(const Account& o) const { return !(*this == o); }
};

struct Entry {
    QString code;            // ADCode
    QDate date;              // ADDate
    qint64 feeTenThousandths = 0;  // ADFee, fixed point: 1.5 is 15000
    double price = 0;        // ADPrice
    double shares = 0;       // ADShares

    double fee() const { return feeTenThousandths / 10000.0; }
    static qint64 feeFromDouble(double fee);
    bool operator==(const Entry& o) const;
};

struct ChartDef {
    qint64 id = 0;       // row id; identifies the row (names are not unique in the table)
    QString internal;    // CuInternal: "$" predefined, empty for the user's charts
    QString name;        // CuName, <= 30
    QString title;       // CuTitle, <= 50
    QString type;        // CuType: "B", "L", "P", "S"
    QString codes;       // CuCode, the code-list text
    bool legend = false;     // CuLegend
    bool gainLoss = false;   // CuGainLoss
};

}  // namespace quorvel::data
