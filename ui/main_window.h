// The main window: the view, and beneath it the soft-key strip with the
// left soft key and the Menu key.
#pragma once

#include <QMainWindow>
#include <QPushButton>

namespace tessera::ui {

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

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenu();

  TesseraView* view_;
  QPushButton* softKey_;
  QPushButton* menuKey_;
};

}  // namespace tessera::ui
