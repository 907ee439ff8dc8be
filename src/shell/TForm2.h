#pragma once
// The About box: the program's name and version, who holds the rights, the
// terms of use, and a link to Velmora's help page.
#include <QDialog>

class QLabel;
class QPushButton;
class System;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(System& system, QWidget* parent = nullptr);

    // "OK": closes the box.
    void Button1Click();
    // The link: opens the help page; whether that worked is not reported.
    void Label3Click();

private:
    System& system_;
    QLabel* Label5;
    QLabel* Label1;
    QLabel* Label4;
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* Button1;
};
