#pragma once
// The configuration store: named byte values, kept in Velmora.ini beside the
// executable as a count followed by (size, value bytes, key) entries.
#include <memory>
#include <vector>

#include <QByteArray>
#include <QString>

class TConfigData {
public:
    explicit TConfigData(qint32 size) : Data(qMax<qint32>(size, 0), '\0') {}
    qint32 Size() const { return static_cast<qint32>(Data.size()); }

    QString Name;
    QByteArray Data;
};

class TConfigDataList {
public:
    // Adds the file's entries; a missing file adds nothing, a damaged one adds
    // the entries that were complete before the damage.
    void Load(const QString& fileName);
    // Writes the whole store; false when the file could not be written.
    bool Save(const QString& fileName) const;
    // The first entry named exactly `key`, or null; the store keeps it.
    const TConfigData* Find(const QString& key) const;
    // Replaces the entry of the same name, if any, and appends `entry` at the end.
    void Put(std::unique_ptr<TConfigData> entry);

    const std::vector<std::unique_ptr<TConfigData>>& Items() const { return items_; }

private:
    std::vector<std::unique_ptr<TConfigData>> items_;
};

// The two settings, as the Settings dialog stores them.
inline const QString kTasmExecDirectoryKey = QStringLiteral("TasmExecDirectory");
inline const QString kSelectedDebuggerKey = QStringLiteral("SelectedDebugger");
