#include "build/Switches.h"

#include <QSaveFile>

#include "platform/Ansi.h"
#include "platform/Paths.h"
#include "platform/System.h"
#include "project/ProjectOptions.h"
#include "store/RecordFile.h"

namespace {

using O = TProjectOptions;

// The piece for a radio group's index, or nothing when the index has none.
QString Pick(const O& options, O::Option option, std::initializer_list<const char*> pieces) {
    const qint32 index = options.Choice(option);
    if (index < 0 || index >= static_cast<qint32>(pieces.size())) return QString();
    return QString::fromLatin1(pieces.begin()[index]);
}

QString If(bool condition, const char* piece) {
    return condition ? QString::fromLatin1(piece) : QString();
}

// Removes leading and trailing characters up to the blank, as the tools
// directory may carry a stray blank or line break from wherever it was typed.
QString TrimBlanksAndControls(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 0x20) ++begin;
    while (end > begin && text[end - 1].unicode() <= 0x20) --end;
    return text.mid(begin, end - begin);
}

QString ToolsDirectoryWithSeparator(const QString& toolsDir) {
    QString dir = TrimBlanksAndControls(toolsDir);
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    return dir;
}

// The text from the last "." of the lower-cased name; empty when there is no ".".
QString LowerExtension(const QString& name) {
    const QString lower = Ansi::LowerCase(name);
    const qsizetype dot = lower.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : lower.mid(dot);
}

// One entry per line, all but the last followed by " +".
QString ContinuedLines(const QStringList& entries) {
    QStringList lines;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        lines << (i + 1 < entries.size() ? entries[i] + QStringLiteral(" +") : entries[i]);
    }
    return ResponseLines(lines);
}

QString BareNameWithoutExtension(const QString& path) {
    return StripExtension(Paths::FileNamePart(path));
}

}  // namespace

QString AssemblerSwitches(const TProjectOptions& o) {
    QString s;
    s += If(o.Flag(O::AO_CSOverChk), "/p ");
    s += If(o.Flag(O::AO_CrossRef), "/c ");
    if (o.Flag(O::AO_Listing)) s += QString::fromLatin1(o.Flag(O::AO_ExpListing) ? "/la " : "/l ");
    s += Pick(o, O::AO_FloatingPoint, {"/r ", "/e "});
    s += Pick(o, O::AO_SegmentOrder, {"/a ", "/s "});
    s += Pick(o, O::AO_WarningLevel, {"/w0 ", "/w1 ", "/w2 "});
    s += Pick(o, O::AO_CaseSensitive, {"/ml ", "/mx ", "/mu "});
    s += Pick(o, O::AO_DebugInfo, {"/zn ", "/zd ", "/zi "});
    s += Pick(o, O::AO_ObjectCode, {"/os ", "/o ", "/op ", "/oi "});
    s += QStringLiteral("/t /m");
    return s;
}

QString AssemblerPath(const QString& toolsDir, const TProjectOptions& options) {
    return ToolsDirectoryWithSeparator(toolsDir) +
           Pick(options, O::AO_WhatCompiler, {"tasm.exe", "tasmx.exe", "tasm32.exe"});
}

QString AssemblerResponseText(const QString& switches, const QString& shortUnitPath) {
    return ResponseLines({switches, shortUnitPath});
}

QString AssemblerCommand(const QString& assemblerPath, const QString& shortExeDir) {
    return assemblerPath + QStringLiteral(" @") + shortExeDir + QStringLiteral("Tasm.rsp");
}

bool WriteAssemblerResponse(const System& system, const TProjectOptions& options,
                            const QString& unitFileName, FileWriteError* error) {
    const QString text =
        AssemblerResponseText(AssemblerSwitches(options), system.ShortPath(unitFileName));
    return WriteResponseFile(system.ExecutableDirectory() + QStringLiteral("Tasm.rsp"), text,
                             error);
}

