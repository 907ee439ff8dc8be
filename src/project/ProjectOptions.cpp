#include "project/ProjectOptions.h"

#include <vector>

namespace {

using O = TProjectOptions;
using K = TProjectOptions::Kind;

QStringList L(std::initializer_list<const char*> items) {
    QStringList out;
    for (const char* s : items) out << QString::fromLatin1(s);
    return out;
}

const std::vector<O::Info>& Table() {
    static const std::vector<O::Info> table = {
        {"Project_Executable", K::Text, "Executable Name:", {}, 0},
        {"Project_Definition", K::Text, "Definition File:", {}, 0},
        {"Project_Map", K::Text, "Map File:", {}, 0},
        {"AO_WhatCompiler", K::Choice, "Compiler", L({"TASM.EXE", "TASMX.EXE", "TASM32.EXE"}), 0},
        {"AO_DebugInfo", K::Choice, "Debug Info", L({"None", "Line Numbers Only", "Full"}), 2},
        {"AO_WarningLevel", K::Choice, "Warning Level", L({"None", "Level 1", "Level 2"}), 1},
        {"AO_CaseSensitive", K::Choice, "Case Sensitivity", L({"All", "Globals", "None"}), 2},
        {"AO_FloatingPoint", K::Choice, "Floating Point", L({"Real", "Emulated"}), 0},
        {"AO_SegmentOrder", K::Choice, "Segment Order", L({"Alphabetic", "Source Code"}), 1},
        {"AO_ObjectCode", K::Choice, "Object Code",
         L({"Standard", "Standard With Overlays", "Phar Lap", "IBM"}), 0},
        {"AO_CSOverChk", K::Flag, "Check For CS Override", {}, 0},
        {"AO_CrossRef", K::Flag, "Cross Reference", {}, 0},
        {"AO_Listing", K::Flag, "Generate Listing", {}, 0},
        {"AO_ExpListing", K::Flag, "Expanded Listing", {}, 0},
        {"LO16_UseThisLinker", K::Flag, "Use 16-Bit Linker", {}, 1},
        {"LO16_MapPublics", K::Flag, "Map With Public Names", {}, 0},
        {"LO16_MapMangledPub", K::Flag, "Map With Mangled Public Names", {}, 0},
        {"LO16_MapDetailSeg", K::Flag, "Map Plus Detailed Segment Map", {}, 0},
        {"LO16_MapSourceLines", K::Flag, "Map Plus Source Line Numbers", {}, 0},
        {"LO16_InitAllSegments", K::Flag, "Initiate All Segments", {}, 0},
        {"LO16_InhibitFarToNear", K::Flag, "Inhibit Optimizing Far Calls To Near", {}, 0},
        {"LO16_FullDebugInfo", K::Flag, "Full Symbolic Debug Information", {}, 0},
        {"LO16_Enable32Bit", K::Flag, "32-Bit Processing", {}, 0},
        {"LO16_TargetType", K::Choice, "Target Type", L({"DOS", "Windows", "DPMI"}), 0},
        {"LO16_ImageType", K::Choice, "Image Type", L({"EXE", "DLL", "COM"}), 0},
        {"LO16_Optimizations", K::Choice, "Optimizations",
         L({"None", "Chained Fixups", "Iterated Data", "Minimum Segment Alignment",
            "Minimum Resource Alignment"}),
         0},
        {"LO32_UseThisLinker", K::Flag, "Use 32-Bit Linker", {}, 0},
        {"LO32_MapPublics", K::Flag, "Map With Publics", {}, 0},
        {"LO32_MapDetailSeg", K::Flag, "Detailed Segment Map", {}, 0},
        {"LO32_MapMangledNames", K::Flag, "Map With Mangled Names", {}, 0},
        {"LO32_FullDebugInfo", K::Flag, "Full Symbolic Debug", {}, 0},
        {"LO32_CaseSensitive", K::Flag, "Case Sensitive Link", {}, 0},
        {"LO32_DisableCodePacking", K::Flag, "Disable Code Packing", {}, 0},
        {"LO32_AppType", K::Choice, "Application Type",
         L({"Ignore", "Windowing Compatible", "Uses API"}), 0},
        {"LO32_OutputType", K::Choice, "Ouput Type", L({"EXE", "DLL"}), 0},
        {"LO32_BaseImgAdd", K::Text, "Base Image Address:", {}, 0},
        {"LO32_HeapRes", K::Text, "Heap Reserve Size:", {}, 0},
        {"LO32_HeapCom", K::Text, "Heap Commit Size:", {}, 0},
        {"LO32_StackRes", K::Text, "Stack Reserve Size:", {}, 0},
        {"LO32_StackCom", K::Text, "Stack Commit Size:", {}, 0},
    };
    return table;
}

}  // namespace

const TProjectOptions::Info& TProjectOptions::Describe(Option option) {
    return Table().at(static_cast<std::size_t>(option));
}

TProjectOptions::TProjectOptions(QObject* parent) : QObject(parent) {
    static_assert(OptionCount == 40);
    Q_ASSERT(Table().size() == OptionCount);
    for (int i = 0; i < OptionCount; ++i) {
        const Info& info = Describe(Option(i));
        flags_[i] = info.kind == Kind::Flag && info.defaultValue != 0;
        choices_[i] = info.kind == Kind::Choice ? info.defaultValue : 0;
    }
}

void TProjectOptions::SetText(Option option, const QString& value) {
    if (texts_[option] == value) return;
    texts_[option] = value;
    emit Changed(option);
}

void TProjectOptions::SetFlag(Option option, bool value) {
    if (flags_[option] == value) return;
    flags_[option] = value;
    emit Changed(option);
    if (option == LO16_UseThisLinker) SetFlag(LO32_UseThisLinker, !value);
    if (option == LO32_UseThisLinker) SetFlag(LO16_UseThisLinker, !value);
}

void TProjectOptions::SetChoice(Option option, qint32 value) {
    const qint32 last = static_cast<qint32>(Describe(option).items.size()) - 1;
    if (value < -1) value = -1;
    if (value > last) value = last;
    if (choices_[option] == value) return;
    choices_[option] = value;
    emit Changed(option);
}

void TProjectOptions::Reset() {
    // Table order puts "Use 16-Bit Linker" (on) before "Use 32-Bit Linker" (off),
    // so the linker rule settles on the 16-bit linker.
    for (int i = 0; i < OptionCount; ++i) {
        const Option o = Option(i);
        const Info& info = Describe(o);
        switch (info.kind) {
            case Kind::Text:
                SetText(o, QString());
                break;
            case Kind::Flag:
                SetFlag(o, info.defaultValue != 0);
                break;
            case Kind::Choice:
                SetChoice(o, info.defaultValue);
                break;
        }
    }
}
