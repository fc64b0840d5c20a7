#include "ui/options_font_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/font_chooser.h"
#include "ui/resource_text.h"

namespace tessera::ui {

namespace {

// Controls of dialog 119: the four groups and their buttons.
constexpr std::uint32_t kFirstGroup = 1040;
constexpr std::uint32_t kFirstButton = 1044;
// The description is drawn in the font itself, but no larger than this.
constexpr int kLargestShownSize = 14;

}  // namespace

OptionsFontPage::OptionsFontPage(QWidget* parent) : QWidget(parent) {
  auto* column = new QVBoxLayout(this);
  for (int index = 0; index < 4; ++index) {
    const auto at = static_cast<std::size_t>(index);
    auto* group = new QGroupBox(this);
    auto* row = new QHBoxLayout(group);
    descriptions_[at] = new QLabel(group);
    descriptions_[at]->setObjectName(QStringLiteral("font%1").arg(index + 1));
    buttons_[at] = new QPushButton(group);
    buttons_[at]->setObjectName(QStringLiteral("chooseFont%1").arg(index + 1));
    row->addWidget(descriptions_[at], 1);
    row->addWidget(buttons_[at]);
    column->addWidget(group);
    const auto control = static_cast<std::uint32_t>(index);
    ApplyDialogTexts(this, kFontPage,
                     {{kFirstGroup + control, group}, {kFirstButton + control, buttons_[at]}});
    connect(buttons_[at], &QPushButton::clicked, this, [this, index] { Choose(index); });
    shown_[at] = ReadFontEntry(index);
    SetEntry(index, shown_[at]);
  }
  column->addStretch(1);
}

void OptionsFontPage::SetEntry(int index, const FontEntry& entry) {
  const auto at = static_cast<std::size_t>(index);
  entries_[at] = entry;
  QFont shown = ConsoleFontOf(entry);
  shown.setPointSize(std::min(entry.size, kLargestShownSize));
  descriptions_[at]->setFont(shown);
  descriptions_[at]->setText(QStringLiteral("%1:%2pt").arg(entry.face).arg(entry.size));
}

void OptionsFontPage::Choose(int index) {
  FontChooser chooser(entries_[static_cast<std::size_t>(index)], window());
  if (chooser.exec() == QDialog::Accepted) SetEntry(index, chooser.entry());
}

void OptionsFontPage::Commit() {
  for (std::size_t at = 0; at < entries_.size(); ++at) {
    if (entries_[at] == shown_[at]) continue;
    static_cast<void>(WriteFontEntry(static_cast<int>(at), entries_[at]));
    shown_[at] = entries_[at];
  }
}

}  // namespace tessera::ui
