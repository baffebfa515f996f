#pragma once
// The month calendar of the entry panel: the selected day and weekend days
// red, day names maroon, days black, days of other months grey, month and
// year blue.
#include <QCalendarWidget>

namespace quorvel::entries {

class EntryCalendar : public QCalendarWidget {
    Q_OBJECT
public:
    explicit EntryCalendar(QWidget* parent = nullptr);

    static QColor selectedColour() { return QColor(255, 0, 0); }
    static QColor weekendColour() { return QColor(255, 0, 0); }
    static QColor dayNameColour() { return QColor(128, 0, 0); }
    static QColor dayColour() { return QColor(0, 0, 0); }
    static QColor otherMonthColour() { return QColor(128, 128, 128); }
    static QColor monthYearColour() { return QColor(0, 0, 255); }

    // The colour a date's number is painted in while `shownMonth` is shown.
    QColor dayTextColour(const QDate& date) const;

protected:
    void paintCell(QPainter* painter, const QRect& rect, const QDate& date) const override;
};

}  // namespace quorvel::entries
