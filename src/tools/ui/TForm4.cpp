#include "tools/ui/TForm4.h"

#include <algorithm>

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "tools/BaseConverter.h"

namespace {

// The result labels stand left of their fields; with a wide font they start
// further left so that "Hexadecimal" is never clipped.
constexpr int kFieldLeft = 312;
constexpr int kLabelLeft = 240;

QLineEdit* MakeResultField(QWidget* parent, const char* name, const QString& caption, int top) {
    auto* label = new QLabel(caption, parent);
    const int widest = label->fontMetrics().horizontalAdvance(QStringLiteral("Hexadecimal"));
    const int left = std::min(kLabelLeft, kFieldLeft - 6 - widest);
    label->setGeometry(left, top, kFieldLeft - 4 - left, 21);
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setGeometry(kFieldLeft, top, 121, 21);
    label->setBuddy(field);
    return field;
}

}  // namespace

TForm4::TForm4(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint) {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("Base Converter"));
    setFixedSize(441, 131);
    // Closing only hides the window, so the fields keep their contents.
    setAttribute(Qt::WA_DeleteOnClose, false);

    SrcEdit = new QLineEdit(this);
    SrcEdit->setObjectName(QStringLiteral("SrcEdit"));
    SrcEdit->setGeometry(8, 8, 121, 21);

    SrcType = new QGroupBox(QStringLiteral("Source radix"), this);
    SrcType->setObjectName(QStringLiteral("SrcType"));
    SrcType->setGeometry(8, 32, 121, 89);
    SrcTypeItems = new QButtonGroup(this);
    const char* const items[] = {"Decimal", "Hexadecimal", "Binary", "Octal"};
    for (int i = 0; i < 4; ++i) {
        auto* item = new QRadioButton(QString::fromLatin1(items[i]), SrcType);
        item->setObjectName(QString::fromLatin1(items[i]));
        item->setGeometry(8, 16 + 17 * i, 105, 17);
        SrcTypeItems->addButton(item, i);
    }
    SrcTypeItems->button(0)->setChecked(true);

    Button1 = new QPushButton(QStringLiteral("Convert"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(144, 48, 75, 25);
    // The default button takes Return from every field of the window.
    Button1->setDefault(true);
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);

    DecEdit = MakeResultField(this, "DecEdit", QStringLiteral("Decimal"), 8);
    HexEdit = MakeResultField(this, "HexEdit", QStringLiteral("Hexadecimal"), 40);
    BinEdit = MakeResultField(this, "BinEdit", QStringLiteral("Binary"), 72);
    OctEdit = MakeResultField(this, "OctEdit", QStringLiteral("Octal"), 104);

    SrcEdit->setFocus();
}

void TForm4::Button1Click() {
    const auto fields = ConvertFields(SrcEdit->text(), SrcTypeItems->checkedId());
    if (!fields) return;
    QLineEdit* const targets[] = {DecEdit, HexEdit, BinEdit, OctEdit};
    for (int i = 0; i < 4; ++i) {
        targets[i]->setText((*fields)[i]);
        // Long binary numbers are read from their first digit.
        targets[i]->setCursorPosition(0);
    }
}

void TForm4::keyPressEvent(QKeyEvent* event) {
    // A dialog would close on Escape; this window closes only by its close button.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
