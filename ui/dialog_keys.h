// The OK and Cancel buttons of the window's small dialogs, labelled with the
// items of menu 144 (their soft keys). OK is the default button, so Enter
// in a field is OK; Escape is Cancel.
#pragma once

#include <QDialogButtonBox>
#include <QPushButton>

class QDialog;

namespace tessera::ui {

struct DialogKeys {
  QDialogButtonBox* box;
  QPushButton* ok;
};

// The buttons of dialog, wired to its accept() and reject(); without
// Cancel when withCancel is false.
DialogKeys NewDialogKeys(QDialog& dialog, bool withCancel = true);

}  // namespace tessera::ui
