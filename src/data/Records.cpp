#include "data/Records.h"

#include <cmath>

namespace quorvel::data {

bool Account::operator==(const Account& o) const
{
    return code == o.code && name == o.name && coName == o.coName && acctNo == o.acctNo
        && coAddr1 == o.coAddr1 && coAddr2 == o.coAddr2 && city == o.city && state == o.state
        && postal == o.postal && country == o.country && phone == o.phone && fax == o.fax
        && email == o.email && website == o.website && contact1 == o.contact1
        && category == o.category && openDate == o.openDate && closeDate == o.closeDate
        && ticker == o.ticker && type == o.type && value == o.value;
}

qint64 Entry::feeFromDouble(double fee)
{
    return static_cast<qint64>(std::llround(static_cast<long double>(fee) * 10000.0L));
}

bool Entry::operator==(const Entry& o) const
{
    return code == o.code && date == o.date && feeTenThousandths == o.feeTenThousandths
        && price == o.price && shares == o.shares;
}

}  // namespace quorvel::data
