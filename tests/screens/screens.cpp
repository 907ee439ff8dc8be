// Renders Velmora's windows offscreen into PNG files, for looking at the layout:
//   velmora_screens <output-directory>
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>

#include "platform/PosixSystem.h"
#include "platform/ui/QtDialogs.h"
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
    return 0;
}
