#pragma once
// The modeless Find dialog: find text, match case, whole word and direction.
// It stays open beside the main window, keeps its texts and options between
// uses, and raises Find each time Find Next is pressed.
#include <QDialog>

#include "units/Search.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class FindDialog : public QDialog {
    Q_OBJECT
public:
    explicit FindDialog(QWidget* parent = nullptr);

    QString FindText() const;
    void SetFindText(const QString& text);
    bool MatchCase() const;
    bool WholeWord() const;
    bool Down() const;
    // The find text as windows-1252 bytes with the options.
    SearchOptions Options() const;

signals:
    void Find();

private:
    QLineEdit* findText_;
    QCheckBox* wholeWord_;
    QCheckBox* matchCase_;
    QRadioButton* up_;
    QRadioButton* down_;
    QPushButton* findNext_;
};
