#pragma once
// The custom chart definitions as the Custom Charts page changes them: adding
// one under a free name, storing the edited fields under the name rule, and
// expanding or removing an account category in an edited code list. No
// widgets here; the page reads its controls and calls these.
#include "charts/CustomChartCodeList.h"
#include "data/Engine.h"
#include "data/Records.h"

#include <QVector>
#include <optional>

namespace quorvel {

// The fields of a definition that the editor's bound controls show.
struct CustomChartFields {
    QString name;
    QString title;
    QString type;  // "B", "L", "P", "S"
    bool legend = false;
    bool gainLoss = false;

    static CustomChartFields of(const data::ChartDef& def);
    bool operator==(const CustomChartFields& o) const;
    bool operator!=(const CustomChartFields& o) const { return !(*this == o); }
};

class CustomChartDefinitions {
public:
    static constexpr const char* kNewChartName = "New Chart";

    explicit CustomChartDefinitions(data::Engine& engine) : m_engine(engine) {}

    // User definitions first by name, then the predefined ones.
    QVector<data::ChartDef> all() const;
    std::optional<data::ChartDef> byId(qint64 id) const;

    // Appends a user definition named "New Chart" (or "New Chart n"), a line
    // chart without legend or gain/loss, no title, no accounts. Returns its id.
    qint64 addNew();
    void remove(qint64 id);

    // The name a definition is stored under when the user changed it to
    // `typed`: `typed` itself, or "typed 1", "typed 2", ... whichever is the
    // first that no user definition has. Predefined definitions do not count.
    QString uniqueUserName(const QString& typed) const;

    // Stores the edited fields into definition `id`. The name goes through
    // uniqueUserName only when it differs from `loadedName` (the name the
    // definition had when the editor loaded or last saved it). With `codes`
    // the code list is written too; without, the stored list stays as it is.
    // Returns the definition as stored; empty when it no longer exists.
    std::optional<data::ChartDef> store(qint64 id, const CustomChartFields& fields, const QString& loadedName,
                                        const std::optional<CustomChartCodeList>& codes);

    // Adds the codes of every account in the category of account `chosen`
    // (accounts already listed are skipped). False when `chosen` names no
    // account or nothing was added.
    bool addCategoryOf(const QString& chosen, CustomChartCodeList& list) const;
    // Removes the entries whose account is in the category of account
    // `chosen`; entries naming no account stay. False when nothing was removed.
    bool removeCategoryOf(const QString& chosen, CustomChartCodeList& list) const;

private:
    data::Engine& m_engine;
};

}  // namespace quorvel
