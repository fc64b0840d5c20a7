#include "ui/options_general_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/device.h"
#include "platform/files.h"
#include "shell/format.h"
#include "shell/resources.h"
#include "shell/settings.h"
#include "ui/device_file_dialog.h"
#include "ui/host_message_box.h"
#include "ui/qt_text.h"
#include "ui/resource_text.h"
#include "ui/window_strings.h"

namespace tessera::ui {

namespace {

// Controls of dialog 117.
constexpr std::uint32_t kUseFile = 1053;
constexpr std::uint32_t kPathLabel = 1011;
constexpr std::uint32_t kBrowse = 1012;
constexpr std::uint32_t kStreamsGroup = 1085;
constexpr std::array<std::uint32_t, 3> kSwitchControls = {1075, 1083, 1084};

constexpr std::array<std::u16string_view, 3> kUseKeys = {u"USE_STDIN", u"USE_STDOUT",
                                                         u"USE_STDERR"};
constexpr std::array<std::u16string_view, 3> kSupportKeys = {u"SUPPORT_STDIN", u"SUPPORT_STDOUT",
                                                             u"SUPPORT_STDERR"};
// "The device seems not to pass this stream on: turn it on anyway?"
constexpr std::array<std::uint32_t, 3> kUnsupportedQuestions = {35002, 35003, 35009};
constexpr std::uint32_t kStringStreamsNextStart = 35004;
constexpr std::uint32_t kStringNoFileName = 40022;
constexpr std::uint32_t kStringFileNotFound = 40042;
constexpr std::uint32_t kStringIsFolder = 40043;
constexpr std::uint32_t kStringRecordNotWritten = 40050;
// The Select Path dialog's title and filter.
constexpr std::uint32_t kStringBatchFilter = 31001;

MessageBoxAnswer Ask(QWidget* parent, const std::u16string& text, MessageBoxButtons buttons,
                     MessageBoxIcon icon, MessageBoxAnswer defaultAnswer = MessageBoxAnswer::Ok) {
  const std::u16string caption = ApplicationTitle().toStdU16String();
  return AskWithMessageBox(parent, {.text = text,
                                    .caption = caption,
                                    .buttons = buttons,
                                    .icon = icon,
                                    .defaultAnswer = defaultAnswer});
}

}  // namespace

OptionsGeneralPage::OptionsGeneralPage(QWidget* parent)
    : QWidget(parent),
      useFile_(new QCheckBox(this)),
      path_(new QLineEdit(this)),
      browse_(new QPushButton(this)) {
  auto* column = new QVBoxLayout(this);
  auto* pathLabel = new QLabel(this);
  pathLabel->setBuddy(path_);
  useFile_->setObjectName(QStringLiteral("useStartupFile"));
  path_->setObjectName(QStringLiteral("startupPath"));
  path_->setMaxLength(static_cast<int>(kStartupPathUnits) - 1);
  browse_->setObjectName(QStringLiteral("browseStartupPath"));
  column->addWidget(useFile_);
  auto* pathRow = new QHBoxLayout;
  pathRow->addWidget(pathLabel);
  pathRow->addWidget(path_, 1);
  pathRow->addWidget(browse_);
  column->addLayout(pathRow);

  auto* streams = new QGroupBox(this);
  auto* streamColumn = new QVBoxLayout(streams);
  for (std::size_t stream = 0; stream < switches_.size(); ++stream) {
    switches_[stream] = new QCheckBox(streams);
    switches_[stream]->setObjectName(QString::fromUtf16(
        kUseKeys[stream].data(), static_cast<qsizetype>(kUseKeys[stream].size())));
    streamColumn->addWidget(switches_[stream]);
  }
  column->addWidget(streams);
  column->addStretch(1);
  ApplyDialogTexts(this, kGeneralPage,
                   {{kUseFile, useFile_},
                    {kPathLabel, pathLabel},
                    {kBrowse, browse_},
                    {kStreamsGroup, streams},
                    {kSwitchControls[0], switches_[0]},
                    {kSwitchControls[1], switches_[1]},
                    {kSwitchControls[2], switches_[2]}});

  if (std::optional<StartupRecord> record = ReadStartupRecord()) shown_ = *record;
  useFile_->setChecked(shown_.enabled);
  path_->setText(ToQString(shown_.path));
  for (std::size_t stream = 0; stream < switches_.size(); ++stream) {
    shownSwitches_[stream] = ReadSettingInt(kSettingsSection, kUseKeys[stream], 1) != 0;
    switches_[stream]->setChecked(shownSwitches_[stream]);
    connect(switches_[stream], &QCheckBox::clicked, this,
            [this, stream] { ConfirmSwitch(static_cast<int>(stream)); });
  }
  EnablePath();
  connect(useFile_, &QCheckBox::toggled, this, &OptionsGeneralPage::EnablePath);
  connect(browse_, &QPushButton::clicked, this, &OptionsGeneralPage::Browse);
}

void OptionsGeneralPage::EnablePath() {
  path_->setEnabled(useFile_->isChecked());
  browse_->setEnabled(useFile_->isChecked());
}

void OptionsGeneralPage::ConfirmSwitch(int stream) {
  const auto index = static_cast<std::size_t>(stream);
  if (!switches_[index]->isChecked()) return;
  if (ReadSettingInt(kSettingsSection, kSupportKeys[index], 256) != 0) return;
  const MessageBoxAnswer answer =
      Ask(this, LoadResourceString(kUnsupportedQuestions[index]), MessageBoxButtons::YesNo,
          MessageBoxIcon::Question, MessageBoxAnswer::No);
  if (answer != MessageBoxAnswer::Yes) switches_[index]->setChecked(false);
}

void OptionsGeneralPage::Browse() {
  // Where the file is now, else the program's own folder, where the
  // start-up file is looked for first.
  std::u16string folder = path_->text().toStdU16String();
  const std::size_t slash = folder.rfind(u'\\');
  folder = slash == std::u16string::npos ? std::u16string() : folder.substr(0, slash);
  if (folder.empty() || !platform::IsDirectory(folder)) folder = platform::ProgramDirectory();
  int filterIndex = 1;
  const auto choice = ChooseDeviceFile(window(), WindowString(kTitleSelectPath),
                                       LoadResourceString(kStringBatchFilter), folder, filterIndex);
  if (!choice) return;
  path_->setText(ToQString(choice->path));
  path_->setFocus();
}

bool OptionsGeneralPage::Commit() {
  StartupRecord record{useFile_->isChecked(), path_->text().trimmed().toStdU16String()};
  if (record.enabled) {
    if (record.path.empty()) {
      Ask(this, LoadResourceString(kStringNoFileName), MessageBoxButtons::Ok,
          MessageBoxIcon::Warning);
      path_->setFocus();
      return false;
    }
    std::uint32_t question = 0;
    if (!platform::PathExists(record.path)) {
      question = kStringFileNotFound;
    } else if (platform::IsDirectory(record.path)) {
      question = kStringIsFolder;
    }
    if (question != 0 &&
        Ask(this, FormatMessage(LoadResourceString(question), {FormatArg(record.path)}),
            MessageBoxButtons::YesNo, MessageBoxIcon::Question,
            MessageBoxAnswer::No) != MessageBoxAnswer::Yes) {
      path_->setFocus();
      return false;
    }
  }
  // The record is written when it changed, so that a folder where nothing
  // can be written does not keep the sheet from closing over a font.
  const bool recordChanged = record.enabled != shown_.enabled || record.path != shown_.path;
  if (recordChanged) {
    if (!WriteStartupRecord(record)) {
      Ask(this,
          FormatMessage(LoadResourceString(kStringRecordNotWritten),
                        {FormatArg(StartupRecordPath())}),
          MessageBoxButtons::Ok, MessageBoxIcon::Error);
      return false;
    }
    shown_ = record;
  }
  bool switchChanged = false;
  for (std::size_t stream = 0; stream < switches_.size(); ++stream) {
    const bool on = switches_[stream]->isChecked();
    static_cast<void>(WriteSettingInt(kSettingsSection, kUseKeys[stream], on ? 1 : 0).ok());
    switchChanged = switchChanged || on != shownSwitches_[stream];
    shownSwitches_[stream] = on;
  }
  if (switchChanged) {
    Ask(this, LoadResourceString(kStringStreamsNextStart), MessageBoxButtons::Ok,
        MessageBoxIcon::Information);
  }
  return true;
}

}  // namespace tessera::ui
