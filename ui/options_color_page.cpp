#include "ui/options_color_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "shell/settings.h"
#include "ui/color_picker.h"
#include "ui/resource_text.h"
#include "ui/window_settings.h"

namespace tessera::ui {

namespace {

// Controls of dialog 120.
constexpr std::uint32_t kTextLabel = 1100;
constexpr std::uint32_t kTextButton = 1101;
constexpr std::uint32_t kBackgroundLabel = 1102;
constexpr std::uint32_t kBackgroundButton = 1103;
constexpr std::uint32_t kPreview = 1104;

constexpr int kSwatchSide = 20;

}  // namespace

OptionsColorPage::OptionsColorPage(QWidget* parent)
    : QWidget(parent),
      textSwatch_(new QLabel(this)),
      backgroundSwatch_(new QLabel(this)),
      textButton_(new QPushButton(this)),
      backgroundButton_(new QPushButton(this)),
      preview_(new QLabel(this)) {
  auto* grid = new QGridLayout(this);
  auto* textLabel = new QLabel(this);
  auto* backgroundLabel = new QLabel(this);
  textLabel->setBuddy(textButton_);
  backgroundLabel->setBuddy(backgroundButton_);
  textButton_->setObjectName(QStringLiteral("chooseTextColor"));
  backgroundButton_->setObjectName(QStringLiteral("chooseBackgroundColor"));
  preview_->setObjectName(QStringLiteral("colorPreview"));
  preview_->setAlignment(Qt::AlignCenter);
  preview_->setMinimumHeight(64);
  preview_->setAutoFillBackground(true);
  preview_->setFrameShape(QFrame::Box);
  grid->addWidget(textLabel, 0, 0);
  grid->addWidget(textSwatch_, 0, 1);
  grid->addWidget(textButton_, 0, 2);
  grid->addWidget(backgroundLabel, 1, 0);
  grid->addWidget(backgroundSwatch_, 1, 1);
  grid->addWidget(backgroundButton_, 1, 2);
  grid->addWidget(preview_, 2, 0, 1, 4);
  grid->setColumnStretch(3, 1);
  grid->setRowStretch(3, 1);
  ApplyDialogTexts(this, kColorPage,
                   {{kTextLabel, textLabel},
                    {kTextButton, textButton_},
                    {kBackgroundLabel, backgroundLabel},
                    {kBackgroundButton, backgroundButton_},
                    {kPreview, preview_}});
  connect(textButton_, &QPushButton::clicked, this, [this] { Choose(false); });
  connect(backgroundButton_, &QPushButton::clicked, this, [this] { Choose(true); });
  SetColors(ReadTextColor(), ReadBackgroundColor());
}

void OptionsColorPage::SetColors(const QColor& text, const QColor& background) {
  text_ = text;
  background_ = background;
  textSwatch_->setPixmap(ColorSwatch(text_, kSwatchSide).pixmap(kSwatchSide, kSwatchSide));
  backgroundSwatch_->setPixmap(
      ColorSwatch(background_, kSwatchSide).pixmap(kSwatchSide, kSwatchSide));
  QPalette palette = preview_->palette();
  palette.setColor(QPalette::Window, background_);
  palette.setColor(QPalette::WindowText, text_);
  preview_->setPalette(palette);
}

void OptionsColorPage::Choose(bool background) {
  ColorPicker picker(background ? background_ : text_, window());
  if (picker.exec() != QDialog::Accepted) return;
  if (background) {
    SetColors(text_, picker.color());
  } else {
    SetColors(picker.color(), background_);
  }
}

void OptionsColorPage::Commit() {
  static_cast<void>(WriteSettingInt(kSettingsSection, u"COLOR_TEXT", SettingFromColor(text_)).ok());
  static_cast<void>(
      WriteSettingInt(kSettingsSection, u"COLOR_BACKGROUND", SettingFromColor(background_)).ok());
}

}  // namespace tessera::ui
