// The help page that Help > Contents opens: it must work from the portable
// folder with no network, and every link in it must lead somewhere.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace {

const QString kHelpDir = QString::fromLatin1(VELMORA_SOURCE_DIR) + QStringLiteral("/data/Help/");

QString ReadPage() {
    QFile file(kHelpDir + QStringLiteral("contents.htm"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    return QString::fromUtf8(file.readAll());
}

TEST(HelpPage, EveryLinkAndResourceResolvesLocally) {
    const QString page = ReadPage();
    ASSERT_FALSE(page.isEmpty());
    QSet<QString> ids;
    for (const auto& m : QRegularExpression(QStringLiteral("\\bid=\"([^\"]+)\"")).globalMatch(page))
        ids.insert(m.captured(1));

    const QRegularExpression reference(QStringLiteral("\\b(?:href|src)=\"([^\"]*)\""));
    int count = 0;
    for (const auto& m : reference.globalMatch(page)) {
        const QString target = m.captured(1);
        SCOPED_TRACE(target.toStdString());
        ++count;
        EXPECT_FALSE(target.contains(QLatin1Char(':'))) << "not a local reference";
        if (target.startsWith(QLatin1Char('#')))
            EXPECT_TRUE(ids.contains(target.mid(1))) << "no such anchor";
        else
            EXPECT_TRUE(QFileInfo::exists(kHelpDir + target)) << "no such file";
    }
    EXPECT_GT(count, 10);
    EXPECT_FALSE(page.contains(QStringLiteral("<script"), Qt::CaseInsensitive));
}

TEST(HelpPage, DescribesEveryMenuCommandWithItsShortcut) {
    const QString page = ReadPage();
    struct {
        const char* caption;
        const char* shortcut;
    } const commands[] = {
        {"New Unit", "Ctrl+N"},
        {"New Project", ""},
        {"Open...", "Ctrl+O"},
        {"Open Project...", ""},
        {"Save", "Ctrl+S"},
        {"Save As...", ""},
        {"Save Project As...", ""},
        {"Save All", ""},
        {"Exit", ""},
        {"Copy", "Ctrl+C"},
        {"Cut", "Ctrl+X"},
        {"Paste", "Ctrl+V"},
        {"Delete", "Ctrl+Del"},
        {"Find...", "Ctrl+F"},
        {"Replace...", "Ctrl+R"},
        {"Goto Line...", "Ctrl+G"},
        {"Remove This Unit...", ""},
        {"Compile Unit", ""},
        {"Make Project", "Ctrl+F9"},
        {"Run", "F9"},
        {"Debug", "Ctrl+F10"},
        {"Base Converter", ""},
        {"Dos Shell", ""},
        {"View Messages", ""},
        {"Settings...", ""},
        {"Contents", "F1"},
        {"About...", ""},
        {"Hide Messages", ""},
    };
    for (const auto& c : commands) {
        SCOPED_TRACE(c.caption);
        QString row =
            QStringLiteral("<tr><td>") + QLatin1String(c.caption) + QStringLiteral("</td>");
        if (*c.shortcut)
            row +=
                QStringLiteral("<td><kbd>") + QLatin1String(c.shortcut) + QStringLiteral("</kbd>");
        if (QLatin1String(c.caption) == QLatin1String("Hide Messages"))
            EXPECT_TRUE(page.contains(QStringLiteral("Hide Messages")));
        else
            EXPECT_TRUE(page.contains(row)) << row.toStdString();
    }
}

}  // namespace
