// The entries of the folder the browser shows, as the list's rows: the name
// with its icon, the size and the time, in the order of the sort state.
#pragma once

#include <QAbstractTableModel>
#include <set>
#include <string>
#include <vector>

#include "browser/dialog/entry_icons.h"
#include "browser/entry_sort.h"
#include "browser/list_entry.h"

namespace tessera::browser {

class FileListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kNameColumn = 0, kSizeColumn = 1, kTimeColumn = 2, kColumnCount = 3 };

  explicit FileListModel(QObject* parent = nullptr);

  // The entries of a folder, put in the order of state.
  void SetEntries(std::vector<ListEntry> entries, const SortState& state);
  // Orders the rows anew; views keep their selection and current row.
  void Sort(const SortState& state);
  // Takes rows out (any order).
  void RemoveRows(std::vector<std::size_t> rows);
  // The entries of these names are drawn ghosted (they are on the file
  // clipboard); no others.
  void SetGhosted(const std::set<std::u16string>& fileNames);

  const ListEntry& Entry(int row) const { return rows_[static_cast<std::size_t>(row)].entry; }
  bool IsGhosted(int row) const { return rows_[static_cast<std::size_t>(row)].ghosted; }
  // The row of the entry with this file name (exactly), or -1.
  int RowOf(std::u16string_view fileName) const;
  // The row whose shown name equals name without regard to case, or -1.
  int RowShowing(std::u16string_view name) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  struct Row {
    ListEntry entry;
    QString name;
    QString size;
    QString time;
    bool ghosted = false;
  };

  std::vector<Row> rows_;
  mutable EntryIcons icons_;
};

}  // namespace tessera::browser
