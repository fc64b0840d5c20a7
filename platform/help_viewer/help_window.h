// The help viewer's window: a page of the program's help with links between
// the pages, Back, Forward and Home, Escape or Ctrl+W to close.
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QTextBrowser>
#include <QUrl>

namespace tessera::help {

class HelpWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows a local file at an anchor; the first page shown is Home. A
  // missing file shows a page that says so.
  void Open(const QString& hostPath, const QString& anchor);

  QTextBrowser* browser() { return browser_; }
  QAction* backAction() { return back_; }
  QAction* forwardAction() { return forward_; }
  QAction* homeAction() { return home_; }

  // The size a help window opens with on a screen of that size: enough for
  // the pages, never more than the screen offers.
  static QSize FittingSize(const QSize& available);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void ShowMissing(const QString& hostPath);
  void UpdateTitle();

  QTextBrowser* browser_;
  QAction* back_;
  QAction* forward_;
  QAction* home_;
  QUrl home_url_;
};

}  // namespace tessera::help
