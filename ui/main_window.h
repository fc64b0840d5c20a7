// The main window: the view, and beneath it the soft-key strip with the
// left soft key and the Menu key. While the find bar has the focus the
// strip is the find bar's: the left key searches on in the bar's
// direction, a second key searches the other way (and makes that the
// bar's direction), and Menu opens the find bar's menu.
#pragma once

#include <QMainWindow>
#include <QPushButton>

#include "ui/main_menu.h"
#include "ui/recent_files.h"

namespace tessera::ui {

class CommandSet;
class TesseraView;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;
  TesseraView* view() { return view_; }
  QPushButton* softKey() { return softKey_; }
  QPushButton* menuKey() { return menuKey_; }
  // The find bar's key that searches the other way; hidden elsewhere.
  QPushButton* reverseKey() { return reverseKey_; }
  QWidget* softKeyStrip() { return strip_; }
  // The soft-key strip shown or hidden (USE_SOFT_KEY_MENU).
  void ShowSoftKeys(bool show);
  // The find bar's soft keys are up.
  bool findBarKeys() const { return findBarKeys_; }
  // The find bar's and function-key bar's settings, stored at shutdown.
  void StoreBarSettings();
  CommandSet* commands() { return commands_; }
  const MainMenu& menus() const { return menus_; }
  RecentFileList& recentFiles() { return recent_; }
  // Runs recently used entry 0..3; the entry moves to the top when it
  // succeeded and leaves the list when it failed.
  void OpenRecent(std::size_t index);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenu();
  // The strip's keys for where the focus is and whether a command runs.
  void UpdateSoftKeys();
  void LeftSoftKey();

  TesseraView* view_;
  QWidget* strip_;
  QPushButton* softKey_;
  QPushButton* reverseKey_;
  QPushButton* menuKey_;
  CommandSet* commands_ = nullptr;
  MainMenu menus_;
  RecentFileList recent_;
  bool findBarKeys_ = false;
};

}  // namespace tessera::ui
