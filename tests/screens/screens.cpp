// Renders Velmora's windows offscreen into PNG files, for looking at the layout:
//   velmora_screens <output-directory>
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>

#include "platform/PosixSystem.h"
#include "platform/ui/QtDialogs.h"
#include "project/ui/ProjectManager.h"
#include "shell/TForm1.h"
#include "wizards/ui/WizardEditor.h"

namespace {
void Save(QWidget& w, const QString& dir, const char* name) {
    QApplication::processEvents();
    w.grab().save(dir + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".png"));
}
}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/shots");
    QDir().mkpath(out);
    QTemporaryDir exe;
    QDir(exe.path()).mkpath(QStringLiteral("Lib"));
    PosixSystem system(QString::fromLocal8Bit(VELMORA_SOURCE_DIR) + QStringLiteral("/data"));
    QtDialogs dialogs;
    TForm1 form(dialogs, system);
    // A few library names, so the Library Files panel shows filled lists.
    form.Project().LibDirBox().Append(QStringLiteral("import32.lib"));
    form.Project().LibDirBox().Append(QStringLiteral("c0w32.obj"), true);
    form.Project().CurProjectBox().Append(QStringLiteral("mylib.lib"));
    form.Project().ResourceBox().Append(QStringLiteral("dialogs.res"), true);
    form.show();
    Save(form, out, "main-units");
    auto* side = form.findChild<QTabWidget*>(QStringLiteral("SideControl"));
    for (int page = 1; page <= 5; ++page) {
        side->setCurrentIndex(1);
        form.ShowOptionsPage(page);
        Save(form, out, QStringLiteral("main-options%1").arg(page).toLatin1().constData());
    }
    side->setCurrentIndex(2);
    Save(form, out, "main-wizards");
    // The first wizard with its first snippet open in the editor, as a click
    // on the wizard's button and on the snippet leaves it.
    WizardEditor& wizards = form.Wizards();
    if (wizards.ButtonCount() > 0) {
        wizards.ButtonAt(0)->click();
        auto* snippets = form.findChild<QListWidget*>(QStringLiteral("EditSnippetsBox"));
        if (snippets->count() > 0) snippets->setCurrentRow(0);
    }
    Save(form, out, "main-wizards-snippet");
    side->setCurrentIndex(0);
    form.ShowMessagePanel();
    Save(form, out, "main-messages");
    // Each top-level menu, opened under its title.
    side->setCurrentIndex(0);
    form.HideMessagePanel();
    int n = 0;
    for (QAction* top : form.menuBar()->actions()) {
        QMenu* menu = top->menu();
        menu->popup(form.mapToGlobal(form.menuBar()->actionGeometry(top).bottomLeft()));
        QApplication::processEvents();
        QPixmap shot = form.grab();
        QPainter painter(&shot);
        const QPoint at = form.menuBar()->actionGeometry(top).bottomLeft() + form.menuBar()->pos();
        painter.drawPixmap(at, menu->grab());
        painter.end();
        shot.save(out + QStringLiteral("/menu-%1.png").arg(++n));
        menu->hide();
    }
    return 0;
}
