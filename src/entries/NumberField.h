#pragma once
// An entry field for a number in the user's locale. Only text that is or may
// become a number of the field's shape can be typed or pasted; a field left
// empty shows 0, so what the field shows is what is stored.
#include "entries/EntryNumberText.h"

#include <QLineEdit>
#include <QValidator>
#include <optional>

namespace quorvel::entries {

class NumberValidator : public QValidator {
    Q_OBJECT
public:
    NumberValidator(const NumberShape& shape, QObject* parent = nullptr) : QValidator(parent), m_shape(shape) {}

    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

private:
    NumberShape m_shape;
};

class NumberField : public QLineEdit {
    Q_OBJECT
public:
    NumberField(const NumberShape& shape, QWidget* parent = nullptr);

    const NumberShape& shape() const { return m_shape; }
    // The number shown; an empty field counts as 0; nothing when the text is
    // not (yet) a number.
    std::optional<double> value() const;
    // Shows a number with the field's decimals and thousands separators.
    void setValue(double value);

private:
    NumberShape m_shape;
};

}  // namespace quorvel::entries
