#include "ui/about_dialog.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/environment.h"
#include "shell/format.h"
#include "shell/resources.h"
#include "ui/dialog_keys.h"
#include "ui/qt_text.h"
#include "ui/resource_text.h"
#include "ui/text_effects.h"

namespace tessera::ui {

AboutDialog::AboutDialog(int effect, QWidget* parent)
    : QDialog(parent), effect_(effect), line_(new QLabel(this)) {
  auto* column = new QVBoxLayout(this);
  column->setSpacing(10);
  auto* name = new QLabel(this);
  name->setObjectName(QStringLiteral("productName"));
  QFont large = name->font();
  large.setPointSizeF(large.pointSizeF() * 1.6);
  large.setBold(true);
  name->setFont(large);
  auto* version = new QLabel(this);
  version->setObjectName(QStringLiteral("productVersion"));
  ApplyDialogTexts(this, kAboutDialog, {{kAboutProductName, name}});
  version->setText(ToQString(
      FormatMessage(LoadControlText(kAboutDialog, kAboutVersion), {FormatArg(kShellVersion)})));

  const QIcon icon = QApplication::windowIcon();
  if (!icon.isNull()) {
    auto* picture = new QLabel(this);
    picture->setPixmap(icon.pixmap(48, 48));
    column->addWidget(picture, 0, Qt::AlignHCenter);
  }
  column->addWidget(name, 0, Qt::AlignHCenter);
  column->addWidget(version, 0, Qt::AlignHCenter);

  // The line keeps its width while it turns: letters of one width, and
  // room for the longer text.
  const TextEffect chosen = TextEffectOf(effect_);
  from_ = ResourceString(chosen.fromString);
  to_ = ResourceString(chosen.toString);
  line_->setObjectName(QStringLiteral("animatedLine"));
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPointSizeF(large.pointSizeF() * 0.75);
  line_->setFont(fixed);
  line_->setAlignment(Qt::AlignCenter);
  const QFontMetrics metrics(fixed);
  line_->setMinimumWidth(
      metrics.horizontalAdvance(QString(std::max(from_.size(), to_.size()) + 2, u'M')));
  line_->setText(from_);
  column->addWidget(line_);

  column->addWidget(NewDialogKeys(*this, false).box);

  timer_.setInterval(chosen.periodMs);
  connect(&timer_, &QTimer::timeout, this, &AboutDialog::NextFrame);
  timer_.start();
}

void AboutDialog::NextFrame() {
  ++step_;
  line_->setText(TextEffectFrame(effect_, from_, to_, step_));
  if (step_ >= TextEffectFrames(effect_, from_, to_)) timer_.stop();
}

void ShowAboutDialog(QWidget* parent) {
  AboutDialog dialog(NextAboutEffect(), parent);
  dialog.exec();
}

}  // namespace tessera::ui
