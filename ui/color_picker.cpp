#include "ui/color_picker.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/settings.h"
#include "ui/dialog_keys.h"
#include "ui/resource_text.h"
#include "ui/window_settings.h"

namespace tessera::ui {

const std::array<std::int32_t, 48> kBasicColors = {
    0x9999FF, 0x99FFFF, 0x99FF99, 0x99FF00, 0xFFFF99, 0xFF9900, 0xCC99FF, 0xFF66FF,
    0x0000FF, 0x00FFFF, 0x00FF99, 0x33FF00, 0xFFFF00, 0xCC9900, 0xCC9999, 0xFF0066,
    0x333399, 0x3399FF, 0x00FF00, 0x999900, 0x993300, 0xFF9999, 0x330099, 0x9900FF,
    0x000066, 0x0066FF, 0x006666, 0x339900, 0xFF0000, 0xCC0000, 0x990099, 0xFF0099,
    0x000033, 0x003399, 0x006600, 0x333300, 0x990000, 0x330000, 0x330033, 0x990033,
    0x000000, 0x006699, 0x339999, 0x999999, 0x996633, 0xCCCCCC, 0x3300CC, 0xFFFFFF,
};

namespace {

// Controls of dialog 153.
constexpr std::uint32_t kBasicLabel = 1130;
constexpr std::uint32_t kRecentLabel = 1131;
constexpr std::array<std::uint32_t, 3> kChannelLabels = {1132, 1133, 1134};
constexpr std::uint32_t kPickUp = 1135;

constexpr int kBasicColumns = 8;
constexpr int kButtonSide = 22;
constexpr std::int32_t kUnsetRecentColor = 0xFFFFFF;

std::u16string RecentKey(std::size_t index) {
  return u"CUSTOM_COLOR" + std::u16string(1, static_cast<char16_t>(u'1' + index));
}

QToolButton* NewColorButton(QWidget* parent, std::uint32_t control) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QStringLiteral("color%1").arg(control));
  button->setFixedSize(kButtonSide, kButtonSide);
  button->setIconSize(QSize(kButtonSide - 6, kButtonSide - 6));
  button->setAutoRaise(false);
  return button;
}

}  // namespace

QIcon ColorSwatch(const QColor& color, int side) {
  QPixmap square(side, side);
  square.fill(color);
  QPainter frame(&square);
  frame.setPen(QColor(128, 128, 128));
  frame.drawRect(0, 0, side - 1, side - 1);
  return QIcon(square);
}

std::vector<QColor> ReadRecentColors() {
  const auto count = static_cast<std::size_t>(
      std::clamp<std::int32_t>(ReadSettingInt(kSettingsSection, u"CUSTOM_COLOR_COUNT", 0), 0,
                               static_cast<std::int32_t>(kRecentColorCount)));
  std::vector<QColor> colors;
  for (std::size_t i = 0; i < count; ++i)
    colors.push_back(
        ColorFromSetting(ReadSettingInt(kSettingsSection, RecentKey(i), kUnsetRecentColor)));
  return colors;
}

void StoreRecentColor(const QColor& color) {
  std::vector<QColor> colors = ReadRecentColors();
  std::erase(colors, color);
  colors.insert(colors.begin(), color);
  if (colors.size() > kRecentColorCount) colors.resize(kRecentColorCount);
  // The list is a convenience: what cannot be written keeps its old value.
  for (std::size_t i = 0; i < colors.size(); ++i)
    static_cast<void>(
        WriteSettingInt(kSettingsSection, RecentKey(i), SettingFromColor(colors[i])).ok());
  static_cast<void>(WriteSettingInt(kSettingsSection, u"CUSTOM_COLOR_COUNT",
                                    static_cast<std::int32_t>(colors.size()))
                        .ok());
}

QColor ScreenColorAt(const QPoint& global) {
  QScreen* screen = QGuiApplication::screenAt(global);
  if (!screen) return {};
  const QPoint local = global - screen->geometry().topLeft();
  const QPixmap pixel = screen->grabWindow(0, local.x(), local.y(), 1, 1);
  if (pixel.isNull()) return {};
  const QImage image = pixel.toImage();
  return image.isNull() ? QColor() : image.pixelColor(0, 0);
}

