#include "accounts/AccountLineEdits.h"

#include "common/Dates.h"

#include <QFocusEvent>
#include <QRegularExpressionValidator>

namespace quorvel {

QValidator::State UpperCaseValidator::validate(QString& input, int&) const
{
    input = input.toUpper();
    return Acceptable;
}

DateLineEdit::DateLineEdit(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(10);
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9/.-]{0,10}")), this));
    connect(this, &QLineEdit::editingFinished, this, &DateLineEdit::tidy);
    // A corrected text no longer shows the error.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (m_error && holdsValidDate())
            showInputError(false);
    });
}

bool DateLineEdit::holdsValidDate() const
{
    return text().trimmed().isEmpty() || parseUsDate(text()).isValid();
}

QDate DateLineEdit::date() const
{
    return parseUsDate(text());
}

void DateLineEdit::setDate(const QDate& date)
{
    setText(formatUsDate(date));
    showInputError(false);
}

void DateLineEdit::showInputError(bool error)
{
    m_error = error;
    QPalette p = palette();
    if (error) {
        p.setColor(QPalette::Base, Qt::red);
        p.setColor(QPalette::Text, Qt::black);
    } else {
        p = QPalette();
        if (parentWidget())
            p = parentWidget()->palette();
    }
    setPalette(p);
}

void DateLineEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason)
        end(false);  // the caret at the end, nothing selected
}

void DateLineEdit::tidy()
{
    if (text().trimmed().isEmpty()) {
        showInputError(false);
        return;
    }
    const QDate typed = date();
    if (!typed.isValid()) {
        showInputError(true);
        return;
    }
    const QString tidy = formatUsDate(typed);
    if (tidy != text())
        setText(tidy);
    showInputError(false);
}

}  // namespace quorvel
