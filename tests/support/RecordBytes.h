#pragma once
// Record elements spelled out byte by byte, independently of the writer under
// test, and a way to hand a reader exactly the bytes of a file and no more.
#include <cstring>
#include <initializer_list>
#include <memory>

#include <QByteArray>

namespace RecordBytes {

inline QByteArray Int(qint32 value) {
    const auto u = static_cast<quint32>(value);
    QByteArray b;
    for (int shift = 0; shift < 32; shift += 8) b += static_cast<char>((u >> shift) & 0xFFu);
    return b;
}

inline QByteArray Str(const QByteArray& text) {
    return Int(static_cast<qint32>(text.size() + 1)) + text + QByteArray(1, '\0');
}

inline QByteArray Strs(std::initializer_list<QByteArray> texts) {
    QByteArray b = Int(static_cast<qint32>(texts.size()));
    for (const QByteArray& t : texts) b += Str(t);
    return b;
}

// A heap copy of exactly `bytes.size()` bytes viewed without copying, so that
// AddressSanitizer reports any read past the end of the "file".
class ExactBytes {
public:
    explicit ExactBytes(const QByteArray& bytes)
        : storage_(new char[static_cast<std::size_t>(bytes.size())]) {
        if (!bytes.isEmpty()) std::memcpy(storage_.get(), bytes.constData(), bytes.size());
        view_ = QByteArray::fromRawData(storage_.get(), bytes.size());
    }
    const QByteArray& view() const { return view_; }

private:
    std::unique_ptr<char[]> storage_;
    QByteArray view_;
};

}  // namespace RecordBytes
