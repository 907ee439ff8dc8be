#pragma once
// Velmora's own files are sequences of record elements: 4-byte little-endian
// integers, single bytes, length-prefixed zero-terminated strings and lists of
// them. Readers work on the whole file in memory and never read past its end.
#include <QByteArray>
#include <QString>
#include <QStringList>

class CheckList;
class Dialogs;

// Reads elements in sequence. The first element that does not fit in what is
// left of the file marks the reader as failed; every later read then fails too
// and returns an empty value, so a damaged file can never be read beyond its end.
class RecordReader {
public:
    explicit RecordReader(QByteArray data) : data_(std::move(data)) {}
    bool ok() const { return ok_; }
    bool AtEnd() const { return pos_ >= data_.size(); }
    qsizetype Remaining() const { return ok_ ? data_.size() - pos_ : 0; }
    // Takes n raw bytes; fails (and takes nothing) when fewer are left.
    bool Take(qsizetype n, QByteArray& out);
    void Fail() { ok_ = false; }

private:
    QByteArray data_;
    qsizetype pos_ = 0;
    bool ok_ = true;
};

// Collects elements for one file; the caller writes the bytes in one go.
class RecordWriter {
public:
    void Append(const QByteArray& bytes) { data_ += bytes; }
    const QByteArray& data() const { return data_; }

private:
    QByteArray data_;
};

void WriteRecordInteger(RecordWriter& f, qint32 value);
qint32 ReadRecordInteger(RecordReader& f);
void WriteRecordByte(RecordWriter& f, quint8 value);
quint8 ReadRecordByte(RecordReader& f);
void WriteRecordString(RecordWriter& f, const QString& text);
QString ReadRecordString(RecordReader& f);
void WriteRecordStrings(RecordWriter& f, const QStringList& texts);
// Appends the texts read to `texts`; a list cut short appends only the complete ones.
void ReadRecordStrings(RecordReader& f, QStringList& texts);
// The checked entries' texts, lower-cased.
void WriteCheckedNames(RecordWriter& f, const CheckList& list);
// Sets the mark of every entry whose lower-cased text equals a stored name;
// a name no entry matches shows "<name><suffix>" in an "Error" box.
void ReadCheckedNames(RecordReader& f, CheckList& list, const QString& suffix, Dialogs& dialogs);

// The text before its first ".", or the whole text.
QString StripExtension(const QString& text);

// Whole-file helpers. WriteFileSafely replaces the file only once every byte
// is on disk, so a failed write never leaves a half-written file behind.
bool ReadWholeFile(const QString& path, QByteArray& out);
bool WriteFileSafely(const QString& path, const QByteArray& bytes);
