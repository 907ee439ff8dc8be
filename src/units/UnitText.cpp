#include "units/UnitText.h"

#include <limits>

#include "platform/Ansi.h"
#include "platform/Paths.h"

namespace UnitText {

QByteArray NormalizeLineBreaks(const QByteArray& bytes) {
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 16 + 2);
    const char* p = bytes.constData();
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = p[i];
        if (c == '\r' || c == '\n') {
            // A break is one byte, or the pair of the two different break bytes.
            const char partner = c == '\r' ? '\n' : '\r';
            if (i + 1 < n && p[i + 1] == partner) ++i;
            out.append("\r\n", 2);
        } else {
            out.append(c);
        }
    }
    return out;
}

int NextTabStop(int column) {
    for (qint32 stop : kTabStops) {
        if (stop > column) return stop;
    }
    return -1;
}

QString UnitFileName(int number) {
    return QStringLiteral("Unit") + QString::number(number) + QStringLiteral(".asm");
}

int NextUnitNumber(const QStringList& fileNames) {
    QStringList lowered;
    lowered.reserve(fileNames.size());
    for (const QString& name : fileNames) lowered << Ansi::LowerCase(name);
    int n = 1;
    // Each hit moves on to the next number and starts the scan again from the
    // first unit, so the order of the list never lets a taken number through.
    for (qsizetype i = 0; i < lowered.size();) {
        if (lowered[i] == Ansi::LowerCase(UnitFileName(n))) {
            ++n;
            i = 0;
        } else {
            ++i;
        }
    }
    return n;
}

QString ProjectRecordPath(const QString& fileName, const QString& projectDir) {
    return Paths::RelativePath(fileName, Paths::WithTrailingSeparator(projectDir));
}

std::optional<qint32> ParseLineNumber(const QString& text) {
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i >= text.size()) return std::nullopt;
    // The running value is checked after every digit, so it never outgrows 64 bits.
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > qint64(std::numeric_limits<qint32>::max()) + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<qint32>::max() || value < std::numeric_limits<qint32>::min())
        return std::nullopt;
    return static_cast<qint32>(value);
}

}  // namespace UnitText
