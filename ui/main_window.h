// The main window: the view, and beneath it the soft-key strip with the
// left soft key and the Menu key.
#pragma once

#include <QMainWindow>
#include <QPushButton>

#include "ui/main_menu.h"

namespace tessera::ui {

class CommandSet;
class TesseraView;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
  TesseraView* view() { return view_; }
  QPushButton* softKey() { return softKey_; }
  QPushButton* menuKey() { return menuKey_; }
  // The find bar's and function-key bar's settings, stored at shutdown.
  void StoreBarSettings();
  CommandSet* commands() { return commands_; }
  const MainMenu& menus() const { return menus_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenu();

  TesseraView* view_;
  QPushButton* softKey_;
  QPushButton* menuKey_;
  CommandSet* commands_ = nullptr;
  MainMenu menus_;
};

}  // namespace tessera::ui
