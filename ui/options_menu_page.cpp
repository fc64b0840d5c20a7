#include "ui/options_menu_page.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "shell/settings.h"
#include "ui/resource_text.h"

namespace tessera::ui {

namespace {

// Controls of dialog 118.
constexpr std::uint32_t kSoftKeys = 1030;
constexpr std::uint32_t kLabelGroup = 1031;
constexpr std::uint32_t kFixedLabels = 1032;
constexpr std::uint32_t kNameAndSize = 1033;

}  // namespace

OptionsMenuPage::OptionsMenuPage(QWidget* parent)
    : QWidget(parent), softKeys_(new QCheckBox(this)) {
  auto* column = new QVBoxLayout(this);
  auto* group = new QGroupBox(this);
  auto* choices = new QVBoxLayout(group);
  fixedLabels_ = new QRadioButton(group);
  nameAndSize_ = new QRadioButton(group);
  softKeys_->setObjectName(QStringLiteral("useSoftKeyMenu"));
  fixedLabels_->setObjectName(QStringLiteral("fixedFontLabels"));
  nameAndSize_->setObjectName(QStringLiteral("fontNameLabels"));
  choices->addWidget(fixedLabels_);
  choices->addWidget(nameAndSize_);
  column->addWidget(softKeys_);
  column->addWidget(group);
  column->addStretch(1);
  ApplyDialogTexts(this, kMenuPage,
                   {{kSoftKeys, softKeys_},
                    {kLabelGroup, group},
                    {kFixedLabels, fixedLabels_},
                    {kNameAndSize, nameAndSize_}});
  softKeys_->setChecked(ReadSettingInt(kSettingsSection, u"USE_SOFT_KEY_MENU", 1) != 0);
  const bool nameAndSize = ReadSettingInt(kSettingsSection, u"FONT_LABEL_FORMAT", 1) == 1;
  nameAndSize_->setChecked(nameAndSize);
  fixedLabels_->setChecked(!nameAndSize);
}

void OptionsMenuPage::Commit() {
  static_cast<void>(
      WriteSettingInt(kSettingsSection, u"USE_SOFT_KEY_MENU", softKeys_->isChecked() ? 1 : 0).ok());
  static_cast<void>(
      WriteSettingInt(kSettingsSection, u"FONT_LABEL_FORMAT", nameAndSize_->isChecked() ? 1 : 0)
          .ok());
}

}  // namespace tessera::ui
