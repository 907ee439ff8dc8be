#include "project/ui/OptionControls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QValidator>

#include "platform/Ansi.h"
#include "store/CheckList.h"

namespace {

// The project file stores texts as windows-1252 bytes; a character outside
// that code page would be saved as '?' and come back different, so it is not
// accepted in the first place.
class AnsiValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (const QChar c : input) {
            if (c != QLatin1Char('?') && Ansi::CharToByte(c) == '?') return Invalid;
        }
        return Acceptable;
    }
};

}  // namespace

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(2);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        group_->addButton(button, i);
        layout->addWidget(button);
    }
    connect(group_, &QButtonGroup::idClicked, this, &RadioGroup::ItemClicked);
}

int RadioGroup::ItemIndex() const { return group_->checkedId(); }

void RadioGroup::SetItemIndex(int index) {
    if (ItemIndex() == index) return;
    if (QAbstractButton* b = group_->button(index)) {
        b->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its last button; lift the rule for a moment.
    group_->setExclusive(false);
    for (QAbstractButton* b : group_->buttons()) b->setChecked(false);
    group_->setExclusive(true);
}

QAbstractButton* RadioGroup::Item(int index) const { return group_->button(index); }

CheckListView::CheckListView(CheckList& model, QWidget* parent)
    : QListWidget(parent), model_(model) {
    Rebuild();
    connect(&model_, &CheckList::EntriesChanged, this, &CheckListView::Rebuild);
    connect(&model_, &CheckList::CheckChanged, this, [this](int i, bool checked) {
        if (QListWidgetItem* it = item(i)) {
            updating_ = true;
            it->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
            updating_ = false;
        }
    });
    connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* it) {
        if (updating_) return;
        model_.SetChecked(row(it), it->checkState() == Qt::Checked);
    });
}

void CheckListView::Rebuild() {
    updating_ = true;
    clear();
    for (const CheckList::Entry& e : model_.Entries()) {
        auto* it = new QListWidgetItem(e.text, this);
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        it->setCheckState(e.checked ? Qt::Checked : Qt::Unchecked);
    }
    updating_ = false;
}

QWidget* CreateOptionControl(TProjectOptions& options, TProjectOptions::Option option,
                             QWidget* parent) {
    using Kind = TProjectOptions::Kind;
    const TProjectOptions::Info& info = TProjectOptions::Describe(option);
    const QString name = QString::fromLatin1(info.name);
    const QString caption = QString::fromLatin1(info.caption);
    QWidget* control = nullptr;
    switch (info.kind) {
        case Kind::Text: {
            auto* edit = new QLineEdit(parent);
            edit->setValidator(new AnsiValidator(edit));
            edit->setText(options.Text(option));
            QObject::connect(edit, &QLineEdit::textEdited, &options,
                             [&options, option](const QString& t) { options.SetText(option, t); });
            QObject::connect(&options, &TProjectOptions::Changed, edit,
                             [edit, &options, option](TProjectOptions::Option o) {
                                 if (o == option && edit->text() != options.Text(option)) {
                                     edit->setText(options.Text(option));
                                 }
                             });
            control = edit;
            break;
        }
        case Kind::Flag: {
            auto* box = new QCheckBox(caption, parent);
            box->setChecked(options.Flag(option));
            QObject::connect(box, &QCheckBox::toggled, &options,
                             [&options, option](bool on) { options.SetFlag(option, on); });
            QObject::connect(&options, &TProjectOptions::Changed, box,
                             [box, &options, option](TProjectOptions::Option o) {
                                 if (o == option) box->setChecked(options.Flag(option));
                             });
            control = box;
            break;
        }
        case Kind::Choice: {
            auto* group = new RadioGroup(caption, info.items, parent);
            group->SetItemIndex(options.Choice(option));
            QObject::connect(group, &RadioGroup::ItemClicked, &options,
                             [&options, option](int i) { options.SetChoice(option, i); });
            QObject::connect(&options, &TProjectOptions::Changed, group,
                             [group, &options, option](TProjectOptions::Option o) {
                                 if (o == option) group->SetItemIndex(options.Choice(option));
                             });
            control = group;
            break;
        }
    }
    control->setObjectName(name);
    return control;
}
