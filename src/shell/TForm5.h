#pragma once
// The Resource Compiler Shell: lists the resource scripts of a directory and
// offers a choice of compiler. It is laid out but has no action yet.
#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    // Runs each time the window is shown; it has nothing to do.
    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillResourceFiles();

    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QListWidget* ResourceFiles;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QPushButton* Button1;
};
