#pragma once
#include "data/Engine.h"
#include "data/Records.h"

#include <QVector>
#include <optional>

namespace quorvel::data {

class ChartDefStore {
public:
    explicit ChartDefStore(Engine& engine) : m_engine(engine) {}

    // Index order: CuInternal, CuName (user charts, with an empty CuInternal, first).
    QVector<ChartDef> all() const;
    std::optional<ChartDef> find(const QString& internal, const QString& name) const;
    std::optional<ChartDef> byId(qint64 id) const;
    bool exists(const QString& internal, const QString& name) const;

    qint64 insert(const ChartDef& def);  // returns the new id
    void update(const ChartDef& def);    // by id
    void remove(qint64 id);

private:
    Engine& m_engine;
};

}  // namespace quorvel::data
