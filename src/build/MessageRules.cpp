#include "build/MessageRules.h"

#include <limits>

#include "platform/Ansi.h"
#include "platform/Paths.h"

namespace {

// Optional sign, then at least one decimal digit and nothing else.
std::optional<int> ParseDecimal(const QString& text) {
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == text.size()) return std::nullopt;
    const qint64 limit = negative ? -qint64(std::numeric_limits<int>::min())
                                  : qint64(std::numeric_limits<int>::max());
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > limit) return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}

}  // namespace

QStringList SplitMessageLines(const QByteArray& bytes) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        lines << Ansi::ToString(bytes.mid(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines << Ansi::ToString(bytes.mid(start));
    return lines;
}

QStringList AssemblerMessageLines(const QByteArray& bytes) {
    QStringList kept;
    for (const QString& line : SplitMessageLines(bytes)) {
        if (line.startsWith(QLatin1Char('*'))) kept << line;
    }
    return kept;
}

QStringList LinkerMessageLines(const QByteArray& bytes) {
    QStringList lines = SplitMessageLines(bytes);
    if (!lines.isEmpty()) lines.removeFirst();
    return lines;
}

std::optional<MessageLocation> ParseMessageLocation(const QString& line) {
    const qsizetype open = line.indexOf(QLatin1Char('('));
    const qsizetype blank = line.indexOf(QLatin1Char(' '));
    if (open < 0 || blank < 0) return std::nullopt;
    const QString file = open > blank ? line.mid(blank + 1, open - blank - 1) : QString();
    const qsizetype close = line.indexOf(QLatin1Char(')'));
    if (close < 0 || close < open) return std::nullopt;
    const std::optional<int> number = ParseDecimal(line.mid(open + 1, close - open - 1));
    if (!number) return std::nullopt;
    return MessageLocation{Ansi::LowerCase(Paths::FileNamePart(file)), *number};
}
