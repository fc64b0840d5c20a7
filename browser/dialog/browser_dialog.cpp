#include "browser/dialog/browser_dialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "browser/browser_paths.h"
#include "browser/dialog/file_list_model.h"
#include "browser/dialog/folder_tree.h"
#include "browser/dialog/message_box_prompter.h"
#include "browser/list_columns.h"
#include "ui/command_set.h"
#include "ui/qt_text.h"
#include "ui/resource_text.h"

namespace tessera::browser {

using ui::ToQString;
using ui::ToU16;

namespace {

// The soft keys of small dialogs: the items of menu 144.
constexpr std::uint32_t kDialogKeys = 144;
constexpr std::uint32_t kOkKey = 1;
constexpr std::uint32_t kCancelKey = 2;
// The label of the right soft key, which opens a menu.
constexpr std::uint32_t kStringMenu = 32802;
// "%s" was not found (a name typed to open).
constexpr std::uint32_t kStringNotFound = 30402;

// The parent folder of a device path ("\" for the root and its entries).
std::u16string ParentOf(std::u16string_view folder) {
  const std::size_t slash = folder.rfind(u'\\');
  if (slash == std::u16string_view::npos || slash == 0) return u"\\";
  return std::u16string(folder.substr(0, slash));
}

std::u16string_view LastName(std::u16string_view path) {
  const std::size_t slash = path.rfind(u'\\');
  return slash == std::u16string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

QSize BrowserDialog::lastSize_;

BrowserDialog::BrowserDialog(const BrowseRequest& request, QWidget* parent)
    : QDialog(parent), mode_(request.mode), settings_(CurrentBrowserSettings()) {
  setObjectName(QStringLiteral("fileBrowser"));
  sort_.key = settings_.sortKey;
  BuildLayout();
  BuildMenu();
  BuildFilters(request);
  setWindowTitle(request.title);
  SetListStyle(settings_.listStyle);
  ApplySelectionMode();
  tree_->Reset((settings_.commonMode & kModeShowHidden) != 0);
  if (!GoTo(request.folder)) GoTo(u"\\");
  if (mode_ == BrowseMode::Save) {
    nameEdit_->setText(ToQString(request.proposedName));
    // The name without its extension is selected, ready to be typed over.
    const qsizetype dot = nameEdit_->text().lastIndexOf(QChar(u'.'));
    nameEdit_->setSelection(0, dot > 0 ? dot : nameEdit_->text().size());
    nameEdit_->setFocus();
  } else {
    listView()->setFocus();
  }
  FitToScreen();
}

BrowserDialog::~BrowserDialog() = default;

void BrowserDialog::BuildLayout() {
  auto* column = new QVBoxLayout(this);

  auto* bar = new QHBoxLayout;
  const auto toolButton = [this](QStyle::StandardPixmap icon, std::uint32_t id) {
    auto* button = new QToolButton(this);
    button->setIcon(style()->standardIcon(icon));
    button->setToolTip(QString(ui::WithoutHint(ui::MenuItemText(kBrowserMenu, id))).remove(u'&'));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
  };
  upButton_ = toolButton(QStyle::SP_FileDialogToParent, command::kUp);
  refreshButton_ = toolButton(QStyle::SP_BrowserReload, command::kRefresh);
  connect(upButton_, &QToolButton::clicked, this, &BrowserDialog::GoUp);
  connect(refreshButton_, &QToolButton::clicked, this, &BrowserDialog::Refresh);
  location_ = new QLabel(this);
  location_->setObjectName(QStringLiteral("location"));
  location_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  bar->addWidget(upButton_);
  bar->addWidget(refreshButton_);
  bar->addWidget(location_, 1);
  const QStyle::StandardPixmap styleIcons[] = {QStyle::SP_FileDialogContentsView,
                                               QStyle::SP_FileDialogListView,
                                               QStyle::SP_FileDialogDetailedView};
  for (int style = 0; style < 3; ++style) {
    QToolButton* button =
        toolButton(styleIcons[style], command::kIconStyle + static_cast<std::uint32_t>(style));
    button->setCheckable(true);
    connect(button, &QToolButton::clicked, this, [this, style] { SetListStyle(style); });
    styleButtons_[style] = button;
    bar->addWidget(button);
  }
  menuButton_ = new QToolButton(this);
  menuButton_->setObjectName(QStringLiteral("menuButton"));
  menuButton_->setText(ui::ResourceString(kStringMenu));
  menuButton_->setPopupMode(QToolButton::InstantPopup);
  menuButton_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  menuButton_->setFocusPolicy(Qt::NoFocus);
  bar->addWidget(menuButton_);
  column->addLayout(bar);

  auto* split = new QSplitter(Qt::Horizontal, this);
  tree_ = new FolderTree(split);
  tree_->setObjectName(QStringLiteral("folderTree"));
  views_ = new QStackedWidget(split);
  BuildViews();
  split->addWidget(tree_);
  split->addWidget(views_);
  split->setStretchFactor(0, 1);
  split->setStretchFactor(1, 3);
  split->setChildrenCollapsible(false);
  column->addWidget(split, 1);
  connect(tree_, &FolderTree::folderChosen, this,
          [this](const QString& path) { GoTo(ToU16(path)); });
  tree_->installEventFilter(this);

  auto* fields = new QGridLayout;
  auto* nameLabel = new QLabel(this);
  auto* filterLabel = new QLabel(this);
  nameEdit_ = new QLineEdit(this);
  nameEdit_->setObjectName(QStringLiteral("nameEdit"));
  filterBox_ = new QComboBox(this);
  filterBox_->setObjectName(QStringLiteral("filterBox"));
  nameLabel->setBuddy(nameEdit_);
  filterLabel->setBuddy(filterBox_);
  okButton_ = new QPushButton(ui::WithoutHint(ui::MenuItemText(kDialogKeys, kOkKey)), this);
  cancelButton_ = new QPushButton(ui::WithoutHint(ui::MenuItemText(kDialogKeys, kCancelKey)), this);
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &BrowserDialog::accept);
  connect(cancelButton_, &QPushButton::clicked, this, &BrowserDialog::reject);
  fields->addWidget(nameLabel, 0, 0);
  fields->addWidget(nameEdit_, 0, 1);
  fields->addWidget(okButton_, 0, 2);
  fields->addWidget(filterLabel, 1, 0);
  fields->addWidget(filterBox_, 1, 1);
  fields->addWidget(cancelButton_, 1, 2);
  fields->setColumnStretch(1, 1);
  column->addLayout(fields);
  ui::ApplyDialogTexts(this, kBrowserDialog,
                       {{kNameLabel, nameLabel}, {kFilterLabel, filterLabel}});

  setTabOrder(tree_, views_);
  setTabOrder(views_, nameEdit_);
  setTabOrder(nameEdit_, filterBox_);
  setTabOrder(filterBox_, okButton_);
  setTabOrder(okButton_, cancelButton_);
}

void BrowserDialog::BuildViews() {
  model_ = new FileListModel(this);
  iconView_ = new QListView(views_);
  iconView_->setObjectName(QStringLiteral("iconView"));
  detailView_ = new QTreeView(views_);
  detailView_->setObjectName(QStringLiteral("detailView"));
  iconView_->setModel(model_);
  detailView_->setModel(model_);
  // One selection for both views, so that a change of style keeps it.
  detailView_->setSelectionModel(iconView_->selectionModel());
  detailView_->setRootIsDecorated(false);
  detailView_->setItemsExpandable(false);
  detailView_->setAllColumnsShowFocus(true);
  detailView_->setUniformRowHeights(true);
  QHeaderView* header = detailView_->header();
  header->setSectionsClickable(true);
  header->setSortIndicatorShown(true);
  header->setStretchLastSection(false);
  header->setSectionsMovable(false);
  // The handheld's column widths, in characters of this font.
  const int unit = std::max(1, fontMetrics().averageCharWidth());
  for (std::size_t i = 0; i < kListColumns.size(); ++i)
    header->resizeSection(static_cast<int>(i), kListColumns[i].baseWidth * unit / 5);
  header->setSectionResizeMode(FileListModel::kNameColumn, QHeaderView::Stretch);
  connect(header, &QHeaderView::sectionClicked, this,
          [this](int section) { ChooseSortKey(section); });
  for (QAbstractItemView* view :
       {static_cast<QAbstractItemView*>(iconView_), static_cast<QAbstractItemView*>(detailView_)}) {
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    view->installEventFilter(this);
    views_->addWidget(view);
    connect(view, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { ActivateRow(index.row()); });
    connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& at) {
      if (menu_) menu_->popup(view->viewport()->mapToGlobal(at));
    });
  }
  connect(iconView_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &BrowserDialog::OnCurrentRowChanged);
  connect(iconView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &BrowserDialog::OnCurrentRowChanged);
}

