// The options record: defaults, choice clamping, the linker pairing rule and
// the change signal the option controls follow.
#include <QSignalSpy>

#include <gtest/gtest.h>

#include "project/KnownProject.h"
#include "project/ProjectOptions.h"

namespace {

using O = TProjectOptions;

struct Default {
    O::Option option;
    int value;
};

// The defaults a new project starts with; texts start empty, flags not listed start off.
const Default kDefaults[] = {
    {O::AO_WhatCompiler, 0},    {O::AO_DebugInfo, 2},     {O::AO_WarningLevel, 1},
    {O::AO_CaseSensitive, 2},   {O::AO_FloatingPoint, 0}, {O::AO_SegmentOrder, 1},
    {O::AO_ObjectCode, 0},      {O::LO16_TargetType, 0},  {O::LO16_ImageType, 0},
    {O::LO16_Optimizations, 0}, {O::LO32_AppType, 0},     {O::LO32_OutputType, 0},
};

void ExpectDefaults(const TProjectOptions& o) {
    for (int i = 0; i < O::Count; ++i) {
        const auto option = O::Option(i);
        const O::Info& info = O::Describe(option);
        if (info.kind == O::Kind::Text) {
            EXPECT_TRUE(o.Text(option).isEmpty()) << info.name;
        }
        if (info.kind == O::Kind::Flag) {
            EXPECT_EQ(o.Flag(option), option == O::LO16_UseThisLinker) << info.name;
        }
    }
    for (const Default& d : kDefaults)
        EXPECT_EQ(o.Choice(d.option), d.value) << O::Describe(d.option).name;
}

TEST(ProjectOptions, StartsAndResetsToTheDefaults) {
    TProjectOptions o;
    ExpectDefaults(o);
    KnownProject::SetOptions(o);
    EXPECT_TRUE(o.Flag(O::LO32_UseThisLinker));
    o.Reset();
    ExpectDefaults(o);
}

struct Clamp {
    O::Option option;
    qint32 assigned;
    qint32 stored;
};

TEST(ProjectOptions, ChoicesAreClampedToTheirItems) {
    const Clamp cases[] = {
        {O::AO_WhatCompiler, 7, 2},       {O::AO_WhatCompiler, -5, -1},
        {O::AO_WhatCompiler, -1, -1},     {O::AO_WhatCompiler, 3, 2},
        {O::AO_WhatCompiler, 1, 1},       {O::AO_FloatingPoint, 2, 1},
        {O::AO_ObjectCode, 3, 3},         {O::LO16_Optimizations, 5, 4},
        {O::LO16_Optimizations, 4, 4},    {O::LO32_OutputType, 1000000, 1},
        {O::LO32_AppType, INT32_MIN, -1}, {O::AO_DebugInfo, INT32_MAX, 2},
    };
    for (const Clamp& c : cases) {
        TProjectOptions o;
        o.SetChoice(c.option, c.assigned);
        EXPECT_EQ(o.Choice(c.option), c.stored)
            << O::Describe(c.option).name << " assigned " << c.assigned;
    }
}

TEST(ProjectOptions, ExactlyOneLinkerIsChosen) {
    TProjectOptions o;
    o.SetFlag(O::LO16_UseThisLinker, false);
    EXPECT_TRUE(o.Flag(O::LO32_UseThisLinker));
    o.SetFlag(O::LO16_UseThisLinker, true);
    EXPECT_FALSE(o.Flag(O::LO32_UseThisLinker));
    o.SetFlag(O::LO32_UseThisLinker, true);
    EXPECT_FALSE(o.Flag(O::LO16_UseThisLinker));
    o.SetFlag(O::LO32_UseThisLinker, false);
    EXPECT_TRUE(o.Flag(O::LO16_UseThisLinker));
}

TEST(ProjectOptions, TheLaterOfTwoLinkerAssignmentsDecides) {
    // The order a project file assigns them in: 16-bit first, then 32-bit.
    const std::pair<bool, bool> stored[] = {
        {true, true}, {false, false}, {true, false}, {false, true}};
    for (const auto& [use16, use32] : stored) {
        TProjectOptions o;
        o.SetFlag(O::LO16_UseThisLinker, use16);
        o.SetFlag(O::LO32_UseThisLinker, use32);
        EXPECT_EQ(o.Flag(O::LO32_UseThisLinker), use32) << use16 << use32;
        EXPECT_EQ(o.Flag(O::LO16_UseThisLinker), !use32) << use16 << use32;
    }
}

TEST(ProjectOptions, ChangedFiresOncePerRealChange) {
    TProjectOptions o;
    QSignalSpy spy(&o, &TProjectOptions::Changed);
    o.SetText(O::Project_Map, QString());
    o.SetFlag(O::LO16_UseThisLinker, true);
    o.SetChoice(O::AO_DebugInfo, 2);
    o.SetChoice(O::AO_DebugInfo, 9);  // clamps to the value it holds
    EXPECT_EQ(spy.count(), 0);

    o.SetFlag(O::LO32_UseThisLinker, true);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0).at(0).value<O::Option>(), O::LO32_UseThisLinker);
    EXPECT_EQ(spy.at(1).at(0).value<O::Option>(), O::LO16_UseThisLinker);
    spy.clear();

    o.SetText(O::LO32_HeapRes, QStringLiteral("abc"));
    o.SetChoice(O::AO_WhatCompiler, 5);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0).at(0).value<O::Option>(), O::LO32_HeapRes);
    EXPECT_EQ(spy.at(1).at(0).value<O::Option>(), O::AO_WhatCompiler);
}

TEST(ProjectOptions, SwitchingLinkersKeepsTheOtherLinkersOptions) {
    TProjectOptions o;
    o.SetFlag(O::LO16_MapPublics, true);
    o.SetChoice(O::LO16_ImageType, 2);
    o.SetText(O::LO32_StackRes, QStringLiteral("65536"));
    o.SetFlag(O::LO32_UseThisLinker, true);
    o.SetFlag(O::LO16_UseThisLinker, true);
    EXPECT_TRUE(o.Flag(O::LO16_MapPublics));
    EXPECT_EQ(o.Choice(O::LO16_ImageType), 2);
    EXPECT_EQ(o.Text(O::LO32_StackRes), QStringLiteral("65536"));
}

}  // namespace
