#include "project/ProjectFile.h"

#include "platform/Ansi.h"
#include "platform/System.h"
#include "store/CheckList.h"
#include "store/RecordFile.h"

void WriteProjectOptions(RecordWriter& f, const TProjectOptions& options) {
    using Kind = TProjectOptions::Kind;
    for (int i = 0; i < TProjectOptions::Count; ++i) {
        const auto o = TProjectOptions::Option(i);
        switch (TProjectOptions::Describe(o).kind) {
            case Kind::Text:
                WriteRecordString(f, options.Text(o));
                break;
            case Kind::Flag:
                WriteRecordByte(f, options.Flag(o) ? 1 : 0);
                break;
            case Kind::Choice:
                WriteRecordInteger(f, options.Choice(o));
                break;
        }
    }
}

bool ReadProjectOptions(RecordReader& f, TProjectOptions& options) {
    using Kind = TProjectOptions::Kind;
    for (int i = 0; i < TProjectOptions::Count; ++i) {
        const auto o = TProjectOptions::Option(i);
        switch (TProjectOptions::Describe(o).kind) {
            case Kind::Text: {
                const QString value = ReadRecordString(f);
                if (!f.ok()) return false;
                options.SetText(o, value);
                break;
            }
            case Kind::Flag: {
                const quint8 value = ReadRecordByte(f);
                if (!f.ok()) return false;
                options.SetFlag(o, value != 0);
                break;
            }
            case Kind::Choice: {
                const qint32 value = ReadRecordInteger(f);
                if (!f.ok()) return false;
                options.SetChoice(o, value);
                break;
            }
        }
    }
    return true;
}

void FillFileList(const System& system, const QString& mask, CheckList& list) {
    for (const QString& name : system.FindFiles(mask)) list.Append(Ansi::LowerCase(name));
}