void BrowserDialog::BuildFilters(const BrowseRequest& request) {
  filters_ = ParseFileFilter(request.filter);
  // Without a usable filter every file is shown.
  if (filters_.empty()) filters_.push_back({u"*.*", {}});
  for (const FileFilter& filter : filters_) filterBox_->addItem(ToQString(filter.description));
  const int index = request.filterIndex >= 1 && request.filterIndex <= filterBox_->count()
                        ? request.filterIndex - 1
                        : 0;
  filterBox_->setCurrentIndex(index);
  patterns_ = filters_[static_cast<std::size_t>(index)].patterns;
  connect(filterBox_, &QComboBox::currentIndexChanged, this, &BrowserDialog::FilterChosen);
}

int BrowserDialog::filterIndex() const { return filterBox_->currentIndex() + 1; }

void BrowserDialog::FilterChosen(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= filters_.size()) return;
  patterns_ = filters_[static_cast<std::size_t>(index)].patterns;
  Relist();
}

QAbstractItemView* BrowserDialog::listView() const {
  return views_->currentWidget() == detailView_ ? static_cast<QAbstractItemView*>(detailView_)
                                                : static_cast<QAbstractItemView*>(iconView_);
}

ListOptions BrowserDialog::CurrentListOptions() const {
  ListOptions options;
  options.showFolders = (settings_.commonMode & kModeShowFolders) != 0;
  options.showHidden = (settings_.commonMode & kModeShowHidden) != 0;
  if (settings_.commonMode & kModeHideShortcuts) {
    options.shortcuts = ShortcutView::Hide;
  } else if (settings_.commonMode & kModeShortcutsAsFiles) {
    options.shortcuts = ShortcutView::AsFiles;
  }
  options.patterns = patterns_;
  return options;
}

