#include "store/ConfigData.h"

#include "store/RecordFile.h"

void TConfigDataList::Load(const QString& fileName) {
    QByteArray bytes;
    if (!ReadWholeFile(fileName, bytes)) return;
    RecordReader f(bytes);
    const qint32 count = ReadRecordInteger(f);
    // The loop is bounded by the file, not by the count: a damaged count only
    // means that reading stops at the first incomplete entry.
    for (qint32 n = 0; f.ok() && n < count; ++n) {
        const qint32 size = ReadRecordInteger(f);
        if (!f.ok() || size < 0 || size > f.Remaining()) return;
        auto entry = std::make_unique<TConfigData>(0);
        if (!f.Take(size, entry->Data)) return;
        entry->Name = ReadRecordString(f);
        if (!f.ok()) return;
        Put(std::move(entry));
    }
}

bool TConfigDataList::Save(const QString& fileName) const {
    RecordWriter f;
    WriteRecordInteger(f, static_cast<qint32>(items_.size()));
    for (const auto& item : items_) {
        WriteRecordInteger(f, item->Size());
        f.Append(item->Data);
        WriteRecordString(f, item->Name);
    }
    return WriteFileSafely(fileName, f.data());
}

const TConfigData* TConfigDataList::Find(const QString& key) const {
    for (const auto& item : items_) {
        if (item->Name == key) return item.get();
    }
    return nullptr;
}

void TConfigDataList::Put(std::unique_ptr<TConfigData> entry) {
    for (auto it = items_.begin(); it != items_.end(); ++it) {
        if ((*it)->Name == entry->Name) {
            items_.erase(it);
            break;
        }
    }
    items_.push_back(std::move(entry));
}
