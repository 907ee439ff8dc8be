#pragma once
// The modeless Replace dialog: find text, replace text, match case and whole
// word; it always searches downward. Find Next raises Find; Replace and
// Replace All raise Replace, and Options() tells which of the two was pressed.
#include <QDialog>

#include "units/Search.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

class ReplaceDialog : public QDialog {
    Q_OBJECT
public:
    explicit ReplaceDialog(QWidget* parent = nullptr);

    QString FindText() const;
    void SetFindText(const QString& text);
    QString ReplaceText() const;
    void SetReplaceText(const QString& text);
    bool MatchCase() const;
    bool WholeWord() const;
    // True when the last Replace event came from Replace All.
    bool ReplaceAll() const { return replaceAll_; }
    SearchOptions Options() const;

signals:
    void Find();
    void Replace();

private:
    QLineEdit* findText_;
    QLineEdit* replaceText_;
    QCheckBox* wholeWord_;
    QCheckBox* matchCase_;
    QPushButton* findNext_;
    QPushButton* replace_;
    QPushButton* replaceAllButton_;
    bool replaceAll_ = false;
};
