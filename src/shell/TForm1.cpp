#include "shell/TForm1.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "build/ui/BuildDriver.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/PosixSystem.h"
#include "platform/ui/QtDialogs.h"
#include "project/ui/OptionPanels.h"
#include "project/ui/ProjectManager.h"
#include "shell/HelpContents.h"
#include "shell/TForm2.h"
#include "shell/TForm3.h"
#include "shell/TForm5.h"
#include "store/RecordFile.h"
#include "tools/ui/TForm4.h"
#include "units/ui/TUnit.h"
#include "units/ui/UnitManager.h"
#include "wizards/ui/WizardEditor.h"

namespace {

constexpr int kUnitsPage = 0;
constexpr int kOptionsPage = 1;
constexpr int kWizardsPage = 2;

QFrame* Line(QFrame::Shape shape, const char* name, QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QToolButton* SpeedButton(const char* name, const QString& hint, QStyle::StandardPixmap icon,
                         QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setAutoRaise(true);
    b->setFixedSize(22, 22);
    b->setIconSize(QSize(16, 16));
    b->setIcon(parent->style()->standardIcon(icon));
    return b;
}

}  // namespace

TForm1::TForm1(Dialogs& dialogs, System& system, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), system_(system) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Velmora - Untitled"));
    resize(739, 555);
    move(196, 109);

    BuildMenus();

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(Line(QFrame::HLine, "Bevel1", central));
    auto* toolbar = new QWidget(central);
    toolbar->setObjectName(QStringLiteral("ToolbarPanel"));
    toolbar->setFixedHeight(29);
    BuildToolbar(toolbar);
    column->addWidget(toolbar);
    column->addWidget(Line(QFrame::HLine, "Bevel3", central));
    auto* spacer = new QWidget(central);
    spacer->setObjectName(QStringLiteral("Panel2"));
    spacer->setFixedHeight(4);
    column->addWidget(spacer);

    // The message list sits above the work row; the splitter handle between them
    // resizes the list and hides with it.
    messageSplitter_ = new QSplitter(Qt::Vertical, central);
    messageSplitter_->setObjectName(QStringLiteral("MessageSplitter"));
    messageSplitter_->setChildrenCollapsible(false);
    messageSplitter_->setHandleWidth(4);
    messageList_ = new QListWidget(messageSplitter_);
    messageList_->setObjectName(QStringLiteral("MessageList"));
    messageList_->setContextMenuPolicy(Qt::CustomContextMenu);
    messageList_->setMinimumHeight(20);
    auto* popup = new QMenu(messageList_);
    popup->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* hide = popup->addAction(QStringLiteral("Hide Messages"));
    hide->setObjectName(QStringLiteral("HideMessages1"));
    connect(messageList_, &QWidget::customContextMenuRequested, this,
            [this, popup](const QPoint& p) { popup->popup(messageList_->mapToGlobal(p)); });

    auto* row = new QWidget(messageSplitter_);
    row->setObjectName(QStringLiteral("WorkRow"));
    BuildSideArea(row);
    messageSplitter_->addWidget(messageList_);
    messageSplitter_->addWidget(row);
    messageSplitter_->setStretchFactor(0, 0);
    messageSplitter_->setStretchFactor(1, 1);
    messageSplitter_->handle(1)->setObjectName(QStringLiteral("MessagePanel"));
    messageSplitter_->setSizes({60, 400});
    messageList_->hide();
    column->addWidget(messageSplitter_, 1);
    setCentralWidget(central);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar"));
    statusPanel0_ = new QLabel(status);
    statusPanel0_->setObjectName(QStringLiteral("StatusPanel0"));
    statusPanel0_->setMinimumWidth(50);
    statusPanel1_ = new QLabel(status);
    statusPanel1_->setObjectName(QStringLiteral("StatusPanel1"));
    statusPanel1_->setMinimumWidth(50);
    for (QLabel* panel : {statusPanel0_, statusPanel1_}) {
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panel->setContentsMargins(4, 0, 4, 0);
    }
    status->addWidget(statusPanel0_);
    status->addWidget(statusPanel1_);
    setStatusBar(status);
    BuildWorkArea();

