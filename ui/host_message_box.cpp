#include "ui/host_message_box.h"

#include <QMessageBox>

#include "ui/qt_text.h"
#include "ui/window_strings.h"

namespace tessera::ui {

namespace {

QMessageBox::StandardButton ToButton(MessageBoxAnswer answer) {
  switch (answer) {
    case MessageBoxAnswer::Ok:
      return QMessageBox::Ok;
    case MessageBoxAnswer::Cancel:
      return QMessageBox::Cancel;
    case MessageBoxAnswer::Yes:
      return QMessageBox::Yes;
    case MessageBoxAnswer::No:
      return QMessageBox::No;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon ToIcon(MessageBoxIcon icon) {
  switch (icon) {
    case MessageBoxIcon::None:
      return QMessageBox::NoIcon;
    case MessageBoxIcon::Information:
      return QMessageBox::Information;
    case MessageBoxIcon::Question:
      return QMessageBox::Question;
    case MessageBoxIcon::Warning:
      return QMessageBox::Warning;
    case MessageBoxIcon::Error:
      return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToButtons(MessageBoxButtons buttons) {
  switch (buttons) {
    case MessageBoxButtons::Ok:
      return QMessageBox::Ok;
    case MessageBoxButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageBoxButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MessageBoxButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

}  // namespace

MessageBoxAnswer AskWithMessageBox(QWidget* parent, const MessageBoxRequest& request) {
  QMessageBox box(parent);
  box.setWindowTitle(request.caption.empty() ? ApplicationTitle() : ToQString(request.caption));
  box.setText(ToQString(request.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  box.setIcon(ToIcon(request.icon));
  box.setStandardButtons(ToButtons(request.buttons));
  box.setDefaultButton(ToButton(request.defaultAnswer));
  switch (box.exec()) {
    case QMessageBox::Ok:
      return MessageBoxAnswer::Ok;
    case QMessageBox::Cancel:
      return MessageBoxAnswer::Cancel;
    case QMessageBox::Yes:
      return MessageBoxAnswer::Yes;
    case QMessageBox::No:
      return MessageBoxAnswer::No;
    default:
      break;
  }
  // Closed without a button: the box's escape answer.
  return request.buttons == MessageBoxButtons::YesNo ? MessageBoxAnswer::No
                                                     : MessageBoxAnswer::Cancel;
}

}  // namespace tessera::ui
