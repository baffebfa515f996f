#pragma once
// Moving Qt values in and out of bound statement parameters and result columns.
#include <QDate>
#include <QString>
#include <SQLiteCpp/Statement.h>
#include <optional>

namespace quorvel::data::sql {

inline void bind(SQLite::Statement& s, int index, const QString& text)
{
    s.bind(index, text.toStdString());
}

// Dates are ISO text; an empty date is NULL.
inline void bind(SQLite::Statement& s, int index, const QDate& date)
{
    if (date.isValid())
        s.bind(index, date.toString(Qt::ISODate).toStdString());
    else
        s.bind(index);
}

inline void bind(SQLite::Statement& s, int index, std::optional<double> value)
{
    if (value)
        s.bind(index, *value);
    else
        s.bind(index);
}

inline QString text(const SQLite::Column& c)
{
    return c.isNull() ? QString() : QString::fromStdString(c.getString());
}

inline QDate date(const SQLite::Column& c)
{
    return c.isNull() ? QDate() : QDate::fromString(QString::fromStdString(c.getString()), Qt::ISODate);
}

inline std::optional<double> optionalDouble(const SQLite::Column& c)
{
    if (c.isNull())
        return std::nullopt;
    return c.getDouble();
}

inline std::string str(const QString& s)
{
    return s.toStdString();
}

}  // namespace quorvel::data::sql
