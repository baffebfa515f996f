#pragma once
// Builds chart data from a chart request, without any widget: refills the
// scratch tables AccTemp and DetTemp with month-end snapshots, groups them
// into periods or pie slices and writes the work table "vesktemp".
//
// The builder keeps the working lists between builds (a pie build leaves the
// series names and titles of the last line, bar or stacked build). The work
// table stays until discardWorkTable(), which the Charts page calls when it
// hides the chart; every build discards the previous one first.
//
// Engine errors are not caught here: they leave the build as exceptions
// (SQLite::Exception or data::StoreError), and the scratch tables roll back.
#include "charts/ChartRequest.h"
#include "charts/ChartResult.h"

namespace quorvel::data {
class Engine;
}

namespace quorvel::charts {

class ChartBuilder {
public:
    explicit ChartBuilder(data::Engine& engine);

    ChartResult build(const ChartRequest& request);

    // Drops the work table (and its file) if it exists.
    void discardWorkTable();
    bool workTableExists() const;

    const ChartWorkingLists& lists() const { return m_lists; }

private:
    data::Engine& m_engine;
    ChartWorkingLists m_lists;
};

}  // namespace quorvel::charts
