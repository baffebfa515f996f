#pragma once
// The outcome of one chart build: the work table's content as it was written,
// the working lists the drawing reads, or the message that stopped the build.
#include "data/Records.h"

#include <QStringList>
#include <QVariant>
#include <QVector>

namespace quorvel::charts {

// The invisible lists of the Charts page. LBCode is the request's `codes`.
struct ChartWorkingLists {
    QStringList codeUsed;    // LBCodeUsed: requested codes with a snapshot in the range
    QStringList category;    // LBCat: category of each codeUsed item
    QStringList codeAmount;  // LBCodeAmt: amount of each codeUsed item in the period being built
    QStringList fieldName;   // LBFieldName: Field1, Field2, ... (kept by a pie build)
    QStringList fieldLabel;  // LBFieldLabel: series titles (kept by a pie build)
    QStringList markLabel;   // LBMarkLabel: ChSum of each row, "12,345.68"
};

struct ChartResult {
    QString message;             // empty when the chart is ready to draw
    data::ChartDef definition;   // the definition the build used
    bool workTableCreated = false;
    QStringList columns;         // work table columns in their order
    QVector<QVector<QVariant>> rows;  // work table rows; a null QVariant is an empty field
    ChartWorkingLists lists;

    bool ready() const { return message.isEmpty(); }
    int columnIndex(const QString& name) const { return columns.indexOf(name); }
    QVariant value(int row, const QString& column) const
    {
        const int c = columnIndex(column);
        return c < 0 ? QVariant() : rows.at(row).at(c);
    }
};

}  // namespace quorvel::charts
