#include "ui/font_chooser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialog_keys.h"
#include "ui/resource_text.h"
#include "ui/window_strings.h"

namespace tessera::ui {

namespace {

// Controls of dialog 150.
constexpr std::uint32_t kFamilyLabel = 1120;
constexpr std::uint32_t kSizeLabel = 1121;
constexpr std::uint32_t kBold = 1122;
constexpr std::uint32_t kItalic = 1123;
constexpr std::uint32_t kSampleGroup = 1124;
constexpr std::uint32_t kSampleText = 1125;
constexpr std::uint32_t kStringBadSize = 40024;

constexpr int kOfferedSizes[] = {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 28, 36, 48, 72};

}  // namespace

FontChooser::FontChooser(const FontEntry& initial, QWidget* parent)
    : QDialog(parent),
      families_(new QListWidget(this)),
      size_(new QComboBox(this)),
      bold_(new QCheckBox(this)),
      italic_(new QCheckBox(this)),
      sample_(new QLabel(this)) {
  auto* grid = new QGridLayout(this);
  auto* familyLabel = new QLabel(this);
  auto* sizeLabel = new QLabel(this);
  familyLabel->setBuddy(families_);
  sizeLabel->setBuddy(size_);
  auto* sampleGroup = new QGroupBox(this);
  auto* sampleColumn = new QVBoxLayout(sampleGroup);
  sample_->setAlignment(Qt::AlignCenter);
  sample_->setMinimumHeight(60);
  sampleColumn->addWidget(sample_);
  ApplyDialogTexts(this, kFontChooserDialog,
                   {{kFamilyLabel, familyLabel},
                    {kSizeLabel, sizeLabel},
                    {kBold, bold_},
                    {kItalic, italic_},
                    {kSampleGroup, sampleGroup},
                    {kSampleText, sample_}});
  families_->setObjectName(QStringLiteral("fontFamilies"));
  size_->setObjectName(QStringLiteral("fontSize"));
  sample_->setObjectName(QStringLiteral("fontSample"));

  // The stored face stays on offer even where it is not installed.
  QStringList names = QFontDatabase::families();
  if (!initial.face.isEmpty() && !names.contains(initial.face)) names.prepend(initial.face);
  families_->addItems(names);
  const QList<QListWidgetItem*> current = families_->findItems(initial.face, Qt::MatchExactly);
  if (!current.isEmpty()) families_->setCurrentItem(current.first());

  size_->setEditable(true);
  size_->setInsertPolicy(QComboBox::NoInsert);
  for (int size : kOfferedSizes) size_->addItem(QString::number(size));
  // Digits only; the range is checked by OK, with a message.
  size_->lineEdit()->setValidator(new QIntValidator(0, 9999, size_));
  size_->setEditText(QString::number(initial.size));
  bold_->setChecked(initial.bold);
  italic_->setChecked(initial.italic);

  QDialogButtonBox* buttons = NewDialogKeys(*this).box;

  grid->addWidget(familyLabel, 0, 0);
  grid->addWidget(sizeLabel, 0, 1);
  grid->addWidget(families_, 1, 0, 3, 1);
  grid->addWidget(size_, 1, 1);
  grid->addWidget(bold_, 2, 1);
  grid->addWidget(italic_, 3, 1, Qt::AlignTop);
  grid->addWidget(sampleGroup, 4, 0, 1, 2);
  grid->addWidget(buttons, 5, 0, 1, 2);
  grid->setColumnStretch(0, 1);

  connect(families_, &QListWidget::currentTextChanged, this, &FontChooser::ShowSample);
  connect(size_, &QComboBox::currentTextChanged, this, &FontChooser::ShowSample);
  connect(bold_, &QCheckBox::toggled, this, &FontChooser::ShowSample);
  connect(italic_, &QCheckBox::toggled, this, &FontChooser::ShowSample);
  ShowSample();
  families_->setFocus();
}

int FontChooser::TypedSize() const {
  bool number = false;
  const int size = size_->currentText().trimmed().toInt(&number);
  return number ? size : 0;
}

FontEntry FontChooser::entry() const {
  FontEntry chosen;
  if (const QListWidgetItem* item = families_->currentItem()) chosen.face = item->text();
  chosen.size = TypedSize();
  chosen.bold = bold_->isChecked();
  chosen.italic = italic_->isChecked();
  return chosen;
}

void FontChooser::ShowSample() {
  FontEntry shown = entry();
  // A size being typed shows the sample at the nearest size allowed.
  shown.size = std::clamp(shown.size, kSmallestFontSize, kLargestFontSize);
  sample_->setFont(ConsoleFontOf(shown));
}

void FontChooser::accept() {
  const int size = TypedSize();
  if (size < kSmallestFontSize || size > kLargestFontSize) {
    QString text = ResourceString(kStringBadSize);
    if (text.isEmpty()) text = QStringLiteral("Invalid Font Size.");
    QMessageBox::critical(this, ApplicationTitle(), text);
    size_->setFocus();
    size_->lineEdit()->selectAll();
    return;
  }
  QDialog::accept();
}

}  // namespace tessera::ui