ColorPicker::ColorPicker(const QColor& initial, QWidget* parent)
    : QDialog(parent),
      sampler_(ScreenColorAt),
      swatch_(new QLabel(this)),
      pickUp_(new QPushButton(this)) {
  auto* column = new QVBoxLayout(this);
  auto* basicLabel = new QLabel(this);
  column->addWidget(basicLabel);
  auto* basic = new QGridLayout;
  basic->setSpacing(2);
  for (std::size_t i = 0; i < kBasicColors.size(); ++i) {
    const auto control = kFirstBasicColorButton + static_cast<std::uint32_t>(i);
    QToolButton* button = NewColorButton(this, control);
    const QColor shown = ColorFromSetting(kBasicColors[i]);
    button->setIcon(ColorSwatch(shown, kButtonSide - 6));
    button->setToolTip(shown.name());
    connect(button, &QToolButton::clicked, this, [this, shown] { SetColor(shown); });
    basic->addWidget(button, static_cast<int>(i) / kBasicColumns,
                     static_cast<int>(i) % kBasicColumns);
    buttons_.push_back(button);
  }
  column->addLayout(basic);
  basicLabel->setBuddy(buttons_.front());

  auto* recentLabel = new QLabel(this);
  column->addWidget(recentLabel);
  auto* recent = new QHBoxLayout;
  recent->setSpacing(2);
  const std::vector<QColor> recentColors = ReadRecentColors();
  for (std::size_t i = 0; i < kRecentColorCount; ++i) {
    QToolButton* button =
        NewColorButton(this, kFirstRecentColorButton + static_cast<std::uint32_t>(i));
    if (i < recentColors.size()) {
      const QColor shown = recentColors[i];
      button->setIcon(ColorSwatch(shown, kButtonSide - 6));
      button->setToolTip(shown.name());
      connect(button, &QToolButton::clicked, this, [this, shown] { SetColor(shown); });
    } else {
      button->setEnabled(false);
    }
    recent->addWidget(button);
    buttons_.push_back(button);
  }
  recentLabel->setBuddy(buttons_[kBasicColors.size()]);
  recent->addStretch(1);
  column->addLayout(recent);

  auto* mixer = new QGridLayout;
  swatch_->setObjectName(QStringLiteral("chosenColor"));
  swatch_->setFixedSize(56, 56);
  mixer->addWidget(swatch_, 0, 0, 3, 1);
  std::array<QLabel*, 3> channelLabels{};
  for (std::size_t i = 0; i < channels_.size(); ++i) {
    channelLabels[i] = new QLabel(this);
    channels_[i] = new QSpinBox(this);
    channels_[i]->setRange(0, 255);
    sliders_[i] = new QSlider(Qt::Horizontal, this);
    sliders_[i]->setRange(0, 255);
    channelLabels[i]->setBuddy(channels_[i]);
    const int row = static_cast<int>(i);
    mixer->addWidget(channelLabels[i], row, 1);
    mixer->addWidget(channels_[i], row, 2);
    mixer->addWidget(sliders_[i], row, 3);
    connect(sliders_[i], &QSlider::valueChanged, channels_[i], &QSpinBox::setValue);
    connect(channels_[i], &QSpinBox::valueChanged, this, [this] {
      SetColor(QColor(channels_[0]->value(), channels_[1]->value(), channels_[2]->value()));
    });
  }
  mixer->setColumnStretch(3, 1);
  column->addLayout(mixer);
  pickUp_->setObjectName(QStringLiteral("pickUp"));
  column->addWidget(pickUp_, 0, Qt::AlignLeft);
  connect(pickUp_, &QPushButton::clicked, this, &ColorPicker::StartPicking);

  ApplyDialogTexts(this, kColorPickerDialog,
                   {{kBasicLabel, basicLabel},
                    {kRecentLabel, recentLabel},
                    {kChannelLabels[0], channelLabels[0]},
                    {kChannelLabels[1], channelLabels[1]},
                    {kChannelLabels[2], channelLabels[2]},
                    {kPickUp, pickUp_}});

  column->addWidget(NewDialogKeys(*this).box);

  SetColor(initial.isValid() ? initial : QColor(Qt::white));
}

void ColorPicker::SetColor(const QColor& color) {
  if (!color.isValid()) return;
  color_ = QColor(color.red(), color.green(), color.blue());
  const std::array<int, 3> values = {color_.red(), color_.green(), color_.blue()};
  for (std::size_t i = 0; i < channels_.size(); ++i) {
    // Setting one channel must not mix the others' old values back in.
    const QSignalBlocker quietNumber(channels_[i]);
    const QSignalBlocker quietSlider(sliders_[i]);
    channels_[i]->setValue(values[i]);
    sliders_[i]->setValue(values[i]);
  }
  swatch_->setPixmap(ColorSwatch(color_, swatch_->width()).pixmap(swatch_->size()));
}

QToolButton* ColorPicker::colorButton(std::uint32_t control) const {
  const std::uint32_t index = control - kFirstBasicColorButton;
  return index < buttons_.size() ? buttons_[index] : nullptr;
}

void ColorPicker::SetScreenSampler(std::function<QColor(const QPoint&)> sampler) {
  sampler_ = std::move(sampler);
}

void ColorPicker::StartPicking() {
  picking_ = true;
  beforePicking_ = color_;
  setMouseTracking(true);
  grabMouse(Qt::CrossCursor);
  grabKeyboard();
}

void ColorPicker::StopPicking(bool keep) {
  picking_ = false;
  releaseKeyboard();
  releaseMouse();
  setMouseTracking(false);
  if (!keep) SetColor(beforePicking_);
}

void ColorPicker::mouseMoveEvent(QMouseEvent* event) {
  if (!picking_) {
    QDialog::mouseMoveEvent(event);
    return;
  }
  SetColor(sampler_(event->globalPosition().toPoint()));
}

void ColorPicker::mousePressEvent(QMouseEvent* event) {
  if (!picking_) {
    QDialog::mousePressEvent(event);
    return;
  }
  SetColor(sampler_(event->globalPosition().toPoint()));
  StopPicking(true);
}

void ColorPicker::keyPressEvent(QKeyEvent* event) {
  if (!picking_) {
    QDialog::keyPressEvent(event);
    return;
  }
  // Escape gives the colour back; Enter keeps the one under the pointer.
  if (event->key() == Qt::Key_Escape) {
    StopPicking(false);
  } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    StopPicking(true);
  }
}

void ColorPicker::accept() {
  if (picking_) StopPicking(true);
  StoreRecentColor(color_);
  QDialog::accept();
}

void ColorPicker::reject() {
  if (picking_) StopPicking(false);
  QDialog::reject();
}

}  // namespace tessera::ui