QString LinkerSwitches(const TProjectOptions& o) {
    QString s;
    if (o.Flag(O::LO32_UseThisLinker)) {
        s += If(o.Flag(O::LO32_MapPublics), "-m ");
        s += If(o.Flag(O::LO32_MapDetailSeg), "-s ");
        s += If(o.Flag(O::LO32_MapMangledNames), "-M ");
        s += If(o.Flag(O::LO32_FullDebugInfo), "-v ");
        s += If(o.Flag(O::LO32_CaseSensitive), "-c ");
        s += If(o.Flag(O::LO32_DisableCodePacking), "-P- ");
        s += Pick(o, O::LO32_OutputType, {"-Tpe ", "-Tpd "});
        s += Pick(o, O::LO32_AppType, {"", "-ap ", "-aa "});
        // A text counts as given as soon as it holds any character, blanks included.
        const std::pair<O::Option, const char*> sizes[] = {{O::LO32_BaseImgAdd, "-B:"},
                                                           {O::LO32_HeapRes, "-H:"},
                                                           {O::LO32_HeapCom, "-Hc:"},
                                                           {O::LO32_StackRes, "-S:"},
                                                           {O::LO32_StackCom, "-Sc:"}};
        for (const auto& [option, prefix] : sizes) {
            const QString text = o.Text(option);
            if (!text.isEmpty()) s += QString::fromLatin1(prefix) + text + QLatin1Char(' ');
        }
        return s;
    }
    s += If(o.Flag(O::LO16_MapPublics), "/m ");
    s += If(o.Flag(O::LO16_MapMangledPub), "/M ");
    s += If(o.Flag(O::LO16_MapDetailSeg), "/s ");
    s += If(o.Flag(O::LO16_MapSourceLines), "/l ");
    s += If(o.Flag(O::LO16_InitAllSegments), "/i ");
    s += If(o.Flag(O::LO16_InhibitFarToNear), "/f ");
    s += If(o.Flag(O::LO16_FullDebugInfo), "/v ");
    s += If(o.Flag(O::LO16_Enable32Bit), "/3 ");
    // No blank after the target type: the image letter joins it, as in "-Tde ".
    s += Pick(o, O::LO16_TargetType, {"-Td", "-Tw", "-Tx"});
    s += Pick(o, O::LO16_ImageType, {"e ", "d ", "c "});
    s += Pick(o, O::LO16_Optimizations, {"", "-Oc ", "-Oi ", "-Oa ", "-Or "});
    return s;
}

QString LinkerPath(const QString& toolsDir, const TProjectOptions& options) {
    return ToolsDirectoryWithSeparator(toolsDir) + (options.Flag(O::LO16_UseThisLinker)
                                                        ? QStringLiteral("tlink.exe")
                                                        : QStringLiteral("tlink32.exe"));
}

