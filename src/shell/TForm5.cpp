#include "shell/TForm5.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

QLabel* MakeTitle(QWidget* parent, const char* name, const QString& text, int left) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(left, 8, 140, 19);
    return label;
}

QRadioButton* MakeChoice(QWidget* parent, const char* name, const QString& text, int top) {
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(168, top, 120, 19);
    return button;
}

}  // namespace

TForm5::TForm5(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint) {
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QStringLiteral("Resource Compiler Shell"));
    setModal(true);
    setFixedSize(457, 173);

    Label2 = MakeTitle(this, "Label2", QStringLiteral("1. Select a file."), 8);
    Label3 = MakeTitle(this, "Label3", QStringLiteral("2. Select a compiler."), 168);
    Label4 = MakeTitle(this, "Label4", QStringLiteral("3. Run"), 320);

    ResourceFiles = new QListWidget(this);
    ResourceFiles->setObjectName(QStringLiteral("ResourceFiles"));
    ResourceFiles->setGeometry(8, 32, 145, 129);

    RadioButton1 = MakeChoice(this, "RadioButton1", QStringLiteral("brc.exe"), 32);
    RadioButton2 = MakeChoice(this, "RadioButton2", QStringLiteral("brc32.exe"), 56);
    RadioButton3 = MakeChoice(this, "RadioButton3", QStringLiteral("brcc.exe"), 80);
    RadioButton4 = MakeChoice(this, "RadioButton4", QStringLiteral("brcc32.exe"), 104);
    RadioButton1->setChecked(true);

    Button1 = new QPushButton(QStringLiteral("Run"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(320, 32, 129, 129);
}

void TForm5::FormShow() {}

void TForm5::showEvent(QShowEvent* event) {
    FillResourceFiles();
    QDialog::showEvent(event);
    FormShow();
}

void TForm5::FillResourceFiles() {
    // The list shows the directory that is current when the window opens.
    ResourceFiles->clear();
    QDir dir = QDir::current();
    dir.setNameFilters({QStringLiteral("*.rc")});
    dir.setFilter(QDir::Files | QDir::Hidden | QDir::System);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    ResourceFiles->addItems(dir.entryList());
}
