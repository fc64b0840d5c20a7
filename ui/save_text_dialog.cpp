#include "ui/save_text_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "browser/dialog/message_box_prompter.h"
#include "shell/paths.h"
#include "shell/resources.h"
#include "ui/console_edit.h"
#include "ui/device_file_dialog.h"
#include "ui/qt_text.h"
#include "ui/resource_text.h"
#include "ui/save/log_name.h"

namespace tessera::ui {

namespace {

constexpr std::uint32_t kDialogKeys = 144;
constexpr std::uint32_t kOkKey = 1;
constexpr std::uint32_t kCancelKey = 2;
// The browser's title and filter (without FILEFILTER) for "...".
constexpr std::uint32_t kStringSaveTitle = 31006;
constexpr std::uint32_t kStringSaveFilter = 31004;

// The preview's small font: the console's face, smaller than the dialog's
// own text.
QFont PreviewFont(const QFont& consoleFont) {
  QFont font(consoleFont);
  const qreal base = QApplication::font().pointSizeF();
  font.setPointSizeF(std::max<qreal>(6.0, (base > 0 ? base : 9.0) * 0.8));
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  return font;
}

}  // namespace

SaveTextDialog::SaveTextDialog(std::u16string text, ShellContext& context, int& filterIndex,
                               const QFont& consoleFont, QWidget* parent)
    : QDialog(parent),
      text_(std::move(text)),
      context_(context),
      filterIndex_(filterIndex),
      nameEdit_(new QLineEdit(this)),
      browse_(new QPushButton(this)),
      unicode_(new QRadioButton(this)),
      shiftJis_(new QRadioButton(this)),
      preview_(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("saveTextDialog"));
  nameEdit_->setObjectName(QStringLiteral("nameEdit"));
  preview_->setObjectName(QStringLiteral("preview"));
  auto* column = new QVBoxLayout(this);

  auto* nameRow = new QHBoxLayout;
  auto* nameLabel = new QLabel(this);
  nameLabel->setBuddy(nameEdit_);
  nameRow->addWidget(nameLabel);
  nameRow->addWidget(nameEdit_, 1);
  nameRow->addWidget(browse_);
  column->addLayout(nameRow);

  auto* encoding = new QGroupBox(this);
  auto* choices = new QHBoxLayout(encoding);
  choices->addWidget(unicode_);
  choices->addWidget(shiftJis_);
  choices->addStretch(1);
  unicode_->setChecked(true);
  column->addWidget(encoding);

  auto* previewLabel = new QLabel(this);
  previewLabel->setBuddy(preview_);
  column->addWidget(previewLabel);
  preview_->setReadOnly(true);
  preview_->setLineWrapMode(QPlainTextEdit::NoWrap);
  preview_->setFont(PreviewFont(consoleFont));
  preview_->setPlainText(EditorText(text_));
  column->addWidget(preview_, 1);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(WithoutHint(MenuItemText(kDialogKeys, kOkKey)),
                                       QDialogButtonBox::AcceptRole);
  buttons->addButton(WithoutHint(MenuItemText(kDialogKeys, kCancelKey)),
                     QDialogButtonBox::RejectRole);
  ok->setDefault(true);
  browse_->setAutoDefault(false);
  connect(buttons, &QDialogButtonBox::accepted, this, &SaveTextDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &SaveTextDialog::reject);
  connect(browse_, &QPushButton::clicked, this, &SaveTextDialog::Browse);
  column->addWidget(buttons);

  ApplyDialogTexts(this, kSaveDialog,
                   {{kSaveNameLabel, nameLabel},
                    {kSaveBrowse, browse_},
                    {kSaveEncodingGroup, encoding},
                    {kSaveUnicode, unicode_},
                    {kSaveShiftJis, shiftJis_},
                    {kSavePreviewLabel, previewLabel}});
  nameEdit_->setFocus();

  const QFontMetrics metrics = fontMetrics();
  QSize wanted(metrics.averageCharWidth() * 70, metrics.height() * 22);
  if (QScreen* screen = parent ? parent->screen() : QApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    wanted = wanted.boundedTo(QSize(area.width() * 9 / 10, area.height() * 9 / 10));
  }
  resize(wanted.expandedTo(minimumSizeHint()));
}

void SaveTextDialog::Browse() {
  const std::u16string* current = context_.GetValueText(u"CUR DIR");
  const std::u16string folder = current && !current->empty() ? *current : std::u16string(u"\\");
  DeviceFileRequest request;
  request.mode = browser::BrowseMode::Save;
  request.title = ResourceString(kStringSaveTitle);
  const std::u16string* filter = context_.GetValueText(u"FILEFILTER");
  request.filter = filter && !filter->empty() ? *filter : LoadResourceString(kStringSaveFilter);
  request.folder = folder;
  request.proposedName = save::ProposedLogName(folder);
  if (const auto choice = ChooseDeviceFile(this, request, filterIndex_))
    nameEdit_->setText(ToQString(choice->path));
  nameEdit_->setFocus();
}

void SaveTextDialog::accept() {
  save::SaveRequest request;
  request.typedName = ToU16(nameEdit_->text());
  request.encoding =
      shiftJis_->isChecked() ? save::SaveEncoding::ShiftJis : save::SaveEncoding::Unicode;
  request.text = text_;
  if (const ContextValue* current = GetCurrentDirectoryValue(context_))
    request.currentDirectory = current->value.value_or(u"");
  browser::MessageBoxPrompter prompter(this);
  browser::PromptChannel prompts(prompter, {});
  result_ = save::SaveConsoleText(request, prompts);
  if (result_.outcome == save::SaveOutcome::Stay) {
    nameEdit_->setFocus();
    return;
  }
  QDialog::accept();
}

}  // namespace tessera::ui
