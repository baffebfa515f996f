#include "entries/EntryCalendar.h"

#include <QHeaderView>
#include <QPainter>
#include <QTableView>
#include <QTextCharFormat>

namespace quorvel::entries {

EntryCalendar::EntryCalendar(QWidget* parent) : QCalendarWidget(parent)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    setGridVisible(false);
    setFirstDayOfWeek(Qt::Sunday);

    // Day names: the header format alone decides their colour, so the
    // weekday formats stay empty (a colour there would colour the names
    // too); paintCell colours the days.
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
        setWeekdayTextFormat(Qt::DayOfWeek(day), QTextCharFormat());
    QTextCharFormat names;
    names.setForeground(dayNameColour());
    names.setBackground(Qt::white);
    setHeaderTextFormat(names);

    // The days share the small calendar evenly: the view's cells may be
    // smaller than the style's default minimum.
    if (auto* view = findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"))) {
        view->horizontalHeader()->setMinimumSectionSize(8);
        view->verticalHeader()->setMinimumSectionSize(8);
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }

    setStyleSheet(QStringLiteral(
        "QWidget#qt_calendar_navigationbar { background-color: white; }"
        "QToolButton#qt_calendar_monthbutton, QToolButton#qt_calendar_yearbutton,"
        " QSpinBox#qt_calendar_yearedit { color: rgb(0, 0, 255); font-weight: bold; }"
        "QToolButton#qt_calendar_prevmonth, QToolButton#qt_calendar_nextmonth {"
        " qproperty-iconSize: 10px; }"));
}

QColor EntryCalendar::dayTextColour(const QDate& date) const
{
    if (date == selectedDate())
        return selectedColour();
    if (date.month() != monthShown() || date.year() != yearShown())
        return otherMonthColour();
    if (date.dayOfWeek() == Qt::Saturday || date.dayOfWeek() == Qt::Sunday)
        return weekendColour();
    return dayColour();
}

void EntryCalendar::paintCell(QPainter* painter, const QRect& rect, const QDate& date) const
{
    painter->save();
    painter->fillRect(rect, Qt::white);
    const bool selected = date == selectedDate();
    if (selected) {
        painter->setPen(selectedColour());
        painter->drawRect(rect.adjusted(0, 0, -1, -1));
        QFont bold = font();
        bold.setBold(true);
        painter->setFont(bold);
    } else {
        painter->setFont(font());
    }
    painter->setPen(dayTextColour(date));
    painter->drawText(rect, Qt::AlignCenter, QString::number(date.day()));
    painter->restore();
}

}  // namespace quorvel::entries
