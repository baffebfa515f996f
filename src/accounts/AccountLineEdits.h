#pragma once
// The two kinds of entry field of the "Account Info." page that follow an
// input rule: letters typed in capitals (state, postal code), and dates typed
// "mm/dd/yyyy" that are checked instead of being stored as whatever was typed.
#include <QDate>
#include <QLineEdit>
#include <QValidator>

namespace quorvel {

// Turns every letter into its capital as it is typed or pasted.
class UpperCaseValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// A date field: digits and the separators only, the caret at the end when
// the field is entered, a valid date rewritten "mm/dd/yyyy" when the field is
// left, and anything else shown as an input error (red background) until it
// is corrected. A two-digit year is read as 2000 to 2099.
class DateLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DateLineEdit(QWidget* parent = nullptr);

    // Empty text is a valid empty date.
    bool holdsValidDate() const;
    // The date typed; invalid when empty or not a date.
    QDate date() const;
    void setDate(const QDate& date);
    // Shows or clears the input-error colours.
    void showInputError(bool error);
    bool showsInputError() const { return m_error; }

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    void tidy();
    bool m_error = false;
};

}  // namespace quorvel
