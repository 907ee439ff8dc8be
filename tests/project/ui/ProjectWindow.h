#pragma once
// The main window with a project directory beside the executable, and the
// user's ways into the project: the file commands, the option buttons, and
// clicks on the option controls where a user would click.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionViewItem>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "project/ui/ProjectManager.h"
#include "support/RecordBytes.h"
#include "support/WindowFixture.h"
#include "units/ui/TUnit.h"
#include "units/ui/UnitManager.h"

class ProjectWindowTest : public WindowTest {
protected:
    ProjectWindowTest() : work(exe.MakeDir(QStringLiteral("Work")) + QLatin1Char('/')) {}

    ProjectManager& project() { return form->Project(); }
    TProjectOptions& options() { return form->Project().Options(); }
    UnitManager& units() { return form->Units(); }

    // Opens a source file as a new unit through the Open command.
    void OpenUnit(const QString& path) {
        dialogs.Open(path);
        Trigger("Open1");
    }
    void SaveProjectAs(const std::optional<QString>& path) {
        dialogs.Save(path);
        Trigger("SaveProjectAs1");
    }
    // Open Project, answering No to the question first.
    void OpenProject(const std::optional<QString>& path) {
        dialogs.Box(MsgAnswer::No, QStringLiteral("Save changes to project?")).Open(path);
        Trigger("OpenProject1");
    }

    void ClickSideTab(int index) {
        QTabBar* bar = Find<QTabWidget>("SideControl")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(index).center());
        // Lay out what was just shown, so clicks and arrow keys meet the
        // controls where the user sees them.
        QApplication::processEvents();
    }
    // The Options tab, then option button n.
    void ShowPanel(int n) {
        ClickSideTab(1);
        const QByteArray name = "Option" + QByteArray::number(n);
        QTest::mouseClick(Find<QToolButton>(name.constData()), Qt::LeftButton);
        QApplication::processEvents();
    }

    // Clicks a check box or radio button on its indicator, which is inside
    // the button's click area however wide its layout makes it.
    static void ClickIndicator(QAbstractButton* b) {
        ASSERT_NE(b, nullptr);
        ASSERT_TRUE(b->isVisible()) << b->objectName().toStdString();
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        const QStyle::SubElement e = qobject_cast<QRadioButton*>(b)
                                         ? QStyle::SE_RadioButtonIndicator
                                         : QStyle::SE_CheckBoxIndicator;
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier,
                          b->style()->subElementRect(e, &opt, b).center());
    }
    // Clicks the check mark of a check list row.
    static void ClickListCheck(QListWidget* view, int row) {
        ASSERT_TRUE(view->isVisible());
        QListWidgetItem* item = view->item(row);
        ASSERT_NE(item, nullptr);
        QStyleOptionViewItem opt;
        opt.initFrom(view);
        opt.rect = view->visualItemRect(item);
        opt.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
        opt.text = item->text();
        opt.checkState = item->checkState();
        const QRect check =
            view->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, view);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, check.center());
    }

    static QStringList ListTexts(const QListWidget* view) {
        QStringList texts;
        for (int i = 0; i < view->count(); ++i) texts << view->item(i)->text();
        return texts;
    }
    static QStringList CheckedTexts(const QListWidget* view) {
        QStringList texts;
        for (int i = 0; i < view->count(); ++i) {
            if (view->item(i)->checkState() == Qt::Checked) texts << view->item(i)->text();
        }
        return texts;
    }
    QStringList UnitFileNames() {
        QStringList names;
        for (int i = 0; i < units().Count(); ++i) names << units().At(i)->FileName;
        return names;
    }
    QStringList ButtonCaptions() {
        QStringList captions;
        for (int i = 0; i < units().Count(); ++i) captions << units().ButtonAt(i)->text();
        return captions;
    }
    QString Caption() const { return form->windowTitle(); }
    QString CurrentDirectory() const { return QDir::currentPath() + QLatin1Char('/'); }

    // A project file from its parts: unit records, the options block and the
    // three checked-name lists, each already in record form.
    static QByteArray ProjectBytes(std::initializer_list<QByteArray> unitPaths,
                                   const QByteArray& optionBlock,
                                   const QByteArray& lists = QByteArray(12, '\0')) {
        using namespace RecordBytes;
        QByteArray b =
            Str("Velmora Project File") + Str("v1.1") + Int(static_cast<qint32>(unitPaths.size()));
        for (const QByteArray& p : unitPaths) b += Str(p);
        return b + optionBlock + lists;
    }

    // The project directory, ending in '/'.
    const QString work;
};

inline QString Q(const char* latin1) { return QString::fromLatin1(latin1); }
