#include "project/ui/OptionPanels.h"

#include <algorithm>
#include <vector>

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "project/ui/OptionControls.h"
#include "store/CheckList.h"

namespace {

using O = TProjectOptions;

// The layout grid of every panel: the left column 24 pixels in, the right
// column 15 pixels after the left one, radio groups and check lists 145 wide,
// the 16-bit "Optimizations" group 185, text fields 121. The desktop font may
// need more room than that for the longest item; then every group grows to the
// same width, so the right column stands at the same place on every panel.
constexpr int kLeftMargin = 24;
constexpr int kColumnGap = 15;
constexpr int kGroupWidth = 145;
constexpr int kWideGroupWidth = 185;
constexpr int kTextWidth = 121;
constexpr int kListHeight = 150;

struct Built {
    std::vector<QWidget*> groups;  // radio groups and check lists: one common width
    std::vector<QWidget*> leftColumns;
    QWidget* wideGroup = nullptr;  // the 16-bit "Optimizations" group
    QWidget* body = nullptr;       // the panel being built
};

QVBoxLayout* ColumnLayout(QWidget* column) {
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    return layout;
}

// Adds a control, a text option below its caption label.
void AddOption(TProjectOptions& options, O::Option o, QWidget* column, QVBoxLayout* layout,
               Built& built) {
    const O::Info& info = O::Describe(o);
    const bool wide = o == O::LO16_Optimizations;
    QWidget* control = CreateOptionControl(options, o, wide ? built.body : column);
    switch (info.kind) {
        case O::Kind::Text: {
            auto* label = new QLabel(QString::fromLatin1(info.caption), column);
            label->setBuddy(control);
            control->setFixedWidth(kTextWidth);
            auto* pair = new QVBoxLayout;
            pair->setSpacing(2);
            pair->addWidget(label, 0, Qt::AlignLeft);
            pair->addWidget(control, 0, Qt::AlignLeft);
            layout->addLayout(pair);
            break;
        }
        case O::Kind::Flag:
            layout->addWidget(control, 0, Qt::AlignLeft);
            break;
        case O::Kind::Choice:
            if (wide) {
                built.wideGroup = control;  // laid out below both columns
            } else {
                built.groups.push_back(control);
                layout->addWidget(control, 0, Qt::AlignLeft);
            }
            break;
    }
}

// The panel: a scroll area (for small windows) with the bold title above the body.
QWidget* Titled(const QString& name, const QString& title, QWidget* parent, QWidget*& body) {
    auto* scroll = new QScrollArea(parent);
    scroll->setObjectName(name);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* page = new QWidget(scroll);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(kLeftMargin, 8, 12, 12);
    auto* heading = new QLabel(title, page);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(19);
    font.setBold(true);
    heading->setFont(font);
    heading->setObjectName(name + QStringLiteral("Title"));
    layout->addWidget(heading);
    body = new QWidget(page);
    layout->addWidget(body);
    layout->addStretch(1);
    scroll->setWidget(page);
    scroll->hide();
    return scroll;
}

// Two columns side by side; a group too wide for the left column goes below both.
struct Columns {
    QWidget* left;
    QVBoxLayout* leftLayout;
    QWidget* right;
    QVBoxLayout* rightLayout;
    QVBoxLayout* bodyLayout;
};

Columns MakeColumns(QWidget* body, Built& built) {
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(0, 8, 0, 0);
    bodyLayout->setSpacing(6);
    auto* row = new QHBoxLayout;
    row->setSpacing(kColumnGap);
    auto* left = new QWidget(body);
    auto* right = new QWidget(body);
    Columns c{left, ColumnLayout(left), right, ColumnLayout(right), bodyLayout};
    row->addWidget(left, 0, Qt::AlignTop);
    row->addWidget(right, 0, Qt::AlignTop);
    row->addStretch(1);
    bodyLayout->addLayout(row);
    built.leftColumns.push_back(left);
    return c;
}

QWidget* OptionPanel(TProjectOptions& options, const QString& name, const QString& title,
                     std::initializer_list<O::Option> left, std::initializer_list<O::Option> right,
                     QWidget* parent, Built& built) {
    QWidget* body = nullptr;
    QWidget* panel = Titled(name, title, parent, body);
    Columns c = MakeColumns(body, built);
    built.body = body;
    QWidget* wideBefore = built.wideGroup;
    for (O::Option o : left) AddOption(options, o, c.left, c.leftLayout, built);
    for (O::Option o : right) AddOption(options, o, c.right, c.rightLayout, built);
    c.leftLayout->addStretch(1);
    c.rightLayout->addStretch(1);
    if (built.wideGroup != wideBefore) {
        c.bodyLayout->addWidget(built.wideGroup, 0, Qt::AlignLeft);
    }
    return panel;
}

void AddList(CheckList& list, const QString& name, const QString& caption, QWidget* column,
             QVBoxLayout* layout, Built& built) {
    auto* label = new QLabel(caption, column);
    auto* view = new CheckListView(list, column);
    view->setObjectName(name);
    view->setFixedHeight(kListHeight);
    label->setBuddy(view);
    auto* pair = new QVBoxLayout;
    pair->setSpacing(2);
    pair->addWidget(label, 0, Qt::AlignLeft);
    pair->addWidget(view, 0, Qt::AlignLeft);
    layout->addLayout(pair);
    built.groups.push_back(view);
}

int HintWidth(QWidget* w) {
    w->ensurePolished();
    return w->sizeHint().width();
}

}  // namespace