    // Start-up, in order: the wizards, the Lib list, the store, a fresh
    // project and its first unit.
    OptionPage = 1;
    wizards_->LoadWizards();
    project_->FillLibDirList();
    ConfigList.Load(system_.ExecutableDirectory() + QStringLiteral("Velmora.ini"));
    project_->ResetProject();
    units_->NewUnit();
    UpdateCaption();
    SideControlChange(kUnitsPage);

    // The secondary windows, in order; the Settings dialog reads the store the
    // main window has just loaded, and builds read its directory.
    form2_ = new TForm2(system_, this);
    form3_ = new TForm3(ConfigList, this);
    form4_ = new TForm4(this);
    form5_ = new TForm5(this);

    BuildHooks hooks;
    hooks.toolsDirectory = [this] { return form3_->ToolsDirectory(); };
    hooks.showMessagePanel = [this] { ShowMessagePanel(); };
    hooks.hideMessagePanel = [this] { HideMessagePanel(); };
    hooks.unitsPageActive = [this] { return IsUnitsPageActive(); };
    build_ = new BuildDriver(*units_, *project_, ConfigList, messageList_, dialogs_, system_, this,
                             std::move(hooks), this);
    WireCommands();
}

void TForm1::On(const char* name, void (TForm1::*handler)()) {
    const QString objectName = QString::fromLatin1(name);
    if (auto* action = findChild<QAction*>(objectName)) {
        connect(action, &QAction::triggered, this, handler);
    } else if (auto* button = findChild<QToolButton*>(objectName)) {
        connect(button, &QToolButton::clicked, this, handler);
    } else {
        Q_ASSERT_X(false, "TForm1::On", name);
    }
}

void TForm1::WireCommands() {
    const std::pair<const char*, void (TForm1::*)()> table[] = {
        {"NewUnit1", &TForm1::FileNewClick},
        {"FileNew", &TForm1::FileNewClick},
        {"NewProject1", &TForm1::NewProject1Click},
        {"Open1", &TForm1::FileOpenButClick},
        {"FileOpenBut", &TForm1::FileOpenButClick},
        {"OpenProject1", &TForm1::ProjectOpenClick},
        {"ProjectOpen", &TForm1::ProjectOpenClick},
        {"Save1", &TForm1::FileSaveClick},
        {"FileSave", &TForm1::FileSaveClick},
        {"SaveAs1", &TForm1::SaveAs1Click},
        {"SaveProjectAs1", &TForm1::SaveProjectAs1Click},
        {"SaveAll1", &TForm1::SaveAll1Click},
        {"ProjectSave", &TForm1::SaveAll1Click},
        {"Exit1", &TForm1::Exit1Click},
        {"Copy1", &TForm1::Copy1Click},
        {"Cut1", &TForm1::Cut1Click},
        {"Paste1", &TForm1::Paste1Click},
        {"Delete1", &TForm1::Delete1Click},
        {"Find2", &TForm1::Find2Click},
        {"Replace2", &TForm1::Replace2Click},
        {"GotoLine2", &TForm1::GotoLine2Click},
        {"RemoveThisFile1", &TForm1::FileRemoveClick},
        {"FileRemove", &TForm1::FileRemoveClick},
        {"CompileResources1", &TForm1::CompileResources1Click},
        {"CompileUnit1", &TForm1::CompileUnit1Click},
        {"Make1", &TForm1::ProgMakeClick},
        {"ProgMake", &TForm1::ProgMakeClick},
        {"Run1", &TForm1::ProgRunClick},
        {"ProgRun", &TForm1::ProgRunClick},
        {"Debug1", &TForm1::ProgDebugClick},
        {"ProgDebug", &TForm1::ProgDebugClick},
        {"BaseConverter1", &TForm1::BaseConverter1Click},
        {"DosShell1", &TForm1::DosShell1Click},
        {"Settings1", &TForm1::Settings1Click},
        {"Contents1", &TForm1::Contents1Click},
        {"About1", &TForm1::About1Click},
        {"HideMessages1", &TForm1::HideMessages1Click},
    };
    for (const auto& [name, handler] : table) On(name, handler);
    units_->canActOnUnits = [this] { return IsUnitsPageActive(); };
}

