#include "platform/Ansi.h"

#include <array>

namespace Ansi {
namespace {

// Bytes 0x80 to 0x9F of windows-1252; the rest of the table is Latin-1.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

}  // namespace

QChar ByteToChar(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return QChar(kHighTable[byte - 0x80]);
    return QChar(static_cast<char16_t>(byte));
}

unsigned char CharToByte(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<unsigned char>(u);
    for (std::size_t i = 0; i < kHighTable.size(); ++i) {
        if (kHighTable[i] == u) return static_cast<unsigned char>(0x80 + i);
    }
    return '?';
}

QString ToString(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        out[i] = ByteToChar(static_cast<unsigned char>(bytes[i]));
    }
    return text;
}

QByteArray FromString(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        bytes[i] = static_cast<char>(CharToByte(text[i]));
    }
    return bytes;
}

unsigned char LowerByte(unsigned char b) {
    if (b >= 'A' && b <= 'Z') return b + 0x20;
    if (b == 0x8A || b == 0x8C || b == 0x8E) return b + 0x10;  // Š Œ Ž
    if (b == 0x9F) return 0xFF;                                // Ÿ
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return b + 0x20;  // À..Þ, not ×
    return b;
}

QByteArray LowerCase(const QByteArray& bytes) {
    QByteArray out = bytes;
    for (qsizetype i = 0; i < out.size(); ++i) {
        out[i] = static_cast<char>(LowerByte(static_cast<unsigned char>(out[i])));
    }
    return out;
}

QString LowerCase(const QString& text) {
    QString out = text;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const unsigned char b = CharToByte(out[i]);
        // Characters outside the code page are left as they are.
        if (b == '?' && out[i] != QLatin1Char('?')) continue;
        out[i] = ByteToChar(LowerByte(b));
    }
    return out;
}

}  // namespace Ansi
