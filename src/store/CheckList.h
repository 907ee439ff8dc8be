#pragma once
// An ordered list of names, each with a checked mark: the model behind the
// library lists of the Library Files page. Views listen to its signals.
#include <vector>

#include <QObject>
#include <QString>

class CheckList : public QObject {
    Q_OBJECT
public:
    struct Entry {
        QString text;
        bool checked = false;
    };

    explicit CheckList(QObject* parent = nullptr) : QObject(parent) {}

    int Count() const { return static_cast<int>(entries_.size()); }
    const Entry& At(int i) const { return entries_.at(static_cast<std::size_t>(i)); }
    const std::vector<Entry>& Entries() const { return entries_; }

    void Append(const QString& text, bool checked = false);
    void Clear();
    void SetChecked(int i, bool checked);
    void UncheckAll();
    QStringList CheckedTexts() const;

signals:
    // The entries were added or removed; views rebuild.
    void EntriesChanged();
    // The mark of entry i changed.
    void CheckChanged(int i, bool checked);

private:
    std::vector<Entry> entries_;
};
