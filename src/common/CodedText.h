#pragma once
// Coded values of the update control file: each character as three decimal
// digits (its code plus kCodedTextOffset) and three filler digits; the whole
// text ends with one more digit.
#include <QString>
#include <stdexcept>

namespace quorvel {

constexpr int kCodedTextOffset = 137;

// Throws std::invalid_argument when a three-digit group is not a decimal number.
QString DecodeCodedText(const QString& coded);
// The writer's side, used to produce control files (and in tests). Throws
// std::invalid_argument for a character above code 255.
QString EncodeCodedText(const QString& plain);

}  // namespace quorvel
