#include "project/ui/OptionPanels.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "project/ui/OptionControls.h"
#include "store/CheckList.h"

namespace {

using O = TProjectOptions;

constexpr int kColumnWidth = 145;
constexpr int kWideColumnWidth = 185;
constexpr int kTextWidth = 121;

// One column of option controls; a text option gets its caption label above it.
QWidget* Column(TProjectOptions& options, std::initializer_list<O::Option> list, QWidget* parent,
                int width) {
    auto* column = new QWidget(parent);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    for (O::Option o : list) {
        const O::Info& info = O::Describe(o);
        QWidget* control = CreateOptionControl(options, o, column);
        if (info.kind == O::Kind::Text) {
            auto* label = new QLabel(QString::fromLatin1(info.caption), column);
            label->setBuddy(control);
            layout->addWidget(label);
            control->setMinimumWidth(kTextWidth);
            control->setMaximumWidth(2 * kTextWidth);
            layout->addWidget(control);
            layout->addSpacing(4);
        } else {
            if (info.kind == O::Kind::Choice) {
                control->setMinimumWidth(o == O::LO16_Optimizations ? kWideColumnWidth : width);
            }
            layout->addWidget(control);
        }
    }
    layout->addStretch(1);
    return column;
}

QWidget* Titled(const QString& name, const QString& title, QWidget* parent, QWidget*& body) {
    auto* scroll = new QScrollArea(parent);
    scroll->setObjectName(name);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* page = new QWidget(scroll);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 8, 12, 12);
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

QWidget* TwoColumns(TProjectOptions& options, const QString& name, const QString& title,
                    std::initializer_list<O::Option> left, std::initializer_list<O::Option> right,
                    QWidget* parent, int leftWidth = kColumnWidth) {
    QWidget* body = nullptr;
    QWidget* panel = Titled(name, title, parent, body);
    auto* row = new QHBoxLayout(body);
    row->setContentsMargins(0, 8, 0, 0);
    row->setSpacing(16);
    QWidget* l = Column(options, left, body, kColumnWidth);
    l->setMinimumWidth(leftWidth);
    row->addWidget(l, 0, Qt::AlignTop);
    row->addWidget(Column(options, right, body, kColumnWidth), 0, Qt::AlignTop);
    row->addStretch(1);
    return panel;
}

QWidget* ListWithLabel(CheckList& list, const QString& name, const QString& caption,
                       QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(caption, box);
    auto* view = new CheckListView(list, box);
    view->setObjectName(name);
    view->setMinimumWidth(kColumnWidth);
    view->setMinimumHeight(120);
    label->setBuddy(view);
    layout->addWidget(label);
    layout->addWidget(view);
    return box;
}

}  // namespace

std::array<QWidget*, 5> BuildOptionPanels(TProjectOptions& options, CheckList& libDirBox,
                                          CheckList& curProjectBox, CheckList& resourceBox,
                                          QWidget* parent) {
    std::array<QWidget*, 5> panels{};
    panels[0] =
        TwoColumns(options, QStringLiteral("OptionsProject"), QStringLiteral("Project Options"),
                   {O::Project_Executable, O::Project_Definition, O::Project_Map}, {}, parent);
    panels[1] =
        TwoColumns(options, QStringLiteral("OptionsAssembler"), QStringLiteral("Assembler Options"),
                   {O::AO_WhatCompiler, O::AO_DebugInfo, O::AO_WarningLevel, O::AO_CaseSensitive},
                   {O::AO_CSOverChk, O::AO_CrossRef, O::AO_Listing, O::AO_ExpListing,
                    O::AO_FloatingPoint, O::AO_SegmentOrder, O::AO_ObjectCode},
                   parent);
    panels[2] = TwoColumns(
        options, QStringLiteral("OptionsLinker16"), QStringLiteral("16-Bit Linker"),
        {O::LO16_UseThisLinker, O::LO16_ImageType, O::LO16_TargetType, O::LO16_Optimizations},
        {O::LO16_MapPublics, O::LO16_MapMangledPub, O::LO16_MapDetailSeg, O::LO16_MapSourceLines,
         O::LO16_InitAllSegments, O::LO16_InhibitFarToNear, O::LO16_FullDebugInfo,
         O::LO16_Enable32Bit},
        parent, kWideColumnWidth);
    panels[3] =
        TwoColumns(options, QStringLiteral("OptionsLinker32"), QStringLiteral("32-Bit Linker"),
                   {O::LO32_UseThisLinker, O::LO32_AppType, O::LO32_OutputType, O::LO32_HeapRes,
                    O::LO32_HeapCom},
                   {O::LO32_MapPublics, O::LO32_MapDetailSeg, O::LO32_MapMangledNames,
                    O::LO32_FullDebugInfo, O::LO32_CaseSensitive, O::LO32_DisableCodePacking,
                    O::LO32_BaseImgAdd, O::LO32_StackRes, O::LO32_StackCom},
                   parent);

    QWidget* body = nullptr;
    panels[4] =
        Titled(QStringLiteral("OptionsLibrary"), QStringLiteral("Library Files"), parent, body);
    auto* row = new QHBoxLayout(body);
    row->setContentsMargins(0, 8, 0, 0);
    row->setSpacing(16);
    auto* left = new QWidget(body);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(ListWithLabel(libDirBox, QStringLiteral("LibDirBox"),
                                        QStringLiteral("In Lib Directory: "), left));
    leftLayout->addWidget(ListWithLabel(resourceBox, QStringLiteral("ResourceBox"),
                                        QStringLiteral("Resource Files In Project's Directory:"),
                                        left));
    row->addWidget(left, 0, Qt::AlignTop);
    row->addWidget(ListWithLabel(curProjectBox, QStringLiteral("CurProjectBox"),
                                 QStringLiteral("In Project's Directory:"), body),
                   0, Qt::AlignTop);
    row->addStretch(1);
    return panels;
}
