#pragma once
// One set of options in which every option differs from its default where it
// can, and the bytes of its options block (elements 5 to 44 of a project
// file), spelled out element by element without the writer under test.
#include <QByteArray>

#include "project/ProjectOptions.h"
#include "support/RecordBytes.h"

namespace KnownProject {

inline void SetOptions(TProjectOptions& o) {
    using O = TProjectOptions;
    o.SetText(O::Project_Executable, QStringLiteral("hello.exe"));
    o.SetText(O::Project_Definition, QStringLiteral("hello.def"));
    o.SetText(O::Project_Map, QString::fromLatin1("h\xE9llo.map"));  // an accented byte
    o.SetChoice(O::AO_WhatCompiler, 2);
    o.SetChoice(O::AO_DebugInfo, 0);
    o.SetChoice(O::AO_WarningLevel, 2);
    o.SetChoice(O::AO_CaseSensitive, 1);
    o.SetChoice(O::AO_FloatingPoint, 1);
    o.SetChoice(O::AO_SegmentOrder, 0);
    o.SetChoice(O::AO_ObjectCode, 3);
    o.SetFlag(O::AO_CSOverChk, true);
    o.SetFlag(O::AO_Listing, true);
    o.SetFlag(O::LO16_MapPublics, true);
    o.SetFlag(O::LO16_MapDetailSeg, true);
    o.SetFlag(O::LO16_InitAllSegments, true);
    o.SetFlag(O::LO16_FullDebugInfo, true);
    o.SetChoice(O::LO16_TargetType, 1);
    o.SetChoice(O::LO16_ImageType, 2);
    o.SetChoice(O::LO16_Optimizations, 4);
    o.SetFlag(O::LO32_UseThisLinker, true);
    o.SetFlag(O::LO32_MapDetailSeg, true);
    o.SetFlag(O::LO32_FullDebugInfo, true);
    o.SetFlag(O::LO32_DisableCodePacking, true);
    o.SetChoice(O::LO32_AppType, 2);
    o.SetChoice(O::LO32_OutputType, 1);
    o.SetText(O::LO32_BaseImgAdd, QStringLiteral("0x400000"));
    o.SetText(O::LO32_HeapRes, QStringLiteral("1048576"));
    o.SetText(O::LO32_HeapCom, QStringLiteral("4096"));
    o.SetText(O::LO32_StackCom, QStringLiteral("8192"));
}

inline QByteArray OptionBytes() {
    using namespace RecordBytes;
    const auto B = [](char v) { return QByteArray(1, v); };
    return Str("hello.exe") + Str("hello.def") + Str("h\xE9llo.map")       // 5-7
           + Int(2) + Int(0) + Int(2) + Int(1) + Int(1) + Int(0) + Int(3)  // 8-14
           + B(1) + B(0) + B(1) + B(0)                                     // 15-18
           + B(0)  // 19: the 32-bit linker is chosen
           + B(1) + B(0) + B(1) + B(0) + B(1) + B(0) + B(1) + B(0)                    // 20-27
           + Int(1) + Int(2) + Int(4)                                                 // 28-30
           + B(1)                                                                     // 31
           + B(0) + B(1) + B(0) + B(1) + B(0) + B(1)                                  // 32-37
           + Int(2) + Int(1)                                                          // 38-39
           + Str("0x400000") + Str("1048576") + Str("4096") + Str("") + Str("8192");  // 40-44
}

// The bytes of a default options block, as a fresh project writes it.
inline QByteArray DefaultOptionBytes() {
    using namespace RecordBytes;
    const QByteArray off(1, '\0');
    const QByteArray on(1, '\1');
    QByteArray b = Str("") + Str("") + Str("");
    b += Int(0) + Int(2) + Int(1) + Int(2) + Int(0) + Int(1) + Int(0);
    b += off + off + off + off;
    b += on + off + off + off + off + off + off + off + off;
    b += Int(0) + Int(0) + Int(0);
    b += off + off + off + off + off + off + off;
    b += Int(0) + Int(0);
    b += Str("") + Str("") + Str("") + Str("") + Str("");
    return b;
}

}  // namespace KnownProject