LinkerResponses BuildLinkerResponses(const LinkerInputs& in, const System& system) {
    Q_ASSERT(in.options != nullptr);
    const TProjectOptions& o = *in.options;
    const QString switches = LinkerSwitches(o);
    const QString libDir = in.shortExeDir + QStringLiteral("Lib/");
    const QString obj = QStringLiteral(".obj");
    const QString lib = QStringLiteral(".lib");
    const auto shortForm = [&](const QString& name) {
        return ShortFormIn(system, in.currentDirectory, name);
    };

    QStringList objects;
    for (const QString& unit : in.unitFileNames) {
        objects << StripExtension(shortForm(Paths::FileNamePart(unit))) + obj;
    }
    for (const QString& entry : in.libDirChecked) {
        if (LowerExtension(entry) == obj) objects << libDir + entry;
    }
    for (const QString& entry : in.curProjectChecked) {
        if (LowerExtension(entry) == obj) objects << shortForm(entry);
    }
    if (!objects.isEmpty()) objects[0] = switches + objects[0];

    const QString executable = o.Text(O::Project_Executable);
    const QString executableLine =
        executable.isEmpty()
            ? BareNameWithoutExtension(in.projectFileName) + QLatin1Char(' ') + switches
            : BareNameWithoutExtension(executable);

    LinkerResponses out;
    const auto add = [&](const char* name, const QString& text) {
        const QString fileName = QString::fromLatin1(name);
        out.files.push_back({fileName, in.exeDir + fileName, text});
    };
    add("Tlink.rsp", ContinuedLines(objects) + ResponseLines({executableLine}));

    const QString map = o.Text(O::Project_Map);
    out.flags.MapResponseWritten = !map.isEmpty();
    if (out.flags.MapResponseWritten)
        add("Tmap.rsp", ResponseLines({BareNameWithoutExtension(map)}));

    QStringList libraries;
    for (const QString& entry : in.libDirChecked) {
        if (LowerExtension(entry) == lib) libraries << libDir + entry;
    }
    for (const QString& entry : in.curProjectChecked) {
        if (LowerExtension(entry) == lib) libraries << entry;
    }
    out.flags.LibResponseWritten = !libraries.isEmpty();
    if (out.flags.LibResponseWritten) add("Tlib.rsp", ContinuedLines(libraries));

    const QString definition = o.Text(O::Project_Definition);
    out.flags.DefResponseWritten = !definition.isEmpty();
    if (out.flags.DefResponseWritten) {
        add("Tdef.rsp", ResponseLines({BareNameWithoutExtension(definition)}));
    }

    const QString projectDir = system.ShortPath(Paths::DirectoryPart(in.projectFileName));
    QStringList resources;
    for (const QString& entry : in.resourceChecked) resources << projectDir + entry;
    out.flags.ResResponseWritten = !resources.isEmpty();
    if (out.flags.ResResponseWritten) add("Tres.rsp", ContinuedLines(resources));
    return out;
}

bool WriteLinkerResponses(const LinkerResponses& responses, FileWriteError* error) {
    for (const ResponseFile& file : responses.files) {
        if (!WriteResponseFile(file.path, file.text, error)) return false;
    }
    return true;
}

QString LinkerCommand(const QString& linkerPath, const QString& shortExeDir,
                      const LinkerResponseFlags& flags) {
    const auto field = [&](bool written, const char* name, const char* empty) {
        return written ? QLatin1Char('@') + shortExeDir + QString::fromLatin1(name)
                       : QString::fromLatin1(empty);
    };
    QString command =
        linkerPath + QStringLiteral(" @") + shortExeDir + QStringLiteral("Tlink.rsp,");
    command += field(flags.MapResponseWritten, "Tmap.rsp,", ",");
    command += field(flags.LibResponseWritten, "Tlib.rsp,", ",");
    command += field(flags.DefResponseWritten, "Tdef.rsp,", ",");
    command += field(flags.ResResponseWritten, "Tres.rsp", "");
    while (command.endsWith(QLatin1Char(','))) command.chop(1);
    return command;
}

QString ShortExecutableDirectory(const System& system) {
    const QString shortDir = system.ShortPath(system.ExecutableDirectory());
    return shortDir.left(shortDir.lastIndexOf(QLatin1Char('/')) + 1);
}

QString ShortFormIn(const System& system, const QString& currentDirectory, const QString& name) {
    if (name.isEmpty()) return QString();
    if (name.startsWith(QLatin1Char('/')) || currentDirectory.isEmpty()) {
        return system.ShortPath(name);
    }
    const QString base = Paths::WithTrailingSeparator(currentDirectory);
    const QString shortPath = system.ShortPath(base + name);
    // Keep a relative name relative, as the linker runs in that same directory.
    return shortPath.startsWith(base) ? shortPath.mid(base.size()) : shortPath;
}

QString ResponseLines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) text += line + QStringLiteral("\r\n");
    return text;
}

bool WriteResponseFile(const QString& path, const QString& text, FileWriteError* error) {
    const QByteArray bytes = Ansi::FromString(text);
    QSaveFile file(path);
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!written && error != nullptr) *error = {path, file.errorString()};
    return written;
}
