#include <gtest/gtest.h>

#include <QDir>

#include "platform/PosixSystem.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "wizards/WizardSource.h"

namespace {

QString L(const char* text) { return QString::fromLatin1(text); }

const QString kSourceDir = QStringLiteral(VELMORA_SOURCE_DIR "/data/wizard-sources/");
const QString kWizardsDir = QStringLiteral(VELMORA_SOURCE_DIR "/data/Wizards/");

}  // namespace

// The committed wizard files are exactly what the generator makes of the
// sources, so neither can drift from the other, and Velmora loads them all.
TEST(SampleWizards, CommittedFilesMatchTheSourcesAndLoad) {
    TempDir out;
    QStringList written;
    QString error;
    ASSERT_TRUE(GenerateWizardFiles(kSourceDir, out.path(), written, error)) << error.toStdString();
    const QStringList committed =
        QDir(kWizardsDir).entryList({QStringLiteral("*.vwz")}, QDir::Files, QDir::Name);
    QStringList sortedWritten = written;
    sortedWritten.sort();
    EXPECT_EQ(committed, sortedWritten) << "run `make wizards` and commit data/Wizards";
    for (const QString& name : written) {
        EXPECT_EQ(TempDir::Read(kWizardsDir + name), TempDir::Read(out.path() + name))
            << name.toStdString() << " differs from its source; run `make wizards`";
    }

    ScriptedDialogs dialogs;  // any box fails the test
    PosixSystem system;
    TWizardList list;
    EXPECT_EQ(list.LoadAll(kWizardsDir, system, dialogs), committed.size());
    QStringList names;
    for (int i = 0; i < list.Count(); ++i) {
        names << list.At(i)->Name();
        EXPECT_GT(list.At(i)->SnippetCount(), 0) << list.At(i)->Name().toStdString();
    }
    EXPECT_EQ(names, QStringList({L("DOS COM"), L("DOS EXE"), L("Macros"), L("Win32 Console")}));
}

TEST(WizardSource, SnippetsAreTakenVerbatimUpToTheNextSnippet) {
    const QByteArray text =
        "# a comment\r\n"
        "\r\n"
        "@wizard Loops\r\n"
        "@snippet Local label\r\n"
        "@@again:\r\n"
        "        loop    @@again\r\n"
        "\r\n"
        "\r\n"
        "@snippet  Spaced name \n"
        "\n"
        "@snippets is not a directive\n"
        "# nor is this\n";
    QString error;
    const auto wizard = ParseWizardSource(text, error);
    ASSERT_NE(wizard, nullptr) << error.toStdString();
    EXPECT_EQ(wizard->Name(), L("Loops"));
    ASSERT_EQ(wizard->SnippetCount(), 2);
    EXPECT_EQ(wizard->SnippetAt(0)->Name, L("Local label"));
    EXPECT_EQ(wizard->SnippetAt(0)->Lines,
              QStringList({L("@@again:"), L("        loop    @@again")}));
    EXPECT_EQ(wizard->SnippetAt(1)->Name, L("Spaced name"));
    EXPECT_EQ(wizard->SnippetAt(1)->Lines,
              QStringList({QString(), L("@snippets is not a directive"), L("# nor is this")}));
}

TEST(WizardSource, MistakesAreReportedWithTheirLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"@wizard W\n@snippet S\n\tmov ax, 1\n", "line 3: tab character in a snippet line"},
        {"@wizard W\n@snippet S\nmov ax, 1 \n", "line 3: blank at the end of a snippet line"},
        {"@wizard W\nstray\n", "line 2: text outside a snippet"},
        {"@snippet S\n", "line 1: @snippet before @wizard"},
        {"@wizard W\n@snippet\n", "line 2: a snippet needs a name"},
        {"@wizard W\n@snippet S\n@snippet S\n", "line 3: a second snippet named S"},
        {"@wizard W\n@wizard V\n", "line 2: a second @wizard"},
        {"@wizard My.Macros\n", "line 1: not a usable wizard name: My.Macros"},
        {"@wizard a/b\n", "line 1: not a usable wizard name: a/b"},
        {"# only a comment\n", "line 1: no @wizard line"},
    };
    for (const auto& [text, expected] : cases) {
        QString error;
        EXPECT_EQ(ParseWizardSource(text, error), nullptr) << text;
        EXPECT_EQ(error, L(expected)) << text;
    }
}
