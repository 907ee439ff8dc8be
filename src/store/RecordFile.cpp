#include "store/RecordFile.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include "platform/Ansi.h"
#include "platform/Dialogs.h"
#include "store/CheckList.h"

bool RecordReader::Take(qsizetype n, QByteArray& out) {
    if (!ok_ || n < 0 || n > data_.size() - pos_) {
        ok_ = false;
        return false;
    }
    out = data_.mid(pos_, n);
    pos_ += n;
    return true;
}

void WriteRecordInteger(RecordWriter& f, qint32 value) {
    char bytes[4];
    qToLittleEndian<qint32>(value, bytes);
    f.Append(QByteArray(bytes, 4));
}

qint32 ReadRecordInteger(RecordReader& f) {
    QByteArray bytes;
    if (!f.Take(4, bytes)) return 0;
    return qFromLittleEndian<qint32>(bytes.constData());
}

void WriteRecordByte(RecordWriter& f, quint8 value) {
    f.Append(QByteArray(1, static_cast<char>(value)));
}

quint8 ReadRecordByte(RecordReader& f) {
    QByteArray bytes;
    if (!f.Take(1, bytes)) return 0;
    return static_cast<quint8>(bytes[0]);
}

void WriteRecordString(RecordWriter& f, const QString& text) {
    const QByteArray bytes = Ansi::FromString(text);
    WriteRecordInteger(f, static_cast<qint32>(bytes.size() + 1));
    f.Append(bytes);
    f.Append(QByteArray(1, '\0'));
}

QString ReadRecordString(RecordReader& f) {
    const qint32 length = ReadRecordInteger(f);
    // A string always holds at least its terminating zero.
    if (!f.ok() || length < 1) {
        f.Fail();
        return QString();
    }
    QByteArray bytes;
    if (!f.Take(length, bytes)) return QString();
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0) bytes.truncate(zero);
    return Ansi::ToString(bytes);
}

void WriteRecordStrings(RecordWriter& f, const QStringList& texts) {
    WriteRecordInteger(f, static_cast<qint32>(texts.size()));
    for (const QString& t : texts) WriteRecordString(f, t);
}

namespace {
// A negative count is damage. A count larger than the file can hold is not
// checked up front: the loops stop at the first string that does not fit, each
// string taking at least five bytes, so the file bounds them and the strings
// complete before the damage are kept.
bool ValidCount(RecordReader& f, qint32 count) {
    if (f.ok() && count < 0) f.Fail();
    return f.ok();
}
}  // namespace

void ReadRecordStrings(RecordReader& f, QStringList& texts) {
    const qint32 count = ReadRecordInteger(f);
    if (!ValidCount(f, count)) return;
    for (qint32 i = 0; i < count; ++i) {
        QString t = ReadRecordString(f);
        if (!f.ok()) return;
        texts << t;
    }
}

void WriteCheckedNames(RecordWriter& f, const CheckList& list) {
    const QStringList checked = list.CheckedTexts();
    WriteRecordInteger(f, static_cast<qint32>(checked.size()));
    for (const QString& t : checked) WriteRecordString(f, Ansi::LowerCase(t));
}

void ReadCheckedNames(RecordReader& f, CheckList& list, const QString& suffix, Dialogs& dialogs) {
    const qint32 count = ReadRecordInteger(f);
    if (!ValidCount(f, count)) return;
    for (qint32 n = 0; n < count; ++n) {
        const QString name = ReadRecordString(f);
        if (!f.ok()) return;
        bool matched = false;
        for (int i = 0; i < list.Count(); ++i) {
            if (Ansi::LowerCase(list.At(i).text) == name) {
                list.SetChecked(i, true);
                matched = true;
            }
        }
        if (!matched)
            dialogs.MessageBox(name + suffix, QStringLiteral("Error"), MsgButtons::OkCancel);
    }
}

QString StripExtension(const QString& text) {
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    return dot < 0 ? text : text.left(dot);
}

bool ReadWholeFile(const QString& path, QByteArray& out) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    out = file.readAll();
    return file.error() == QFileDevice::NoError;
}

bool WriteFileSafely(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
