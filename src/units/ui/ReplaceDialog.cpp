#include "units/ui/ReplaceDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Ansi.h"

ReplaceDialog::ReplaceDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ReplaceDialog"));
    setWindowTitle(QStringLiteral("Replace"));
    setModal(false);

    auto* findLabel = new QLabel(QStringLiteral("Fi&nd what:"), this);
    findText_ = new QLineEdit(this);
    findText_->setObjectName(QStringLiteral("FindText"));
    findLabel->setBuddy(findText_);
    auto* replaceLabel = new QLabel(QStringLiteral("Re&place with:"), this);
    replaceText_ = new QLineEdit(this);
    replaceText_->setObjectName(QStringLiteral("ReplaceText"));
    replaceLabel->setBuddy(replaceText_);

    wholeWord_ = new QCheckBox(QStringLiteral("Match &whole word only"), this);
    wholeWord_->setObjectName(QStringLiteral("WholeWord"));
    matchCase_ = new QCheckBox(QStringLiteral("Match &case"), this);
    matchCase_->setObjectName(QStringLiteral("MatchCase"));

    findNext_ = new QPushButton(QStringLiteral("&Find Next"), this);
    findNext_->setObjectName(QStringLiteral("FindNext"));
    findNext_->setDefault(true);
    replace_ = new QPushButton(QStringLiteral("&Replace"), this);
    replace_->setObjectName(QStringLiteral("Replace"));
    replaceAllButton_ = new QPushButton(QStringLiteral("Replace &All"), this);
    replaceAllButton_->setObjectName(QStringLiteral("ReplaceAll"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Cancel"));
    for (QPushButton* b : {findNext_, replace_, replaceAllButton_}) b->setEnabled(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(findText_, 0, 1);
    grid->addWidget(replaceLabel, 1, 0);
    grid->addWidget(replaceText_, 1, 1);
    auto* options = new QVBoxLayout;
    options->addStretch();
    options->addWidget(wholeWord_);
    options->addWidget(matchCase_);
    grid->addLayout(options, 2, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(findNext_);
    buttons->addWidget(replace_);
    buttons->addWidget(replaceAllButton_);
    buttons->addWidget(cancel);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 3, 1);

    // An empty find text would find nothing, so it cannot start a search.
    connect(findText_, &QLineEdit::textChanged, this, [this](const QString& text) {
        for (QPushButton* b : {findNext_, replace_, replaceAllButton_})
            b->setEnabled(!text.isEmpty());
    });
    connect(findNext_, &QPushButton::clicked, this, &ReplaceDialog::Find);
    connect(replace_, &QPushButton::clicked, this, [this] {
        replaceAll_ = false;
        emit Replace();
    });
    connect(replaceAllButton_, &QPushButton::clicked, this, [this] {
        replaceAll_ = true;
        emit Replace();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString ReplaceDialog::FindText() const { return findText_->text(); }

void ReplaceDialog::SetFindText(const QString& text) { findText_->setText(text); }

QString ReplaceDialog::ReplaceText() const { return replaceText_->text(); }

void ReplaceDialog::SetReplaceText(const QString& text) { replaceText_->setText(text); }

bool ReplaceDialog::MatchCase() const { return matchCase_->isChecked(); }

bool ReplaceDialog::WholeWord() const { return wholeWord_->isChecked(); }

SearchOptions ReplaceDialog::Options() const {
    SearchOptions options;
    options.findText = Ansi::FromString(FindText());
    options.replaceText = Ansi::FromString(ReplaceText());
    options.matchCase = MatchCase();
    options.wholeWord = WholeWord();
    options.down = true;
    options.replaceAll = replaceAll_;
    return options;
}
