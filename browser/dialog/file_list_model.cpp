#include "browser/dialog/file_list_model.h"

#include <QApplication>
#include <QPalette>
#include <algorithm>
#include <numeric>

#include "browser/entry_texts.h"
#include "browser/list_columns.h"
#include "platform/text.h"

namespace tessera::browser {

namespace {

QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

FileListModel::FileListModel(QObject* parent) : QAbstractTableModel(parent) {}

void FileListModel::SetEntries(std::vector<ListEntry> entries, const SortState& state) {
  SortEntries(entries, state);
  beginResetModel();
  rows_.clear();
  rows_.reserve(entries.size());
  const platform::SystemTime today = platform::GetDeviceLocalTime();
  for (ListEntry& entry : entries) {
    Row row;
    row.name = ToQString(entry.data.name);
    row.size = ToQString(SizeText(entry.data.info));
    row.time = ToQString(TimeText(entry.data.info.lastWriteTime, today));
    row.entry = std::move(entry);
    rows_.push_back(std::move(row));
  }
  endResetModel();
}

void FileListModel::Sort(const SortState& state) {
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  std::vector<std::size_t> order(rows_.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [this, &state](std::size_t a, std::size_t b) {
    return CompareEntries(rows_[a].entry, rows_[b].entry, state) < 0;
  });
  std::vector<Row> sorted;
  sorted.reserve(rows_.size());
  std::vector<int> newRow(rows_.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    newRow[order[i]] = static_cast<int>(i);
    sorted.push_back(std::move(rows_[order[i]]));
  }
  rows_ = std::move(sorted);
  const QModelIndexList before = persistentIndexList();
  QModelIndexList after;
  for (const QModelIndex& index : before)
    after << this->index(newRow[static_cast<std::size_t>(index.row())], index.column());
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void FileListModel::RemoveRows(std::vector<std::size_t> rows) {
  std::sort(rows.begin(), rows.end(), std::greater<>());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  for (const std::size_t row : rows) {
    if (row >= rows_.size()) continue;
    const int at = static_cast<int>(row);
    beginRemoveRows({}, at, at);
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
    endRemoveRows();
  }
}

void FileListModel::SetGhosted(const std::set<std::u16string>& fileNames) {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const bool ghosted = fileNames.count(rows_[i].entry.fileName) != 0;
    if (ghosted == rows_[i].ghosted) continue;
    rows_[i].ghosted = ghosted;
    const int row = static_cast<int>(i);
    emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
  }
}

int FileListModel::RowOf(std::u16string_view fileName) const {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].entry.fileName == fileName) return static_cast<int>(i);
  }
  return -1;
}

int FileListModel::RowShowing(std::u16string_view name) const {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (platform::EqualsNoCase(rows_[i].entry.data.name, name)) return static_cast<int>(i);
  }
  return -1;
}

int FileListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int FileListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const Row& row = rows_[static_cast<std::size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
      if (index.column() == kNameColumn) return row.name;
      return index.column() == kSizeColumn ? row.size : row.time;
    case Qt::DecorationRole:
      if (index.column() != kNameColumn) return {};
      return icons_.Icon(IconOf(row.entry), row.ghosted);
    case Qt::ForegroundRole:
      if (!row.ghosted) return {};
      return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
    case Qt::TextAlignmentRole:
      if (kListColumns[static_cast<std::size_t>(index.column())].alignment ==
          ColumnAlignment::Right)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
      return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) return {};
  const ListColumn& column = kListColumns[static_cast<std::size_t>(section)];
  if (role == Qt::DisplayRole) return ToQString(ColumnTitle(column));
  if (role == Qt::TextAlignmentRole) {
    return QVariant::fromValue(column.alignment == ColumnAlignment::Right ? Qt::AlignRight
                                                                          : Qt::AlignLeft);
  }
  return {};
}

}  // namespace tessera::browser
