#pragma once
// Views for the options record and the library check lists. Each control shows
// one option and writes every user change straight back to the model; a model
// change (reset, project load, the linker rule) updates the control.
#include <QGroupBox>
#include <QListWidget>

#include "project/ProjectOptions.h"

class QAbstractButton;
class QButtonGroup;
class CheckList;

// A captioned group of radio buttons whose value is the checked item's index,
// -1 when none is checked.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);
    int ItemIndex() const;
    void SetItemIndex(int index);
    QAbstractButton* Item(int index) const;

signals:
    void ItemClicked(int index);

private:
    QButtonGroup* group_;
};

// A list of check boxes mirroring a CheckList.
class CheckListView : public QListWidget {
    Q_OBJECT
public:
    CheckListView(CheckList& model, QWidget* parent = nullptr);

private:
    void Rebuild();
    CheckList& model_;
    bool updating_ = false;
};

// Creates the control for `option` (a line edit, check box or radio group),
// named after the option and bound to the model both ways.
QWidget* CreateOptionControl(TProjectOptions& options, TProjectOptions::Option option,
                             QWidget* parent);
