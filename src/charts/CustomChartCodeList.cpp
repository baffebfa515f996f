#include "charts/CustomChartCodeList.h"

#include "common/CodeList.h"

#include <algorithm>

namespace quorvel {

namespace {

bool lessIgnoringCase(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

}  // namespace

CustomChartCodeList CustomChartCodeList::fromMemo(const QString& memo)
{
    CustomChartCodeList list;
    list.m_codes = parseCodeList(memo);
    // Stable, so codes that differ only in case keep their stored order.
    std::stable_sort(list.m_codes.begin(), list.m_codes.end(), lessIgnoringCase);
    return list;
}

QString CustomChartCodeList::toMemo() const
{
    return formatCodeList(m_codes);
}

bool CustomChartCodeList::add(const QString& code)
{
    if (code.isEmpty() || m_codes.contains(code, Qt::CaseSensitive))
        return false;
    const auto at = std::upper_bound(m_codes.begin(), m_codes.end(), code, lessIgnoringCase);
    m_codes.insert(at, code);
    return true;
}

void CustomChartCodeList::removeAt(int index)
{
    if (index >= 0 && index < m_codes.size())
        m_codes.removeAt(index);
}

int CustomChartCodeList::removeIf(const std::function<bool(const QString&)>& matches)
{
    const int before = m_codes.size();
    m_codes.erase(std::remove_if(m_codes.begin(), m_codes.end(), matches), m_codes.end());
    return before - m_codes.size();
}

}  // namespace quorvel
