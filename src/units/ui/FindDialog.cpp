#include "units/ui/FindDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/Ansi.h"

FindDialog::FindDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FindDialog"));
    setWindowTitle(QStringLiteral("Find"));
    setModal(false);

    auto* label = new QLabel(QStringLiteral("Fi&nd what:"), this);
    findText_ = new QLineEdit(this);
    findText_->setObjectName(QStringLiteral("FindText"));
    label->setBuddy(findText_);

    wholeWord_ = new QCheckBox(QStringLiteral("Match &whole word only"), this);
    wholeWord_->setObjectName(QStringLiteral("WholeWord"));
    matchCase_ = new QCheckBox(QStringLiteral("Match &case"), this);
    matchCase_->setObjectName(QStringLiteral("MatchCase"));

    auto* direction = new QGroupBox(QStringLiteral("Direction"), this);
    up_ = new QRadioButton(QStringLiteral("&Up"), direction);
    up_->setObjectName(QStringLiteral("Up"));
    down_ = new QRadioButton(QStringLiteral("&Down"), direction);
    down_->setObjectName(QStringLiteral("Down"));
    down_->setChecked(true);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(up_);
    directionLayout->addWidget(down_);

    findNext_ = new QPushButton(QStringLiteral("&Find Next"), this);
    findNext_->setObjectName(QStringLiteral("FindNext"));
    findNext_->setDefault(true);
    findNext_->setEnabled(false);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Cancel"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(findText_, 0, 1, 1, 2);
    auto* options = new QVBoxLayout;
    options->addWidget(wholeWord_);
    options->addWidget(matchCase_);
    options->addStretch();
    grid->addLayout(options, 1, 0, 1, 2);
    grid->addWidget(direction, 1, 2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(findNext_);
    buttons->addWidget(cancel);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 3, 2, 1);

    // An empty find text would find nothing, so it cannot start a search.
    connect(findText_, &QLineEdit::textChanged, this,
            [this](const QString& text) { findNext_->setEnabled(!text.isEmpty()); });
    connect(findNext_, &QPushButton::clicked, this, &FindDialog::Find);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString FindDialog::FindText() const { return findText_->text(); }

void FindDialog::SetFindText(const QString& text) { findText_->setText(text); }

bool FindDialog::MatchCase() const { return matchCase_->isChecked(); }

bool FindDialog::WholeWord() const { return wholeWord_->isChecked(); }

bool FindDialog::Down() const { return down_->isChecked(); }

SearchOptions FindDialog::Options() const {
    SearchOptions options;
    options.findText = Ansi::FromString(FindText());
    options.matchCase = MatchCase();
    options.wholeWord = WholeWord();
    options.down = Down();
    return options;
}
