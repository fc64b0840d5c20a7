#include "ui/dialog_keys.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <cstdint>

#include "ui/resource_text.h"

namespace tessera::ui {

namespace {

constexpr std::uint32_t kDialogKeyMenu = 144;
constexpr std::uint32_t kOkKey = 1;
constexpr std::uint32_t kCancelKey = 2;

}  // namespace

DialogKeys NewDialogKeys(QDialog& dialog, bool withCancel) {
  auto* box = new QDialogButtonBox(&dialog);
  QPushButton* ok = box->addButton(WithoutHint(MenuItemText(kDialogKeyMenu, kOkKey)),
                                   QDialogButtonBox::AcceptRole);
  if (withCancel) {
    box->addButton(WithoutHint(MenuItemText(kDialogKeyMenu, kCancelKey)),
                   QDialogButtonBox::RejectRole);
  }
  ok->setDefault(true);
  // Through the dialog's own accept() and reject(), which may keep it open.
  QObject::connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  return {box, ok};
}

}  // namespace tessera::ui
