#pragma once
// Whole numbers in the four notations an assembly programmer writes constants
// in. Values are 32-bit two's-complement integers.
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

// The radixes of the "Source radix" choices, in the order the window lists them:
// Decimal, Hexadecimal, Binary, Octal. The result fields use the same order.
inline constexpr std::array<int, 4> kSourceRadixes{10, 16, 2, 8};

// The number written in `text` in `radix` (2, 8, 10 or 16), reduced modulo 2^32
// and read as a signed 32-bit value. The empty text is 0. Only the plain digits
// of the radix are accepted (letters in either case above 10); a sign, blank,
// prefix, suffix or any other character makes the conversion fail.
std::optional<qint32> ParseInRadix(const QString& text, int radix);

// `value` written in `radix`: decimal as a signed number, the others as the
// unsigned 32-bit pattern (hexadecimal in lower case); no leading zeros.
QString FormatInRadix(qint32 value, int radix);

// What the decimal, hexadecimal, binary and octal result fields show after
// converting `text` written in the notation of `radixIndex` (an index into
// kSourceRadixes): the source's own field repeats the text as typed, and all
// four say "Invalid number" when the text is not a number. Nothing when
// `radixIndex` names no notation, since then there is nothing to convert.
std::optional<std::array<QString, 4>> ConvertFields(const QString& text, int radixIndex);
