#include "tools/BaseConverter.h"

namespace {

// The value of one digit character, or -1 for a character that is no digit of
// any radix. Only ASCII digits and letters count.
int DigitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'a' && u <= u'z') return u - u'a' + 10;
    if (u >= u'A' && u <= u'Z') return u - u'A' + 10;
    return -1;
}

}  // namespace

std::optional<qint32> ParseInRadix(const QString& text, int radix) {
    if (radix < 2 || radix > 36) return std::nullopt;
    // Unsigned arithmetic wraps modulo 2^32 by definition, so Horner's rule on a
    // quint32 gives the sum of d * radix^position modulo 2^32 for any length.
    quint32 value = 0;
    for (const QChar c : text) {
        const int d = DigitValue(c);
        if (d < 0 || d >= radix) return std::nullopt;
        value = value * static_cast<quint32>(radix) + static_cast<quint32>(d);
    }
    return static_cast<qint32>(value);
}

QString FormatInRadix(qint32 value, int radix) {
    if (radix == 10) return QString::number(value);
    return QString::number(static_cast<quint32>(value), radix);
}

std::optional<std::array<QString, 4>> ConvertFields(const QString& text, int radixIndex) {
    if (radixIndex < 0 || radixIndex >= static_cast<int>(kSourceRadixes.size()))
        return std::nullopt;
    std::array<QString, 4> fields;
    const std::optional<qint32> value = ParseInRadix(text, kSourceRadixes[radixIndex]);
    if (!value) {
        fields.fill(QStringLiteral("Invalid number"));
        return fields;
    }
    // Field i shows the notation of choice i; the source's own field keeps the
    // user's leading zeros and letter case.
    for (int i = 0; i < static_cast<int>(fields.size()); ++i)
        fields[i] = i == radixIndex ? text : FormatInRadix(*value, kSourceRadixes[i]);
    return fields;
}
