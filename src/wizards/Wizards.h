#pragma once
// Code wizards: a wizard is a named list of snippets, each a named block of
// source lines. Every wizard lives in "<Name>.vwz" in the Wizards directory
// beside the executable; the directory is always passed in (ending in '/'),
// and every message goes through the Dialogs given.
#include <memory>
#include <vector>

#include <QString>
#include <QStringList>

class Dialogs;
class RecordReader;
class RecordWriter;
class System;

inline const QString kWizardMagic = QStringLiteral("Velmora Wizard File");
inline const QString kWizardVersion = QStringLiteral("v1.a");
inline const QString kWizardExtension = QStringLiteral(".vwz");

class TSnippet {
public:
    // The name as a record string, then the lines as a record string list.
    void WriteTo(RecordWriter& f) const;
    // Replaces Name and Lines with the next snippet record; false when the
    // record is damaged (Lines then holds the lines that were complete).
    bool ReadFrom(RecordReader& f);

    QStringList Lines;
    QString Name;
};

class TWizard {
public:
    explicit TWizard(QString name = QString()) : name_(std::move(name)) {}

    const QString& Name() const { return name_; }
    // Renames the wizard in memory only; the files are the caller's business.
    void SetName(const QString& name) { name_ = name; }

    int SnippetCount() const { return static_cast<int>(snippets_.size()); }
    // The snippet at `index`, or null when there is none.
    TSnippet* SnippetAt(int index) const;
    // The first snippet named exactly `name`, or null.
    TSnippet* FindSnippet(const QString& name) const;
    // Appends the snippet; the wizard owns it from now on.
    TSnippet* AddSnippet(std::unique_ptr<TSnippet> snippet);
    // Destroys the first snippet named exactly `name`; false when there is none.
    bool RemoveSnippet(const QString& name);
    const std::vector<std::unique_ptr<TSnippet>>& Snippets() const { return snippets_; }

    // The complete wizard file, header and every snippet.
    QByteArray FileBytes() const;
    // Writes "<wizardsDir><Name>.vwz" through a temporary file, creating the
    // directory when it is missing. False when the name cannot be a wizard
    // file name or the file cannot be written; an old file is then untouched.
    bool SaveToFile(const QString& wizardsDir) const;
    // Reads "<wizardsDir><fileName>" (a bare file name such as Macros.vwz) and
    // appends its snippets. A foreign file or a wrong version is refused with
    // an "Error" box (false). A file damaged after its header keeps the
    // snippets read completely, is reported once, and is accepted (true).
    // On acceptance the wizard is named after the file, cut at its first '.'.
    bool LoadFromFile(const QString& wizardsDir, const QString& fileName, Dialogs& dialogs);

private:
    QString name_;
    std::vector<std::unique_ptr<TSnippet>> snippets_;
};

class TWizardList {
public:
    int Count() const { return static_cast<int>(wizards_.size()); }
    // The wizard at `index`, or null when there is none.
    TWizard* At(int index) const;
    // Appends the wizard; the list owns it from now on.
    TWizard* Add(std::unique_ptr<TWizard> wizard);
    // Destroys the wizard at `index`; nothing when there is none.
    void Delete(int index);
    // Loads a wizard from the bare file name and appends it when the file was accepted.
    bool AddFromFile(const QString& wizardsDir, const QString& fileName, Dialogs& dialogs);
    // AddFromFile for every "*.vwz" of the directory, in the order the
    // directory search returns them; the number of wizards added.
    int LoadAll(const QString& wizardsDir, const System& system, Dialogs& dialogs);
    // Writes every wizard, first to last, so that of two wizards with one name
    // the later one ends up in the file. A wizard that cannot be written is
    // named in an "Error" box; false when any could not be written.
    bool SaveAll(const QString& wizardsDir, Dialogs& dialogs) const;

private:
    std::vector<std::unique_ptr<TWizard>> wizards_;
};

// A name that can be a wizard's file name and comes back unchanged when the
// file is loaded again: not empty after trimming, without '.' (a file's name is
// cut at its first dot), '/', '\', ':' or control characters, and short enough
// for the file and the temporary file it is written through.
bool IsValidWizardName(const QString& name);
// "<wizardsDir><name>.vwz".
QString WizardFilePath(const QString& wizardsDir, const QString& name);
// Deletes the wizard file of that name; false for an invalid name or when no
// file was deleted.
bool DeleteWizardFile(const QString& wizardsDir, const QString& name);
// Renames the wizard and moves its file: the file under the new name is
// written first, and only then is the old one deleted, so a failure never
// loses the snippets. On failure (invalid name, file not written) the wizard
// keeps its old name and false comes back.
bool RenameWizardFile(TWizard& wizard, const QString& wizardsDir, const QString& newName);