bool BrowserDialog::GoTo(std::u16string_view folder) {
  const std::u16string target = DeviceSpelling(folder.empty() ? u"\\" : folder);
  auto entries = ListFolder(target, CurrentListOptions());
  if (!entries.ok()) return false;
  const bool moved = target != folder_;
  folder_ = target;
  model_->SetEntries(std::move(*entries), sort_);
  ApplyGhosts();
  tree_->ShowFolder(folder_);
  location_->setText(ToQString(folder_));
  if (model_->rowCount() > 0)
    listView()->selectionModel()->setCurrentIndex(model_->index(0, 0),
                                                  QItemSelectionModel::NoUpdate);
  if (moved && mode_ != BrowseMode::Save) nameEdit_->clear();
  return true;
}

void BrowserDialog::Relist() {
  const std::vector<std::u16string> selected = SelectedFileNames();
  const QModelIndex current = listView()->currentIndex();
  const std::u16string currentName =
      current.isValid() ? model_->Entry(current.row()).fileName : std::u16string();
  if (!GoTo(folder_)) {
    // The folder went away behind the dialog's back: its nearest parent.
    std::u16string up = folder_;
    do {
      up = ParentOf(up);
    } while (!GoTo(up) && up != u"\\");
    return;
  }
  SelectNames(selected);
  if (const int row = model_->RowOf(currentName); row >= 0 && selected.empty())
    listView()->selectionModel()->setCurrentIndex(model_->index(row, 0),
                                                  QItemSelectionModel::NoUpdate);
}

void BrowserDialog::Refresh() {
  tree_->Reload(folder_);
  Relist();
}

void BrowserDialog::GoUp() {
  if (folder_ == u"\\") return;
  const std::u16string child(LastName(folder_));
  if (GoTo(ParentOf(folder_))) SelectNames({child});
}

std::u16string BrowserDialog::RowPath(int row) const {
  const ListEntry& entry = model_->Entry(row);
  if (entry.shortcut == ShortcutState::Followed) return entry.target;
  return ChildPath(folder_, entry.fileName);
}

void BrowserDialog::ActivateRow(int row) {
  if (row < 0 || row >= model_->rowCount()) return;
  const ListEntry& entry = model_->Entry(row);
  if (entry.isParent()) {
    GoUp();
  } else if (entry.isFolder()) {
    GoTo(RowPath(row));
  } else {
    Choose(RowPath(row), false);
  }
}

