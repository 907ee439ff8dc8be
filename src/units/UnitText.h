#pragma once
// Rules of the source editor that need no window: line breaks of a loaded
// file, the fixed tab stops, the names of new units, the path a unit stores in
// the project file and the line number typed into Goto Line.
#include <array>
#include <optional>

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace UnitText {

// Every line break made CR LF: CR LF stays, and a lone CR, a lone LF and the
// pair LF CR each become one CR LF. Every other byte is kept as it is.
QByteArray NormalizeLineBreaks(const QByteArray& bytes);

// The 25 tab-stop columns: 2 to 20 by 2, then 24 to 80 by 4.
constexpr int kTabStopCount = 25;
constexpr std::array<qint32, kTabStopCount> MakeTabStops() {
    std::array<qint32, kTabStopCount> stops{};
    for (int i = 0; i < kTabStopCount; ++i) stops[i] = i < 10 ? 2 * i + 2 : 4 * i - 16;
    return stops;
}
inline constexpr std::array<qint32, kTabStopCount> kTabStops = MakeTabStops();

// The first tab stop after `column` (counted from 0), or -1 from the last stop on.
int NextTabStop(int column);

// The smallest n >= 1 for which no name in `fileNames`, lower-cased, is "unit<n>.asm".
int NextUnitNumber(const QStringList& fileNames);
// "Unit<n>.asm".
QString UnitFileName(int number);

// What a unit writes into its project record: `fileName` relative to the
// project directory `projectDir` (with or without its trailing '/').
QString ProjectRecordPath(const QString& fileName, const QString& projectDir);

// An optional sign followed by decimal digits, within the signed 32-bit range;
// anything else (blanks, an empty text, trailing letters) is not a line number.
std::optional<qint32> ParseLineNumber(const QString& text);

}  // namespace UnitText
