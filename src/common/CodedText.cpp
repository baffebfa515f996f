#include "common/CodedText.h"

#include <string>

namespace quorvel {

namespace {

constexpr int kGroupStride = 6;  // three code digits and three filler digits
constexpr int kCodeDigits = 3;

int decimalGroup(const QString& coded, int index)
{
    int value = 0;
    for (int i = index; i < index + kCodeDigits; ++i) {
        const QChar c = coded.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            throw std::invalid_argument("coded text: \"" + coded.mid(index, kCodeDigits).toStdString()
                                        + "\" at position " + std::to_string(index + 1)
                                        + " is not a decimal number");
        }
        value = value * 10 + c.digitValue();
    }
    return value;
}

}  // namespace

QString DecodeCodedText(const QString& coded)
{
    QString plain;
    const int length = coded.size();
    if (length <= 3)
        return plain;
    // Positions count from 1 as in the writer's description: the first group
    // is read whenever the text is longer than three characters, a later one
    // only when at least four characters remain from its start.
    int position = 1;
    do {
        const int n = decimalGroup(coded, position - 1);
        const int code = ((n - kCodedTextOffset) % 256 + 256) % 256;
        plain.append(QChar(code));
        position += kGroupStride;
    } while (length - position >= 3);
    return plain;
}

QString EncodeCodedText(const QString& plain)
{
    QString coded;
    coded.reserve(plain.size() * kGroupStride + 1);
    for (int i = 0; i < plain.size(); ++i) {
        const int code = plain.at(i).unicode();
        if (code > 255)
            throw std::invalid_argument("coded text holds only characters with codes 0 to 255");
        coded += QStringLiteral("%1").arg(code + kCodedTextOffset, 3, 10, QLatin1Char('0'));
        // The filler only has to be digits; vary it so the text does not
        // show its period.
        coded += QStringLiteral("%1").arg((i * 389 + 71) % 1000, 3, 10, QLatin1Char('0'));
    }
    coded += QString::number(plain.size() % 10);
    return coded;
}

}  // namespace quorvel
