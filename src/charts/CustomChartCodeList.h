#pragma once
// The account codes of a custom chart as its editor holds them: kept sorted
// alphabetically without regard to case, each code added at most once, and
// written back in that order.
#include <QString>
#include <QStringList>
#include <functional>

namespace quorvel {

class CustomChartCodeList {
public:
    CustomChartCodeList() = default;
    // Reads a stored code list (one code a line); the entries come out sorted.
    static CustomChartCodeList fromMemo(const QString& memo);
    // The stored form: every code followed by CR LF, in list order.
    QString toMemo() const;

    const QStringList& codes() const { return m_codes; }
    bool isEmpty() const { return m_codes.isEmpty(); }
    int size() const { return m_codes.size(); }

    // Adds the code at its sorted place. False (and nothing changes) when the
    // code is empty or an entry equals it exactly (case counts here).
    bool add(const QString& code);
    void removeAt(int index);
    // Removes every entry for which `matches` holds; returns how many went.
    int removeIf(const std::function<bool(const QString&)>& matches);

    bool operator==(const CustomChartCodeList& other) const { return m_codes == other.m_codes; }

private:
    QStringList m_codes;
};

}  // namespace quorvel
