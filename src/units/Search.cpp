#include "units/Search.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/Ansi.h"

namespace {

using Bytes = const unsigned char*;

const std::array<unsigned char, 256>& LowerTable() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        for (int i = 0; i < 256; ++i) t[i] = Ansi::LowerByte(static_cast<unsigned char>(i));
        return t;
    }();
    return table;
}

// The byte before a position, or -1 for the start of the text.
constexpr int kNoByte = -1;

bool IsWordNeighbour(int byte) {
    return byte != kNoByte && IsWordByte(static_cast<unsigned char>(byte));
}

class Matcher {
public:
    Matcher(const char* text, qsizetype size, const SearchOptions& options)
        : text_(reinterpret_cast<Bytes>(text)),
          size_(size),
          options_(options),
          pattern_(options.matchCase ? options.findText : Ansi::LowerCase(options.findText)),
          lower_(LowerTable()) {}

    qsizetype PatternLength() const { return pattern_.size(); }

    // Down: the first accepted candidate starting at or after `from`. The
    // candidate at `from` itself sees `leftAtFrom` as its left neighbour.
    qsizetype Down(qsizetype from, int leftAtFrom) const {
        const qsizetype n = pattern_.size();
        const Bytes p = reinterpret_cast<Bytes>(pattern_.constData());
        for (qsizetype m = from; m + n <= size_; ++m) {
            if (options_.matchCase) {
                const void* hit = std::memchr(text_ + m, p[0], size_ - n - m + 1);
                if (!hit) return -1;
                m = static_cast<Bytes>(hit) - text_;
                if (std::memcmp(text_ + m, p, n) != 0) continue;
            } else if (!EqualsLowered(m, p, n)) {
                continue;
            }
            const int left = m == from ? leftAtFrom : ByteBefore(m);
            if (options_.wholeWord && (IsWordNeighbour(left) || IsWordNeighbour(ByteAt(m + n))))
                continue;
            return m;
        }
        return -1;
    }

    // Up: the reversed pattern looked for in the reversed stretch before `from`,
    // from its beginning, so the first hit is the occurrence ending nearest `from`.
    qsizetype Up(qsizetype from) const {
        const QByteArray reversed = ReverseText(pattern_);
        const qsizetype n = reversed.size();
        const Bytes p = reinterpret_cast<Bytes>(reversed.constData());
        for (qsizetype r = 0; r + n <= from; ++r) {
            // Byte j of the reversed stretch is byte from - 1 - j of the text.
            bool equal = true;
            for (qsizetype j = 0; j < n && equal; ++j) {
                equal = Fold(text_[from - 1 - r - j]) == p[j];
            }
            if (!equal) continue;
            const qsizetype m = from - r - n;
            if (options_.wholeWord &&
                (IsWordNeighbour(ByteBefore(m)) || IsWordNeighbour(ByteAt(m + n))))
                continue;
            return m;
        }
        return -1;
    }

    int ByteBefore(qsizetype offset) const { return offset > 0 ? text_[offset - 1] : kNoByte; }

private:
    int ByteAt(qsizetype offset) const { return offset < size_ ? text_[offset] : kNoByte; }
    unsigned char Fold(unsigned char b) const { return options_.matchCase ? b : lower_[b]; }
    bool EqualsLowered(qsizetype m, Bytes p, qsizetype n) const {
        for (qsizetype j = 0; j < n; ++j) {
            if (lower_[text_[m + j]] != p[j]) return false;
        }
        return true;
    }

    Bytes text_;
    qsizetype size_;
    const SearchOptions& options_;
    QByteArray pattern_;
    const std::array<unsigned char, 256>& lower_;
};

}  // namespace

QByteArray ReverseText(const QByteArray& text) {
    QByteArray out = text;
    std::reverse(out.begin(), out.end());
    return out;
}

bool IsWordByte(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
           (byte >= '0' && byte <= '9');
}

qsizetype FindOccurrence(const char* text, qsizetype size, qsizetype from,
                         const SearchOptions& options) {
    if (options.findText.isEmpty()) return -1;
    from = std::clamp<qsizetype>(from, 0, size);
    const Matcher matcher(text, size, options);
    return options.down ? matcher.Down(from, matcher.ByteBefore(from)) : matcher.Up(from);
}

QList<qsizetype> ReplaceAllOffsets(const char* text, qsizetype size, const SearchOptions& options) {
    QList<qsizetype> offsets;
    if (options.findText.isEmpty()) return offsets;
    const Matcher matcher(text, size, options);
    const qsizetype n = matcher.PatternLength();
    qsizetype from = 0;
    int seamByte = kNoByte;  // the byte before `from` in the text as the replacements leave it
    for (;;) {
        const qsizetype m = matcher.Down(from, seamByte);
        if (m < 0) break;
        offsets << m;
        // With an empty replacement the byte before the occurrence becomes the
        // neighbour of what follows it.
        const int before = m == from ? seamByte : matcher.ByteBefore(m);
        seamByte = options.replaceText.isEmpty()
                       ? before
                       : static_cast<unsigned char>(options.replaceText.back());
        from = m + n;
    }
    return offsets;
}
