#pragma once
// The search behind Find, Replace and Replace All, over the bytes of a unit's
// text. Offsets are byte offsets; the text's CR LF line breaks count as two.
#include <QByteArray>
#include <QList>

// What a find or replace dialog hands to the search.
struct SearchOptions {
    QByteArray findText;
    QByteArray replaceText;
    bool matchCase = false;
    bool wholeWord = false;
    bool down = true;         // the Replace dialog always searches downward
    bool replaceAll = false;  // Replace All pressed rather than Replace
};

// The same bytes in reverse order.
QByteArray ReverseText(const QByteArray& text);

// Whole-word neighbours: ASCII letters and digits are word characters; the
// underscore, punctuation, line breaks and every byte above 127 separate words.
bool IsWordByte(unsigned char byte);

// The start offset of the occurrence a search from offset `from` selects, or -1.
// Down looks at the stretch from `from` to the end, by start offset; Up at the
// stretch before `from`, nearest end first. A rejected candidate lets the
// search go on one position further, so candidates may overlap.
qsizetype FindOccurrence(const char* text, qsizetype size, qsizetype from,
                         const SearchOptions& options);
inline qsizetype FindOccurrence(const QByteArray& text, qsizetype from,
                                const SearchOptions& options) {
    return FindOccurrence(text.constData(), text.size(), from, options);
}

// The offsets, in the unchanged text, of the occurrences that Replace All
// replaces one after another from the start of the text: each following search
// begins after the text just inserted, so the replace text is never searched
// again, and a whole-word check at the seam sees the inserted text's last byte.
QList<qsizetype> ReplaceAllOffsets(const char* text, qsizetype size, const SearchOptions& options);
inline QList<qsizetype> ReplaceAllOffsets(const QByteArray& text, const SearchOptions& options) {
    return ReplaceAllOffsets(text.constData(), text.size(), options);
}
