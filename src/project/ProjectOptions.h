#pragma once
// The project's options: one field per option, named after its control. The
// model holds the truth and enforces its two rules; option controls are views
// that follow its Changed signal.
#include <array>

#include <QObject>
#include <QString>
#include <QStringList>

class TProjectOptions : public QObject {
    Q_OBJECT
public:
    // In the order the project file stores them.
    enum Option {
        Project_Executable,
        Project_Definition,
        Project_Map,
        AO_WhatCompiler,
        AO_DebugInfo,
        AO_WarningLevel,
        AO_CaseSensitive,
        AO_FloatingPoint,
        AO_SegmentOrder,
        AO_ObjectCode,
        AO_CSOverChk,
        AO_CrossRef,
        AO_Listing,
        AO_ExpListing,
        LO16_UseThisLinker,
        LO16_MapPublics,
        LO16_MapMangledPub,
        LO16_MapDetailSeg,
        LO16_MapSourceLines,
        LO16_InitAllSegments,
        LO16_InhibitFarToNear,
        LO16_FullDebugInfo,
        LO16_Enable32Bit,
        LO16_TargetType,
        LO16_ImageType,
        LO16_Optimizations,
        LO32_UseThisLinker,
        LO32_MapPublics,
        LO32_MapDetailSeg,
        LO32_MapMangledNames,
        LO32_FullDebugInfo,
        LO32_CaseSensitive,
        LO32_DisableCodePacking,
        LO32_AppType,
        LO32_OutputType,
        LO32_BaseImgAdd,
        LO32_HeapRes,
        LO32_HeapCom,
        LO32_StackRes,
        LO32_StackCom,
        OptionCount
    };
    Q_ENUM(Option)

    enum class Kind { Text, Flag, Choice };

    struct Info {
        const char* name;  // the control's name, e.g. "AO_WhatCompiler"
        Kind kind;
        const char* caption;  // the control's caption or label
        QStringList items;    // choice items, in index order
        int defaultValue;     // flag (0/1) or choice index; texts default to empty
    };

    static const Info& Describe(Option option);
    static constexpr int Count = OptionCount;

    explicit TProjectOptions(QObject* parent = nullptr);

    QString Text(Option option) const { return texts_[option]; }
    bool Flag(Option option) const { return flags_[option]; }
    qint32 Choice(Option option) const { return choices_[option]; }

    void SetText(Option option, const QString& value);
    // Setting "Use 16-Bit Linker" or "Use 32-Bit Linker" to a new value sets
    // the other to its negation, so exactly one linker is chosen.
    void SetFlag(Option option, bool value);
    // Below -1 stores -1 (nothing chosen); at or above the item count stores the last index.
    void SetChoice(Option option, qint32 value);

    // Every option back to its default.
    void Reset();

signals:
    void Changed(TProjectOptions::Option option);

private:
    std::array<QString, OptionCount> texts_;
    std::array<bool, OptionCount> flags_{};
    std::array<qint32, OptionCount> choices_{};
};
