#pragma once
// Path helpers with the Linux rules: Velmora builds paths with '/', but reads
// '\' and ':' as separators too, so names from DOS tools and Windows projects match.
#include <QString>

namespace Paths {

// The text after the last '/', '\' or ':'.
QString FileNamePart(const QString& path);
// Everything up to and including the last '/', '\' or ':'; empty when there is none.
QString DirectoryPart(const QString& path);
// The directory with exactly one trailing '/'; the empty text stays empty.
QString WithTrailingSeparator(const QString& dir);
// `path` written relative to `directory` (which ends in '/'); directory names
// compare with letter case, as the file system does.
QString RelativePath(const QString& path, const QString& directory);
// `text`, with '\' read as '/', made absolute against `base` and cleaned of '.' and '..'.
QString ResolvePath(const QString& text, const QString& base);

}  // namespace Paths