TForm1::~TForm1() = default;

QAction* TForm1::AddItem(QMenu* menu, const char* name, const QString& caption,
                         const QKeySequence& shortcut) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) a->setShortcut(shortcut);
    // Shortcuts work wherever the focus is inside the main window.
    a->setShortcutContext(Qt::WindowShortcut);
    addAction(a);
    return a;
}

void TForm1::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    file1_ = bar->addMenu(QStringLiteral("&File"));
    file1_->setObjectName(QStringLiteral("File1"));
    AddItem(file1_, "NewUnit1", QStringLiteral("&New Unit"), QKeySequence(Qt::CTRL | Qt::Key_N));
    AddItem(file1_, "NewProject1", QStringLiteral("Ne&w Project"));
    file1_->addSeparator();
    AddItem(file1_, "Open1", QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    AddItem(file1_, "OpenProject1", QStringLiteral("Open &Project..."));
    file1_->addSeparator();
    AddItem(file1_, "Save1", QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    AddItem(file1_, "SaveAs1", QStringLiteral("Save &As..."));
    AddItem(file1_, "SaveProjectAs1", QStringLiteral("Save P&roject As..."));
    AddItem(file1_, "SaveAll1", QStringLiteral("Sa&ve All"));
    file1_->addSeparator();
    AddItem(file1_, "Exit1", QStringLiteral("E&xit"));
    connect(file1_, &QMenu::aboutToShow, this, &TForm1::File1Click);

    edit1_ = bar->addMenu(QStringLiteral("&Edit"));
    edit1_->setObjectName(QStringLiteral("Edit1"));
    AddItem(edit1_, "Copy1", QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    AddItem(edit1_, "Cut1", QStringLiteral("C&ut"), QKeySequence(Qt::CTRL | Qt::Key_X));
    AddItem(edit1_, "Paste1", QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    AddItem(edit1_, "Delete1", QStringLiteral("&Delete"), QKeySequence(Qt::CTRL | Qt::Key_Delete));
    edit1_->addSeparator();
    AddItem(edit1_, "Find2", QStringLiteral("&Find..."), QKeySequence(Qt::CTRL | Qt::Key_F));
    AddItem(edit1_, "Replace2", QStringLiteral("&Replace..."), QKeySequence(Qt::CTRL | Qt::Key_R));
    edit1_->addSeparator();
    AddItem(edit1_, "GotoLine2", QStringLiteral("&Goto Line..."),
            QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(edit1_, &QMenu::aboutToShow, this, &TForm1::Edit1Click);

    project1_ = bar->addMenu(QStringLiteral("&Project"));
    project1_->setObjectName(QStringLiteral("Project1"));
    AddItem(project1_, "RemoveThisFile1", QStringLiteral("Rem&ove This &Unit..."));
    project1_->addSeparator();
    QAction* resources =
        AddItem(project1_, "CompileResources1", QStringLiteral("&Compile Resources..."));
    resources->setVisible(false);
    AddItem(project1_, "CompileUnit1", QStringLiteral("Compile &Unit"));
    project1_->addSeparator();
    AddItem(project1_, "Make1", QStringLiteral("&Make Project"),
            QKeySequence(Qt::CTRL | Qt::Key_F9));
    AddItem(project1_, "Run1", QStringLiteral("&Run"), QKeySequence(Qt::Key_F9));
    AddItem(project1_, "Debug1", QStringLiteral("&Debug"), QKeySequence(Qt::CTRL | Qt::Key_F10));
    connect(project1_, &QMenu::aboutToShow, this, &TForm1::Project1Click);

    QMenu* program1 = bar->addMenu(QStringLiteral("P&rogram"));
    program1->setObjectName(QStringLiteral("Program1"));
    AddItem(program1, "BaseConverter1", QStringLiteral("&Base Converter"));
    AddItem(program1, "DosShell1", QStringLiteral("&Dos Shell"));
    program1->addSeparator();
    viewMessagesItem_ = AddItem(program1, "ViewMessagesItem", QStringLiteral("&View Messages"));
    viewMessagesItem_->setCheckable(true);
    connect(viewMessagesItem_, &QAction::triggered, this, [this] {
        // The check mark follows the panel, not the click.
        viewMessagesItem_->setChecked(!viewMessagesItem_->isChecked());
        ViewMessagesItemClick();
    });
    program1->addSeparator();
    AddItem(program1, "Settings1", QStringLiteral("&Settings..."));

    QMenu* help1 = bar->addMenu(QStringLiteral("Help"));
    help1->setObjectName(QStringLiteral("Help1"));
    AddItem(help1, "Contents1", QStringLiteral("&Contents"), QKeySequence(Qt::Key_F1));
    help1->addSeparator();
    AddItem(help1, "About1", QStringLiteral("&About..."));
}

void TForm1::BuildToolbar(QWidget* panel) {
    struct ToolButton {
        const char* name;
        const char* hint;
        QStyle::StandardPixmap icon;
        int x;
    };
    const ToolButton buttons[] = {
        {"ProjectOpen", "Open Project", QStyle::SP_DirOpenIcon, 4},
        {"ProjectSave", "Save All", QStyle::SP_DialogSaveButton, 28},
        {"FileNew", "New Unit (Ctrl-N)", QStyle::SP_FileIcon, 60},
        {"FileRemove", "Remove Unit From Project", QStyle::SP_DialogDiscardButton, 84},
        {"FileOpenBut", "Open Unit (Ctrl-O)", QStyle::SP_DialogOpenButton, 108},
        {"FileSave", "Save Unit (Ctrl-S)", QStyle::SP_DriveFDIcon, 132},
        {"ProgMake", "Make (Ctrl+F9)", QStyle::SP_BrowserReload, 164},
        {"ProgRun", "Run (F9)", QStyle::SP_MediaPlay, 188},
        {"ProgDebug", "Debug (Ctrl-F10)", QStyle::SP_MediaSeekForward, 212},
    };
    for (const ToolButton& s : buttons) {
        QToolButton* b = SpeedButton(s.name, QString::fromLatin1(s.hint), s.icon, panel);
        b->move(s.x, 3);
    }
    unitToolButtons_ = {panel->findChild<QToolButton*>(QStringLiteral("FileNew")),
                        panel->findChild<QToolButton*>(QStringLiteral("FileRemove")),
                        panel->findChild<QToolButton*>(QStringLiteral("FileOpenBut")),
                        panel->findChild<QToolButton*>(QStringLiteral("FileSave"))};
    const std::pair<const char*, int> bevels[] = {
        {"Bevel4", 54}, {"Bevel5", 158}, {"Bevel6", 238}, {"Bevel2", 598}};
    for (const auto& [name, x] : bevels) {
        QFrame* v = Line(QFrame::VLine, name, panel);
        v->setGeometry(x, 3, 2, 23);
    }
    wizardSelect_ = new QComboBox(panel);
    wizardSelect_->setObjectName(QStringLiteral("WizardSelect"));
    wizardSelect_->setGeometry(248, 3, 145, 22);
    snippetSelect_ = new QComboBox(panel);
    snippetSelect_->setObjectName(QStringLiteral("SnippetSelect"));
    snippetSelect_->setGeometry(400, 3, 145, 22);
    insertButton_ = new QToolButton(panel);
    insertButton_->setObjectName(QStringLiteral("InsertButton"));
    insertButton_->setText(QStringLiteral("Insert"));
    insertButton_->setAutoRaise(true);
    insertButton_->setGeometry(552, 3, 41, 22);
    insertButton_->setEnabled(false);
}

void TForm1::BuildSideArea(QWidget* row) {
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    sideControl_ = new QTabWidget(row);
    sideControl_->setObjectName(QStringLiteral("SideControl"));
    sideControl_->setFixedWidth(144);
    sideControl_->setUsesScrollButtons(false);
    sideControl_->tabBar()->setExpanding(true);

    auto buttonPage = [this](const char* name, QWidget*& panel, const char* panelName) {
        auto* scroll = new QScrollArea(sideControl_);
        scroll->setObjectName(QString::fromLatin1(name));
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidgetResizable(false);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        panel = new QWidget(scroll);
        panel->setObjectName(QString::fromLatin1(panelName));
        panel->resize(136, 0);
        scroll->setWidget(panel);
        return scroll;
    };
    sideControl_->addTab(buttonPage("UnitsTabSheet", unitButtonsPanel_, "UnitButtonsPanel"),
                         QStringLiteral("Units"));

    auto* options = new QWidget(sideControl_);
    options->setObjectName(QStringLiteral("OptionsTabSheet"));
    const char* optionNames[] = {"Option1", "Option2", "Option3", "Option4", "Option5"};
    const char* optionCaptions[] = {"Project", "Assembler", "16-Bit Linker", "32-Bit Linker",
                                    "Library Files"};
    auto* optionGroup = new QButtonGroup(options);
    for (int i = 0; i < 5; ++i) {
        auto* b = new QToolButton(options);
        b->setObjectName(QString::fromLatin1(optionNames[i]));
        b->setText(QString::fromLatin1(optionCaptions[i]));
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setGeometry(0, 24 * i, 136, 25);
        optionGroup->addButton(b, i + 1);
        optionButtons_[static_cast<std::size_t>(i)] = b;
    }
    optionButtons_[0]->setChecked(true);
    connect(optionGroup, &QButtonGroup::idClicked, this, &TForm1::ShowOptionsPage);
    sideControl_->addTab(options, QStringLiteral("Options"));

    sideControl_->addTab(buttonPage("WizardsTabSheet", wizardButtonsPanel_, "WizardButtonsPanel"),
                         QStringLiteral("Wizards"));
    connect(sideControl_, &QTabWidget::currentChanged, this, &TForm1::SideControlChange);
    // 144 pixels, or wider when the desktop font needs more for the three tabs.
    sideControl_->setFixedWidth(qMax(144, sideControl_->tabBar()->sizeHint().width() + 2));
    layout->addWidget(sideControl_);

    auto* gap = new QWidget(row);
    gap->setObjectName(QStringLiteral("Panel1"));
    gap->setFixedWidth(4);
    layout->addWidget(gap);

    // Only the visible child of the work area takes its space.
    workArea_ = new QWidget(row);
    workArea_->setObjectName(QStringLiteral("WorkArea"));
    auto* grid = new QGridLayout(workArea_);
    grid->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(workArea_, 1);
}

void TForm1::BuildWorkArea() {
    units_ =
        new UnitManager(workArea_, unitButtonsPanel_, statusPanel0_, this, dialogs_, system_, this);
    project_ = new ProjectManager(*units_, dialogs_, system_, this);
    auto* grid = static_cast<QGridLayout*>(workArea_->layout());
    optionPanels_ =
        BuildOptionPanels(project_->Options(), project_->LibDirBox(), project_->CurProjectBox(),
                          project_->ResourceBox(), workArea_);
    for (QWidget* p : optionPanels_) grid->addWidget(p, 0, 0);
    BuildWizardEditor();
    grid->addWidget(wizardEdit_, 0, 0);
    auto button = [this](const char* name) {
        return wizardEdit_->findChild<QToolButton*>(QString::fromLatin1(name));
    };
    const WizardEditorWidgets widgets{wizardButtonsPanel_,
                                      wizardEdit_,
                                      editSnippetsBox_,
                                      editMemo_,
                                      wizardSelect_,
                                      snippetSelect_,
                                      insertButton_,
                                      button("AddWizardButton"),
                                      button("DeleteWizardButton"),
                                      button("RenameWizardButton"),
                                      button("AddSnippetButton"),
                                      button("DeleteSnippetButton"),
                                      button("RenameSnippetButton")};
    wizards_ = new WizardEditor(widgets, *units_, dialogs_, system_, this);
}

void TForm1::BuildWizardEditor() {
    wizardEdit_ = new QWidget(workArea_);
    wizardEdit_->setObjectName(QStringLiteral("WizardEdit"));
    editSnippetsBox_ = new QListWidget(wizardEdit_);
    editSnippetsBox_->setObjectName(QStringLiteral("EditSnippetsBox"));
    editSnippetsBox_->setGeometry(0, 8, 161, 300);
    const std::pair<const char*, const char*> buttons[] = {
        {"AddWizardButton", "New Wizard"},         {"DeleteWizardButton", "Delete Wizard"},
        {"RenameWizardButton", "Rename Wizard"},   {"AddSnippetButton", "New Snippet"},
        {"DeleteSnippetButton", "Delete Snippet"}, {"RenameSnippetButton", "Rename Snippet"}};
    int top = 8;
    for (const auto& [name, caption] : buttons) {
        auto* b = new QToolButton(wizardEdit_);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(QString::fromLatin1(caption));
        b->setAutoRaise(true);
        // Wide enough for "Rename Snippet" in the desktop font.
        b->setGeometry(168, top, 108, 25);
        top += 24;
    }
    editMemo_ = new QPlainTextEdit(wizardEdit_);
    editMemo_->setObjectName(QStringLiteral("EditMemo"));
    QFont memoFont(QStringLiteral("Courier New"));
    memoFont.setStyleHint(QFont::Monospace);
    memoFont.setPixelSize(13);
    editMemo_->setFont(memoFont);
    editMemo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editMemo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editMemo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editMemo_->setGeometry(284, 8, 300, 300);
    editMemo_->hide();
    wizardEdit_->hide();
}

bool TForm1::IsUnitsPageActive() const { return sideControl_->currentIndex() == kUnitsPage; }

void TForm1::ShowMessagePanel() {
    messageList_->show();
    messageSplitter_->handle(1)->show();
    viewMessagesItem_->setChecked(true);
}

void TForm1::HideMessagePanel() {
    messageList_->hide();
    messageSplitter_->handle(1)->hide();
    viewMessagesItem_->setChecked(false);
}

void TForm1::ViewMessagesItemClick() {
    if (viewMessagesItem_->isChecked()) {
        HideMessagePanel();
    } else {
        ShowMessagePanel();
    }
}

void TForm1::HideMessages1Click() { HideMessagePanel(); }

void TForm1::UpdateCaption() {
    const QString name = project_->ProjectNamed
                             ? StripExtension(Paths::FileNamePart(project_->ProjectFileName))
                             : QStringLiteral("Untitled");
    setWindowTitle(QStringLiteral("Velmora - ") + name);
}

void TForm1::SideControlChange(int index) {
    if (index == kUnitsPage) ButtonUnitsClick();
    if (index == kOptionsPage) ButtonOptionsClick();
    if (index == kWizardsPage) ButtonWizardsClick();
    File1Click();
    Edit1Click();
    Project1Click();
}

void TForm1::ButtonUnitsClick() {
    HideOptionsPages();
    wizards_->HideWizardEditor();
    for (QToolButton* b : unitToolButtons_) b->setEnabled(true);
    insertButton_->show();
    if (units_->Count() > 0)
        units_->SelectUnit(units_->CurrentUnit() < 0 ? 0 : units_->CurrentUnit());
}

void TForm1::ButtonOptionsClick() {
    units_->HideUnits();
    wizards_->HideWizardEditor();
    for (QToolButton* b : unitToolButtons_) b->setEnabled(false);
    insertButton_->hide();
    ShowOptionsPage(OptionPage);
}

void TForm1::ButtonWizardsClick() {
    units_->HideUnits();
    HideOptionsPages();
    for (QToolButton* b : unitToolButtons_) b->setEnabled(false);
    insertButton_->hide();
    wizardEdit_->show();
}

void TForm1::ShowOptionsPage(int n) {
    if (n >= 1 && n <= 5) {
        HideOptionsPages();
        optionButtons_[static_cast<std::size_t>(n - 1)]->setChecked(true);
        optionPanels_[static_cast<std::size_t>(n - 1)]->show();
    }
    OptionPage = n;
}

void TForm1::HideOptionsPages() {
    for (QWidget* p : optionPanels_) p->hide();
}

void TForm1::File1Click() {
    const bool units = IsUnitsPageActive();
    for (const char* name : {"NewUnit1", "Open1", "Save1", "SaveAs1"}) {
        findChild<QAction*>(QString::fromLatin1(name))->setEnabled(units);
    }
}

void TForm1::Edit1Click() {
    const bool units = IsUnitsPageActive();
    for (const char* name :
         {"Cut1", "Copy1", "Paste1", "Delete1", "Find2", "Replace2", "GotoLine2"}) {
        findChild<QAction*>(QString::fromLatin1(name))->setEnabled(units);
    }
}

void TForm1::Project1Click() {
    const bool units = IsUnitsPageActive();
    for (const char* name : {"RemoveThisFile1", "CompileUnit1"}) {
        findChild<QAction*>(QString::fromLatin1(name))->setEnabled(units);
    }
}

void TForm1::Exit1Click() { close(); }

void TForm1::Settings1Click() { form3_->exec(); }

void TForm1::About1Click() { form2_->exec(); }

void TForm1::Contents1Click() { ShowHelpContents(system_); }

void TForm1::BaseConverter1Click() {
    form4_->show();
    form4_->raise();
    form4_->activateWindow();
}

void TForm1::CompileResources1Click() { form5_->exec(); }

void TForm1::FormActivate() {
    // The first unit's editor takes the focus when it is the one on show.
    if (units_->Count() > 0 && units_->At(0)->isVisible()) units_->At(0)->setFocus();
}

bool TForm1::FormCloseQuery() { return project_->AskSaveProject(); }

void TForm1::FormClose() {
    wizards_->SaveWizards();
    ConfigList.Save(system_.ExecutableDirectory() + QStringLiteral("Velmora.ini"));
}

void TForm1::MakeExecutableDirectoryCurrent() {
    system_.SetCurrentDirectory(system_.ExecutableDirectory());
}

void TForm1::FileNewClick() { units_->NewUnit(); }

void TForm1::NewProject1Click() {
    if (!project_->AskSaveProject()) return;
    project_->ResetProject();
    UpdateCaption();
}

void TForm1::FileOpenButClick() { units_->OpenUnit(); }

void TForm1::ProjectOpenClick() {
    if (!project_->AskSaveProject()) return;
    MakeExecutableDirectoryCurrent();
    project_->ResetProject();
    project_->LoadProject();
    // Loading adds units as the current one; only the Units page shows them.
    if (!IsUnitsPageActive()) units_->HideUnits();
    UpdateCaption();
}

void TForm1::FileSaveClick() { units_->SaveUnit(); }

void TForm1::SaveAs1Click() { units_->SaveUnitAs(); }

void TForm1::SaveProjectAs1Click() {
    MakeExecutableDirectoryCurrent();
    project_->SaveProjectAs();
    UpdateCaption();
}

void TForm1::SaveAll1Click() {
    MakeExecutableDirectoryCurrent();
    project_->SaveAll();
    UpdateCaption();
}

void TForm1::Copy1Click() { units_->Copy(); }

void TForm1::Cut1Click() { units_->Cut(); }

void TForm1::Paste1Click() { units_->Paste(); }

void TForm1::Delete1Click() { units_->Delete(); }

void TForm1::Find2Click() { units_->ShowFindDialog(); }

void TForm1::Replace2Click() { units_->ShowReplaceDialog(); }

void TForm1::GotoLine2Click() { units_->GotoLine(); }

void TForm1::FileRemoveClick() { units_->RemoveUnit(); }

void TForm1::CompileUnit1Click() { build_->CompileUnit1Click(); }

void TForm1::ProgMakeClick() { build_->ProgMakeClick(); }

void TForm1::ProgRunClick() { build_->ProgRunClick(); }

void TForm1::ProgDebugClick() { build_->ProgDebugClick(); }

void TForm1::DosShell1Click() { build_->DosShell1Click(); }

void TForm1::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool TForm1::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) FormActivate();
    return QMainWindow::event(e);
}

int RunVelmora(QApplication& app) {
    PosixSystem system;
    QtDialogs dialogs;
    TForm1 form1(dialogs, system);
    dialogs.SetParent(&form1);
    form1.show();
    return app.exec();
}