std::array<QWidget*, 5> BuildOptionPanels(TProjectOptions& options, CheckList& libDirBox,
                                          CheckList& curProjectBox, CheckList& resourceBox,
                                          QWidget* parent) {
    Built built;
    std::array<QWidget*, 5> panels{};
    panels[0] = OptionPanel(
        options, QStringLiteral("OptionsProject"), QStringLiteral("Project Options"),
        {O::Project_Executable, O::Project_Definition, O::Project_Map}, {}, parent, built);
    panels[1] = OptionPanel(
        options, QStringLiteral("OptionsAssembler"), QStringLiteral("Assembler Options"),
        {O::AO_WhatCompiler, O::AO_DebugInfo, O::AO_WarningLevel, O::AO_CaseSensitive},
        {O::AO_CSOverChk, O::AO_CrossRef, O::AO_Listing, O::AO_ExpListing, O::AO_FloatingPoint,
         O::AO_SegmentOrder, O::AO_ObjectCode},
        parent, built);
    panels[2] = OptionPanel(
        options, QStringLiteral("OptionsLinker16"), QStringLiteral("16-Bit Linker"),
        {O::LO16_UseThisLinker, O::LO16_ImageType, O::LO16_TargetType, O::LO16_Optimizations},
        {O::LO16_MapPublics, O::LO16_MapMangledPub, O::LO16_MapDetailSeg, O::LO16_MapSourceLines,
         O::LO16_InitAllSegments, O::LO16_InhibitFarToNear, O::LO16_FullDebugInfo,
         O::LO16_Enable32Bit},
        parent, built);
    panels[3] =
        OptionPanel(options, QStringLiteral("OptionsLinker32"), QStringLiteral("32-Bit Linker"),
                    {O::LO32_UseThisLinker, O::LO32_AppType, O::LO32_OutputType, O::LO32_HeapRes,
                     O::LO32_HeapCom},
                    {O::LO32_MapPublics, O::LO32_MapDetailSeg, O::LO32_MapMangledNames,
                     O::LO32_FullDebugInfo, O::LO32_CaseSensitive, O::LO32_DisableCodePacking,
                     O::LO32_BaseImgAdd, O::LO32_StackRes, O::LO32_StackCom},
                    parent, built);

    QWidget* body = nullptr;
    panels[4] =
        Titled(QStringLiteral("OptionsLibrary"), QStringLiteral("Library Files"), parent, body);
    Columns c = MakeColumns(body, built);
    AddList(libDirBox, QStringLiteral("LibDirBox"), QStringLiteral("In Lib Directory: "), c.left,
            c.leftLayout, built);
    AddList(curProjectBox, QStringLiteral("CurProjectBox"),
            QStringLiteral("In Project's Directory:"), c.right, c.rightLayout, built);
    // The resource list's caption is wider than the column; below both lists,
    // which are of one height, it has the room it needs.
    AddList(resourceBox, QStringLiteral("ResourceBox"),
            QStringLiteral("Resource Files In Project's Directory:"), body, c.bodyLayout, built);
    c.leftLayout->addStretch(1);
    c.rightLayout->addStretch(1);

    // One width for every group, wide enough for the longest item caption.
    int width = kGroupWidth;
    for (QWidget* g : built.groups) {
        if (qobject_cast<RadioGroup*>(g)) width = std::max(width, HintWidth(g));
    }
    for (QWidget* g : built.groups) g->setFixedWidth(width);
    if (built.wideGroup) {
        built.wideGroup->setFixedWidth(
            std::max({kWideGroupWidth, width, HintWidth(built.wideGroup)}));
    }
    // The left column is as wide as its groups even where it holds none, so
    // the right column starts at the same place on every panel.
    for (QWidget* left : built.leftColumns) left->setFixedWidth(width);
    return panels;
}
