#include "platform/ui/QtDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>

MsgAnswer QtDialogs::MessageBox(const QString& text, const QString& caption, MsgButtons buttons) {
    QMessageBox::StandardButtons qtButtons;
    switch (buttons) {
        case MsgButtons::Ok:
            qtButtons = QMessageBox::Ok;
            break;
        case MsgButtons::OkCancel:
            qtButtons = QMessageBox::Ok | QMessageBox::Cancel;
            break;
        case MsgButtons::YesNo:
            qtButtons = QMessageBox::Yes | QMessageBox::No;
            break;
        case MsgButtons::YesNoCancel:
            qtButtons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
            break;
    }
    const bool question = buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel;
    const bool error = caption == QLatin1String("Error");
    QMessageBox box(
        question ? QMessageBox::Question : (error ? QMessageBox::Critical : QMessageBox::NoIcon),
        caption, text, qtButtons, parent_);
    switch (box.exec()) {
        case QMessageBox::Ok:
            return MsgAnswer::Ok;
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        default:
            // Closing a Yes/No box by its frame counts as No, the safe answer.
            return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
    }
}

void QtDialogs::ShowMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Ok, parent_);
    box.exec();
}

QString QtDialogs::InputBox(const QString& caption, const QString& prompt,
                            const QString& defaultText) {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(parent_, caption, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? answer : defaultText;
}

std::optional<QString> QtDialogs::OpenFile(const FileDialogState& state) {
    return RunFileDialog(state, false);
}

std::optional<QString> QtDialogs::SaveFile(const FileDialogState& state) {
    return RunFileDialog(state, true);
}

std::optional<QString> QtDialogs::RunFileDialog(const FileDialogState& state, bool save) {
    QString dir = QDir::current().absoluteFilePath(state.initialDir);
    if (state.initialDir.isEmpty() || !QFileInfo(dir).isDir()) dir = QDir::currentPath();
    QFileDialog dialog(parent_);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDirectory(dir);
    dialog.setNameFilters(QtNameFilters(state.filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!state.defaultExt.isEmpty()) dialog.setDefaultSuffix(state.defaultExt);
    if (!state.fileName.isEmpty()) dialog.selectFile(state.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

QStringList QtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString desc = parts[i];
        QString mask = parts[i + 1];
        if (mask == QLatin1String("*.*")) mask = QStringLiteral("*");
        mask.replace(QLatin1Char(';'), QLatin1Char(' '));
        static const QRegularExpression trailingMask(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
        desc.remove(trailingMask);
        filters << desc + QStringLiteral(" (") + mask + QLatin1Char(')');
    }
    return filters;
}
