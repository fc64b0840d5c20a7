#include "ui/options_function_key_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "shell/resources.h"
#include "shell/settings.h"
#include "ui/device_file_dialog.h"
#include "ui/qt_text.h"
#include "ui/resource_text.h"
#include "ui/window_strings.h"

namespace tessera::ui {

namespace {

// Controls of dialog 121.
constexpr std::uint32_t kTenKeys = 1073;
constexpr std::uint32_t kLabelHeading = 1090;
constexpr std::uint32_t kCommandHeading = 1091;
constexpr std::uint32_t kLabelEdit = 1006;
constexpr std::uint32_t kCommandEdit = 1089;
constexpr std::uint32_t kBrowse = 1074;
// The Select Path dialog's filter.
constexpr std::uint32_t kStringPathFilter = 31001;

// Rows shown with eight keys.
constexpr int kEightKeys = 8;

}  // namespace

OptionsFunctionKeyPage::OptionsFunctionKeyPage(QWidget* parent)
    : QWidget(parent),
      tenKeys_(new QCheckBox(this)),
      list_(new QTableWidget(kFunctionKeyCount, 2, this)),
      label_(new QLineEdit(this)),
      command_(new QLineEdit(this)),
      browse_(new QPushButton(this)) {
  auto* column = new QVBoxLayout(this);
  tenKeys_->setObjectName(QStringLiteral("showTenKeys"));
  list_->setObjectName(QStringLiteral("functionKeys"));
  label_->setObjectName(QStringLiteral("keyLabel"));
  command_->setObjectName(QStringLiteral("keyCommand"));
  browse_->setObjectName(QStringLiteral("browseKeyCommand"));
  column->addWidget(tenKeys_);
  column->addWidget(list_, 1);
  auto* edits = new QGridLayout;
  auto* labelCaption = new QLabel(this);
  auto* commandCaption = new QLabel(this);
  labelCaption->setBuddy(label_);
  commandCaption->setBuddy(command_);
  edits->addWidget(labelCaption, 0, 0);
  edits->addWidget(label_, 0, 1, 1, 2);
  edits->addWidget(commandCaption, 1, 0);
  edits->addWidget(command_, 1, 1);
  edits->addWidget(browse_, 1, 2);
  column->addLayout(edits);
  ApplyDialogTexts(this, kFunctionKeyPage,
                   {{kTenKeys, tenKeys_},
                    {kLabelEdit, labelCaption},
                    {kCommandEdit, commandCaption},
                    {kBrowse, browse_}});

  list_->setHorizontalHeaderLabels({ToQString(LoadControlText(kFunctionKeyPage, kLabelHeading)),
                                    ToQString(LoadControlText(kFunctionKeyPage, kCommandHeading))});
  list_->horizontalHeader()->setStretchLastSection(true);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  QStringList rowNames;
  for (int number = 1; number <= kFunctionKeyCount; ++number) {
    rowNames << QStringLiteral("f%1").arg(number);
    keys_[static_cast<std::size_t>(number - 1)] = ReadFunctionKey(number);
    list_->setItem(
        number - 1, 0,
        new QTableWidgetItem(ToQString(keys_[static_cast<std::size_t>(number - 1)].label)));
    list_->setItem(
        number - 1, 1,
        new QTableWidgetItem(ToQString(keys_[static_cast<std::size_t>(number - 1)].command)));
  }
  list_->setVerticalHeaderLabels(rowNames);

  tenKeys_->setChecked(ReadShowTenKeys());
  ShowRows();
  list_->selectRow(0);
  ShowSelectedKey();
  connect(tenKeys_, &QCheckBox::toggled, this, &OptionsFunctionKeyPage::ShowRows);
  connect(list_, &QTableWidget::itemSelectionChanged, this,
          &OptionsFunctionKeyPage::ShowSelectedKey);
  connect(label_, &QLineEdit::textEdited, this, &OptionsFunctionKeyPage::TakeEdits);
  connect(command_, &QLineEdit::textEdited, this, &OptionsFunctionKeyPage::TakeEdits);
  connect(browse_, &QPushButton::clicked, this, &OptionsFunctionKeyPage::Browse);
}

void OptionsFunctionKeyPage::ShowRows() {
  const bool ten = tenKeys_->isChecked();
  for (int row = kEightKeys; row < kFunctionKeyCount; ++row) list_->setRowHidden(row, !ten);
  if (SelectedKey() > kEightKeys && !ten) list_->selectRow(0);
}

int OptionsFunctionKeyPage::SelectedKey() const {
  const QList<QTableWidgetItem*> selected = list_->selectedItems();
  return selected.isEmpty() ? 0 : selected.first()->row() + 1;
}

void OptionsFunctionKeyPage::ShowSelectedKey() {
  const int number = SelectedKey();
  label_->setEnabled(number != 0);
  command_->setEnabled(number != 0);
  browse_->setEnabled(number != 0);
  if (number == 0) {
    label_->clear();
    command_->clear();
    return;
  }
  const FunctionKeySetting& shown = keys_[static_cast<std::size_t>(number - 1)];
  label_->setText(ToQString(shown.label));
  command_->setText(ToQString(shown.command));
}

void OptionsFunctionKeyPage::TakeEdits() {
  const int number = SelectedKey();
  if (number == 0) return;
  FunctionKeySetting& edited = keys_[static_cast<std::size_t>(number - 1)];
  edited.label = ToU16(label_->text());
  edited.command = ToU16(command_->text());
  list_->item(number - 1, 0)->setText(label_->text());
  list_->item(number - 1, 1)->setText(command_->text());
}

void OptionsFunctionKeyPage::InsertPath(const QString& devicePath) {
  QString text = devicePath;
  if (text.contains(u' ')) text = u'"' + text + u'"';
  command_->insert(text);
  TakeEdits();
  command_->setFocus();
}

void OptionsFunctionKeyPage::Browse() {
  int filterIndex = 1;
  const auto choice = ChooseDeviceFile(window(), WindowString(kTitleSelectPath),
                                       LoadResourceString(kStringPathFilter), u"\\", filterIndex);
  if (choice) InsertPath(ToQString(choice->path));
}

void OptionsFunctionKeyPage::Commit() {
  static_cast<void>(
      WriteSettingInt(kSettingsSection, u"FKEY_SHOW_10_BUTTONS", tenKeys_->isChecked() ? 1 : 0)
          .ok());
  for (int number = 1; number <= kFunctionKeyCount; ++number)
    static_cast<void>(WriteFunctionKey(number, keys_[static_cast<std::size_t>(number - 1)]));
}

}  // namespace tessera::ui
