#pragma once
// What Velmora keeps of a tool's console output, and how a kept line names a
// source position.
#include <optional>

#include <QByteArray>
#include <QString>
#include <QStringList>

// The lines of a message file: a line ends at CR LF, at a lone CR or at a lone
// LF; a last line without a break still counts, and an empty file has none.
// Bytes become characters through windows-1252, nothing is trimmed.
QStringList SplitMessageLines(const QByteArray& bytes);
// The assembler's lines that begin with "*", in file order.
QStringList AssemblerMessageLines(const QByteArray& bytes);
// Every line of the linker's output but its first (the banner), empty lines included.
QStringList LinkerMessageLines(const QByteArray& bytes);

struct MessageLocation {
    QString fileNamePartLower;  // file-name part of the named file, ANSI lower case
    int lineNumber = 0;         // as the tool wrote it, counting from 1
    friend bool operator==(const MessageLocation&, const MessageLocation&) = default;
};

// Reads "tag file(line) rest": the file runs from after the first blank to the
// first "(", the number from there to the first ")". Only the first blank, "("
// and ")" of the line count. None when a mark is missing or the number is not
// an optionally signed 32-bit decimal; the file is empty when "(" comes before
// the blank.
std::optional<MessageLocation> ParseMessageLocation(const QString& line);
