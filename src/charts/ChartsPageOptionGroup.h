#pragma once
// A column of rounded option buttons of which exactly one is down, the way
// the Charts page shows its chart options: white text on blue, a hand
// cursor and a hint for each button. The group and each button carry their
// control names, so a button is found and clicked like any other.
#include <QString>
#include <QVector>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;

namespace quorvel {

class ChartsPageOptionGroup : public QWidget {
    Q_OBJECT
public:
    struct Option {
        QString name;     // objectName of the button
        QString caption;
        QString hint;
    };

    ChartsPageOptionGroup(const QString& name, const QVector<Option>& options, QWidget* parent = nullptr);

    QAbstractButton* button(int index) const;
    int checkedIndex() const;
    bool isChecked(int index) const { return checkedIndex() == index; }
    // Puts one button down from the program; raises no click.
    void setChecked(int index);

signals:
    // The user clicked a button (also the one already down).
    void clicked(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QButtonGroup* m_group;
};

}  // namespace quorvel
