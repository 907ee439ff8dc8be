#pragma once
// The Base Converter: a small tool window that shows one whole number in
// decimal, hexadecimal, binary and octal.
#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;

class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

    // Convert: fills the four result fields from the source text and radix.
    void Button1Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* SrcEdit;
    QGroupBox* SrcType;
    QButtonGroup* SrcTypeItems;
    QPushButton* Button1;
    QLineEdit* DecEdit;
    QLineEdit* HexEdit;
    QLineEdit* BinEdit;
    QLineEdit* OctEdit;
};
