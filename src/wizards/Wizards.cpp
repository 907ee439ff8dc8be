#include "wizards/Wizards.h"

#include <filesystem>
#include <system_error>

#include <QDir>
#include <QFile>

#include "platform/Dialogs.h"
#include "platform/System.h"
#include "store/RecordFile.h"

namespace {

const QString kErrorCaption = QStringLiteral("Error");
constexpr qsizetype kMaxFileNameBytes = 255;

void ShowError(Dialogs& dialogs, const QString& text) {
    dialogs.MessageBox(text, kErrorCaption, MsgButtons::OkCancel);
}

// Two names for one file, as on a file system that ignores letter case.
bool SameFile(const QString& a, const QString& b) {
    std::error_code error;
    const bool same = std::filesystem::equivalent(
        std::filesystem::path(QFile::encodeName(a).toStdString()),
        std::filesystem::path(QFile::encodeName(b).toStdString()), error);
    return !error && same;
}

}  // namespace

void TSnippet::WriteTo(RecordWriter& f) const {
    WriteRecordString(f, Name);
    WriteRecordStrings(f, Lines);
}

bool TSnippet::ReadFrom(RecordReader& f) {
    Name = ReadRecordString(f);
    Lines.clear();
    ReadRecordStrings(f, Lines);
    return f.ok();
}

TSnippet* TWizard::SnippetAt(int index) const {
    if (index < 0 || index >= SnippetCount()) return nullptr;
    return snippets_[static_cast<std::size_t>(index)].get();
}

TSnippet* TWizard::FindSnippet(const QString& name) const {
    for (const auto& s : snippets_) {
        if (s->Name == name) return s.get();
    }
    return nullptr;
}

TSnippet* TWizard::AddSnippet(std::unique_ptr<TSnippet> snippet) {
    snippets_.push_back(std::move(snippet));
    return snippets_.back().get();
}

bool TWizard::RemoveSnippet(const QString& name) {
    for (auto it = snippets_.begin(); it != snippets_.end(); ++it) {
        if ((*it)->Name == name) {
            snippets_.erase(it);
            return true;
        }
    }
    return false;
}

QByteArray TWizard::FileBytes() const {
    RecordWriter f;
    WriteRecordString(f, kWizardMagic);
    WriteRecordString(f, kWizardVersion);
    WriteRecordInteger(f, SnippetCount());
    for (const auto& s : snippets_) s->WriteTo(f);
    return f.data();
}

bool TWizard::SaveToFile(const QString& wizardsDir) const {
    if (!IsValidWizardName(name_)) return false;
    if (!QDir().mkpath(wizardsDir)) return false;
    return WriteFileSafely(WizardFilePath(wizardsDir, name_), FileBytes());
}

bool TWizard::LoadFromFile(const QString& wizardsDir, const QString& fileName, Dialogs& dialogs) {
    QByteArray bytes;
    const bool opened = ReadWholeFile(wizardsDir + fileName, bytes);
    RecordReader f(bytes);
    if (!opened || ReadRecordString(f) != kWizardMagic) {
        ShowError(dialogs, fileName + QStringLiteral(" is not a valid wizard file."));
        return false;
    }
    if (ReadRecordString(f) != kWizardVersion) {
        ShowError(dialogs, QStringLiteral("Incorrect file version..."));
        return false;
    }
    // The loop is bounded by the file, not by the count: each snippet record
    // takes at least nine bytes or fails the reader, so an impossible count
    // only means that reading stops at the end of the file.
    const qint32 count = ReadRecordInteger(f);
    if (count < 0) f.Fail();
    for (qint32 n = 0; f.ok() && n < count; ++n) {
        auto snippet = std::make_unique<TSnippet>();
        if (snippet->ReadFrom(f)) AddSnippet(std::move(snippet));
    }
    if (!f.ok()) {
        ShowError(dialogs, fileName + QStringLiteral(" is damaged; the snippets read before the "
                                                     "damage were kept."));
    }
    name_ = StripExtension(fileName);
    return true;
}

TWizard* TWizardList::At(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return wizards_[static_cast<std::size_t>(index)].get();
}

TWizard* TWizardList::Add(std::unique_ptr<TWizard> wizard) {
    wizards_.push_back(std::move(wizard));
    return wizards_.back().get();
}

void TWizardList::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    wizards_.erase(wizards_.begin() + index);
}

bool TWizardList::AddFromFile(const QString& wizardsDir, const QString& fileName,
                              Dialogs& dialogs) {
    auto wizard = std::make_unique<TWizard>(StripExtension(fileName));
    if (!wizard->LoadFromFile(wizardsDir, fileName, dialogs)) return false;
    Add(std::move(wizard));
    return true;
}

int TWizardList::LoadAll(const QString& wizardsDir, const System& system, Dialogs& dialogs) {
    int added = 0;
    for (const QString& name :
         system.FindFiles(wizardsDir + QStringLiteral("*") + kWizardExtension)) {
        if (AddFromFile(wizardsDir, name, dialogs)) ++added;
    }
    return added;
}

bool TWizardList::SaveAll(const QString& wizardsDir, Dialogs& dialogs) const {
    bool all = true;
    for (const auto& wizard : wizards_) {
        if (wizard->SaveToFile(wizardsDir)) continue;
        all = false;
        ShowError(dialogs, QStringLiteral("Could not save wizard %1 to %2")
                               .arg(wizard->Name(), WizardFilePath(wizardsDir, wizard->Name())));
    }
    return all;
}

bool IsValidWizardName(const QString& name) {
    if (name.trimmed().isEmpty()) return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('.') || c == QLatin1Char('/') || c == QLatin1Char('\\') ||
            c == QLatin1Char(':'))
            return false;
        if (c.category() == QChar::Other_Control) return false;
    }
    // A file name holds at most 255 bytes, and replacing a wizard file goes
    // through a temporary file named "<Name>.vwz.XXXXXX" beside it.
    return QFile::encodeName(name).size() + kWizardExtension.size() + 7 <= kMaxFileNameBytes;
}

QString WizardFilePath(const QString& wizardsDir, const QString& name) {
    return wizardsDir + name + kWizardExtension;
}

bool DeleteWizardFile(const QString& wizardsDir, const QString& name) {
    if (!IsValidWizardName(name)) return false;
    return QFile::remove(WizardFilePath(wizardsDir, name));
}

bool RenameWizardFile(TWizard& wizard, const QString& wizardsDir, const QString& newName) {
    if (!IsValidWizardName(newName)) return false;
    const QString oldName = wizard.Name();
    wizard.SetName(newName);
    if (!wizard.SaveToFile(wizardsDir)) {
        wizard.SetName(oldName);
        return false;
    }
    const QString oldPath = WizardFilePath(wizardsDir, oldName);
    const QString newPath = WizardFilePath(wizardsDir, newName);
    // The old file may be the one just written: the same name, or a name that
    // differs only in letter case on a file system that ignores case.
    if (oldName != newName && !SameFile(oldPath, newPath)) DeleteWizardFile(wizardsDir, oldName);
    return true;
}