void BrowserDialog::accept() {
  const QString typed = nameEdit_->text().trimmed();
  // A shortcut is typed under the name it is shown with.
  if (!typed.isEmpty() && !typed.contains(QChar(u'\\'))) {
    const int row = model_->RowShowing(ToU16(typed));
    if (row >= 0 && model_->Entry(row).shortcut == ShortcutState::Followed) {
      ActivateRow(row);
      return;
    }
  }
  const TypedName outcome = InterpretTypedName(mode_, folder_, ToU16(typed));
  switch (outcome.action) {
    case TypedNameAction::ChooseFolderShown:
      Choose(outcome.path, true);
      break;
    case TypedNameAction::Choose:
      Choose(outcome.path, false);
      break;
    case TypedNameAction::GoToFolder:
      GoTo(outcome.path);
      nameEdit_->clear();
      break;
    case TypedNameAction::Filter:
      patterns_ = outcome.patterns;
      GoTo(outcome.path);
      break;
    case TypedNameAction::NotFound: {
      MessageBoxPrompter prompter(this);
      PromptChannel(prompter, {}).Ask(kStringNotFound, kNoticeStyle, outcome.path);
      nameEdit_->setFocus();
      break;
    }
    case TypedNameAction::Stay:
      nameEdit_->setFocus();
      break;
  }
}

void BrowserDialog::Choose(std::u16string path, bool isDirectory) {
  choice_ = {std::move(path), isDirectory};
  QDialog::accept();
}

void BrowserDialog::done(int result) {
  lastSize_ = size();
  QDialog::done(result);
}

std::vector<int> BrowserDialog::SelectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : listView()->selectionModel()->selectedRows())
    rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

std::vector<std::u16string> BrowserDialog::SelectedFileNames() const {
  std::vector<std::u16string> names;
  for (const int row : SelectedRows()) {
    if (!model_->Entry(row).isParent()) names.push_back(model_->Entry(row).fileName);
  }
  return names;
}

void BrowserDialog::SelectNames(const std::vector<std::u16string>& fileNames) {
  QItemSelectionModel* selection = listView()->selectionModel();
  bool first = true;
  for (const std::u16string& name : fileNames) {
    const int row = model_->RowOf(name);
    if (row < 0) continue;
    const QModelIndex index = model_->index(row, 0);
    if (first) {
      selection->setCurrentIndex(index,
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
      listView()->scrollTo(index);
      first = false;
    } else {
      selection->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
  }
}

void BrowserDialog::OnCurrentRowChanged() {
  const QModelIndex current = listView()->currentIndex();
  if (!current.isValid() || !listView()->selectionModel()->isRowSelected(current.row(), {})) return;
  const ListEntry& entry = model_->Entry(current.row());
  if (entry.isParent()) return;
  // In save mode a folder does not take the place of the name to write.
  if (entry.isFolder() && mode_ == BrowseMode::Save) return;
  nameEdit_->setText(ToQString(entry.data.name));
}

bool BrowserDialog::IsBrowserKey(const QKeyEvent& key) const {
  const QKeySequence pressed(key.keyCombination());
  for (const QAction* action : actions()) {
    if (action->shortcuts().contains(pressed)) return true;
  }
  return false;
}

bool BrowserDialog::eventFilter(QObject* watched, QEvent* event) {
  const bool inList = watched == iconView_ || watched == detailView_;
  // The list would take Ctrl+C and the like for itself (copying its text);
  // the browser's keys copy, cut and paste files.
  if (event->type() == QEvent::ShortcutOverride && inList &&
      IsBrowserKey(*static_cast<QKeyEvent*>(event))) {
    event->ignore();
    return true;
  }
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
    return QDialog::eventFilter(watched, event);
  switch (key->key()) {
    case Qt::Key_Backspace:
      GoUp();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (inList) {
        ActivateRow(listView()->currentIndex().row());
      } else {
        listView()->setFocus();
      }
      return true;
    default:
      return QDialog::eventFilter(watched, event);
  }
}

void BrowserDialog::FitToScreen() {
  QScreen* screen = parentWidget() ? parentWidget()->screen() : QApplication::primaryScreen();
  const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
  const QFontMetrics metrics = fontMetrics();
  QSize wanted = lastSize_.isValid()
                     ? lastSize_
                     : QSize(metrics.averageCharWidth() * 100, metrics.height() * 30);
  wanted = wanted.expandedTo(minimumSizeHint());
  wanted = wanted.boundedTo(QSize(area.width() * 9 / 10, area.height() * 9 / 10));
  resize(wanted);
  const QRect over = parentWidget() ? parentWidget()->window()->frameGeometry() : area;
  QRect frame(QPoint(), wanted);
  frame.moveCenter(over.center());
  frame.moveLeft(std::clamp(frame.left(), area.left(), area.right() - frame.width()));
  frame.moveTop(std::clamp(frame.top(), area.top(), area.bottom() - frame.height()));
  move(frame.topLeft());
}

}  // namespace tessera::browser
