#include <gtest/gtest.h>

#include "store/ConfigData.h"
#include "support/RecordBytes.h"
#include "support/TempDir.h"

using namespace RecordBytes;

namespace {

QString L(const char* text) { return QString::fromLatin1(text); }

std::unique_ptr<TConfigData> Entry(const QString& name, const QByteArray& value) {
    auto e = std::make_unique<TConfigData>(static_cast<qint32>(value.size()));
    e->Data = value;
    e->Name = name;
    return e;
}

// What the Settings dialog puts when "OK" is pressed.
void PressSettingsOk(TConfigDataList& store, const QByteArray& directory, char debugger) {
    store.Put(Entry(kTasmExecDirectoryKey, directory + '\0'));
    store.Put(Entry(kSelectedDebuggerKey, QByteArray(1, debugger) + QByteArray(3, '\0')));
}

// One entry spelled out as the file holds it: size, value bytes, key.
QByteArray FileEntry(const QByteArray& value, const QByteArray& key) {
    return Int(static_cast<qint32>(value.size())) + value + Str(key);
}

QStringList Names(const TConfigDataList& store) {
    QStringList names;
    for (const auto& item : store.Items()) names << item->Name;
    return names;
}

// The 71 bytes of a store with the tools directory D:\TASM\BIN and debugger 1,
// row by row as the file layout lists them.
QByteArray ExampleFile() {
    QByteArray b;
    b += QByteArray::fromHex("02000000");                  // N = 2
    b += QByteArray::fromHex("0C000000");                  // S = 12
    b += QByteArray::fromHex("443A5C5441534D5C42494E00");  // D:\TASM\BIN and 0
    b += QByteArray::fromHex("12000000");                  // L = 18
    b += QByteArray("TasmExecDirectory", 17) + '\0';
    b += QByteArray::fromHex("04000000");  // S = 4
    b += QByteArray::fromHex("01000000");  // the value 1
    b += QByteArray::fromHex("11000000");  // L = 17
    b += QByteArray("SelectedDebugger", 16) + '\0';
    return b;
}

}  // namespace

TEST(ConfigData, TheExampleStoreIsWrittenAsItsSeventyOneBytesAndReadBack) {
    const QByteArray expected = ExampleFile();
    ASSERT_EQ(expected.size(), 71);
    TempDir dir;
    TConfigDataList store;
    PressSettingsOk(store, "D:\\TASM\\BIN", 1);
    ASSERT_TRUE(store.Save(dir.File(L("Velmora.ini"))));
    EXPECT_EQ(TempDir::Read(dir.File(L("Velmora.ini"))).toHex(), expected.toHex());

    TConfigDataList loaded;
    loaded.Load(dir.File(L("Velmora.ini")));
    EXPECT_EQ(Names(loaded), QStringList({kTasmExecDirectoryKey, kSelectedDebuggerKey}));
    ASSERT_NE(loaded.Find(kTasmExecDirectoryKey), nullptr);
    EXPECT_EQ(loaded.Find(kTasmExecDirectoryKey)->Data, QByteArray("D:\\TASM\\BIN", 12));
    EXPECT_EQ(loaded.Find(kSelectedDebuggerKey)->Size(), 4);
}

TEST(ConfigData, PutReplacesTheEntryOfTheSameNameAndMovesItToTheEnd) {
    TConfigDataList store;
    store.Put(Entry(L("A"), "1"));
    store.Put(Entry(L("B"), "2"));
    store.Put(Entry(L("A"), "3"));
    EXPECT_EQ(Names(store), QStringList({L("B"), L("A")}));
    EXPECT_EQ(store.Find(L("A"))->Data, QByteArray("3"));

    // "OK" pressed twice after loading a file that holds another key last.
    TConfigDataList settings;
    PressSettingsOk(settings, "C:\\OLD", 0);
    settings.Put(Entry(L("Other"), "x"));
    PressSettingsOk(settings, "C:\\TASM", 2);
    PressSettingsOk(settings, "C:\\TASM\\BIN", 1);
    EXPECT_EQ(Names(settings),
              QStringList({L("Other"), kTasmExecDirectoryKey, kSelectedDebuggerKey}));
    EXPECT_EQ(settings.Find(kTasmExecDirectoryKey)->Data, QByteArray("C:\\TASM\\BIN", 12));
}

