#include "entries/NumberField.h"

namespace quorvel::entries {

QValidator::State NumberValidator::validate(QString& input, int&) const
{
    switch (checkNumberText(input, m_shape, QLocale())) {
    case NumberTextState::Acceptable:
        return Acceptable;
    case NumberTextState::Intermediate:
        return Intermediate;
    case NumberTextState::Invalid:
        break;
    }
    return Invalid;
}

void NumberValidator::fixup(QString& input) const
{
    if (input.trimmed().isEmpty())
        input = QStringLiteral("0");
}

NumberField::NumberField(const NumberShape& shape, QWidget* parent) : QLineEdit(parent), m_shape(shape)
{
    setValidator(new NumberValidator(shape, this));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

std::optional<double> NumberField::value() const
{
    if (text().trimmed().isEmpty())
        return 0.0;
    return parseNumber(text(), m_shape, QLocale());
}

void NumberField::setValue(double value)
{
    setText(groupedNumber(value, m_shape.decimals, QLocale()));
}

}  // namespace quorvel::entries
