#include "store/CheckList.h"

#include <QStringList>

void CheckList::Append(const QString& text, bool checked) {
    entries_.push_back({text, checked});
    emit EntriesChanged();
}

void CheckList::Clear() {
    entries_.clear();
    emit EntriesChanged();
}

void CheckList::SetChecked(int i, bool checked) {
    if (i < 0 || i >= Count()) return;
    Entry& e = entries_[static_cast<std::size_t>(i)];
    if (e.checked == checked) return;
    e.checked = checked;
    emit CheckChanged(i, checked);
}

void CheckList::UncheckAll() {
    for (int i = 0; i < Count(); ++i) SetChecked(i, false);
}

QStringList CheckList::CheckedTexts() const {
    QStringList out;
    for (const Entry& e : entries_) {
        if (e.checked) out << e.text;
    }
    return out;
}