TEST(ConfigData, FilesRoundTripUnknownAndCaseDifferentKeysUnchanged) {
    TempDir dir;
    const QByteArray odd = QByteArray::fromHex("00FF7F800D0A00");
    const QByteArray file = Int(3) + FileEntry(odd, "Extra") +
                            FileEntry("D:\\T" + QByteArray(1, '\0'), "tasmexecdirectory") +
                            FileEntry(QByteArray::fromHex("02000000"), "SelectedDebugger");
    const QString path = dir.Write(L("Velmora.ini"), file);
    TConfigDataList store;
    store.Load(path);
    EXPECT_EQ(Names(store),
              QStringList({L("Extra"), L("tasmexecdirectory"), kSelectedDebuggerKey}));
    EXPECT_EQ(store.Find(kTasmExecDirectoryKey), nullptr);  // letter case counts
    ASSERT_NE(store.Find(L("Extra")), nullptr);
    EXPECT_EQ(store.Find(L("Extra"))->Data, odd);
    ASSERT_TRUE(store.Save(dir.File(L("Out.ini"))));
    EXPECT_EQ(TempDir::Read(dir.File(L("Out.ini"))).toHex(), file.toHex());
}

TEST(ConfigData, AKeyNamedTwiceInTheFileKeepsTheLaterValueAtTheEnd) {
    TempDir dir;
    const QString path = dir.Write(
        L("Velmora.ini"), Int(3) + FileEntry("first", "TasmExecDirectory") +
                              FileEntry(QByteArray::fromHex("01000000"), "SelectedDebugger") +
                              FileEntry("second", "TasmExecDirectory"));
    TConfigDataList store;
    store.Load(path);
    EXPECT_EQ(Names(store), QStringList({kSelectedDebuggerKey, kTasmExecDirectoryKey}));
    EXPECT_EQ(store.Find(kTasmExecDirectoryKey)->Data, QByteArray("second"));
}

TEST(ConfigData, EmptyStoreIsFourZeroBytesAndAMissingFileAddsNothing) {
    TempDir dir;
    TConfigDataList store;
    ASSERT_TRUE(store.Save(dir.File(L("Velmora.ini"))));
    EXPECT_EQ(TempDir::Read(dir.File(L("Velmora.ini"))), QByteArray(4, '\0'));

    store.Put(Entry(L("Kept"), "v"));
    store.Load(dir.File(L("Missing.ini")));
    EXPECT_EQ(Names(store), QStringList({L("Kept")}));
}

// A damaged file loads exactly the entries that were complete before the damage.
TEST(ConfigData, DamagedFilesLoadTheEntriesCompleteBeforeTheDamage) {
    TempDir dir;
    const QByteArray example = ExampleFile();  // the first entry ends at offset 42
    for (int cut = 0; cut <= example.size(); ++cut) {
        TConfigDataList store;
        store.Load(dir.Write(L("Cut.ini"), example.left(cut)));
        const qsizetype expected = cut == example.size() ? 2 : cut >= 42 ? 1 : 0;
        EXPECT_EQ(static_cast<qsizetype>(store.Items().size()), expected) << "cut at " << cut;
    }

    const QByteArray good = FileEntry("v", "Good");
    struct Case {
        const char* name;
        QByteArray bytes;
        QStringList loaded;
    };
    const Case cases[] = {
        {"negative count", Int(-1) + good, {}},
        {"count larger than the entries", Int(1000000) + good + good, {L("Good")}},
        {"negative size", Int(2) + good + Int(-4) + "abcd" + Str("Bad"), {L("Good")}},
        {"size beyond the end", Int(2) + good + Int(0x7FFFFFF0) + "abcd", {L("Good")}},
        {"key with zero length", Int(2) + good + Int(1) + "v" + Int(0), {L("Good")}},
        {"key longer than the rest", Int(2) + good + Int(1) + "v" + Int(50) + "Bad", {L("Good")}},
    };
    for (const Case& c : cases) {
        TConfigDataList store;
        store.Load(dir.Write(L("Damaged.ini"), c.bytes));
        EXPECT_EQ(Names(store), c.loaded) << c.name;
    }
}
