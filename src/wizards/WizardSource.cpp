#include "wizards/WizardSource.h"

#include <optional>

#include <QDir>

#include "platform/Ansi.h"
#include "store/RecordFile.h"

namespace {

const QString kWizardDirective = QStringLiteral("@wizard");
const QString kSnippetDirective = QStringLiteral("@snippet");

// The argument of a "<directive> argument" line; nothing when the line is not
// that directive.
std::optional<QString> DirectiveArgument(const QString& line, const QString& directive) {
    if (!line.startsWith(directive)) return std::nullopt;
    const QString rest = line.mid(directive.size());
    if (!rest.isEmpty() && rest[0] != QLatin1Char(' ')) return std::nullopt;
    return rest.trimmed();
}

bool IsBlank(const QString& line) { return line.trimmed().isEmpty(); }

void DropTrailingBlankLines(TSnippet* snippet) {
    if (snippet == nullptr) return;
    while (!snippet->Lines.isEmpty() && IsBlank(snippet->Lines.last())) snippet->Lines.removeLast();
}

}  // namespace

std::unique_ptr<TWizard> ParseWizardSource(const QByteArray& text, QString& error) {
    QStringList lines = Ansi::ToString(text).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();

    std::unique_ptr<TWizard> wizard;
    TSnippet* snippet = nullptr;
    auto fail = [&error](int lineNo, const QString& problem) {
        error = QStringLiteral("line %1: %2").arg(lineNo).arg(problem);
        return nullptr;
    };
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);

        if (const auto snippetName = DirectiveArgument(line, kSnippetDirective)) {
            if (!wizard) return fail(lineNo, QStringLiteral("@snippet before @wizard"));
            if (snippetName->isEmpty())
                return fail(lineNo, QStringLiteral("a snippet needs a name"));
            if (wizard->FindSnippet(*snippetName) != nullptr)
                return fail(lineNo, QStringLiteral("a second snippet named ") + *snippetName);
            DropTrailingBlankLines(snippet);
            auto s = std::make_unique<TSnippet>();
            s->Name = *snippetName;
            snippet = wizard->AddSnippet(std::move(s));
            continue;
        }
        if (snippet != nullptr) {
            if (line.contains(QLatin1Char('\t')))
                return fail(lineNo, QStringLiteral("tab character in a snippet line"));
            if (!line.isEmpty() && line.back().isSpace())
                return fail(lineNo, QStringLiteral("blank at the end of a snippet line"));
            snippet->Lines << line;
            continue;
        }
        // Before the first snippet: comments, blank lines and the wizard's name.
        if (IsBlank(line) || line.startsWith(QLatin1Char('#'))) continue;
        const auto wizardName = DirectiveArgument(line, kWizardDirective);
        if (!wizardName) return fail(lineNo, QStringLiteral("text outside a snippet"));
        if (wizard) return fail(lineNo, QStringLiteral("a second @wizard"));
        if (!IsValidWizardName(*wizardName))
            return fail(lineNo, QStringLiteral("not a usable wizard name: ") + *wizardName);
        wizard = std::make_unique<TWizard>(*wizardName);
    }
    if (!wizard) return fail(lines.size(), QStringLiteral("no @wizard line"));
    DropTrailingBlankLines(snippet);
    return wizard;
}

bool GenerateWizardFiles(const QString& sourceDir, const QString& wizardsDir, QStringList& written,
                         QString& error) {
    const QStringList sources =
        QDir(sourceDir).entryList({QStringLiteral("*.wiz")}, QDir::Files, QDir::Name);
    if (sources.isEmpty()) {
        error = QStringLiteral("no *.wiz files in ") + sourceDir;
        return false;
    }
    // Everything is parsed before anything is written, so a mistake in one
    // source never leaves a half-regenerated directory.
    std::vector<std::unique_ptr<TWizard>> wizards;
    QStringList names;
    for (const QString& source : sources) {
        QByteArray text;
        if (!ReadWholeFile(sourceDir + source, text)) {
            error = QStringLiteral("cannot read ") + sourceDir + source;
            return false;
        }
        QString problem;
        auto wizard = ParseWizardSource(text, problem);
        if (!wizard) {
            error = sourceDir + source + QStringLiteral(", ") + problem;
            return false;
        }
        if (names.contains(wizard->Name())) {
            error =
                sourceDir + source + QStringLiteral(": a second wizard named ") + wizard->Name();
            return false;
        }
        names << wizard->Name();
        wizards.push_back(std::move(wizard));
    }
    for (const auto& wizard : wizards) {
        if (!wizard->SaveToFile(wizardsDir)) {
            error = QStringLiteral("cannot write ") + WizardFilePath(wizardsDir, wizard->Name());
            return false;
        }
        written << wizard->Name() + kWizardExtension;
    }
    return true;
}
