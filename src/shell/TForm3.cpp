#include "shell/TForm3.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QtEndian>

#include "platform/Ansi.h"
#include "store/ConfigData.h"

TForm3::TForm3(TConfigDataList& config, QWidget* parent)
    : QDialog(parent),
      config_(config),
      dir_(new QLineEdit(this)),
      debugger_(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Settings"));
    setModal(true);

    auto* grid = new QGridLayout(this);
    auto* label = new QLabel(QStringLiteral("Directory with Tasm executables:"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setBuddy(dir_);
    dir_->setObjectName(QStringLiteral("ExecutablesDir"));
    dir_->setMinimumWidth(220);
    auto* browse = new QPushButton(QStringLiteral("&Browse..."), this);
    browse->setObjectName(QStringLiteral("ExecutablesBrowse"));
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &TForm3::BrowseClick);

    auto* group = new QGroupBox(QStringLiteral("Debugger"), this);
    group->setObjectName(QStringLiteral("Debugger"));
    auto* groupLayout = new QVBoxLayout(group);
    const char* items[] = {"TD 16-bit  (td.exe)", "TD for Windows (tdw.exe)",
                           "TD 32-bit (td32.exe)"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(QString::fromLatin1(items[i]), group);
        debugger_->addButton(radio, i);
        groupLayout->addWidget(radio);
    }
    debugger_->button(0)->setChecked(true);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    ok->setFixedWidth(97);
    connect(ok, &QPushButton::clicked, this, &TForm3::Button1Click);

    grid->addWidget(label, 0, 0, 1, 2);
    grid->addWidget(ok, 0, 2, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(dir_, 1, 0);
    grid->addWidget(browse, 1, 1);
    grid->addWidget(group, 2, 1, 1, 2);
    grid->setRowStretch(3, 1);
    resize(361, 220);

    // Without a usable stored directory the chooser starts where Velmora started.
    dir_->setText(QDir::toNativeSeparators(QDir::currentPath()));
    if (const TConfigData* stored = config_.Find(kTasmExecDirectoryKey)) {
        QByteArray bytes = stored->Data;
        const qsizetype zero = bytes.indexOf('\0');
        if (zero >= 0) bytes.truncate(zero);
        const QString path = Ansi::ToString(bytes);
        if (!path.isEmpty() && QFileInfo(path).isDir()) dir_->setText(path);
    }
    if (const TConfigData* stored = config_.Find(kSelectedDebuggerKey)) {
        if (stored->Size() >= 1) SetDebuggerIndex(static_cast<signed char>(stored->Data[0]));
    }
}

QString TForm3::ToolsDirectory() const { return dir_->text(); }

void TForm3::SetToolsDirectory(const QString& dir) { dir_->setText(dir); }

int TForm3::DebuggerIndex() const { return debugger_->checkedId(); }

void TForm3::SetDebuggerIndex(int index) {
    index = qBound(-1, index, 2);
    if (index >= 0) {
        debugger_->button(index)->setChecked(true);
        return;
    }
    debugger_->setExclusive(false);
    for (QAbstractButton* b : debugger_->buttons()) b->setChecked(false);
    debugger_->setExclusive(true);
}

void TForm3::BrowseClick() {
    const QString start = QFileInfo(dir_->text()).isDir() ? dir_->text() : QDir::currentPath();
    const QString chosen = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Directory with Tasm executables"), start,
        QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (!chosen.isEmpty()) dir_->setText(chosen);
}

void TForm3::Button1Click() {
    const QByteArray dir = Ansi::FromString(ToolsDirectory());
    auto entry = std::make_unique<TConfigData>(static_cast<qint32>(dir.size() + 1));
    std::copy(dir.begin(), dir.end(), entry->Data.begin());
    entry->Name = kTasmExecDirectoryKey;
    config_.Put(std::move(entry));

    auto debugger = std::make_unique<TConfigData>(4);
    qToLittleEndian<qint32>(DebuggerIndex(), debugger->Data.data());
    debugger->Name = kSelectedDebuggerKey;
    config_.Put(std::move(debugger));
    accept();
}
